// What the three reference dialogs of the conditions share: OK writes the
// chosen value into the conditions dialog (its box and its pending field)
// and closes the dialog, Cancel closes it and writes nothing, and the keys
// and double-clicks that pick as OK does.
#pragma once

#include <QDialog>
#include <vector>

class QAbstractButton;
class QHBoxLayout;
class QKeyEvent;
class QPushButton;

namespace talvo::companion {

class FrmCondition;

class ReferenceDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* cmdOK = nullptr;  // the default button
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;

    // Writes the choice and closes the dialog.
    virtual void OkClick() = 0;

protected:
    ReferenceDialog(FrmCondition* condition, QWidget* parent);

    // Makes OK, Cancel and Help and gives their row for the dialog's layout.
    // Made after the dialog's own controls, they come last in the tab order
    // and the focus opens on the dialog's first control.
    QHBoxLayout* AddButtons();
    // Enter pressed in `w` picks as OK does.
    void PickOnEnter(QWidget* w);
    // A double-click on a choice selects it and picks.
    void PickOnDoubleClick(QAbstractButton* choice);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is bound to no button: it leaves the dialog open.
    void keyPressEvent(QKeyEvent* event) override;

    FrmCondition* condition_;

private:
    std::vector<QWidget*> enterPicks_;
    std::vector<QAbstractButton*> doubleClickPicks_;
};

}  // namespace talvo::companion
