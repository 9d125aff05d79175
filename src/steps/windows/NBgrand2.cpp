#include "steps/windows/NBgrand2.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "calc/anchorage.h"
#include "calc/recalc.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "standards/windows/BondTables.h"
#include "standards/windows/Catalogues.h"
#include "steps/groundanchor.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NBgrand2", [] { return new NBgrand2; });
    return true;
}();

// The ten rows inside the panel, twips.
constexpr int kRowTop = 150;
constexpr int kRowStep = 375;
constexpr int kRowHeight = 300;
constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 3660;
constexpr int kSymbolLeft = 3960;
constexpr int kSymbolWidth = 480;
constexpr int kEqualLeft = 4470;
constexpr int kEqualWidth = 240;
constexpr int kBoxLeft = 4740;
constexpr int kBoxWidth = 1140;
constexpr int kUnitLeft = 5940;
constexpr int kUnitWidth = 1200;
constexpr int kReferLeft = 7260;
constexpr int kReferWidth = 1200;

constexpr int RowTop(int row) {
    return kRowTop + row * kRowStep;
}

}  // namespace

NBgrand2::NBgrand2(QWidget* parent) : StepForm(QStringLiteral("NBgrand2"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());
    Text10 = FocusSink;

    QGroupBox* fraMain = AddPanel(this, QString(), 240, 60, 8835, 4050);
    fraMain->setObjectName(QStringLiteral("fraMain"));

    // The rows top to bottom: caption, symbol (indices as subscripts), "=",
    // then the box or display and the unit.
    const struct {
        const char* caption;
        const char* symbol;
        const char* unit;
    } rows[10] = {
        {"テンドンの見かけ径", "d<sub>s</sub>", "(mm)"},
        {"削孔径（アンカー体径）", "d<sub>a</sub>", "(mm)"},
        {"地盤の周面摩擦抵抗", "τ", "(N/mm<sup>2</sup>)"},
        {"グラウトとテンドンの許容付着応力度 ", "τ<sub>b</sub>", "(N/mm<sup>2</sup>)"},
        {"引抜きに対する安全率", "Ｆ<sub>s</sub>", ""},
        {"地山とグラウトの必要付着長", "L<sub>a1</sub>", "(m)"},
        {"グラウトとテンドンの必要付着長", "L<sub>a2</sub>", "(m)"},
        {"定着長", "L<sub>a</sub>", "(m)"},
        {"自由長", "L<sub>f</sub>", "(m)"},
        {"アンカー長 ", "L<sub>A</sub>", "(m)"},
    };
    for (int i = 0; i < 10; ++i) {
        const int top = RowTop(i);
        AddLabel(fraMain, QString::fromUtf8(rows[i].caption), kCaptionLeft, top, kCaptionWidth,
                 kRowHeight);
        AddLabel(fraMain, QString::fromUtf8(rows[i].symbol), kSymbolLeft, top, kSymbolWidth,
                 kRowHeight, Qt::AlignCenter);
        AddLabel(fraMain, QStringLiteral("="), kEqualLeft, top, kEqualWidth, kRowHeight,
                 Qt::AlignCenter);
        if (*rows[i].unit)
            AddLabel(fraMain, QString::fromUtf8(rows[i].unit), kUnitLeft, top, kUnitWidth,
                     kRowHeight);
    }
    lblLa1 = AddValueLabel(fraMain, QStringLiteral("lblLa1"), kBoxLeft, RowTop(5), kBoxWidth,
                           kRowHeight);
    lblLa2 = AddValueLabel(fraMain, QStringLiteral("lblLa2"), kBoxLeft, RowTop(6), kBoxWidth,
                           kRowHeight);
    lblLanc = AddValueLabel(fraMain, QStringLiteral("lblLanc"), kBoxLeft, RowTop(9), kBoxWidth,
                            kRowHeight);

    // No entry here raises a recalculation flag: the results window reruns
    // the bond and total lengths on each of its activations.
    const std::vector<NumEntry> table = {
        PlaceEntry("NBgrand2", "txtds", kBoxLeft, RowTop(0), kBoxWidth, kRowHeight),
        PlaceEntry("NBgrand2", "txtda", kBoxLeft, RowTop(1), kBoxWidth, kRowHeight),
        PlaceEntry("NBgrand2", "txtTau", kBoxLeft, RowTop(2), kBoxWidth, kRowHeight),
        PlaceEntry("NBgrand2", "txtTaub", kBoxLeft, RowTop(3), kBoxWidth, kRowHeight),
        PlaceEntry("NBgrand2", "txtFs", kBoxLeft, RowTop(4), kBoxWidth, kRowHeight),
        PlaceEntry("NBgrand2", "txtLa", kBoxLeft, RowTop(7), kBoxWidth, kRowHeight),
        PlaceEntry("NBgrand2", "txtLf", kBoxLeft, RowTop(8), kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(fraMain, table);
    txtds = boxes[0];
    txtda = boxes[1];
    txtTau = boxes[2];
    txtTaub = boxes[3];
    txtFs = boxes[4];
    txtLa = boxes[5];
    txtLf = boxes[6];
    for (QLineEdit* b : {txtds, txtda, txtTau, txtTaub, txtFs})
        Entries()->Rule(b)->onChanged = [this] { BondChanged(); };
    Entries()->Rule(txtLa)->onChanged = [this] { LengthChanged(); };
    // La is judged, with its warning, on every accepted entry: leaving an
    // unchanged La that is still short warns again.
    Entries()->Rule(txtLa)->onAccepted = [this] { JudgeLa(true); };
    Entries()->Rule(txtLf)->onChanged = [this] {
        LengthChanged();
        JudgeLf(true);
    };

    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QStringLiteral("参考値..."), fraMain);
        b->setObjectName(QStringLiteral("cmdRefer(%1)").arg(i));
        b->setAutoDefault(false);
        PlaceTwips(b, kReferLeft, RowTop(2 + i) - 15, kReferWidth, kRowHeight + 30);
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this,
                [this, i] { ReferClick(*Entries(), refer_[static_cast<std::size_t>(i)], this); });
        cmdRefer[static_cast<std::size_t>(i)] = b;
    }
    refer_ = {{
        {cmdRefer[0], txtTau,
         DialogPick<FMasatuAnchor>([](FMasatuAnchor& d) { return FormatNum(d.Value(), 5, 2); })},
        {cmdRefer[1], txtTaub,
         DialogPick<FFutyakuAnchor>([](FFutyakuAnchor& d) { return FormatNum(d.Value(), 5, 2); })},
        {cmdRefer[2], txtFs,
         DialogPick<FHikiAnzen>([](FHikiAnzen& d) { return FormatNum(d.PickedCell(2), 5, 1); })},
    }};

    // The buttons and the sink, made first, go behind Lf, so that the step
    // shows with ds focused. The sink is moved on its own first: the toolkit
    // takes a pair that is already in order around the cycle as done.
    QWidget::setTabOrder(txtLf, FocusSink);
    SetTabChain({txtds, txtda, txtTau, cmdRefer[0], txtTaub, cmdRefer[1], txtFs, cmdRefer[2], txtLa,
                 txtLf, cmdBegin, cmdBack, cmdIndicate, cmdNext, cmdResult, FocusSink});
    SetTabWrapTarget(txtds);
}

void NBgrand2::OnLoad() {
    Entries()->ShowAllStored();
}

void NBgrand2::OnActivate() {
    EnableRefer(true);
    RunRockOnActivation();
    CalcTeityaku();
    lblLa1->setText(NumText(Design.BondLa1Up, 5, 1));
    lblLa2->setText(NumText(Design.BondLa2Up, 5, 1));
    CalcZentyou();
    lblLanc->setText(NumText(Design.AnchorLength, 5, 1));
    JudgeLa(false);
    JudgeLf(false);
}

void NBgrand2::OnDeactivate() {
    EnableRefer(false);
}

void NBgrand2::OnResized(bool minimised) {
    EnableRefer(!minimised);
}

void NBgrand2::BondChanged() {
    CalcTeityaku();
    lblLa1->setText(NumText(Design.BondLa1Up, 5, 1));
    lblLa2->setText(NumText(Design.BondLa2Up, 5, 1));
    JudgeLa(true);
}

void NBgrand2::LengthChanged() {
    CalcZentyou();
    lblLanc->setText(NumText(Design.AnchorLength, 5, 1));
}

void NBgrand2::JudgeLa(bool warn) {
    const LengthVerdict v =
        JudgeAnchorLa(Design.AnchorLa, Design.BondLa1Up, Design.BondLa2Up, Design.Pt);
    SetForeColor(txtLa, v == LengthVerdict::Ok ? kBlackText : kRedText);
    if (warn && v != LengthVerdict::Ok) MsgBox(LaMessage(v), MsgButtons::Ok, MsgIcon::Exclamation);
}

void NBgrand2::JudgeLf(bool warn) {
    const LengthVerdict v = JudgeAnchorLf(Design.AnchorLf);
    SetForeColor(txtLf, v == LengthVerdict::Ok ? kBlackText : kRedText);
    if (warn && v != LengthVerdict::Ok) MsgBox(LfMessage(v), MsgButtons::Ok, MsgIcon::Exclamation);
}

void NBgrand2::EnableRefer(bool on) {
    for (QPushButton* b : cmdRefer) b->setEnabled(on);
}

}  // namespace talvo
