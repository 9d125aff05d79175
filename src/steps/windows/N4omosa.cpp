#include "steps/windows/N4omosa.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/windows/InputPlacing.h"

namespace talvo {

using input::Place;

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N4omosa", [] { return new N4omosa; });
    return true;
}();

const char* const kNameMessage = "文字数は半角で２０文字までです。";
const char* const kThickMessage = "中詰め材の厚さがのり枠高（厚さ）を超えています。";

std::string& NameField(int i) {
    switch (i) {
        case 0:
            return Design.FrameMaterial;
        case 1:
            return Design.InfillName;
        case 2:
            return Design.SnowRemarks;
        default:
            return Design.SoilName;
    }
}
std::string& WeightField(int i) {
    switch (i) {
        case 0:
            return Design.FrameGamma;
        case 1:
            return Design.InfillGamma;
        case 2:
            return Design.SnowGamma;
        default:
            return Design.SoilGamma;
    }
}

// Geometry, twips: four panels one below the other; in each, the first row
// holds the name and the unit weight, the second the thickness or the
// frame heights.
constexpr int kPanelLeft = 120;
constexpr int kPanelWidth = 9060;
constexpr int kPanelTop[4] = {60, 1080, 2100, 3120};
constexpr int kPanelHeight[4] = {960, 960, 960, 630};
constexpr int kRow1 = 240;
constexpr int kRow2 = 570;
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
            input::Panel(this, captions[i], kPanelLeft, kPanelTop[i], kPanelWidth, kPanelHeight[i]);
        g->setObjectName(QStringLiteral("fraGroup(%1)").arg(i));
        fraGroup[i] = g;
        input::Text(g, nameLabels[i], kNameLabelLeft, kRow1, kNameLeft - kNameLabelLeft - 60,
                    kRowHeight);
        txtName[i] = input::Box(g, QStringLiteral("txtName(%1)").arg(i), kNameLeft, kRow1,
                                kNameWidth, kRowHeight);
        input::Text(g, weightLabels[i], kValueLabelLeft, kRow1, kSymbolLeft - kValueLabelLeft,
                    kRowHeight);
        input::Text(g, gamma[i], kSymbolLeft, kRow1, kValueLeft - kSymbolLeft, kRowHeight);
        txtWeight[i] = input::Box(g, QStringLiteral("txtWeight(%1)").arg(i), kValueLeft, kRow1,
                                  kValueWidth, kRowHeight);
        input::Text(g, QStringLiteral("kN/m³"), kUnitLeft, kRow1, kReferLeft - kUnitLeft,
                    kRowHeight);
        cmdRefer[i] = new QPushButton(QStringLiteral("参考値..."), g);
        cmdRefer[i]->setObjectName(QStringLiteral("cmdRefer(%1)").arg(i));
        cmdRefer[i]->setAutoDefault(false);
        Place(cmdRefer[i], kReferLeft, kRow1 - 15, 800, kRowHeight + 30);
        cmdRefer[i]->setEnabled(false);
        connect(cmdRefer[i], &QPushButton::clicked, this, [this, i] { ReferClick(i); });
    }

    chkMaterial = new QCheckBox(QStringLiteral("考慮する"), fraGroup[1]);
    chkMaterial->setObjectName(QStringLiteral("chkMaterial"));
    Place(chkMaterial, kCheckLeft, kRow1, 1150, kRowHeight);
    chkSnow = new QCheckBox(QStringLiteral("考慮する"), fraGroup[2]);
    chkSnow->setObjectName(QStringLiteral("chkSnow"));
    Place(chkSnow, kCheckLeft, kRow1, 1150, kRowHeight);

    // Frame heights of the section step, shown only.
    QGroupBox* frame = fraGroup[0];
    input::Text(frame, QStringLiteral("のり枠高(厚さ)"), kNameLabelLeft, kRow2, 1700, kRowHeight);
    const QString dir[2] = {QStringLiteral("縦枠"), QStringLiteral("横枠")};
    const QString h[2] = {QStringLiteral("h<sub>y</sub> ="), QStringLiteral("h<sub>x</sub> =")};
    for (int k = 0; k < 2; ++k) {
        const int left = 3150 + k * 2350;
        input::Text(frame, dir[k], left, kRow2, 560, kRowHeight);
        input::Text(frame, h[k], left + 560, kRow2, 420, kRowHeight);
        lblFrame[k] = input::Text(frame, QString(), left + 980, kRow2, 700, kRowHeight,
                                  Qt::AlignLeft | Qt::AlignVCenter);
        lblFrame[k]->setObjectName(QStringLiteral("lblFrame(%1)").arg(k));
        lblFrame[k]->setFrameShape(QFrame::Panel);
        lblFrame[k]->setFrameShadow(QFrame::Sunken);
        input::Text(frame, QStringLiteral("mm"), left + 1740, kRow2, 400, kRowHeight);
    }

    const QString thickLabel[2] = {QStringLiteral("中詰め材の厚さ"), QStringLiteral("積雪深")};
    const QString thickSymbol[2] = {QStringLiteral("h<sub>e</sub> ="),
                                    QStringLiteral("h<sub>s</sub> =")};
    const QString thickUnit[2] = {QStringLiteral("mm"), QStringLiteral("m")};
    for (int j = 0; j < 2; ++j) {
        QGroupBox* g = fraGroup[j + 1];
        input::Text(g, thickLabel[j], kValueLabelLeft, kRow2, kSymbolLeft - kValueLabelLeft,
                    kRowHeight);
        input::Text(g, thickSymbol[j], kSymbolLeft, kRow2, kValueLeft - kSymbolLeft, kRowHeight);
        txtThick[j] = input::Box(g, QStringLiteral("txtThick(%1)").arg(j), kValueLeft, kRow2,
                                 kValueWidth, kRowHeight);
        input::Text(g, thickUnit[j], kUnitLeft, kRow2, 500, kRowHeight);
    }

    EntryGroup* entries = Entries();
    const std::vector<std::int16_t*> flags = {&RecalcLoad, &RecalcForce, &RecalcAnchorBar};
    for (int i = 0; i < 4; ++i) {
        NameBox name;
        name.maxBytes = kNameBytes;
        name.message = kNameMessage;
        name.field = &NameField(i);
        name.refocusOnCut = true;
        name.anyChangeRaisesDataChanged = false;
        name.unchangedLeftAlone = true;
        entries->AddName(txtName[i], name);

        NumBox weight;
        weight.min = 0.1;
        weight.max = 99.9;
        weight.decimals = 1;
        weight.places = 5;
        weight.field = &WeightField(i);
        weight.flags = flags;
        entries->AddNumber(txtWeight[i], weight);
    }
    NumBox infill;
    infill.min = 1;
    infill.max = 1000;
    infill.decimals = 0;
    infill.places = 5;
    infill.field = &Design.InfillThick;
    infill.flags = flags;
    infill.onAccepted = [this] { ThickAccepted(); };
    entries->AddNumber(txtThick[0], infill);
    NumBox snow;
    snow.min = 0.001;
    snow.max = 9.999;
    snow.decimals = 3;
    snow.places = 5;
    snow.field = &Design.SnowDepth;
    snow.flags = flags;
    entries->AddNumber(txtThick[1], snow);

    for (QLineEdit* b : {txtName[0], txtName[1], txtName[2], txtName[3], txtWeight[0], txtWeight[1],
                         txtWeight[2], txtWeight[3], txtThick[0], txtThick[1]})
        SetTextEnabled(b, true);

    connect(chkMaterial, &QCheckBox::toggled, this, &N4omosa::MaterialClick);
    connect(chkSnow, &QCheckBox::toggled, this, &N4omosa::SnowClick);

    SetTabWrapTarget(txtName[0]);
    QWidget* order[] = {txtName[0],   txtWeight[0], cmdRefer[0], chkMaterial, txtName[1],
                        txtWeight[1], cmdRefer[1],  txtThick[0], chkSnow,     txtName[2],
                        txtWeight[2], cmdRefer[2],  txtThick[1], txtName[3],  txtWeight[3],
                        cmdRefer[3],  cmdBegin,     cmdBack,     cmdIndicate, cmdNext,
                        cmdResult,    FocusSink};
    for (std::size_t k = 0; k + 1 < std::size(order); ++k)
        if (order[k] && order[k + 1]) setTabOrder(order[k], order[k + 1]);
}

void N4omosa::OnLoad() {
    Entries()->ShowAllStored();
    for (int i = 0; i < 4; ++i) txtName[i]->setText(QString::fromStdString(NameField(i)));
    // Equal to the record, so the click handling raises no flag.
    chkMaterial->setChecked(Design.UseInfill != 0);
    chkSnow->setChecked(Design.UseSnow != 0);
    const bool infill = chkMaterial->isChecked();
    for (QLineEdit* b : {txtName[1], txtWeight[1], txtThick[0]}) SetTextEnabled(b, infill);
    cmdRefer[1]->setEnabled(infill && kUnitWeightDialog);
    const bool snow = chkSnow->isChecked();
    for (QLineEdit* b : {txtName[2], txtWeight[2], txtThick[1]}) SetTextEnabled(b, snow);
    cmdRefer[2]->setEnabled(snow && kUnitWeightDialog);
    if (Design.WorkType > 1) {
        cmdRefer[3]->setEnabled(false);
        SetTextEnabled(txtName[3], false);
        SetTextEnabled(txtWeight[3], false);
    }
}

void N4omosa::EnableRefer() {
    cmdRefer[0]->setEnabled(kUnitWeightDialog);
    cmdRefer[1]->setEnabled(chkMaterial->isChecked() && kUnitWeightDialog);
    cmdRefer[2]->setEnabled(chkSnow->isChecked() && kUnitWeightDialog);
    cmdRefer[3]->setEnabled(Design.WorkType < 2 && kUnitWeightDialog);
}

void N4omosa::DisableRefer() {
    for (QPushButton* b : cmdRefer) b->setEnabled(false);
}

void N4omosa::OnActivate() {
    EnableRefer();
    ColorThick();
    lblFrame[0]->setText(QString::fromStdString(Design.SectionHy));
    lblFrame[1]->setText(QString::fromStdString(Design.SectionHx));
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

bool N4omosa::ThickTooGreat() const {
    if (Design.SectionHy.empty() || Design.SectionHx.empty()) return false;
    const double he = NumVal(Design.InfillThick);
    return he > NumVal(Design.SectionHy) || he > NumVal(Design.SectionHx);
}

void N4omosa::ColorThick() {
    input::SetForeColor(txtThick[0], ThickTooGreat() ? input::kRedText : input::kBlackText);
}

void N4omosa::ThickAccepted() {
    ColorThick();
    if (ThickTooGreat()) MsgBox(kThickMessage, MsgButtons::Ok, MsgIcon::Exclamation);
}

void N4omosa::MaterialClick(bool checked) {
    for (QLineEdit* b : {txtName[1], txtWeight[1], txtThick[0]}) SetTextEnabled(b, checked);
    if (checked) ColorThick();
    cmdRefer[1]->setEnabled(checked && kUnitWeightDialog);
    const std::int16_t value = checked ? 1 : 0;
    if (value != Design.UseInfill) {
        DataChanged = 1;
        RecalcLoad = 1;
        RecalcForce = 1;
        RecalcAnchorBar = 1;
    }
    Design.UseInfill = value;
}

void N4omosa::SnowClick(bool checked) {
    for (QLineEdit* b : {txtName[2], txtThick[1], txtWeight[2]}) SetTextEnabled(b, checked);
    cmdRefer[2]->setEnabled(checked && kUnitWeightDialog);
    const std::int16_t value = checked ? 1 : 0;
    if (value != Design.UseSnow) {
        DataChanged = 1;
        RecalcLoad = 1;
        RecalcForce = 1;
        RecalcAnchorBar = 1;
    }
    Design.UseSnow = value;
}

void N4omosa::ReferClick(int i) {
    // The unit-weight dialog reads the group; it writes its pick itself.
    UnitWeightGroup = static_cast<std::int16_t>(i);
}

}  // namespace talvo
