#include "steps/windows/N3supan.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/windows/FrameSketch.h"
#include "steps/windows/InputPlacing.h"

namespace talvo {

using input::Place;
using input::Text;

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N3supan", [] { return new N3supan; });
    return true;
}();

// The input frame inside the window, and the rows of the two groups in it.
constexpr int kFrameLeft = 240;
constexpr int kFrameTop = 120;
constexpr int kFrameWidth = 8835;
constexpr int kFrameHeight = 4020;
constexpr int kHeaderTop[2] = {495, 2400};
constexpr int kRowTop[2][4] = {{540, 885, 1230, 1575}, {2385, 2730, 3075, 3420}};
constexpr int kCaptionLeft[2] = {1155, 1170};
constexpr int kRowHeight = 330;
constexpr int kBoxLeft = 3255;
constexpr int kBoxWidth = 850;

bool Filled(const std::string& s) {
    return s.find_first_not_of(' ') != std::string::npos;
}

std::string Total(const std::string& count, const std::string& span, const std::string& end1,
                  const std::string& end2) {
    return FormatPattern(NumVal(count) * NumVal(span) + NumVal(end1) + NumVal(end2), "0.000");
}

}  // namespace

const QColor N3supan::kInactiveCaption{191, 205, 219};

N3supan::N3supan(QWidget* parent) : StepForm(QStringLiteral("N3supan"), kNavAll, parent) {
    (void)kRegistered;
    UseFocusSink(QStringLiteral("Text9"), 5340);

    fraInput = new QFrame(this);
    fraInput->setObjectName(QStringLiteral("fraInput"));
    fraInput->setFrameShape(QFrame::StyledPanel);
    fraInput->setFrameShadow(QFrame::Sunken);
    Place(fraInput, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);

    const QString header[2] = {QStringLiteral("縦枠"), QStringLiteral("横枠")};
    const QString caption[2][4] = {{QStringLiteral("スパン数"), QStringLiteral("スパン長"),
                                    QStringLiteral("上張出し長"), QStringLiteral("下張出し長")},
                                   {QStringLiteral("スパン数"), QStringLiteral("スパン長"),
                                    QStringLiteral("左張出し長"), QStringLiteral("右張出し長")}};
    const char* symbol[2][3] = {{"y", "c", "d"}, {"x", "a", "b"}};
    std::array<QLineEdit*, 2>* boxes[4] = {&txtSpanNum, &txtSpanLength, &txtUpper, &txtDown};
    const char* boxName[4] = {"txtSpanNum", "txtSpanLength", "txtUpper", "txtDown"};

    for (int i = 0; i < 2; ++i) {
        QLabel* h = Text(fraInput, header[i], 180, kHeaderTop[i], 765, 330, Qt::AlignCenter);
        h->setObjectName(QStringLiteral("lblFrame(%1)").arg(i));
        h->setAutoFillBackground(true);
        QPalette pal = h->palette();
        pal.setColor(QPalette::Window, QColor(128, 128, 255));
        pal.setColor(QPalette::WindowText, Qt::white);
        h->setPalette(pal);
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
        lblFrame[i] = h;

        for (int r = 0; r < 4; ++r) {
            const int top = kRowTop[i][r];
            Text(fraInput, caption[i][r], kCaptionLeft[i], top, 1500, kRowHeight);
            if (r > 0) {
                auto* ell = new ScriptEllPicture(fraInput);
                Place(ell, 2760, top + 15, 195, 300);
                Text(fraInput, QString::fromLatin1(symbol[i][r - 1]), 2955, top, 135, kRowHeight);
                Text(fraInput, QStringLiteral("="), 3090, top, 150, kRowHeight);
                Text(fraInput, QStringLiteral("m"), 4200, top, 240, kRowHeight);
            }
            QLineEdit* b =
                input::Box(fraInput, QStringLiteral("%1(%2)").arg(QLatin1String(boxName[r])).arg(i),
                           kBoxLeft, top, kBoxWidth, kRowHeight);
            (*boxes[r])[i] = b;
        }
    }

    picFrame = new FrameSketch(fraInput);
    Place(picFrame, FrameSketch::kLeftTwips, FrameSketch::kTopTwips, FrameSketch::kWidthTwips,
          FrameSketch::kHeightTwips);

    // The boxes of both directions, then the buttons and the sink, which
    // sends a Tab press on to the vertical span count.
    QWidget* order[] = {txtSpanNum[0],    txtSpanLength[0], txtUpper[0], txtDown[0], txtSpanNum[1],
                        txtSpanLength[1], txtUpper[1],      txtDown[1],  cmdBegin,   cmdBack,
                        cmdIndicate,      cmdNext,          cmdResult,   FocusSink};
    for (std::size_t k = 1; k < std::size(order); ++k) setTabOrder(order[k - 1], order[k]);
    SetTabWrapTarget(txtSpanNum[0]);

    std::vector<std::int16_t*> flags = {&RecalcLoad, &RecalcForce, &RecalcAnchorBar};
    auto add = [&](QLineEdit* box, double min, double max, int decimals, std::string* field,
                   std::function<void()> changed, std::function<void()> accepted = {}) {
        NumBox c;
        c.min = min;
        c.max = max;
        c.decimals = decimals;
        c.places = 3;
        c.field = field;
        c.flags = flags;
        c.onChanged = std::move(changed);
        c.onAccepted = std::move(accepted);
        Entries()->AddNumber(box, std::move(c));
    };
    add(
        txtSpanNum[0], 0, 98, 0, &Design.SpanCountY,
        [this] {
            DrawTatewaku();
            Design.TotalLengthY = FormatNum(
                Total(Design.SpanCountY, Design.SpanY, Design.OverhangUpper, Design.OverhangLower),
                3, 3);
        },
        [this] { SpanCountAccepted(); });
    add(txtSpanLength[0], 1, 10, 3, &Design.SpanY, [this] { TotalY(); });
    add(txtUpper[0], 0, 10, 3, &Design.OverhangUpper, [this] { TotalY(); });
    add(txtDown[0], 0, 10, 3, &Design.OverhangLower, [this] { TotalY(); });
    add(txtSpanNum[1], 1, 98, 0, &Design.SpanCountX, [this] {
        DrawYokowaku();
        TotalX();
    });
    add(txtSpanLength[1], 1, 10, 3, &Design.SpanX, [this] { TotalX(); });
    add(txtUpper[1], 0, 10, 3, &Design.OverhangLeft, [this] { TotalX(); });
    add(txtDown[1], 0, 10, 3, &Design.OverhangRight, [this] { TotalX(); });
}

void N3supan::OnLoad() {
    Entries()->ShowAllStored();
    // The totals stay as the design holds them until an entry changes them.
    DrawTatewaku();
    DrawYokowaku();
}

void N3supan::TotalY() {
    Design.TotalLengthY =
        Total(Design.SpanCountY, Design.SpanY, Design.OverhangUpper, Design.OverhangLower);
}

void N3supan::TotalX() {
    Design.TotalLengthX =
        Total(Design.SpanCountX, Design.SpanX, Design.OverhangLeft, Design.OverhangRight);
}

void N3supan::DrawTatewaku() {
    const double n = NumVal(Design.SpanCountY);
    picFrame->AdaptVertical(n, NumVal(Design.SpanCountX));
    QLineEdit* span = txtSpanLength[0];
    if (n == 0) {
        // Without a vertical span there is no span length; an empty count
        // leaves the box as it was.
        if (Filled(Design.SpanCountY)) {
            span->setEnabled(false);
            QPalette p = span->palette();
            p.setColor(QPalette::All, QPalette::Base, kInactiveCaption);
            span->setPalette(p);
            span->setText(QString());
            Design.SpanY.clear();
        }
    } else {
        SetTextEnabled(span, true);
    }
}

void N3supan::DrawYokowaku() {
    picFrame->AdaptHorizontal(NumVal(Design.SpanCountX), NumVal(Design.SpanCountY));
}

void N3supan::SpanCountAccepted() {
    // Every accepted vertical count, changed or not, sets the span length
    // box: a count of 0 has no span to give a length to.
    QLineEdit* span = txtSpanLength[0];
    if (!txtSpanNum[0]->text().isEmpty() && NumVal(txtSpanNum[0]->text().toStdString()) == 0) {
        SetTextEnabled(span, false);
        span->setText(QString());
        Design.SpanY.clear();
    } else {
        SetTextEnabled(span, true);
    }
}

bool N3supan::TatewakuNasi() const {
    return Filled(Design.SpanCountY) && NumVal(Design.SpanCountY) == 0 &&
           Filled(Design.OverhangUpper) && Filled(Design.OverhangLower) &&
           NumVal(Design.TotalLengthY) == 0;
}

void N3supan::Navigate(QPushButton* button, const std::function<void()>& action) {
    // The box being edited is checked and stored first; a refused entry
    // keeps the engineer where he is.
    if (!Entries()->CommitPending(button)) return;
    if (TatewakuNasi()) {
        MsgBox(kNoVerticalBeam, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    action();
}

void N3supan::BeginClicked() {
    Navigate(cmdBegin, [this] { StartScreenAction(); });
}

void N3supan::BackClicked() {
    Navigate(cmdBack, [this] { StepForm::BackClicked(); });
}

void N3supan::NextClicked() {
    Navigate(cmdNext, [this] { StepForm::NextClicked(); });
}

void N3supan::ResultClicked() {
    Navigate(cmdResult, [this] { StepForm::ResultClicked(); });
}

void N3supan::IndicateClicked() {
    Entries()->RunDeferred(
        [this] {
            cmdIndicate->setFocus(Qt::OtherFocusReason);
            if (TatewakuNasi()) MsgBox(kNoVerticalBeam, MsgButtons::Ok, MsgIcon::Exclamation);
        },
        cmdIndicate);
}

}  // namespace talvo
