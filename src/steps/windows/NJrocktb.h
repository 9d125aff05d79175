// NJrocktb: the load-sharing step of the anchored frames (work types 3 and
// 4). The engineer chooses the length ℓ1 of vertical beam and ℓ2 of
// horizontal beam that carry the design load Pt of one bolt or anchor, and
// the pattern of the uniform load w; the step shows Pt, and takes it when
// the design load is entered directly.
//
// Each option's text, formula or ℓ picture is clickable too and selects the
// option; the option that has the focus is framed.
#pragma once

#include <array>
#include <vector>

#include "platform/stepform.h"
#include "steps/loadsharing.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvo {

class NJrocktb : public StepForm {
    Q_OBJECT
public:
    explicit NJrocktb(QWidget* parent = nullptr);

    // ℓ1 (vertical beam) and ℓ2 (horizontal beam): option 0 the total length
    // ÷ count, option 1 the pitch; the load pattern 0 to 3.
    std::array<QRadioButton*, 2> SSOption1{};
    std::array<QRadioButton*, 2> SSOption2{};
    std::array<QRadioButton*, 4> SSOption3{};
    // Clickable covers of each option's text or formula.
    std::array<QLabel*, 2> lblOption1{};
    std::array<QLabel*, 2> lblOption2{};
    std::array<QLabel*, 4> lblOption3{};
    // The ℓ pictures: of the length options, and the first and second of
    // each load pattern.
    std::array<QWidget*, 2> Picture1{};
    std::array<QWidget*, 2> Picture2{};
    std::array<QWidget*, 4> Picture3{};
    std::array<QWidget*, 4> Picture4{};
    // Focus frames around each option's text.
    std::array<QFrame*, 2> Shp1{};
    std::array<QFrame*, 2> Shp2{};
    std::array<QFrame*, 4> Shape1{};
    // The option texts of ℓ1 and ℓ2, indexed 1 and 2 (0 unused).
    std::array<QLabel*, 3> Label7{};
    std::array<QLabel*, 3> Label8{};
    QLabel* Label18_17 = nullptr;  // "Label18(17)": the subscript of ℓ1 in option 1
    QLabel* lblPt = nullptr;       // the computed Pt
    QLineEdit* txtPt = nullptr;    // the directly entered Pt, over lblPt
    QLineEdit* Text1 = nullptr;    // the focus sink

protected:
    void OnLoad() override;
    void OnActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One of the three choices with its controls.
    struct Group {
        ShareChoice choice = ShareChoice::TateLength;
        QButtonGroup* buttons = nullptr;
        std::vector<QRadioButton*> options;
        std::vector<QFrame*> frames;
        // Covers and pictures that select option i when clicked: (widget, i).
        std::vector<std::pair<QWidget*, int>> clickAreas;
    };

    void MakeLengthGroup(Group& g, bool vertical, int left);
    void MakePatterns(QWidget* frame);
    void ConnectGroup(Group& g);
    // The click rule of an option (also run when the program sets one on).
    void OptionClick(Group& g, int index);
    // A click on an option's text or picture.
    void SelectByText(Group& g, int index);
    void SelectStored(Group& g);
    void HideFrames(Group& g);

    // ℓ1, ℓ2, the load pattern.
    std::array<Group, 3> groups_;
};

}  // namespace talvo
