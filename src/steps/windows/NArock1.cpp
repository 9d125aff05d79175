#include "steps/windows/NArock1.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <string>

#include "calc/anchorload.h"
#include "calc/recalc.h"
#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "platform/updown.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "standards/windows/Catalogues.h"
#include "steps/rockbolt.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NArock1", [] { return new NArock1; });
    return true;
}();

constexpr int kRowHeight = 300;
const QString kStressUnit = QStringLiteral("(N/mm<sup>2</sup>)");

// The allowable-stress rows, inside their frame.
constexpr int kAllowTop[2] = {150, 540};
constexpr int kCaptionLeft = 240;
constexpr int kSymbolLeft = 2280;
constexpr int kAllowEqualLeft = 2760;
constexpr int kAllowBoxLeft = 3000;
constexpr int kAllowBoxWidth = 1100;
constexpr int kAllowUnitLeft = 4200;

// The check rows: the bar, then τs and σs, each a fraction over two lines
// with the row's text on the level of its bar.
constexpr int kBarTop = 150;
constexpr int kFractionTop[2] = {660, 1500};
constexpr int kFractionLine = 270;
constexpr int kFractionLeft = 3000;
constexpr int kFractionWidth = 480;
constexpr int kStressLeft = 3780;
constexpr int kStressWidth = 1100;
constexpr int kStressUnitLeft = 4950;
constexpr int kDotsLeft = 6000;
constexpr int kVerdictLeft = 6650;

// The text row beside a fraction: centred on its bar.
constexpr int LineTop(int fractionTop) {
    return fractionTop + kFractionLine + 15 - kRowHeight / 2;
}

// A verdict label draws its text in the colour the kit's SetForeColor sets.
QLabel* AddVerdict(QWidget* parent, const char* name, int top) {
    QLabel* l = AddLabel(parent, QString(), kVerdictLeft, top, 700, kRowHeight);
    l->setObjectName(QString::fromLatin1(name));
    l->setForegroundRole(QPalette::Text);
    return l;
}

void ShowVerdict(QLabel* label, const std::string& stress, const std::string& allowable) {
    const std::string verdict = StressVerdict(stress, allowable);
    label->setText(QStr(verdict));
    SetForeColor(label, verdict == kVerdictOut ? kRedText : kBlackText);
}

}  // namespace

NArock1::NArock1(QWidget* parent) : StepForm(QStringLiteral("NArock1"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());

    // ---- The allowable stresses of the bolt steel ----
    AddHeaderLabel(this, QStringLiteral("鋼材の許容応力度"), 240, 90, 8835, 300);
    QGroupBox* allow = AddPanel(this, QString(), 240, 390, 8835, 1020);
    allow->setObjectName(QStringLiteral("fraAllowable"));
    const QString captions[2] = {QStringLiteral("許容せん断応力度"),
                                 QStringLiteral("許容引張応力度")};
    const QString symbols[2] = {QStringLiteral("τ<sub>sa</sub>"), QStringLiteral("σ<sub>sa</sub>")};
    for (int i = 0; i < 2; ++i) {
        AddLabel(allow, captions[i], kCaptionLeft, kAllowTop[i], 1900, kRowHeight);
        AddLabel(allow, symbols[i], kSymbolLeft, kAllowTop[i], 450, kRowHeight);
        AddLabel(allow, QStringLiteral("="), kAllowEqualLeft, kAllowTop[i], 200, kRowHeight);
        AddLabel(allow, kStressUnit, kAllowUnitLeft, kAllowTop[i], 1000, kRowHeight);
    }
    // The stresses are stored as entered: no recalculation follows from
    // them, the check of the bolt steel is complete within this step.
    const std::vector<NumEntry> table = {
        PlaceEntry("NArock1", "Text1", kAllowBoxLeft, kAllowTop[0], kAllowBoxWidth, kRowHeight),
        PlaceEntry("NArock1", "Text2", kAllowBoxLeft, kAllowTop[1], kAllowBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(allow, table);
    Text1 = boxes[0];
    Text2 = boxes[1];
    Entries()->Rule(Text1)->onChanged = [this] { MarkVerdicts(); };
    Entries()->Rule(Text2)->onChanged = [this] { MarkVerdicts(); };

    cmdRefer = new QPushButton(QStringLiteral("参考値..."), allow);
    cmdRefer->setObjectName(QStringLiteral("cmdRefer"));
    cmdRefer->setAutoDefault(false);
    PlaceTwips(cmdRefer, 6300, 300, 1500, 375);
    cmdRefer->setEnabled(false);
    connect(cmdRefer, &QPushButton::clicked, this,
            [this] { Entries()->RunDeferred([this] { ReferClick(); }, cmdRefer); });

    // ---- The check of one bolt ----
    AddHeaderLabel(this, QStringLiteral("応力度の照査"), 240, 1500, 8835, 300);
    QGroupBox* check = AddPanel(this, QString(), 240, 1800, 8835, 2310);
    check->setObjectName(QStringLiteral("fraCheck"));
    AddLabel(check, QStringLiteral("使用鋼材"), kCaptionLeft, kBarTop, 1400, kRowHeight);
    Text7 = AddEntryBox(check, QStringLiteral("Text7"), 1680, kBarTop, 900, kRowHeight);
    Text7->setText(QStringLiteral("Text7"));
    // The box only shows the bar; the arrow keys step it, nothing is typed.
    Text7->setReadOnly(true);
    Text7->installEventFilter(this);
    UpDown1 = new UpDown(check);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->UpButton()->installEventFilter(this);
    UpDown1->DownButton()->installEventFilter(this);
    PlaceTwips(UpDown1, 2580, kBarTop, 255, kRowHeight);
    // A click leaves the focus where it is, but the box being edited is
    // checked first: the verdicts after the step then judge the allowable
    // as typed, and a refused entry keeps its box and steps nothing. The
    // arrows take no focus, yet their press passes the focus through the
    // window and so checks the box already; a refusal there drops the press
    // (eventFilter), and a check still pending runs here.
    connect(UpDown1, &UpDown::UpClick, this, [this] {
        if (Entries()->CommitPending(UpDown1)) StepBar(+1);
    });
    connect(UpDown1, &UpDown::DownClick, this, [this] {
        if (Entries()->CommitPending(UpDown1)) StepBar(-1);
    });
    AddLabel(check, QStringLiteral("(Ａs = "), 3000, kBarTop, 700, kRowHeight);
    Label21 = AddLabel(check, QString(), 3700, kBarTop, 750, kRowHeight,
                       Qt::AlignRight | Qt::AlignVCenter);
    Label21->setObjectName(QStringLiteral("Label21"));
    AddLabel(check, QStringLiteral("mm<sup>2</sup>)"), 4500, kBarTop, 700, kRowHeight);

    const QString rowCaptions[2] = {QStringLiteral("せん断応力度"), QStringLiteral("引張応力度")};
    const QString rowSymbols[2] = {QStringLiteral("τ<sub>s</sub>"),
                                   QStringLiteral("σ<sub>s</sub>")};
    const QString numerators[2] = {QStringLiteral("Ｓ"), QStringLiteral("Ｐt")};
    const char* const stressNames[2] = {"Label23", "Label24"};
    const char* const verdictNames[2] = {"Label25", "Label26"};
    QLabel* stress[2] = {};
    QLabel* verdict[2] = {};
    for (int i = 0; i < 2; ++i) {
        const int top = LineTop(kFractionTop[i]);
        AddLabel(check, rowCaptions[i], kCaptionLeft, top, 1400, kRowHeight);
        AddLabel(check, rowSymbols[i], kSymbolLeft, top, 450, kRowHeight);
        AddLabel(check, QStringLiteral("="), kAllowEqualLeft, top, 200, kRowHeight);
        AddFraction(check, numerators[i], QStringLiteral("Ａs"), kFractionLeft, kFractionTop[i],
                    kFractionWidth, kFractionLine);
        AddLabel(check, QStringLiteral("="), kFractionLeft + kFractionWidth + 60, top, 200,
                 kRowHeight);
        stress[i] = AddValueLabel(check, QString::fromLatin1(stressNames[i]), kStressLeft, top,
                                  kStressWidth, kRowHeight);
        AddLabel(check, kStressUnit, kStressUnitLeft, top, 1000, kRowHeight);
        AddLabel(check, QStringLiteral(" ･････"), kDotsLeft, top, 600, kRowHeight);
        verdict[i] = AddVerdict(check, verdictNames[i], top);
    }
    Label23 = stress[0];
    Label24 = stress[1];
    Label25 = verdict[0];
    Label26 = verdict[1];

    SetTabChain({Text1, Text2, cmdRefer, Text7, UpDown1, cmdBegin, cmdBack, cmdIndicate, cmdNext,
                 cmdResult});
    UseFocusSink(QStringLiteral("Text3"));
    Text3 = FocusSink;
    SetTabWrapTarget(Text1);
}

void NArock1::SetNavEnabled(bool on) {
    StepForm::SetNavEnabled(on);
    cmdRefer->setEnabled(on);
}

void NArock1::OnActivate() {
    RunRockOnActivation();
    Entries()->ShowAllStored();
    ShowBar();
    RecomputeStresses();
    ShowStresses();
}

void NArock1::ShowBar() {
    Text7->setText(QStr(BarBoxText(Design.RockBarIndex)));
    Label21->setText(QStr(BarAreaText(Design.RockBarIndex)));
}

void NArock1::RecomputeStresses() {
    // Run whenever the bar or its area may have changed: the record keeps
    // the stresses of the bar shown, by the same rule as the load
    // calculation. Only a stored text that really changes is a change of
    // the design; showing the same values again is none.
    const std::string tau = Design.RockTau;
    const std::string sigma = Design.RockSigma;
    CalcRockStress();
    if (Design.RockTau != tau || Design.RockSigma != sigma) DataChanged = 1;
}

void NArock1::ShowStresses() {
    Label23->setText(NumText(Design.RockTau, 6, 1));
    Label24->setText(NumText(Design.RockSigma, 6, 1));
    MarkVerdicts();
}

void NArock1::MarkVerdicts() {
    ShowVerdict(Label25, Design.RockTau, Design.RockTauSa);
    ShowVerdict(Label26, Design.RockSigma, Design.RockSigmaSa);
}

void NArock1::StepBar(int step) {
    const std::int16_t next = StepBarIndex(Design.RockBarIndex, step);
    if (next == Design.RockBarIndex) return;
    Design.RockBarIndex = next;
    DataChanged = 1;
    ShowBar();
    RecomputeStresses();
    ShowStresses();
}

bool NArock1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        (watched == UpDown1->UpButton() || watched == UpDown1->DownButton())) {
        // The entry this press took the focus from was refused: it keeps
        // its box and the bar stays.
        if (EntryRefusalPending == 1) return true;
    }
    if (watched == Text7 && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The Tab keys still move on; every other key ends here, the arrows
        // after stepping the bar.
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab) {
            if (key == Qt::Key_Up) StepBar(+1);
            if (key == Qt::Key_Down) StepBar(-1);
            Text7->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return StepForm::eventFilter(watched, event);
}

void NArock1::ReferClick() {
    // The picked row of the steel catalogue goes into both boxes; each box's
    // own check then stores it as a typed value would be, and a refused
    // value keeps its box. A pick marks the design changed even when the
    // values are the same.
    FKouzai dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        Text1->setText(QStr(FormatNum(dialog.PickedCell(2), 6, 0)));
        Text2->setText(QStr(FormatNum(dialog.PickedCell(3), 6, 0)));
        RecalcResult = 1;
        DataChanged = 1;
    }
    if (!Entries()->CheckBox(Text1) || !Entries()->CheckBox(Text2)) return;
    cmdRefer->setFocus(Qt::OtherFocusReason);
}

}  // namespace talvo
