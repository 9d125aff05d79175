#include "steps/windows/DerivedForm.h"

#include <QFrame>
#include <QLabel>

#include "platform/formkit.h"

namespace talvo {

bool ShowDerivedForm(const QLabel* entered, QLabel* derived, std::string& field,
                     DeriveForm derive) {
    if (entered->text().isEmpty()) {
        derived->setText(QString());
        field.clear();
        return false;
    }
    derived->setText(QStr(derive(StdStr(entered->text()))));
    field = StdStr(derived->text());
    return true;
}

}  // namespace talvo
