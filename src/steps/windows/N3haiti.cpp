#include "steps/windows/N3haiti.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/framelayout.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N3haiti", [] { return new N3haiti; });
    return true;
}();

// Geometry, twips: in each group the frame column on the left and the
// anchor column on the right, four rows each.
constexpr int kGroupTop[2] = {400, 2240};
constexpr int kGroupHeight = 1800;
constexpr int kRowHeight = 300;
constexpr int kLeft = 240;
constexpr int kRight = 4680;
constexpr int kBoxWidth = 960;

// The top of row 0 to 3.
constexpr int Row(int row) {
    return 300 + row * 360;
}
// The box of a column, right of its caption, symbol and "=".
constexpr int BoxLeft(int column) {
    return column + 2340;
}

// The captions of a row around its box: caption, symbol ("" for the span
// counts, which have no "=" either), and "m" after a length.
struct RowCaption {
    int group;   // 0 縦枠, 1 横枠
    int column;  // kLeft frame, kRight anchors
    int row;
    const char* caption;
    const char* symbol;
    bool metres;
};
// The anchor counts' captions (Label3) are set at load.
const RowCaption kCaptions[16] = {
    {0, kLeft, 0, "スパン数", "", false},
    {0, kLeft, 1, "スパン長", "ℓ<sub>y</sub>", true},
    {0, kLeft, 2, "上張出し長", "ℓ<sub>c</sub>", true},
    {0, kLeft, 3, "下張出し長", "ℓ<sub>d</sub>", true},
    {0, kRight, 0, "", "n<sub>y</sub>", false},
    {0, kRight, 1, "縦ピッチ", "ℓ<sub>py</sub>", true},
    {0, kRight, 2, "上張出し長", "ℓ<sub>pc</sub>", true},
    {0, kRight, 3, "下張出し長", "ℓ<sub>pd</sub>", true},
    {1, kLeft, 0, "スパン数", "", false},
    {1, kLeft, 1, "スパン長", "ℓ<sub>x</sub>", true},
    {1, kLeft, 2, "左張出し長", "ℓ<sub>a</sub>", true},
    {1, kLeft, 3, "右張出し長", "ℓ<sub>b</sub>", true},
    {1, kRight, 0, "", "n<sub>x</sub>", false},
    {1, kRight, 1, "横ピッチ", "ℓ<sub>px</sub>", true},
    {1, kRight, 2, "左張出し長", "ℓ<sub>pa</sub>", true},
    {1, kRight, 3, "右張出し長", "ℓ<sub>pb</sub>", true},
};

// The boxes of each direction in their order down the group: the frame's
// span count, span and overhangs, then the anchors' count, pitch and
// overhangs. An anchor box is its frame box + 10.
constexpr int kGroupBoxes[2][8] = {{1, 7, 3, 4, 11, 17, 13, 14}, {2, 8, 5, 6, 12, 18, 15, 16}};

// The direction of box k.
int DirectionOf(int k) {
    const int frame = k > 10 ? k - 10 : k;
    return frame == 1 || frame == 7 || frame == 3 || frame == 4 ? 0 : 1;
}

}  // namespace

std::string* N3haiti::FieldOf(int k) {
    switch (k) {
        case 1:
            return &Design.SpanCountY;
        case 7:
            return &Design.SpanY;
        case 3:
            return &Design.OverhangUpper;
        case 4:
            return &Design.OverhangLower;
        case 2:
            return &Design.SpanCountX;
        case 8:
            return &Design.SpanX;
        case 5:
            return &Design.OverhangLeft;
        case 6:
            return &Design.OverhangRight;
        case 11:
            return &Design.AnchorCountY;
        case 17:
            return &Design.PitchY;
        case 13:
            return &Design.AnchorOverhangUpper;
        case 14:
            return &Design.AnchorOverhangLower;
        case 12:
            return &Design.AnchorCountX;
        case 18:
            return &Design.PitchX;
        case 15:
            return &Design.AnchorOverhangLeft;
        case 16:
            return &Design.AnchorOverhangRight;
        default:
            return nullptr;
    }
}

N3haiti::N3haiti(QWidget* parent) : StepForm(QStringLiteral("N3haiti"), kNavAll, parent) {
    (void)kRegistered;

    Check1 = new QCheckBox(QStringLiteral("全格子点に配置"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    PlaceTwips(Check1, 360, 60, 2400, 300);
    connect(Check1, &QCheckBox::toggled, this, &N3haiti::Check1Click);
    Entries()->HoldAfterRefusal(Check1);

    const QString caption[2] = {QStringLiteral("縦枠"), QStringLiteral("横枠")};
    for (int g = 0; g < 2; ++g) {
        fraGroup[g] = AddPanel(this, caption[g], 240, kGroupTop[g], 8880, kGroupHeight);
        fraGroup[g]->setObjectName(QStringLiteral("fraGroup(%1)").arg(g));
    }

    for (const RowCaption& c : kCaptions) {
        QGroupBox* g = fraGroup[c.group];
        const int top = Row(c.row);
        QLabel* label = AddLabel(g, QString::fromUtf8(c.caption), c.column, top, 1560, kRowHeight);
        if (c.column == kRight && c.row == 0) Label3[c.group == 0 ? 3 : 2] = label;
        if (*c.symbol) {
            AddLabel(g, QString::fromUtf8(c.symbol), c.column + 1620, top, 480, kRowHeight);
            AddLabel(g, QStringLiteral("="), c.column + 2100, top, 200, kRowHeight,
                     Qt::AlignCenter);
        }
        if (c.metres) AddLabel(g, QStringLiteral("m"), c.column + 3360, top, 300, kRowHeight);
    }
    Label3[2]->setObjectName(QStringLiteral("Label3(2)"));
    Label3[3]->setObjectName(QStringLiteral("Label3(3)"));
    Label3[2]->setText(QStringLiteral("アンカー数"));
    Label3[3]->setText(QStringLiteral("アンカー数"));

    const std::vector<NumEntry> verticalTable = {
        PlaceEntry("N3haiti", "Text1", BoxLeft(kLeft), Row(0), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text7", BoxLeft(kLeft), Row(1), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text3", BoxLeft(kLeft), Row(2), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text4", BoxLeft(kLeft), Row(3), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text11", BoxLeft(kRight), Row(0), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text17", BoxLeft(kRight), Row(1), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text13", BoxLeft(kRight), Row(2), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text14", BoxLeft(kRight), Row(3), kBoxWidth, kRowHeight),
    };
    const std::vector<NumEntry> horizontalTable = {
        PlaceEntry("N3haiti", "Text2", BoxLeft(kLeft), Row(0), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text8", BoxLeft(kLeft), Row(1), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text5", BoxLeft(kLeft), Row(2), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text6", BoxLeft(kLeft), Row(3), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text12", BoxLeft(kRight), Row(0), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text18", BoxLeft(kRight), Row(1), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text15", BoxLeft(kRight), Row(2), kBoxWidth, kRowHeight),
        PlaceEntry("N3haiti", "Text16", BoxLeft(kRight), Row(3), kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> vertical = Entries()->AddNumbers(fraGroup[0], verticalTable);
    const std::vector<QLineEdit*> horizontal = Entries()->AddNumbers(fraGroup[1], horizontalTable);
    for (std::size_t i = 0; i < 8; ++i) {
        Text[static_cast<std::size_t>(kGroupBoxes[0][i])] = vertical[i];
        Text[static_cast<std::size_t>(kGroupBoxes[1][i])] = horizontal[i];
    }
    for (const auto& group : kGroupBoxes)
        for (int k : group) Entries()->Rule(Text[k])->onChanged = [this, k] { Entered(k); };
    // The pitch box alone leaves the focus where the engineer put it.
    Entries()->Rule(Text[17])->refocusOnRefusal = false;

    // The sink sends the Tab key round to the check box, the first control.
    SetTabWrapTarget(Check1);
    SetTabChain({Check1,   Text[1],  Text[7], Text[3],     Text[4], Text[11],  Text[17], Text[13],
                 Text[14], Text[2],  Text[8], Text[5],     Text[6], Text[12],  Text[18], Text[15],
                 Text[16], cmdBegin, cmdBack, cmdIndicate, cmdNext, cmdResult, FocusSink});
}

void N3haiti::OnLoad() {
    if (Design.WorkType == 3 || Design.WorkType == 4) {
        const QString caption =
            Design.WorkType == 3 ? QStringLiteral("ロックボルト数") : QStringLiteral("アンカー数");
        Label3[2]->setText(caption);
        Label3[3]->setText(caption);
    }
    for (int k : {1, 7, 3, 4, 2, 8, 5, 6}) Entries()->ShowStored(Text[k]);
    if (Design.AllGridPoints == 1) ApplyGridRule(Design);
    for (int k : {11, 17, 13, 14, 12, 18, 15, 16}) Entries()->ShowStored(Text[k]);

    // The stored choice is shown, not chosen again: the layout already
    // follows the grid rule, and an opened design that is only looked at
    // must not count as changed.
    {
        const QSignalBlocker quiet(Check1);
        Check1->setChecked(Design.AllGridPoints == 1);
    }

    for (int dir : {0, 1}) {
        RuleCount(dir, false);
        for (int k : {kGroupBoxes[dir][1], kGroupBoxes[dir][2], kGroupBoxes[dir][3]}) RulePair(k);
    }
}

void N3haiti::IndicateClicked() {
    // The edited box is checked and stored first; only then does the button
    // take the focus and the frame get looked at. Named as the button, the
    // check also knows when this very press took the focus from a refused
    // entry: then nothing else happens.
    Entries()->RunDeferred(
        [this] {
            cmdIndicate->setFocus(Qt::OtherFocusReason);
            if (NoVerticalBeam(Design))
                MsgBox("縦枠が存在しません。", MsgButtons::Ok, MsgIcon::Exclamation);
        },
        cmdIndicate);
}

void N3haiti::SetLinked(int k, const QString& text) {
    Text[k]->setText(text);
    *FieldOf(k) = StdStr(Text[k]->text());
}

void N3haiti::Total(int dir) {
    StoreFrameTotal(dir);
}

void N3haiti::ZeroSpan() {
    // No vertical span: there is no span length to enter.
    if (NoVerticalSpan(Design.SpanCountY)) {
        SetTextEnabled(Text[7], false);
        Design.SpanY.clear();
        Text[7]->clear();
    } else {
        SetTextEnabled(Text[7], true);
    }
}

void N3haiti::ZeroPitch() {
    // A single anchor down the slope has no pitch.
    if (SingleAnchor(StdStr(Text[11]->text()))) {
        SetTextEnabled(Text[17], false);
        Design.PitchY.clear();
        Text[17]->clear();
    } else {
        SetTextEnabled(Text[17], true);
    }
}

void N3haiti::ColorPair(int a, int b, bool red, bool systemColour) {
    QColor c = red            ? kRedText
               : systemColour ? QApplication::palette().color(QPalette::Active, QPalette::Text)
                              : kBlackText;
    SetForeColor(Text[a], c);
    SetForeColor(Text[b], c);
}

void N3haiti::RuleCount(int dir, bool fromSpanBox) {
    const int span = kGroupBoxes[dir][0];
    const int anchors = span + 10;
    ColorPair(span, anchors, TooManyAnchors(*FieldOf(span), *FieldOf(anchors)), fromSpanBox);
}

void N3haiti::RulePair(int frameBox) {
    const int anchorBox = frameBox + 10;
    const std::string& f = *FieldOf(frameBox);
    const std::string& a = *FieldOf(anchorBox);
    const bool pitch = frameBox == 7 || frameBox == 8;
    ColorPair(frameBox, anchorBox, pitch ? PitchOffSpan(f, a) : AnchorOverhangShort(f, a));
}

void N3haiti::Entered(int k) {
    const bool linked = Check1->isChecked();
    const int dir = DirectionOf(k);
    const bool anchorBox = k > 10;
    const int partner = anchorBox ? k - 10 : k + 10;
    if (k == 1) {
        Total(0);
        ZeroSpan();
        if (linked) {
            SetLinked(11, QStr(AnchorCountOfSpans(Design.SpanCountY)));
            ZeroPitch();
        } else {
            RuleCount(0, true);
        }
    } else if (k == 11) {
        ZeroPitch();
        if (linked) {
            SetLinked(1, QStr(SpanCountOfAnchors(Design.AnchorCountY, 0)));
            Total(0);
            ZeroSpan();
        } else {
            RuleCount(0, false);
        }
    } else if (k == 2 || k == 12) {
        if (k == 2) Total(1);
        if (linked) {
            SetLinked(partner, QStr(k == 2 ? AnchorCountOfSpans(Design.SpanCountX)
                                           : SpanCountOfAnchors(Design.AnchorCountX, 1)));
            Total(1);
        } else {
            RuleCount(1, false);
        }
    } else if (linked) {
        // A length: its partner takes the same text.
        SetLinked(partner, Text[k]->text());
        Total(dir);
    } else {
        if (!anchorBox) Total(dir);
        RulePair(anchorBox ? partner : k);
    }
}

void N3haiti::Check1Click(bool ticked) {
    if (ticked) {
        auto direction = [this](int dir) {
            auto text = [this, dir](int i) { return StdStr(Text[kGroupBoxes[dir][i]]->text()); };
            return LayoutDirection{text(0), text(1), text(2), text(3),
                                   text(4), text(5), text(6), text(7)};
        };
        if (!FollowsGridRule(direction(0)) || !FollowsGridRule(direction(1))) {
            const char* question = Design.WorkType == 3
                                       ? "枠形状及びロックボルト配置の値をクリアします。"
                                       : "枠形状及びアンカー配置の値をクリアします。";
            if (MsgBox(question, MsgButtons::YesNo, MsgIcon::Exclamation) == MsgResult::Yes) {
                for (const auto& group : kGroupBoxes)
                    for (int k : group) {
                        Text[k]->clear();
                        FieldOf(k)->clear();
                        SetForeColor(Text[k], kBlackText);
                    }
                DataChanged = 1;
            } else {
                // Unticking runs this handling once more, for the unticked box.
                Check1->setChecked(false);
            }
        } else {
            DataChanged = 1;
        }
    } else {
        DataChanged = 1;
    }
    Design.AllGridPoints = Check1->isChecked() ? 1 : 0;
    RecalcResult = 1;
}

}  // namespace talvo
