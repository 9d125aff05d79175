// A value entered in either of two forms, the other form derived from the
// one shown: the gradient as 1 : n or θ0, the friction as φ or tan φ. Each
// form has a label that shows it; the entered form's box lies over its label.
#pragma once

#include <QString>
#include <string>

class QLabel;
class QWidget;

namespace talvo {

// Derives one form's text from the other's (steps/gradient.h,
// steps/loadconditions.h).
using DeriveForm = std::string (*)(const std::string&);

// After an entry shown on `entered`: the other form, derived from the shown
// text, on `derived` and in `field`; an emptied entry empties both. Returns
// whether a form was derived.
bool ShowDerivedForm(const QLabel* entered, QLabel* derived, std::string& field, DeriveForm derive);

}  // namespace talvo
