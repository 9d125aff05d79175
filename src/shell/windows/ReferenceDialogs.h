// The reference dialogs that the steps' "参考値..." buttons open (design
// strengths, steel, pull-out safety factors, plate bending stress, unit
// weights, bond stresses and skin friction). They are part of the program,
// so each reference button follows only its step's own enabling rules.
#pragma once

namespace talvo {

inline bool ReferenceDialogsAvailable() {
    return true;
}

}  // namespace talvo
