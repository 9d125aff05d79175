#include "steps/windows/N3supan.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <string>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/framelayout.h"
#include "steps/windows/FrameSketch.h"

namespace talvo {

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

}  // namespace

const QColor N3supan::kInactiveCaption{191, 205, 219};

N3supan::N3supan(QWidget* parent) : StepForm(QStringLiteral("N3supan"), kNavAll, parent) {
    (void)kRegistered;
    UseFocusSink(QStringLiteral("Text9"), 5340);

    fraInput = new QFrame(this);
    fraInput->setObjectName(QStringLiteral("fraInput"));
    fraInput->setFrameShape(QFrame::StyledPanel);
    fraInput->setFrameShadow(QFrame::Sunken);
    PlaceTwips(fraInput, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);

    const QString header[2] = {QStringLiteral("縦枠"), QStringLiteral("横枠")};
    const QString caption[2][4] = {{QStringLiteral("スパン数"), QStringLiteral("スパン長"),
                                    QStringLiteral("上張出し長"), QStringLiteral("下張出し長")},
                                   {QStringLiteral("スパン数"), QStringLiteral("スパン長"),
                                    QStringLiteral("左張出し長"), QStringLiteral("右張出し長")}};
    const char* symbol[2][3] = {{"y", "c", "d"}, {"x", "a", "b"}};
    for (int i = 0; i < 2; ++i) {
        lblFrame[i] = AddHeaderLabel(fraInput, header[i], 180, kHeaderTop[i], 765, 330);
        lblFrame[i]->setObjectName(QStringLiteral("lblFrame(%1)").arg(i));
        for (int r = 0; r < 4; ++r) {
            const int top = kRowTop[i][r];
            AddLabel(fraInput, caption[i][r], kCaptionLeft[i], top, 1500, kRowHeight);
            if (r > 0) {
                auto* ell = new ScriptEllPicture(fraInput);
                PlaceTwips(ell, 2760, top + 15, 195, 300);
                AddLabel(fraInput, QString::fromLatin1(symbol[i][r - 1]), 2955, top, 135,
                         kRowHeight);
                AddLabel(fraInput, QStringLiteral("="), 3090, top, 150, kRowHeight);
                AddLabel(fraInput, QStringLiteral("m"), 4200, top, 240, kRowHeight);
            }
        }
    }

    // The boxes of the vertical (0) and the horizontal (1) frame, row by row.
    const std::vector<NumEntry> table = {
        PlaceEntry("N3supan", "txtSpanNum(0)", kBoxLeft, kRowTop[0][0], kBoxWidth, kRowHeight),
        PlaceEntry("N3supan", "txtSpanLength(0)", kBoxLeft, kRowTop[0][1], kBoxWidth, kRowHeight),
        PlaceEntry("N3supan", "txtUpper(0)", kBoxLeft, kRowTop[0][2], kBoxWidth, kRowHeight),
        PlaceEntry("N3supan", "txtDown(0)", kBoxLeft, kRowTop[0][3], kBoxWidth, kRowHeight),
        PlaceEntry("N3supan", "txtSpanNum(1)", kBoxLeft, kRowTop[1][0], kBoxWidth, kRowHeight),
        PlaceEntry("N3supan", "txtSpanLength(1)", kBoxLeft, kRowTop[1][1], kBoxWidth, kRowHeight),
        PlaceEntry("N3supan", "txtUpper(1)", kBoxLeft, kRowTop[1][2], kBoxWidth, kRowHeight),
        PlaceEntry("N3supan", "txtDown(1)", kBoxLeft, kRowTop[1][3], kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(fraInput, table);
    for (std::size_t i = 0; i < 2; ++i) {
        txtSpanNum[i] = boxes[4 * i];
        txtSpanLength[i] = boxes[4 * i + 1];
        txtUpper[i] = boxes[4 * i + 2];
        txtDown[i] = boxes[4 * i + 3];
    }
    NumBox* count = Entries()->Rule(txtSpanNum[0]);
    count->onChanged = [this] {
        DrawTatewaku();
        StoreFrameTotal(0);
    };
    count->onAccepted = [this] { SpanCountAccepted(); };
    for (QLineEdit* box : {txtSpanLength[0], txtUpper[0], txtDown[0]})
        Entries()->Rule(box)->onChanged = [this] { TotalY(); };
    Entries()->Rule(txtSpanNum[1])->onChanged = [this] {
        DrawYokowaku();
        TotalX();
    };
    for (QLineEdit* box : {txtSpanLength[1], txtUpper[1], txtDown[1]})
        Entries()->Rule(box)->onChanged = [this] { TotalX(); };

    picFrame = new FrameSketch(fraInput);
    PlaceTwips(picFrame, FrameSketch::kLeftTwips, FrameSketch::kTopTwips, FrameSketch::kWidthTwips,
               FrameSketch::kHeightTwips);

    // The boxes of both directions, then the buttons and the sink, which
    // sends a Tab press on to the vertical span count.
    SetTabChain({txtSpanNum[0], txtSpanLength[0], txtUpper[0], txtDown[0], txtSpanNum[1],
                 txtSpanLength[1], txtUpper[1], txtDown[1], cmdBegin, cmdBack, cmdIndicate, cmdNext,
                 cmdResult, FocusSink});
    SetTabWrapTarget(txtSpanNum[0]);
}

void N3supan::OnLoad() {
    Entries()->ShowAllStored();
    // The totals stay as the design holds them until an entry changes them.
    DrawTatewaku();
    DrawYokowaku();
}

void N3supan::TotalY() {
    StoreFrameTotal(0);
}

void N3supan::TotalX() {
    StoreFrameTotal(1);
}

void N3supan::DrawTatewaku() {
    const double n = NumVal(Design.SpanCountY);
    picFrame->AdaptVertical(n, NumVal(Design.SpanCountX));
    QLineEdit* span = txtSpanLength[0];
    // Without a vertical span there is no span length; an empty count
    // leaves the box as it was.
    if (NoVerticalSpan(Design.SpanCountY)) {
        span->setEnabled(false);
        QPalette p = span->palette();
        p.setColor(QPalette::All, QPalette::Base, kInactiveCaption);
        span->setPalette(p);
        span->setText(QString());
        Design.SpanY.clear();
    } else if (n != 0) {
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
    if (NoVerticalSpan(StdStr(txtSpanNum[0]->text()))) {
        SetTextEnabled(span, false);
        span->setText(QString());
        Design.SpanY.clear();
    } else {
        SetTextEnabled(span, true);
    }
}

void N3supan::Navigate(const std::function<void()>& action) {
    if (NoVerticalBeam(Design)) {
        MsgBox(kNoVerticalBeam, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    action();
}

void N3supan::BeginClicked() {
    // The base leaves the start-screen button's check to the window: the
    // box being edited is checked and stored first, and a refused entry
    // keeps the engineer where he is.
    Entries()->RunDeferred([this] { Navigate([this] { StartScreenAction(); }); }, cmdBegin);
}

// Back, Next and Result reach these only after the base has taken the value
// being typed; checking the box once more would repeat its warnings.
void N3supan::BackClicked() {
    Navigate([this] { StepForm::BackClicked(); });
}

void N3supan::NextClicked() {
    Navigate([this] { StepForm::NextClicked(); });
}

void N3supan::ResultClicked() {
    Navigate([this] { StepForm::ResultClicked(); });
}

void N3supan::IndicateClicked() {
    Entries()->RunDeferred(
        [this] {
            cmdIndicate->setFocus(Qt::OtherFocusReason);
            if (NoVerticalBeam(Design))
                MsgBox(kNoVerticalBeam, MsgButtons::Ok, MsgIcon::Exclamation);
        },
        cmdIndicate);
}

}  // namespace talvo
