#include "steps/windows/N3haiti.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

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
    RegisterStepWindow("N3haiti", [] { return new N3haiti; });
    return true;
}();

// One entry box: its range and decimals, and where it sits.
struct BoxSpec {
    int k;       // box number
    int group;   // 0 縦枠, 1 横枠
    int column;  // 0 frame, 1 anchors
    int row;     // 0 to 3
    const char* label;
    const char* symbol;  // "" for the span counts
    double min, max;
    int decimals;
};

// The count labels (Label3) are filled at load; the layout leaves them empty.
const BoxSpec kBoxes[16] = {
    {1, 0, 0, 0, "スパン数", "", 0, 98, 0},
    {7, 0, 0, 1, "スパン長", "ℓ<sub>y</sub>", 1, 10, 3},
    {3, 0, 0, 2, "上張出し長", "ℓ<sub>c</sub>", 0, 10, 3},
    {4, 0, 0, 3, "下張出し長", "ℓ<sub>d</sub>", 0, 10, 3},
    {11, 0, 1, 0, "", "n<sub>y</sub>", 1, 99, 0},
    {17, 0, 1, 1, "縦ピッチ", "ℓ<sub>py</sub>", 1, 10, 3},
    {13, 0, 1, 2, "上張出し長", "ℓ<sub>pc</sub>", 0, 10, 3},
    {14, 0, 1, 3, "下張出し長", "ℓ<sub>pd</sub>", 0, 10, 3},
    {2, 1, 0, 0, "スパン数", "", 1, 98, 0},
    {8, 1, 0, 1, "スパン長", "ℓ<sub>x</sub>", 1, 10, 3},
    {5, 1, 0, 2, "左張出し長", "ℓ<sub>a</sub>", 0, 10, 3},
    {6, 1, 0, 3, "右張出し長", "ℓ<sub>b</sub>", 0, 10, 3},
    {12, 1, 1, 0, "", "n<sub>x</sub>", 2, 99, 0},
    {18, 1, 1, 1, "横ピッチ", "ℓ<sub>px</sub>", 1, 10, 3},
    {15, 1, 1, 2, "左張出し長", "ℓ<sub>pa</sub>", 0, 10, 3},
    {16, 1, 1, 3, "右張出し長", "ℓ<sub>pb</sub>", 0, 10, 3},
};

// Geometry, twips.
constexpr int kGroupTop[2] = {400, 2240};
constexpr int kGroupHeight = 1800;
constexpr int kRowTop = 300;
constexpr int kRowPitch = 360;
constexpr int kRowHeight = 300;
constexpr int kColumnLeft[2] = {240, 4680};

bool Filled(const std::string& s) {
    return s.find_first_not_of(' ') != std::string::npos;
}
std::string Trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}
double ValueOf(const QLineEdit* box) {
    return NumVal(box->text().toStdString());
}

// Grid rule, frame to anchors: n spans give n + 1 anchors.
QString AnchorsOf(const std::string& spanCount) {
    if (!Filled(spanCount)) return QString();
    return QString::fromStdString(FormatNum(NumStr(NumVal(spanCount) + 1), 3, 0));
}
// Anchors to frame: m anchors give m - 1 spans, in `places` integer places.
QString SpansOf(const std::string& anchorCount, int places) {
    if (!Filled(anchorCount)) return QString();
    return QString::fromStdString(FormatNum(NumStr(NumVal(anchorCount) - 1), places, 0));
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
    Place(Check1, 360, 60, 2400, 300);
    connect(Check1, &QCheckBox::toggled, this, &N3haiti::Check1Click);

    const QString caption[2] = {QStringLiteral("縦枠"), QStringLiteral("横枠")};
    for (int g = 0; g < 2; ++g) {
        fraGroup[g] = input::Panel(this, caption[g], 240, kGroupTop[g], 8880, kGroupHeight);
        fraGroup[g]->setObjectName(QStringLiteral("fraGroup(%1)").arg(g));
    }

    for (const BoxSpec& s : kBoxes) {
        QGroupBox* g = fraGroup[s.group];
        const int left = kColumnLeft[s.column];
        const int top = kRowTop + s.row * kRowPitch;
        QLabel* label = input::Text(g, QString::fromUtf8(s.label), left, top, 1560, kRowHeight);
        if (s.k == 11) Label3[3] = label;
        if (s.k == 12) Label3[2] = label;
        if (*s.symbol) {
            input::Text(g, QString::fromUtf8(s.symbol), left + 1620, top, 480, kRowHeight);
            input::Text(g, QStringLiteral("="), left + 2100, top, 200, kRowHeight, Qt::AlignCenter);
        }
        Text[s.k] =
            input::Box(g, QStringLiteral("Text%1").arg(s.k), left + 2340, top, 960, kRowHeight);
        if (s.decimals > 0) input::Text(g, QStringLiteral("m"), left + 3360, top, 300, kRowHeight);

        NumBox rule;
        rule.min = s.min;
        rule.max = s.max;
        rule.decimals = s.decimals;
        rule.places = 3;
        rule.field = FieldOf(s.k);
        rule.flags = {&RecalcLoad, &RecalcForce};
        if (s.column == 0) rule.flags.push_back(&RecalcAnchorBar);
        // The pitch box alone leaves the focus where the engineer put it.
        rule.refocusOnRefusal = s.k != 17;
        const int k = s.k;
        rule.onChanged = [this, k] { Entered(k); };
        Entries()->AddNumber(Text[s.k], rule);
    }
    Label3[2]->setObjectName(QStringLiteral("Label3(2)"));
    Label3[3]->setObjectName(QStringLiteral("Label3(3)"));
    Label3[2]->setText(QStringLiteral("アンカー数"));
    Label3[3]->setText(QStringLiteral("アンカー数"));

    SetTabWrapTarget(Text[1]);
    QWidget* order[] = {Check1,   Text[1],     Text[7],  Text[3],   Text[4],  Text[11],
                        Text[17], Text[13],    Text[14], Text[2],   Text[8],  Text[5],
                        Text[6],  Text[12],    Text[18], Text[15],  Text[16], cmdBegin,
                        cmdBack,  cmdIndicate, cmdNext,  cmdResult, FocusSink};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        if (order[i] && order[i + 1]) setTabOrder(order[i], order[i + 1]);
}

void N3haiti::OnLoad() {
    if (Design.WorkType == 3 || Design.WorkType == 4) {
        const QString caption =
            Design.WorkType == 3 ? QStringLiteral("ロックボルト数") : QStringLiteral("アンカー数");
        Label3[2]->setText(caption);
        Label3[3]->setText(caption);
    }
    for (int k : {1, 7, 3, 4, 2, 8, 5, 6}) Entries()->ShowStored(Text[k]);

    if (Design.AllGridPoints == 1) {
        struct Derived {
            std::string* anchor;
            std::string value;
        };
        const Derived derived[8] = {
            {&Design.AnchorCountY, AnchorsOf(Design.SpanCountY).toStdString()},
            {&Design.AnchorCountX, AnchorsOf(Design.SpanCountX).toStdString()},
            {&Design.PitchY, Trimmed(Design.SpanY)},
            {&Design.PitchX, Trimmed(Design.SpanX)},
            {&Design.AnchorOverhangUpper, Trimmed(Design.OverhangUpper)},
            {&Design.AnchorOverhangLower, Trimmed(Design.OverhangLower)},
            {&Design.AnchorOverhangLeft, Trimmed(Design.OverhangLeft)},
            {&Design.AnchorOverhangRight, Trimmed(Design.OverhangRight)},
        };
        for (const Derived& d : derived) {
            if (Trimmed(d.value) != Trimmed(*d.anchor)) {
                DataChanged = 1;
                RecalcLoad = 1;
                RecalcForce = 1;
            }
            *d.anchor = d.value;
        }
    }
    for (int k : {11, 17, 13, 14, 12, 18, 15, 16}) Entries()->ShowStored(Text[k]);

    // Ticking runs the click handling; the layout now follows the grid rule,
    // so it asks nothing.
    Check1->setChecked(Design.AllGridPoints == 1);

    RuleCount(0, false);
    RulePitch(0);
    RuleOverhang(3, 13);
    RuleOverhang(4, 14);
    RuleCount(1, false);
    RulePitch(1);
    RuleOverhang(5, 15);
    RuleOverhang(6, 16);
}

bool N3haiti::TatewakuNasi() {
    return Filled(Design.SpanCountY) && NumVal(Design.SpanCountY) == 0 &&
           Filled(Design.OverhangUpper) && Filled(Design.OverhangLower) &&
           NumVal(Design.TotalLengthY) == 0;
}

void N3haiti::IndicateClicked() {
    // The button takes the focus first, so that the edited box is checked
    // and stored; only then is the frame looked at.
    Entries()->RunDeferred([this] {
        cmdIndicate->setFocus(Qt::OtherFocusReason);
        if (TatewakuNasi()) MsgBox("縦枠が存在しません。", MsgButtons::Ok, MsgIcon::Exclamation);
    });
}

void N3haiti::SetLinked(int k, const QString& text) {
    Text[k]->setText(text);
    *FieldOf(k) = Text[k]->text().toStdString();
}

void N3haiti::TotalY(bool fromCount) {
    const double total = NumVal(Design.SpanCountY) * NumVal(Design.SpanY) +
                         NumVal(Design.OverhangUpper) + NumVal(Design.OverhangLower);
    std::string text = FormatPattern(total, "0.000");
    if (fromCount) text = FormatNum(text, 3, 3);
    Design.TotalLengthY = text;
}

void N3haiti::TotalX() {
    const double total = NumVal(Design.SpanCountX) * NumVal(Design.SpanX) +
                         NumVal(Design.OverhangLeft) + NumVal(Design.OverhangRight);
    Design.TotalLengthX = FormatPattern(total, "0.000");
}

void N3haiti::ZeroSpan() {
    // No vertical span: there is no span length to enter.
    if (Filled(Design.SpanCountY) && NumVal(Design.SpanCountY) == 0) {
        SetTextEnabled(Text[7], false);
        Design.SpanY.clear();
        Text[7]->clear();
    } else {
        SetTextEnabled(Text[7], true);
    }
}

void N3haiti::ZeroPitch() {
    // A single anchor down the slope has no pitch.
    if (ValueOf(Text[11]) == 1) {
        SetTextEnabled(Text[17], false);
        Design.PitchY.clear();
        Text[17]->clear();
    } else {
        SetTextEnabled(Text[17], true);
    }
}

void N3haiti::ColorPair(int a, int b, bool red, bool systemColour) {
    QColor c = red            ? input::kRedText
               : systemColour ? QApplication::palette().color(QPalette::Active, QPalette::Text)
                              : input::kBlackText;
    input::SetForeColor(Text[a], c);
    input::SetForeColor(Text[b], c);
}

void N3haiti::RuleCount(int dir, bool fromSpanBox) {
    const int span = dir == 0 ? 1 : 2;
    const int anchors = dir == 0 ? 11 : 12;
    const std::string& s = *FieldOf(span);
    const std::string& a = *FieldOf(anchors);
    const bool red = Filled(s) && Filled(a) && NumVal(a) > NumVal(s) + 1;
    ColorPair(span, anchors, red, fromSpanBox);
}

void N3haiti::RulePitch(int dir) {
    const int span = dir == 0 ? 7 : 8;
    const int pitch = dir == 0 ? 17 : 18;
    const std::string& s = *FieldOf(span);
    const std::string& p = *FieldOf(pitch);
    bool red = false;
    if (Filled(s) && Filled(p)) {
        // In whole millimetres, halves to the even neighbour.
        const long long spanMm = std::llrint(std::nearbyint(NumVal(s) * 1000));
        const long long pitchMm = std::llrint(std::nearbyint(NumVal(p) * 1000));
        // A span of 0 mm (only from a file) has no multiple to fit.
        red = spanMm == 0 || pitchMm % spanMm != 0;
    }
    ColorPair(span, pitch, red);
}

void N3haiti::RuleOverhang(int frameBox, int anchorBox) {
    const std::string& f = *FieldOf(frameBox);
    const std::string& a = *FieldOf(anchorBox);
    ColorPair(frameBox, anchorBox, Filled(f) && Filled(a) && NumVal(a) < NumVal(f));
}

void N3haiti::Entered(int k) {
    const bool linked = Check1->isChecked();
    auto text = [this](int n) { return Text[n]->text(); };
    switch (k) {
        case 1:
            TotalY(true);
            ZeroSpan();
            if (linked) {
                SetLinked(11, AnchorsOf(Design.SpanCountY));
                ZeroPitch();
            } else {
                RuleCount(0, true);
            }
            break;
        case 7:
        case 3:
        case 4: {
            TotalY(false);
            const int partner = k == 7 ? 17 : k + 10;
            if (linked)
                SetLinked(partner, text(k));
            else if (k == 7)
                RulePitch(0);
            else
                RuleOverhang(k, partner);
            break;
        }
        case 2:
            TotalX();
            if (linked)
                SetLinked(12, AnchorsOf(Design.SpanCountX));
            else
                RuleCount(1, false);
            break;
        case 8:
        case 5:
        case 6: {
            TotalX();
            const int partner = k == 8 ? 18 : k + 10;
            if (linked)
                SetLinked(partner, text(k));
            else if (k == 8)
                RulePitch(1);
            else
                RuleOverhang(k, partner);
            break;
        }
        case 11:
            ZeroPitch();
            if (linked) {
                SetLinked(1, SpansOf(Design.AnchorCountY, 2));
                TotalY(true);
                ZeroSpan();
            } else {
                RuleCount(0, false);
            }
            break;
        case 17:
        case 13:
        case 14: {
            const int partner = k == 17 ? 7 : k - 10;
            if (linked) {
                SetLinked(partner, text(k));
                TotalY(false);
            } else if (k == 17) {
                RulePitch(0);
            } else {
                RuleOverhang(partner, k);
            }
            break;
        }
        case 12:
            if (linked) {
                SetLinked(2, SpansOf(Design.AnchorCountX, 3));
                TotalX();
            } else {
                RuleCount(1, false);
            }
            break;
        case 18:
        case 15:
        case 16: {
            const int partner = k == 18 ? 8 : k - 10;
            if (linked) {
                SetLinked(partner, text(k));
                TotalX();
            } else if (k == 18) {
                RulePitch(1);
            } else {
                RuleOverhang(partner, k);
            }
            break;
        }
        default:
            break;
    }
}

void N3haiti::Check1Click(bool ticked) {
    if (ticked) {
        auto v = [this](int k) { return ValueOf(Text[k]); };
        auto filled = [this](int k) { return !Text[k]->text().isEmpty(); };
        const bool differs = (filled(1) && filled(11) && v(11) != v(1) + 1) ||
                             (filled(2) && filled(12) && v(12) != v(2) + 1) || v(17) != v(7) ||
                             v(18) != v(8) || v(13) != v(3) || v(14) != v(4) || v(15) != v(5) ||
                             v(16) != v(6);
        if (differs) {
            const char* question = Design.WorkType == 3
                                       ? "枠形状及びロックボルト配置の値をクリアします。"
                                       : "枠形状及びアンカー配置の値をクリアします。";
            if (MsgBox(question, MsgButtons::YesNo, MsgIcon::Exclamation) == MsgResult::Yes) {
                for (int k : {1, 7, 3, 4, 2, 8, 5, 6, 11, 17, 13, 14, 12, 18, 15, 16}) {
                    Text[k]->clear();
                    FieldOf(k)->clear();
                    input::SetForeColor(Text[k], input::kBlackText);
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
