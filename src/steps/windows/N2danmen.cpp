#include "steps/windows/N2danmen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/section.h"
#include "steps/windows/SectionSketch.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N2danmen", [] { return new N2danmen; });
    return true;
}();

const char* const kDepthMessage = "枠高が有効高を下回っています。";
const char* const kClearMessage = "枠幅・枠高・有効高の値をクリアします。";

std::string& WidthField(int i) {
    return i == 0 ? Design.SectionBy : Design.SectionBx;
}
std::string& HeightField(int i) {
    return i == 0 ? Design.SectionHy : Design.SectionHx;
}
std::string& MidHeightField(int i) {
    return i == 0 ? Design.SectionDy : Design.SectionDx;
}

// Panel geometry, twips: the two panels side by side under the check box.
constexpr int kPanelTop = 480;
constexpr int kPanelWidth = 4380;
constexpr int kPanelHeight = 3600;
constexpr int kPanelLeft[2] = {240, 4740};
// Inside a panel: the three rows of b, h and d right of the sketch.
constexpr int kRowTop[3] = {1140, 1740, 2340};
constexpr int kRowHeight = 300;
constexpr int kBoxLeft = 3040;
constexpr int kBoxWidth = 720;

}  // namespace

N2danmen::N2danmen(QWidget* parent) : StepForm(QStringLiteral("N2danmen"), kNavAll, parent) {
    (void)kRegistered;

    chkMeasur = new QCheckBox(QStringLiteral("縦横同じ寸法"), this);
    chkMeasur->setObjectName(QStringLiteral("chkMeasur"));
    PlaceTwips(chkMeasur, 360, 120, 2400, 300);
    // Checked in the window's design: a design with separate sections
    // unchecks it at load, which runs the same-section handling.
    chkMeasur->setChecked(true);
    connect(chkMeasur, &QCheckBox::toggled, this, &N2danmen::MeasurClick);
    Entries()->HoldAfterRefusal(chkMeasur);

    const QString index[2] = {QStringLiteral("y"), QStringLiteral("x")};
    const QString caption[2] = {QStringLiteral("縦枠"), QStringLiteral("横枠")};
    for (int i = 0; i < 2; ++i) {
        QGroupBox* g =
            AddPanel(this, caption[i], kPanelLeft[i], kPanelTop, kPanelWidth, kPanelHeight);
        g->setObjectName(QStringLiteral("fraSection(%1)").arg(i));
        fraSection[i] = g;

        cmdSelect[i] = new QPushButton(QStringLiteral("標準断面の選択"), g);
        cmdSelect[i]->setObjectName(QStringLiteral("cmdSelect(%1)").arg(i));
        cmdSelect[i]->setAutoDefault(false);
        PlaceTwips(cmdSelect[i], 240, 330, 1920, 375);
        connect(cmdSelect[i], &QPushButton::clicked, this, [this, i] { SelectClick(i); });

        picSection[i] = new SectionSketch(index[i], g);
        PlaceTwips(picSection[i], 120, 840, SectionSketch::kWidthTwips,
                   SectionSketch::kHeightTwips);

        const QString letter[3] = {QStringLiteral("b"), QStringLiteral("h"), QStringLiteral("d")};
        for (int r = 0; r < 3; ++r) {
            AddLabel(g, QStringLiteral("<i>%1</i><sub>%2</sub>").arg(letter[r], index[i]), 2460,
                     kRowTop[r], 360, kRowHeight);
            AddLabel(g, QStringLiteral("="), 2820, kRowTop[r], 200, kRowHeight, Qt::AlignCenter);
            AddLabel(g, QStringLiteral("mm"), 3820, kRowTop[r], 420, kRowHeight);
        }
        const std::vector<NumEntry> table = {
            PlaceEntry("N2danmen", "txtWidth(" + std::to_string(i) + ")", kBoxLeft, kRowTop[0],
                       kBoxWidth, kRowHeight),
            PlaceEntry("N2danmen", "txtHeight(" + std::to_string(i) + ")", kBoxLeft, kRowTop[1],
                       kBoxWidth, kRowHeight),
            PlaceEntry("N2danmen", "txtMidHeight(" + std::to_string(i) + ")", kBoxLeft, kRowTop[2],
                       kBoxWidth, kRowHeight),
        };
        const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(g, table);
        txtWidth[i] = boxes[0];
        txtHeight[i] = boxes[1];
        txtMidHeight[i] = boxes[2];
        Entries()->Rule(txtWidth[i])->onChanged = [this, i] { WidthChanged(i); };
        Entries()->Rule(txtHeight[i])->onAccepted = [this, i] { HeightAccepted(i); };
        Entries()->Rule(txtMidHeight[i])->onAccepted = [this, i] { MidHeightAccepted(i); };

        // The list opens in the place of its button, over the sketch.
        lstSection[i] = new QListWidget(g);
        lstSection[i]->setObjectName(QStringLiteral("lstSection(%1)").arg(i));
        for (const char* item : kStandardSections) lstSection[i]->addItem(QString::fromUtf8(item));
        PlaceTwips(lstSection[i], 240, 330, 2280, 1800);
        lstSection[i]->hide();
        lstSection[i]->installEventFilter(this);
        connect(lstSection[i], &QListWidget::itemClicked, this,
                [this, i](QListWidgetItem* item) { ListClicked(i, lstSection[i]->row(item)); });
    }

    // The first step has nothing before it.
    cmdBack->setEnabled(false);
    SetTabWrapTarget(chkMeasur);
    SetTabChain({chkMeasur, cmdSelect[0], lstSection[0], txtWidth[0], txtHeight[0], txtMidHeight[0],
                 cmdSelect[1], lstSection[1], txtWidth[1], txtHeight[1], txtMidHeight[1], cmdBegin,
                 cmdBack, cmdIndicate, cmdNext, cmdResult, FocusSink});
}

void N2danmen::OnLoad() {
    for (int i : {1, 0}) {
        txtWidth[i]->setText(QStr(WidthField(i)));
        txtHeight[i]->setText(QStr(HeightField(i)));
        txtMidHeight[i]->setText(QStr(MidHeightField(i)));
    }
    chkMeasur->setChecked(Design.SameSection != 0);
    for (int k = 0; k < 2; ++k) MarkDirection(k, DepthReachesHeight(Shown(k)));
}

SectionTexts N2danmen::Shown(int k) const {
    return {StdStr(txtWidth[k]->text()), StdStr(txtHeight[k]->text()),
            StdStr(txtMidHeight[k]->text())};
}

void N2danmen::OnActivate() {
    keyMark_ = {0, 0};
}

void N2danmen::SetNavEnabled(bool on) {
    // cmdBack stays disabled; cmdIndicate follows the standard-section lists.
    for (QPushButton* b : {cmdBegin, cmdNext, cmdResult, cmdSelect[0], cmdSelect[1]})
        if (b) b->setEnabled(on);
}

void N2danmen::NextClicked() {
    // Taken before minimising: the step that becomes active tells its own
    // position on activation.
    const int next = CurStep + 1;
    SetState(WindowState::Minimized);
    if (StepManager* m = StepManager::Instance()) m->ShowStep(next);
}

void N2danmen::MarkDirection(int k, bool red) {
    const QColor& c = red ? kRedText : kBlackText;
    SetForeColor(txtHeight[k], c);
    SetForeColor(txtMidHeight[k], c);
}

void N2danmen::WidthChanged(int i) {
    if (chkMeasur->isChecked()) CopyToOther(i, txtWidth, WidthField);
}

void N2danmen::HeightAccepted(int i) {
    DepthChecked(i, MarksAfterHeight(Shown(i), Shown(1 - i)), txtHeight, HeightField);
}

void N2danmen::MidHeightAccepted(int i) {
    DepthChecked(i, MarksAfterDepth(i, Shown(i), Shown(1 - i)), txtMidHeight, MidHeightField);
}

void N2danmen::DepthChecked(int i, const DepthMarks& marks, const std::array<QLineEdit*, 2>& boxes,
                            std::string& (*field)(int)) {
    if (marks.entered) MsgBox(kDepthMessage, MsgButtons::Ok, MsgIcon::Exclamation);
    MarkDirection(i, marks.entered);
    if (!chkMeasur->isChecked()) return;
    MarkDirection(1 - i, marks.other);
    CopyToOther(i, boxes, field);
}

void N2danmen::CopyToOther(int i, const std::array<QLineEdit*, 2>& boxes,
                           std::string& (*field)(int)) {
    boxes[1 - i]->setText(boxes[i]->text());
    field(1 - i) = StdStr(boxes[i]->text());
}

void N2danmen::MeasurClick(bool checked) {
    if (!checked) Design.KekkaTab = 0;
    if (checked && SectionsDiffer(Shown(0), Shown(1))) {
        if (MsgBox(kClearMessage, MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgResult::Ok) {
            DataChanged = 1;
            for (int k = 0; k < 2; ++k) {
                for (QLineEdit* b : {txtWidth[k], txtHeight[k], txtMidHeight[k]}) b->clear();
                WidthField(k).clear();
                HeightField(k).clear();
                MidHeightField(k).clear();
            }
        } else {
            // Unchecking runs this handling once more, as an uncheck.
            chkMeasur->setChecked(false);
        }
    } else {
        DataChanged = 1;
    }
    Design.SameSection = chkMeasur->isChecked() ? 1 : 0;
    RecalcResult = 1;
}

void N2danmen::SelectClick(int i) {
    // The box being edited is checked first; a refusal, also one caused by
    // this very press taking the focus, keeps the list shut.
    Entries()->RunDeferred(
        [this, i] {
            QListWidget* list = lstSection[i];
            // Opened without a highlighted item, so that a click on any section,
            // also the one picked last time, applies it.
            {
                const QSignalBlocker block(list);
                list->setCurrentRow(-1);
                list->clearSelection();
            }
            list->show();
            list->raise();
            list->setFocus(Qt::OtherFocusReason);
            cmdSelect[i]->setEnabled(false);
            cmdIndicate->setEnabled(false);
        },
        cmdSelect[i]);
}

void N2danmen::ListClicked(int i, int row) {
    if (keyMark_[i]) {
        keyMark_[i] = 0;
        return;
    }
    ApplyItem(i, row);
}

bool N2danmen::ListKey(int i, QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        ApplyItem(i, lstSection[i]->currentRow());
        keyMark_[i] = 1;
        return true;
    }
    // Any other key marks the list; when the key moves the highlight, that
    // selection change uses the mark up, so arrow keys only browse.
    keyMark_[i] = 1;
    const int before = lstSection[i]->currentRow();
    inListKey_ = true;
    QCoreApplication::sendEvent(lstSection[i], key);
    inListKey_ = false;
    if (lstSection[i]->currentRow() != before) keyMark_[i] = 0;
    return true;
}

void N2danmen::FillDirection(int k, const QString& item) {
    const SectionTexts sizes = StandardSectionSizes(StdStr(item));
    txtWidth[k]->setText(QStr(sizes.width));
    txtHeight[k]->setText(QStr(sizes.height));
    txtMidHeight[k]->setText(QStr(sizes.depth));
    WidthField(k) = StdStr(txtWidth[k]->text());
    HeightField(k) = StdStr(txtHeight[k]->text());
    MidHeightField(k) = StdStr(txtMidHeight[k]->text());
    // Every standard section has h > d: a mark left by an earlier entry goes.
    MarkDirection(k, false);
}

void N2danmen::ApplyItem(int i, int row) {
    if (row < 0 || row >= lstSection[i]->count()) return;
    const QString item = lstSection[i]->item(row)->text();
    if (Design.SameSection == 1) FillDirection(1 - i, item);
    FillDirection(i, item);
    DataChanged = 1;
    RecalcLoad = 1;
    RecalcForce = 1;
    RecalcAnchorBar = 1;
    lstSection[i]->hide();
    cmdSelect[i]->setEnabled(true);
    cmdIndicate->setEnabled(true);
}

bool N2danmen::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 2; ++i) {
        if (watched != lstSection[i]) continue;
        if (event->type() == QEvent::KeyPress && !inListKey_)
            return ListKey(i, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) {
            auto* fe = static_cast<QFocusEvent*>(event);
            if (fe->reason() != Qt::ActiveWindowFocusReason &&
                fe->reason() != Qt::PopupFocusReason) {
                lstSection[i]->hide();
                cmdSelect[i]->setEnabled(true);
                cmdIndicate->setEnabled(true);
            }
        }
    }
    return StepForm::eventFilter(watched, event);
}

}  // namespace talvo
