// The reference dialogs that the steps' "参考値..." buttons open (design
// strengths, steel, pull-out safety factors, plate bending stress, unit
// weights, bond stresses and skin friction). They are not part of the
// program yet: every reference button stays disabled behind this one switch
// until they are, and each step keeps its enabling rules in place behind it.
#pragma once

namespace talvo {

inline bool ReferenceDialogsAvailable() {
    return false;
}

}  // namespace talvo
