#include "steps/windows/NHanchor.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "platform/updown.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "standards/windows/Catalogues.h"
#include "steps/anchorbar.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NHanchor", [] { return new NHanchor; });
    return true;
}();

// Geometry, twips. One framed area under the band; inside it five rows:
// caption, symbol or formula ending at the "=" column, value, unit.
constexpr int kFrameLeft = 240;
constexpr int kFrameWidth = 8835;
constexpr int kFrameTop = 420;
constexpr int kFrameHeight = 3150;
constexpr int kRowHeight = 300;
constexpr int kRows[4] = {330, 810, 1290, 1770};
constexpr int kFractionTop = 2280;
constexpr int kFractionLine = 270;
constexpr int kTauSRow = kFractionTop + kFractionLine + 15 - kRowHeight / 2;
constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 2520;
constexpr int kSymbolLeft = 3000;
constexpr int kEqualLeft = 4560;
constexpr int kValueLeft = 4860;
constexpr int kValueWidth = 1100;
constexpr int kUnitLeft = 6020;
constexpr int kUnitWidth = 960;

const char* const kStressUnit = "(N/mm<sup>2</sup>)";

}  // namespace

NHanchor::NHanchor(QWidget* parent) : StepForm(QStringLiteral("NHanchor"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());

    AddTitleBar(this, QStringLiteral("主アンカー(アンカーバー)の検討"), kFrameLeft, 90, kFrameWidth,
                300);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraAnchor"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    PlaceTwips(frame, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);

    auto caption = [frame](const char* text, int top) {
        AddLabel(frame, QString::fromUtf8(text), kCaptionLeft, top, kCaptionWidth, kRowHeight);
    };
    auto symbol = [frame](const QString& text, int top) {
        AddLabel(frame, text, kSymbolLeft, top, kEqualLeft - kSymbolLeft - 60, kRowHeight,
                 Qt::AlignRight | Qt::AlignVCenter);
    };
    auto equal = [frame](int left, int top) {
        AddLabel(frame, QStringLiteral("="), left, top, 240, kRowHeight, Qt::AlignCenter);
    };
    auto unit = [frame](const char* text, int top) {
        AddLabel(frame, QString::fromUtf8(text), kUnitLeft, top, kUnitWidth, kRowHeight);
    };

    // The bar: its name in a box nobody types into, stepped by UpDown1.
    caption("使用鋼材", kRows[0]);
    Text7 =
        AddEntryBox(frame, QStringLiteral("Text7"), kValueLeft, kRows[0], kValueWidth, kRowHeight);
    Text7->setReadOnly(true);
    Text7->installEventFilter(this);
    UpDown1 = new UpDown(frame);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    // Here the up-down takes the focus with every click, so a press leaves
    // the box being edited first: its check runs, and a refusal keeps it
    // (CommitPending below then drops the click).
    UpDown1->setFocusPolicy(Qt::StrongFocus);
    PlaceTwips(UpDown1, kValueLeft + kValueWidth, kRows[0], 255, kRowHeight);
    connect(UpDown1, &UpDown::UpClick, this, [this] {
        if (!Entries()->CommitPending(UpDown1)) return;
        StepBar(1);
        UpDown1->setFocus(Qt::OtherFocusReason);
    });
    connect(UpDown1, &UpDown::DownClick, this, [this] {
        if (!Entries()->CommitPending(UpDown1)) return;
        StepBar(-1);
        UpDown1->setFocus(Qt::OtherFocusReason);
    });

    caption("鋼材の断面積", kRows[1]);
    symbol(QStringLiteral("a<sub>s</sub>"), kRows[1]);
    equal(kEqualLeft, kRows[1]);
    Label14 = AddValueLabel(frame, QStringLiteral("Label14"), kValueLeft, kRows[1], kValueWidth,
                            kRowHeight);
    unit("(mm<sup>2</sup>)", kRows[1]);

    caption("安全率（設計安全率）", kRows[2]);
    symbol(QStringLiteral("Ｆ<sub>s</sub>"), kRows[2]);
    equal(kEqualLeft, kRows[2]);

    caption("鋼材の許容せん断応力度", kRows[3]);
    symbol(QStringLiteral("τ<sub>sa</sub>"), kRows[3]);
    equal(kEqualLeft, kRows[3]);
    unit(kStressUnit, kRows[3]);
    cmdRefer = new QPushButton(QStringLiteral("参考値..."), frame);
    cmdRefer->setObjectName(QStringLiteral("cmdRefer"));
    cmdRefer->setAutoDefault(false);
    PlaceTwips(cmdRefer, 7400, kRows[3] - 38, 1100, 375);
    cmdRefer->setEnabled(false);
    connect(cmdRefer, &QPushButton::clicked, this, [this] { ReferClicked(); });

    // τs = Q/as・Fs = Label11 (N/mm²) ･･･ Label20
    caption("鋼材のせん断応力度", kTauSRow);
    AddLabel(frame, QStringLiteral("τ<sub>s</sub>"), 2820, kTauSRow, 360, kRowHeight,
             Qt::AlignRight | Qt::AlignVCenter);
    equal(3200, kTauSRow);
    AddFraction(frame, QStringLiteral("Ｑ"), QStringLiteral("a<sub>s</sub>"), 3480, kFractionTop,
                420, kFractionLine);
    AddLabel(frame, QStringLiteral("・Ｆ<sub>s</sub>"), 3930, kTauSRow, 600, kRowHeight);
    equal(kEqualLeft, kTauSRow);
    Label11 = AddValueLabel(frame, QStringLiteral("Label11"), kValueLeft, kTauSRow, kValueWidth,
                            kRowHeight);
    unit(kStressUnit, kTauSRow);
    AddLabel(frame, QStringLiteral("･･･"), 7000, kTauSRow, 360, kRowHeight);
    // The verdict place also says why there is no τs, in up to two lines
    // reaching to the frame's edge.
    Label20 = AddLabel(frame, QString(), 7380, kTauSRow, kFrameWidth - 7380 - 120, 2 * kRowHeight,
                       Qt::AlignLeft | Qt::AlignTop);
    Label20->setObjectName(QStringLiteral("Label20"));
    Label20->setWordWrap(true);
    // Its first line stands where a one-row label centres its text.
    const int rowPx = TwipsToPixelsY(kRowHeight);
    Label20->setContentsMargins(0, std::max(0, (rowPx - Label20->fontMetrics().height()) / 2), 0,
                                0);

    // Fs and τsa; neither raises a flag: τs is the step's own check.
    const std::vector<NumEntry> table = {
        PlaceEntry("NHanchor", "Text3", kValueLeft, kRows[2], kValueWidth, kRowHeight),
        PlaceEntry("NHanchor", "Text1", kValueLeft, kRows[3], kValueWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(frame, table);
    Text3 = boxes[0];
    Text1 = boxes[1];
    for (QLineEdit* box : {Text3, Text1}) box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Entries()->Rule(Text3)->onChanged = [this] {
        UpdateAncBarTauS();
        ShowTauS();
    };
    Entries()->Rule(Text1)->onChanged = [this] { ShowVerdict(); };

    // The Tab key follows the screen: the bar on the top line, Fs, τsa and
    // its reference button, the buttons; the sink sends it round to the bar.
    Text2 = FocusSink;
    SetTabChainFromFirst({Text7, UpDown1, Text3, Text1, cmdRefer, cmdBegin, cmdBack, cmdIndicate,
                          cmdNext, cmdResult, Text2});
}

void NHanchor::OnLoad() {
    // What the design holds, as it is: τs waits for the first activation,
    // which knows the load Q of this design.
    Entries()->ShowAllStored();
    Text7->setText(QStr(AnchorBarName(Design.AncBarIndex)));
    Label14->setText(QStr(AnchorBarArea(Design.AncBarIndex)));
    Label11->setText(QStr(ShownTauS(Design.AncBarTauS)));
    ShowVerdict();
}

QWidget* NHanchor::OpeningFocus() const {
    // The step opens on its top line, where the Tab key starts down the
    // screen.
    return Text7;
}

void NHanchor::SetReferEnabled(bool on) {
    cmdRefer->setEnabled(on);
}

void NHanchor::OnActivate() {
    SetReferEnabled(true);
    RunAnchorBarOnActivation();
    // The bar table may have been edited meanwhile: the area shown is the
    // area τs was computed with.
    ShowBar();
}

void NHanchor::OnDeactivate() {
    SetReferEnabled(false);
}

void NHanchor::OnResized(bool minimised) {
    SetReferEnabled(!minimised);
}

void NHanchor::StepBar(int step) {
    if (StepAnchorBar(step)) ShowBar();
}

void NHanchor::ShowBar() {
    Text7->setText(QStr(AnchorBarName(Design.AncBarIndex)));
    Label14->setText(QStr(AnchorBarArea(Design.AncBarIndex)));
    ShowTauS();
}

void NHanchor::ShowTauS() {
    Label11->setText(QStr(ShownTauS(Design.AncBarTauS)));
    ShowVerdict();
}

void NHanchor::ShowVerdict() {
    // No τs is no pass: the verdict place tells what is missing, in red.
    const std::string missing = Present(Design.AncBarTauS) ? std::string() : AnchorBarTauSMissing();
    if (!missing.empty()) {
        Label20->setText(QStr(missing));
        SetLabelForeColor(Label20, kRedText);
        return;
    }
    const AnchorBarVerdict v = JudgeAnchorBar(Design.AncBarTauSa, Design.AncBarTauS);
    Label20->setText(QStr(v.mark));
    SetLabelForeColor(Label20, v.out ? kRedText : kBlackText);
}

void NHanchor::ReferClicked() {
    // A picked shear stress goes into Text1; the box's own check then stores
    // it like a typed one (after a cancel it finds nothing changed).
    FKouzai dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        Text1->setText(QStr(FormatNum(dialog.PickedCell(2), 5, 0)));
    if (!Entries()->CheckBox(Text1)) return;
    cmdRefer->setFocus(Qt::OtherFocusReason);
}

bool NHanchor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text7 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Tab and Backtab still move on, and F1 still opens the help.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_F1) return false;
        if (key == Qt::Key_Up) StepBar(1);
        if (key == Qt::Key_Down) StepBar(-1);
        // Every other key is dropped: the name is never typed.
        Text7->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return StepForm::eventFilter(watched, event);
}

}  // namespace talvo
