#include "steps/windows/NBrock2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "calc/anchorage.h"
#include "calc/recalc.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "standards/windows/BondTables.h"
#include "standards/windows/Catalogues.h"
#include "steps/rockbolt.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NBrock2", [] { return new NBrock2; });
    return true;
}();

const char* const kShortMessage = "定着長が付着長を下回っています。";

// The ten rows, top to bottom: caption, symbol, "=", box or display, unit,
// and for three of them the reference button.
constexpr int kRowTop = 120;
constexpr int kRowStep = 375;
constexpr int kRowHeight = 300;
constexpr int kCaptionLeft = 360;
constexpr int kCaptionWidth = 3300;
constexpr int kSymbolLeft = 3780;
constexpr int kSymbolWidth = 500;
constexpr int kEqualLeft = 4320;
constexpr int kBoxLeft = 4560;
constexpr int kBoxWidth = 1100;
constexpr int kUnitLeft = 5760;
constexpr int kReferLeft = 7080;

constexpr int RowTop(int row) {
    return kRowTop + row * kRowStep;
}

}  // namespace

NBrock2::NBrock2(QWidget* parent) : StepForm(QStringLiteral("NBrock2"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());

    struct Row {
        const char* caption;
        const char* symbol;
        const char* unit;
    };
    const Row rows[10] = {
        {"鋼材の公称径", "ds", "mm"},
        {"削孔径", "da", "mm"},
        {"地盤の周面摩擦抵抗", "τ", "N/mm<sup>2</sup>"},
        {"グラウトと鋼材の許容付着応力度", "τ<sub>b</sub>", "N/mm<sup>2</sup>"},
        {"引抜きに対する安全率", "Ｆs", ""},
        {"地山とグラウトの必要付着長", "L<sub>a1</sub>", "m"},
        {"グラウトと鋼材の必要付着長", "L<sub>a2</sub>", "m"},
        {"定着長", "L<sub>a</sub>", "m"},
        {"地表面から想定すべり面までの距離", "L<sub>f</sub>", "m"},
        {"ロックボルト長 ", "L<sub>A</sub>", "m"},
    };
    for (int i = 0; i < 10; ++i) {
        const int top = RowTop(i);
        AddLabel(this, QString::fromUtf8(rows[i].caption), kCaptionLeft, top, kCaptionWidth,
                 kRowHeight);
        AddLabel(this, QString::fromUtf8(rows[i].symbol), kSymbolLeft, top, kSymbolWidth,
                 kRowHeight);
        AddLabel(this, QStringLiteral("="), kEqualLeft, top, 200, kRowHeight);
        if (*rows[i].unit)
            AddLabel(this, QString::fromUtf8(rows[i].unit), kUnitLeft, top, 1100, kRowHeight);
    }
    // The displays stand in the column of the boxes, framed like them but on
    // the window's ground, so that what is computed is not taken for an entry.
    auto display = [this](const char* name, int row) {
        QLabel* l = AddValueLabel(this, QString::fromLatin1(name), kBoxLeft, RowTop(row), kBoxWidth,
                                  kRowHeight, ValueLook::Sunken);
        SetBackColor(l, palette().color(QPalette::Window));
        return l;
    };
    Label14 = display("Label14", 0);
    Label15 = display("Label15", 5);
    Label16 = display("Label16", 6);
    Label17 = display("Label17", 9);

    // The entries raise no recalculation flag: the results window reruns the
    // bond and bolt lengths on every activation of an anchored design.
    const std::vector<NumEntry> table = {
        PlaceEntry("NBrock2", "Text1", kBoxLeft, RowTop(1), kBoxWidth, kRowHeight),
        PlaceEntry("NBrock2", "Text2", kBoxLeft, RowTop(2), kBoxWidth, kRowHeight),
        PlaceEntry("NBrock2", "Text3", kBoxLeft, RowTop(3), kBoxWidth, kRowHeight),
        PlaceEntry("NBrock2", "Text4", kBoxLeft, RowTop(4), kBoxWidth, kRowHeight),
        PlaceEntry("NBrock2", "Text5", kBoxLeft, RowTop(7), kBoxWidth, kRowHeight),
        PlaceEntry("NBrock2", "Text7", kBoxLeft, RowTop(8), kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(this, table);
    Text1 = boxes[0];
    Text2 = boxes[1];
    Text3 = boxes[2];
    Text4 = boxes[3];
    Text5 = boxes[4];
    Text7 = boxes[5];
    for (QLineEdit* box : {Text1, Text2, Text3, Text4})
        Entries()->Rule(box)->onChanged = [this] { BondChanged(); };
    Entries()->Rule(Text5)->onChanged = [this] { LengthChanged(); };
    Entries()->Rule(Text5)->onAccepted = [this] { LengthCheck(); };
    Entries()->Rule(Text7)->onChanged = [this] { LengthChanged(); };

    for (int i = 0; i < 3; ++i) {
        QPushButton* b = new QPushButton(QStringLiteral("参考値..."), this);
        b->setObjectName(QStringLiteral("cmdRefer(%1)").arg(i));
        b->setAutoDefault(false);
        PlaceTwips(b, kReferLeft, RowTop(2 + i) - 30, 1300, kRowHeight + 60);
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this,
                [this, i] { ReferClick(*Entries(), refer_[static_cast<std::size_t>(i)], this); });
        cmdRefer[static_cast<std::size_t>(i)] = b;
    }
    refer_ = {{
        {cmdRefer[0], Text2,
         DialogPick<FMasatuRock>([](FMasatuRock& d) { return FormatNum(d.Value(), 5, 2); })},
        {cmdRefer[1], Text3,
         DialogPick<FFutyakuRock>([](FFutyakuRock& d) { return FormatNum(d.Value(), 0, 2); })},
        {cmdRefer[2], Text4,
         DialogPick<FHikiAnzen>([](FHikiAnzen& d) { return FormatNum(d.PickedCell(2), 5, 1); })},
    }};

    SetTabChain({Text1, Text2, cmdRefer[0], Text3, cmdRefer[1], Text4, cmdRefer[2], Text5, Text7,
                 cmdBegin, cmdBack, cmdIndicate, cmdNext, cmdResult});
    UseFocusSink(QStringLiteral("Text9"));
    Text9 = FocusSink;
    SetTabWrapTarget(Text1);
}

void NBrock2::OnLoad() {
    Entries()->ShowAllStored();
}

void NBrock2::SetNavEnabled(bool on) {
    StepForm::SetNavEnabled(on);
    for (QPushButton* b : cmdRefer) b->setEnabled(on);
}

void NBrock2::OnActivate() {
    Label14->setText(NumText(BarDiameterText(Design.RockBarIndex), 5, 1));
    RunRockOnActivation();
    CalcTeityaku();
    ShowBondLengths();
    CalcZentyou();
    Label17->setText(NumText(Design.RockLength, 5, 1));
    ColorLength();
}

void NBrock2::ShowBondLengths() {
    Label15->setText(NumText(Design.BondLa1Up, 5, 1));
    Label16->setText(NumText(Design.BondLa2Up, 5, 1));
}

void NBrock2::BondChanged() {
    CalcTeityaku();
    ShowBondLengths();
    ColorLength();
}

void NBrock2::LengthChanged() {
    CalcZentyou();
    Label17->setText(NumText(Design.RockLength, 5, 1));
}

bool NBrock2::ColorLength() {
    const bool isShort =
        AnchorageLengthShort(Design.RockLa, Design.BondLa1Up, Design.BondLa2Up, Design.Pt);
    SetForeColor(Text5, isShort ? kRedText : kBlackText);
    return isShort;
}

void NBrock2::LengthCheck() {
    // Left with a short length, changed or not, the box warns each time.
    if (ColorLength()) MsgBox(kShortMessage, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace talvo
