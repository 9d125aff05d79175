// NAgrand1: the tendon step of the frames with ground anchors (work type 4).
// The engineer names the tendon, gives its tensile load Tus and yield load
// Tys and chooses the kind of anchor, whose factors turn the two loads into
// allowable loads; each is checked against the design load Pt per anchor,
// and the load the tendon would need (Pt ÷ factor) is shown beside it.
#pragma once

#include <array>

#include "platform/stepform.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvo {

class NAgrand1 : public StepForm {
    Q_OBJECT
public:
    explicit NAgrand1(QWidget* parent = nullptr);

    QLabel* lblTendonHeader = nullptr;  // "テンドンの選定"
    QGroupBox* fraTendon = nullptr;
    QLineEdit* txtSteelName = nullptr;     // 鋼材名
    QLineEdit* txtStandardName = nullptr;  // 規格名
    QLineEdit* txtTus = nullptr;           // Tus, kN
    QLineEdit* txtTys = nullptr;           // Tys, kN
    QLabel* lblNeedTus = nullptr;          // Pt ÷ factor on Tus
    QLabel* lblNeedTys = nullptr;          // Pt ÷ factor on Tys

    QLabel* lblSelectHeader = nullptr;  // "許容引張力の選択"
    QGroupBox* fraSelect = nullptr;
    std::array<QRadioButton*, 3> optAnchorSelect{};  // index = DesignData.AnchorKind
    QLabel* Label1 = nullptr;                        // factor on Tus
    QLabel* Label2 = nullptr;                        // factor on Tys
    QLabel* lblAncTus = nullptr;                     // factor × Tus
    QLabel* lblAncTys = nullptr;                     // factor × Tys
    QLabel* lblPtTus = nullptr;                      // Pt, in each row
    QLabel* lblPtTys = nullptr;
    QLabel* Label17 = nullptr;  // relation sign of the Tus row
    QLabel* Label18 = nullptr;  // relation sign of the Tys row
    QLabel* Label25 = nullptr;  // verdict of the Tus row
    QLabel* Label26 = nullptr;  // verdict of the Tys row

    QLineEdit* Text5 = nullptr;  // the focus sink

protected:
    void OnActivate() override;

private:
    // One of the two rows: Tus (0) or Tys (1).
    struct Row {
        QLineEdit* load;
        std::string* loadField;
        std::string* allowField;
        QLabel* factor;
        QLabel* allow;
        QLabel* pt;
        QLabel* sign;
        QLabel* verdict;
        QLabel* need;
        const std::array<std::string, 3>* factors;
    };
    Row RowOf(int i) const;

    void OptionClick(int kind);
    // The factors of `kind` shown, the kind stored and both allowables
    // recomputed from the loads.
    void ApplyKind(int kind);
    // Shows the option of the kind in force again (a refused click).
    void KeepKindInForce();
    // The allowable of the row as factor × load, stored as shown.
    void ShowAllowable(int i);
    // The sign and verdict of the row.
    void MarkRow(int i);
    void ShowRequired(int i);

    QButtonGroup* kindOptions_ = nullptr;
    // The kind whose option shows as chosen; -1 until the first activation.
    int kindShown_ = -1;
};

}  // namespace talvo
