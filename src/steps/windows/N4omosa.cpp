#include "steps/windows/N4omosa.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "standards/catalogues.h"
#include "standards/windows/Catalogues.h"
#include "steps/weights.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N4omosa", [] { return new N4omosa; });
    return true;
}();

const char* const kNameMessage = "文字数は半角で２０文字までです。";
const char* const kThickMessage = "中詰め材の厚さがのり枠高（厚さ）を超えています。";

// Geometry, twips: four panels one below the other; in each, the first row
// holds the name and the unit weight, the second the thickness or the
// frame heights. A panel's caption takes the top 300 twips of it, so the
// rows (and the reference button, a little taller than a row) start below
// that, and each panel ends below its last row.
constexpr int kPanelLeft = 120;
constexpr int kPanelWidth = 9060;
constexpr int kPanelTop[4] = {60, 1125, 2190, 3255};
constexpr int kPanelHeight[4] = {1035, 1035, 1035, 690};
constexpr int kRow1 = 330;
constexpr int kRow2 = 660;
constexpr int kRowHeight = 300;
// Columns.
constexpr int kCheckLeft = 150;
constexpr int kNameLabelLeft = 1350;
constexpr int kNameLeft = 2150;
constexpr int kNameWidth = 1900;
constexpr int kValueLabelLeft = 4150;
constexpr int kSymbolLeft = 6400;
constexpr int kValueLeft = 6820;
constexpr int kValueWidth = 760;
constexpr int kUnitLeft = 7620;
constexpr int kReferLeft = 8200;

}  // namespace

N4omosa::N4omosa(QWidget* parent) : StepForm(QStringLiteral("N4omosa"), kNavAll, parent) {
    (void)kRegistered;

    const QString captions[4] = {QStringLiteral("のり枠"), QStringLiteral("中詰め材"),
                                 QStringLiteral("積雪"), QStringLiteral("移動土塊")};
    const QString nameLabels[4] = {QStringLiteral("材料名"), QStringLiteral("材料名"),
                                   QStringLiteral("備 考"), QStringLiteral("土 質")};
    const QString weightLabels[4] = {
        QStringLiteral("のり枠の単位体積重量"), QStringLiteral("中詰め材の単位体積重量"),
        QStringLiteral("積雪の単位体積重量"), QStringLiteral("移動土塊の単位体積重量")};
    const QString gamma[4] = {QStringLiteral("γ<sub>c</sub> ="), QStringLiteral("γ<sub>e</sub> ="),
                              QStringLiteral("γ<sub>s</sub> ="), QStringLiteral("γ<sub>t</sub> =")};
    for (int i = 0; i < 4; ++i) {
        QGroupBox* g =
            AddPanel(this, captions[i], kPanelLeft, kPanelTop[i], kPanelWidth, kPanelHeight[i]);
        g->setObjectName(QStringLiteral("fraGroup(%1)").arg(i));
        fraGroup[i] = g;
        AddLabel(g, nameLabels[i], kNameLabelLeft, kRow1, kNameLeft - kNameLabelLeft - 60,
                 kRowHeight);
        txtName[i] = AddEntryBox(g, QStringLiteral("txtName(%1)").arg(i), kNameLeft, kRow1,
                                 kNameWidth, kRowHeight);
        AddLabel(g, weightLabels[i], kValueLabelLeft, kRow1, kSymbolLeft - kValueLabelLeft,
                 kRowHeight);
        AddLabel(g, gamma[i], kSymbolLeft, kRow1, kValueLeft - kSymbolLeft, kRowHeight);
        AddLabel(g, QStringLiteral("kN/m³"), kUnitLeft, kRow1, kReferLeft - kUnitLeft, kRowHeight);
        cmdRefer[i] = new QPushButton(QStringLiteral("参考値..."), g);
        cmdRefer[i]->setObjectName(QStringLiteral("cmdRefer(%1)").arg(i));
        cmdRefer[i]->setAutoDefault(false);
        PlaceTwips(cmdRefer[i], kReferLeft, kRow1 - 15, 800, kRowHeight + 30);
        cmdRefer[i]->setEnabled(false);
        connect(cmdRefer[i], &QPushButton::clicked, this, [this, i] { ReferClick(i); });
        Entries()->HoldAfterRefusal(cmdRefer[i]);
    }

    chkMaterial = new QCheckBox(QStringLiteral("考慮する"), fraGroup[1]);
    chkMaterial->setObjectName(QStringLiteral("chkMaterial"));
    PlaceTwips(chkMaterial, kCheckLeft, kRow1, 1150, kRowHeight);
    chkSnow = new QCheckBox(QStringLiteral("考慮する"), fraGroup[2]);
    chkSnow->setObjectName(QStringLiteral("chkSnow"));
    PlaceTwips(chkSnow, kCheckLeft, kRow1, 1150, kRowHeight);

    // Frame heights of the section step, shown only.
    QGroupBox* frame = fraGroup[0];
    AddLabel(frame, QStringLiteral("のり枠高(厚さ)"), kNameLabelLeft, kRow2, 1700, kRowHeight);
    const QString dir[2] = {QStringLiteral("縦枠"), QStringLiteral("横枠")};
    const QString h[2] = {QStringLiteral("h<sub>y</sub> ="), QStringLiteral("h<sub>x</sub> =")};
    for (int k = 0; k < 2; ++k) {
        const int left = 3150 + k * 2350;
        AddLabel(frame, dir[k], left, kRow2, 560, kRowHeight);
        AddLabel(frame, h[k], left + 560, kRow2, 420, kRowHeight);
        lblFrame[k] = AddLabel(frame, QString(), left + 980, kRow2, 700, kRowHeight);
        lblFrame[k]->setObjectName(QStringLiteral("lblFrame(%1)").arg(k));
        lblFrame[k]->setFrameShape(QFrame::Panel);
        lblFrame[k]->setFrameShadow(QFrame::Sunken);
        AddLabel(frame, QStringLiteral("mm"), left + 1740, kRow2, 400, kRowHeight);
    }

    // The infill thickness and the snow depth, below their group's weight.
    const QString thickLabel[2] = {QStringLiteral("中詰め材の厚さ"), QStringLiteral("積雪深")};
    const QString thickSymbol[2] = {QStringLiteral("h<sub>e</sub> ="),
                                    QStringLiteral("h<sub>s</sub> =")};
    const QString thickUnit[2] = {QStringLiteral("mm"), QStringLiteral("m")};
    for (int j = 0; j < 2; ++j) {
        QGroupBox* g = fraGroup[j + 1];
        AddLabel(g, thickLabel[j], kValueLabelLeft, kRow2, kSymbolLeft - kValueLabelLeft,
                 kRowHeight);
        AddLabel(g, thickSymbol[j], kSymbolLeft, kRow2, kValueLeft - kSymbolLeft, kRowHeight);
        AddLabel(g, thickUnit[j], kUnitLeft, kRow2, 500, kRowHeight);
    }

    // The numbers of each group: its unit weight, and the thickness of the
    // infill or the depth of the snow.
    EntryGroup* entries = Entries();
    const std::vector<NumEntry> frameTable = {
        PlaceEntry("N4omosa", "txtWeight(0)", kValueLeft, kRow1, kValueWidth, kRowHeight),
    };
    const std::vector<NumEntry> infillTable = {
        PlaceEntry("N4omosa", "txtWeight(1)", kValueLeft, kRow1, kValueWidth, kRowHeight),
        PlaceEntry("N4omosa", "txtThick(0)", kValueLeft, kRow2, kValueWidth, kRowHeight),
    };
    const std::vector<NumEntry> snowTable = {
        PlaceEntry("N4omosa", "txtWeight(2)", kValueLeft, kRow1, kValueWidth, kRowHeight),
        PlaceEntry("N4omosa", "txtThick(1)", kValueLeft, kRow2, kValueWidth, kRowHeight),
    };
    const std::vector<NumEntry> soilTable = {
        PlaceEntry("N4omosa", "txtWeight(3)", kValueLeft, kRow1, kValueWidth, kRowHeight),
    };
    txtWeight[0] = entries->AddNumbers(fraGroup[0], frameTable)[0];
    const std::vector<QLineEdit*> infill = entries->AddNumbers(fraGroup[1], infillTable);
    const std::vector<QLineEdit*> snow = entries->AddNumbers(fraGroup[2], snowTable);
    txtWeight[3] = entries->AddNumbers(fraGroup[3], soilTable)[0];
    txtWeight[1] = infill[0];
    txtThick[0] = infill[1];
    txtWeight[2] = snow[0];
    txtThick[1] = snow[1];
    entries->Rule(txtThick[0])->onAccepted = [this] { ThickAccepted(); };

    for (int i = 0; i < 4; ++i) {
        NameBox name;
        name.maxBytes = kNameBytes;
        name.message = kNameMessage;
        name.field = &standards::WeightNameField(i);
        name.refocusOnCut = true;
        name.anyChangeRaisesDataChanged = false;
        name.unchangedLeftAlone = true;
        entries->AddName(txtName[i], name);
    }

    for (QLineEdit* b : {txtName[0], txtName[1], txtName[2], txtName[3], txtWeight[0], txtWeight[1],
                         txtWeight[2], txtWeight[3], txtThick[0], txtThick[1]})
        SetTextEnabled(b, true);

    connect(chkMaterial, &QCheckBox::toggled, this, &N4omosa::MaterialClick);
    connect(chkSnow, &QCheckBox::toggled, this, &N4omosa::SnowClick);
    Entries()->HoldAfterRefusal(chkMaterial);
    Entries()->HoldAfterRefusal(chkSnow);

    SetTabWrapTarget(txtName[0]);
    SetTabChain({txtName[0],  txtWeight[0], cmdRefer[0],  chkMaterial, txtName[1],   txtWeight[1],
                 cmdRefer[1], txtThick[0],  chkSnow,      txtName[2],  txtWeight[2], cmdRefer[2],
                 txtThick[1], txtName[3],   txtWeight[3], cmdRefer[3], cmdBegin,     cmdBack,
                 cmdIndicate, cmdNext,      cmdResult,    FocusSink});
}

void N4omosa::OnLoad() {
    Entries()->ShowAllStored();
    for (int i = 0; i < 4; ++i) txtName[i]->setText(QStr(standards::WeightNameField(i)));
    // Equal to the record, so the click handling raises no flag.
    chkMaterial->setChecked(Design.UseInfill != 0);
    chkSnow->setChecked(Design.UseSnow != 0);
    const bool infill = chkMaterial->isChecked();
    for (QLineEdit* b : {txtName[1], txtWeight[1], txtThick[0]}) SetTextEnabled(b, infill);
    cmdRefer[1]->setEnabled(infill && kUnitWeightDialog);
    const bool snow = chkSnow->isChecked();
    for (QLineEdit* b : {txtName[2], txtWeight[2], txtThick[1]}) SetTextEnabled(b, snow);
    cmdRefer[2]->setEnabled(snow && kUnitWeightDialog);
    if (!MovingSoilApplies(Design.WorkType)) {
        cmdRefer[3]->setEnabled(false);
        SetTextEnabled(txtName[3], false);
        SetTextEnabled(txtWeight[3], false);
    }
}

void N4omosa::EnableRefer() {
    cmdRefer[0]->setEnabled(kUnitWeightDialog);
    cmdRefer[1]->setEnabled(chkMaterial->isChecked() && kUnitWeightDialog);
    cmdRefer[2]->setEnabled(chkSnow->isChecked() && kUnitWeightDialog);
    cmdRefer[3]->setEnabled(MovingSoilApplies(Design.WorkType) && kUnitWeightDialog);
}

void N4omosa::DisableRefer() {
    for (QPushButton* b : cmdRefer) b->setEnabled(false);
}

void N4omosa::OnActivate() {
    EnableRefer();
    ColorThick();
    lblFrame[0]->setText(QStr(Design.SectionHy));
    lblFrame[1]->setText(QStr(Design.SectionHx));
}

void N4omosa::OnDeactivate() {
    DisableRefer();
}

void N4omosa::OnResized(bool minimised) {
    if (minimised)
        DisableRefer();
    else
        EnableRefer();
}

bool N4omosa::ColorThick() {
    const bool tooThick =
        InfillThickerThanFrame(Design.InfillThick, Design.SectionHy, Design.SectionHx);
    SetForeColor(txtThick[0], tooThick ? kRedText : kBlackText);
    return tooThick;
}

void N4omosa::ThickAccepted() {
    if (ColorThick()) MsgBox(kThickMessage, MsgButtons::Ok, MsgIcon::Exclamation);
}

void N4omosa::MaterialClick(bool checked) {
    for (QLineEdit* b : {txtName[1], txtWeight[1], txtThick[0]}) SetTextEnabled(b, checked);
    if (checked) ColorThick();
    cmdRefer[1]->setEnabled(checked && kUnitWeightDialog);
    SetConsidered(Design.UseInfill, checked);
}

void N4omosa::SnowClick(bool checked) {
    for (QLineEdit* b : {txtName[2], txtThick[1], txtWeight[2]}) SetTextEnabled(b, checked);
    cmdRefer[2]->setEnabled(checked && kUnitWeightDialog);
    SetConsidered(Design.UseSnow, checked);
}

void N4omosa::ReferClick(int i) {
    // The unit-weight dialog reads the group and writes its pick into the
    // design itself; the panel's boxes then show what was stored, so that
    // leaving them later finds no change.
    UnitWeightGroup = static_cast<std::int16_t>(i);
    FJyuuryo dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    Entries()->ShowStored(txtWeight[i]);
    txtName[i]->setText(QStr(standards::WeightNameField(i)));
}

}  // namespace talvo
