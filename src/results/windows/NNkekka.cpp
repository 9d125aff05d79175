#include "results/windows/NNkekka.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "calc/rebar.h"
#include "platform/formkit.h"
#include "platform/grid.h"
#include "platform/tabstrip.h"
#include "platform/toolbarmenu.h"
#include "platform/updown.h"
#include "results/designchecks.h"
#include "results/printrows.h"
#include "results/rebuild.h"
#include "results/resulttable.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/stepchain.h"
#include "shell/toolids.h"
#include "shell/windows/MainWindow.h"
#include "shell/windows/StepManager.h"
#include "standards/windows/SettingsDialogs.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow(kResultsWindow, [] { return new NNkekka; });
    // A table written by a settings dialog reaches the results at once.
    SetSettingsListener([] {
        StepManager* m = StepManager::Instance();
        if (auto* w = m ? qobject_cast<NNkekka*>(m->ResultsWindow()) : nullptr)
            w->SettingsChanged();
    });
    return true;
}();

// ---- Geometry, twips ----

constexpr int kLeft = 120;
constexpr int kTabTop = 60;
constexpr int kTabHeight = 330;
constexpr int kHeadTop = 465;
constexpr int kHeadHeight = 375;  // each of the two heading levels
constexpr int kGridTop = kHeadTop + 2 * kHeadHeight;
constexpr int kRowHeight = 315;
constexpr int kUnderTop = 3165;  // sprResult2 and sprResult3
constexpr int kUnderRowHeight = 285;
constexpr int kPrintRowTop = 3825;
constexpr int kStepperWidth = 240;
// The line of the failed checks: under the print-row grid with two sets, the
// button bar and the window's bottom moving down by kOutStep; in the print-row
// grid's place with one set. A line too long for the grid's width goes on
// under it, each further line kOutStep lower, the button bar and the window's
// bottom with it.
constexpr int kOutTopTwoSets = 4185;
constexpr int kOutTopOneSet = kPrintRowTop;
constexpr int kOutHeight = 285;
constexpr int kOutStep = 300;

// Columns 1 to 11 of both result grids: bar and count leave room for their
// steppers, the stresses for six places and their decimals.
constexpr std::array<int, kResultColumns> kColumnWidth = {720, 660, 960, 930, 840, 840,
                                                          840, 720, 660, 630, 720};
constexpr int ColumnLeft(int column) {  // column 1 to 12, from the grid's left edge
    int left = 0;
    for (int c = 1; c < column; ++c) left += kColumnWidth[static_cast<std::size_t>(c - 1)];
    return left;
}
constexpr int kGridWidth = ColumnLeft(kResultColumns + 1);
constexpr int kCheckLeft = kLeft + kGridWidth + 90;
constexpr int kEmptyColumnWidth = 120;  // the print-row grid's narrow 12th column

// Under the grid: the row headings span columns 1 and 2, the values stand
// under As and the four stresses.
constexpr int kUnderHeadWidth = ColumnLeft(ColAs);
constexpr int kForceLeft = kLeft + ColumnLeft(ColStirrupBar) + 120;
constexpr int kForceHeadWidth = 660;
constexpr int kForceValueWidth = 1020;
constexpr int kForceUnitWidth = 720;

const QColor kHeadingGround(224, 224, 224);

// Texts of the result grids as the engineer reads them: right-aligned
// numbers without their padding blanks (the stored texts keep them), never
// cut with an ellipsis; the stepped columns keep their text left of the
// stepper.
class ResultCellDelegate : public QStyledItemDelegate {
public:
    ResultCellDelegate(QObject* parent, bool steppers, std::vector<int> leftColumns = {})
        : QStyledItemDelegate(parent), steppers_(steppers), left_(std::move(leftColumns)) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = option->text.trimmed();
        option->textElideMode = Qt::ElideNone;
        const int column = index.column() + 1;
        const bool stepped = steppers_ && (column == ColBar || column == ColBarCount ||
                                           column == ColStirrupBar || column == ColStirrupCount);
        const bool left = std::find(left_.begin(), left_.end(), column) != left_.end();
        option->displayAlignment =
            (stepped || left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    }

private:
    bool steppers_;
    std::vector<int> left_;
};

// A grid that only shows: no selection, no focus, no scrolling, fixed cells.
Grid* MakeGrid(QWidget* parent, const QString& name, int rows, const std::vector<int>& columnTwips,
               int rowTwips, int headTwips = 0) {
    auto* g = new Grid(rows, static_cast<int>(columnTwips.size()), parent);
    g->setObjectName(name);
    g->setStyleSheet(QStringLiteral("QTableWidget { border: 1px solid #808080; }"));
    g->ensurePolished();
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    // Tab leaves a stepper in the grid for the next control, never for a cell.
    g->setTabKeyNavigation(false);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->horizontalHeader()->hide();
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setMinimumSectionSize(1);
    g->verticalHeader()->setDefaultSectionSize(TwipsToPixelsY(rowTwips));
    if (headTwips > 0) {
        g->verticalHeader()->setFixedWidth(TwipsToPixelsX(headTwips));
        g->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    } else {
        g->verticalHeader()->hide();
    }
    int width = headTwips > 0 ? TwipsToPixelsX(headTwips) : 0;
    for (std::size_t c = 0; c < columnTwips.size(); ++c) {
        const int px = TwipsToPixelsX(columnTwips[c]);
        g->setColumnWidth(static_cast<int>(c), px);
        width += px;
    }
    const int frame = g->frameWidth();
    g->resize(width + 2 * frame, rows * TwipsToPixelsY(rowTwips) + 2 * frame);
    return g;
}

void PlaceGrid(Grid* g, int leftTwips, int topTwips) {
    g->move(TwipsToPixelsX(leftTwips), TwipsToPixelsY(topTwips));
}

std::vector<int> ResultColumns(bool emptyLast) {
    std::vector<int> widths(kColumnWidth.begin(), kColumnWidth.end());
    if (emptyLast) widths.push_back(kEmptyColumnWidth);
    return widths;
}

// A fixed heading cell over the result grid.
QLabel* HeadCell(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    QLabel* l = AddLabel(parent, text, left, top, width, height, Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    SetLabelColors(l, kHeadingGround, Qt::black);
    return l;
}

// The stepper over the right end of cell (column, row) of a grid: it sits
// in the grid's viewport, so it follows the cell exactly.
UpDown* MakeStepper(Grid* grid, const QString& name, int column, int row) {
    auto* u = new UpDown(grid->viewport());
    u->setObjectName(name);
    const int right = grid->columnViewportPosition(column - 1) + grid->columnWidth(column - 1);
    const int width = TwipsToPixelsX(kStepperWidth);
    u->setGeometry(right - width, grid->rowViewportPosition(row - 1), width,
                   grid->rowHeight(row - 1));
    return u;
}

void PaintCell(Grid* grid, int column, int row, const std::string& text, std::int32_t color) {
    grid->SetText(column, row, QStr(text));
    grid->BlockMode = false;
    grid->Col = column;
    grid->Row = row;
    grid->SetForeColor(color);
}

ToolbarMenu* MainTools() {
    StepManager* m = StepManager::Instance();
    return m && m->Host() ? m->Host()->Tools() : nullptr;
}

// The set the window shows; a damaged value reads as the vertical frame.
int ShownSet() {
    return Design.KekkaTab == 1 ? 1 : 0;
}

}  // namespace

NNkekka::NNkekka(QWidget* parent)
    : StepForm(QString::fromUtf8(kResultsWindow), kNavResults, parent) {
    (void)kRegistered;

    SSTab1 = new TabStrip({QStringLiteral("縦   枠"), QStringLiteral("横   枠")}, this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, kLeft, kTabTop, 2400, kTabHeight);
    SSTab2 = new TabStrip({QStringLiteral("横　枠")}, this);
    SSTab2->setObjectName(QStringLiteral("SSTab2"));
    PlaceTwips(SSTab2, kLeft, kTabTop, 1300, kTabHeight);
    SSTab2->hide();
    connect(SSTab1, &TabStrip::Click, this, [this](int) { SSTab1Click(); });
    // Ctrl+Tab, Ctrl+Shift+Tab and Ctrl+PgDn/PgUp switch the sets from any
    // control of the window, before the workspace would switch its windows.
    SSTab1->SwitchFromAnywhereIn(this);

    // The two heading levels over the eleven columns and the boxes.
    const int lower = kHeadTop + kHeadHeight;
    auto both = [&](const char* text, int column) {
        HeadCell(this, QString::fromUtf8(text), kLeft + ColumnLeft(column), kHeadTop,
                 kColumnWidth[static_cast<std::size_t>(column - 1)], 2 * kHeadHeight);
    };
    auto upper = [&](const QString& text, int first, int last) {
        HeadCell(this, text, kLeft + ColumnLeft(first), kHeadTop,
                 ColumnLeft(last + 1) - ColumnLeft(first), kHeadHeight);
    };
    auto under = [&](const QString& text, int first, int last) {
        HeadCell(this, text, kLeft + ColumnLeft(first), lower,
                 ColumnLeft(last + 1) - ColumnLeft(first), kHeadHeight);
    };
    both("鉄筋", ColBar);
    both("本数", ColBarCount);
    upper(QStringLiteral("鉄筋量"), ColAs, ColAs);
    under(QStringLiteral("As(mm<sup>2</sup>)"), ColAs, ColAs);
    upper(QStringLiteral("応力度 (N/mm<sup>2</sup>)"), ColSigmaS, ColTauO);
    under(QStringLiteral("引張 σs"), ColSigmaS, ColSigmaS);
    under(QStringLiteral("圧縮 σc"), ColSigmaC, ColSigmaC);
    under(QStringLiteral("せん断 τc"), ColTauC, ColTauC);
    under(QStringLiteral("付着 τo"), ColTauO, ColTauO);
    upper(QStringLiteral("スターラップ"), ColStirrupBar, ColPitchReq);
    under(QStringLiteral("鉄筋"), ColStirrupBar, ColStirrupBar);
    under(QStringLiteral("本数"), ColStirrupCount, ColStirrupCount);
    under(QStringLiteral("間隔 mm"), ColPitch, ColPitchReq);
    HeadCell(this, QStringLiteral("印刷"), kLeft + kGridWidth + 30, kHeadTop, 420, 2 * kHeadHeight);

    sprResult1[0] = MakeGrid(this, QStringLiteral("sprResult1(0)"), kRowsPerSet,
                             ResultColumns(false), kRowHeight);
    PlaceGrid(sprResult1[0], kLeft, kGridTop);
    sprResult1[0]->setItemDelegate(new ResultCellDelegate(sprResult1[0], true));

    sprResult2 = MakeGrid(this, QStringLiteral("sprResult2"), 2, {960, 930, 840, 840, 840},
                          kUnderRowHeight, kUnderHeadWidth);
    sprResult2->setVerticalHeaderLabels(
        {QStringLiteral("必要鉄筋量"), QStringLiteral("許容応力度")});
    PlaceGrid(sprResult2, kLeft, kUnderTop);
    sprResult2->setItemDelegate(new ResultCellDelegate(sprResult2, false));

    sprResult3 = MakeGrid(this, QStringLiteral("sprResult3"), 2,
                          {kForceValueWidth, kForceUnitWidth}, kUnderRowHeight, kForceHeadWidth);
    sprResult3->setVerticalHeaderLabels({QStringLiteral("Ｍmax"), QStringLiteral("Ｓmax")});
    sprResult3->SetText(2, 1, QStringLiteral("kN･m"));
    sprResult3->SetText(2, 2, QStringLiteral("kN"));
    PlaceGrid(sprResult3, kForceLeft, kUnderTop);
    sprResult3->setItemDelegate(new ResultCellDelegate(sprResult3, false, {2}));

    sprResult1[1] =
        MakeGrid(this, QStringLiteral("sprResult1(1)"), 1, ResultColumns(true), kRowHeight);
    PlaceGrid(sprResult1[1], kLeft, kPrintRowTop);
    sprResult1[1]->setItemDelegate(new ResultCellDelegate(sprResult1[1], true));

    // The steppers of the six rows and of the print row.
    struct Stepper {
        std::array<UpDown*, 6>* rows;
        UpDown** printRow;
        const char* rowName;
        const char* printName;
        int column;
        StepQuantity quantity;
    };
    const Stepper steppers[] = {
        {&UpDown1, &UpDown5, "UpDown1", "UpDown5", ColBar, StepQuantity::BarSize},
        {&UpDown2, &UpDown6, "UpDown2", "UpDown6", ColBarCount, StepQuantity::BarCount},
        {&UpDown3, &UpDown7, "UpDown3", "UpDown7", ColStirrupBar, StepQuantity::StirrupSize},
        {&UpDown4, &UpDown8, "UpDown4", "UpDown8", ColStirrupCount, StepQuantity::StirrupCount},
    };
    for (const Stepper& s : steppers) {
        for (int i = 0; i < kRowsPerSet; ++i) {
            UpDown* u = MakeStepper(
                sprResult1[0], QStringLiteral("%1(%2)").arg(QString::fromLatin1(s.rowName)).arg(i),
                s.column, i + 1);
            (*s.rows)[static_cast<std::size_t>(i)] = u;
            const StepQuantity q = s.quantity;
            connect(u, &UpDown::DownClick, this, [this, i, q, u] {
                StepShownRow(i, q, StepWay::Down);
                u->setFocus(Qt::OtherFocusReason);
            });
            connect(u, &UpDown::UpClick, this, [this, i, q, u] {
                StepShownRow(i, q, StepWay::Up);
                u->setFocus(Qt::OtherFocusReason);
            });
        }
        UpDown* u = MakeStepper(sprResult1[1], QString::fromLatin1(s.printName), s.column, 1);
        *s.printRow = u;
        const StepQuantity q = s.quantity;
        connect(u, &UpDown::DownClick, this, [this, q, u] { StepPrintRow(q, StepWay::Down, u); });
        connect(u, &UpDown::UpClick, this, [this, q, u] { StepPrintRow(q, StepWay::Up, u); });
    }

    // One box beside each row of the result grid.
    for (int i = 0; i < kRowsPerSet; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        const Grid* g = sprResult1[0];
        const int rowTop = g->y() + g->frameWidth() + g->rowViewportPosition(i);
        box->adjustSize();
        box->move(TwipsToPixelsX(kCheckLeft), rowTop + (g->rowHeight(i) - box->height()) / 2);
        Check1[static_cast<std::size_t>(i)] = box;
        // Also when the window ticks a box itself: the guard decides.
        connect(box, &QCheckBox::toggled, this, [this, i](bool) { Check1Click(i); });
    }

    cmdPrint[0] = new QPushButton(QStringLiteral("簡易印刷(&Y)"), NavBar);
    cmdPrint[1] = new QPushButton(QStringLiteral("全頁印刷(&Z)"), NavBar);
    for (int i = 0; i < 2; ++i) {
        QPushButton* b = cmdPrint[static_cast<std::size_t>(i)];
        b->setObjectName(QStringLiteral("cmdPrint(%1)").arg(i));
        b->setAutoDefault(false);
        b->setEnabled(false);
        PlaceTwips(b, i == 0 ? 5340 : 7080, 180, 1695, 375);
        connect(b, &QPushButton::clicked, this, [this, i] { cmdPrintClick(i); });
    }

    lblOut = AddLabel(this, QString(), kLeft, kOutTopTwoSets, kGridWidth, kOutHeight);
    lblOut->setObjectName(QStringLiteral("lblOut"));
    SetLabelForeColor(lblOut, kRedText);
    lblOut->hide();
    navTop_ = NavBar->y();

    SetTabOrder();
}

void NNkekka::SetTabOrder() {
    std::vector<QWidget*> chain = {cmdBegin, cmdBack, cmdIndicate, SSTab1, SSTab2};
    chain.insert(chain.end(), Check1.begin(), Check1.end());
    chain.insert(chain.end(), {cmdPrint[0], cmdPrint[1]});
    for (std::size_t i = 0; i < kRowsPerSet; ++i)
        chain.insert(chain.end(), {UpDown1[i], UpDown2[i], UpDown3[i], UpDown4[i]});
    chain.insert(chain.end(), {UpDown5, UpDown6, UpDown7, UpDown8});
    // Each later control is put right behind the first, the last one first,
    // so that the chain ends up in this order whatever it was; the second
    // round moves the one the toolkit may have left where it stood.
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = chain.size(); i-- > 1;) QWidget::setTabOrder(chain[0], chain[i]);
}

// ---- Showing the record ----

void NNkekka::kekkadata(int set, int row) {
    if (!ValidResultRow(set, row)) return;
    const ResultRowCells cells = KekkaRowCells(set, row);
    const int gridRow = row - kRowsPerSet * set + 1;
    for (int c = 1; c <= kResultColumns; ++c) {
        const ResultCell& cell = cells[static_cast<std::size_t>(c - 1)];
        PaintCell(sprResult1[0], c, gridRow, cell.text, cell.color);
    }
}

void NNkekka::writeins(int i) {
    const int row = PrintTableRow(i);
    const ResultRowCells cells = row >= 0 ? KekkaRowCells(i, row) : ResultRowCells{};
    for (int c = 1; c <= kResultColumns; ++c) {
        const ResultCell& cell = cells[static_cast<std::size_t>(c - 1)];
        PaintCell(sprResult1[1], c, 1, cell.text, cell.color);
    }
}

void NNkekka::SetTicks() {
    const int printRow = Design.KekkaPrintRow[static_cast<std::size_t>(ShownSet())];
    PrintBoxGuard = 1;
    for (int i = 0; i < kRowsPerSet; ++i)
        Check1[static_cast<std::size_t>(i)]->setChecked(printRow == i + 1);
    PrintBoxGuard = 0;
}

void NNkekka::ShowSet() {
    const int t = ShownSet();
    const ResultDisplays shown = ResultDisplaysOf(t);
    sprResult2->SetText(1, 1, QStr(shown.requiredAs));
    for (int c = 0; c < 4; ++c)
        sprResult2->SetText(c + 2, 2, QStr(shown.allowables[static_cast<std::size_t>(c)]));
    sprResult3->SetText(1, 1, QStr(shown.mmax));
    sprResult3->SetText(1, 2, QStr(shown.smax));
    SetTicks();
    // With one set the print-row grid is hidden and holds nothing.
    writeins(SingleSetMode() ? -1 : 1 - t);
    for (int i = 0; i < kRowsPerSet; ++i) kekkadata(t, kRowsPerSet * t + i);
}

void NNkekka::ApplyMode() {
    const bool single = SingleSetMode();
    SSTab1->setVisible(!single);
    SSTab2->setVisible(single);
    sprResult1[1]->setVisible(!single);
    for (UpDown* u : {UpDown5, UpDown6, UpDown7, UpDown8}) u->setVisible(!single);
    if (single) {
        Design.KekkaTab = 1;
        SSTab2->SetCaption(0, QStr(SingleSetCaption()));
    }
    // The tab follows the shown set; its handler shows the set when it moves.
    PrintBoxGuard = 1;
    SSTab1->SetTab(ShownSet());
    PrintBoxGuard = 0;
}

// ---- Enabling ----

bool NNkekka::PrintAllowed() const {
    const MainFrame* main = MainFrame::Instance();
    return PrintRowsComplete() && main && main->HasPrintCommand();
}

void NNkekka::SetPrintButtons(bool on) {
    for (QPushButton* b : cmdPrint) b->setEnabled(on);
}

void NNkekka::SetPrintTool(bool on) {
    if (ToolbarMenu* tools = MainTools()) tools->SetEnabled(QStr(kToolPrint), on);
}

void NNkekka::SetNavEnabled(bool on) {
    // The redisplay button stays usable: it only works the rows out again.
    cmdBegin->setEnabled(on);
    cmdBack->setEnabled(on);
    SetPrintButtons(on && PrintAllowed());
}

// ---- The window's events ----

void NNkekka::ShowFailedChecks() {
    const std::string line = FailedChecksLine();
    const bool single = SingleSetMode();
    // Broken where the core breaks it for paper, measured in the label's own
    // font: every name stays whole on one of the lines.
    const QFontMetricsF metrics(lblOut->font());
    const std::vector<std::string> pieces = BreakChecksLine(
        line, TwipsToPixelsX(kGridWidth) - 2 * lblOut->margin(),
        [&metrics](const std::string& piece) { return metrics.horizontalAdvance(QStr(piece)); });
    QStringList texts;
    for (const std::string& piece : pieces) texts << QStr(piece);
    lblOut->setText(texts.join(QLatin1Char('\n')));
    const int lines = static_cast<int>(pieces.size());
    const int extra = lines > 1 ? (lines - 1) * kOutStep : 0;
    PlaceTwips(lblOut, kLeft, single ? kOutTopOneSet : kOutTopTwoSets, kGridWidth,
               kOutHeight + extra);
    lblOut->setVisible(!line.empty());
    // With one set the first line takes the print-row grid's place.
    growthTwips_ = line.empty() ? 0 : single ? extra : kOutStep + extra;
    NavBar->move(NavBar->x(), navTop_ + TwipsToPixelsY(growthTwips_));
    FitHeight();
}

void NNkekka::FitHeight() {
    // Once pending events have run: a window being restored takes its normal
    // size back only then. A minimised or maximised window is left alone and
    // fitted when it is restored.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QMdiSubWindow* sub = SubWindow();
            if (Unloading() || !sub || State() != WindowState::Normal) return;
            const int height = TwipsToPixelsY(kHeightTwips) + TwipsToPixelsY(growthTwips_);
            if (sub->height() != height) sub->resize(sub->width(), height);
        },
        Qt::QueuedConnection);
}

void NNkekka::SettingsChanged() {
    const QMdiSubWindow* sub = SubWindow();
    const bool active = sub && sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub;
    if (Unloading() || StepsReady != 1 || !active || updatePending_ ||
        State() == WindowState::Minimized)
        return;
    HandleActivate();
}

void NNkekka::OnLoad() {
    if (SingleSetMode()) PickDesignMoment();
    ApplyMode();
    ShowSet();
    ShowFailedChecks();
    for (Grid* g : {sprResult1[0], sprResult1[1], sprResult2, sprResult3})
        GridSelectBlock(g, -1, -1, -1, -1);
}

void NNkekka::OnActivate() {
    // While the manager lays a new chain out as icons every window is made
    // active in turn, and an icon can be made the active window by hand:
    // nothing of the results is seen then, so they are worked out once the
    // window is shown and still active (the flags stay raised meanwhile, for
    // the step the engineer sees first).
    if (StepsReady == 0 || State() == WindowState::Minimized) {
        updatePending_ = true;
        QueueUpdate();
        return;
    }
    BringUpToDate();
}

void NNkekka::OnResized(bool minimised) {
    if (minimised) return;
    if (updatePending_) QueueUpdate();
    FitHeight();
}

void NNkekka::QueueUpdate() {
    // After the events of the showing have run: the manager may still be
    // moving the windows, and the one it leaves active is known only then.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QMdiSubWindow* sub = SubWindow();
            const bool active = sub && sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub;
            if (updatePending_ && !Unloading() && StepsReady == 1 &&
                State() != WindowState::Minimized && active)
                BringUpToDate();
        },
        Qt::QueuedConnection);
}

void NNkekka::BringUpToDate() {
    updatePending_ = false;
    if (PrintAllowed()) {
        SetPrintButtons(true);
        SetPrintTool(true);
    }
    if (RunResultsActivation()) {
        // The rebuild chose no print row: the boxes go through their own
        // handler, which switches printing off with them.
        for (QCheckBox* box : Check1) box->setChecked(false);
        ApplyMode();
        ShowSet();
        const bool allowed = PrintAllowed();
        SetPrintButtons(allowed);
        SetPrintTool(allowed);
    }
    ShowFailedChecks();
    cmdIndicate->setFocus(Qt::OtherFocusReason);
}

void NNkekka::OnDeactivate() {
    SetPrintTool(false);
}

void NNkekka::BeginClicked() {
    // No entry of this window waits for its check: the action runs at once.
    StartScreenAction();
}

void NNkekka::BackClicked() {
    SetPrintTool(false);
    StepForm::BackClicked();
}

void NNkekka::IndicateClicked() {
    cmdIndicate->setFocus(Qt::OtherFocusReason);
    RedisplayResults();
    ShowSet();
    ShowFailedChecks();
}

void NNkekka::Check1Click(int index) {
    if (PrintBoxGuard == 1) return;
    auto& printRow = Design.KekkaPrintRow[static_cast<std::size_t>(ShownSet())];
    if (!Check1[static_cast<std::size_t>(index)]->isChecked()) {
        if (printRow == index + 1) printRow = 0;
    } else {
        const int previous = printRow;
        if (previous != 0 && previous != index + 1) {
            printRow = 0;
            // Runs this handler for the old box, which switches printing off.
            Check1[static_cast<std::size_t>(previous - 1)]->setChecked(false);
        }
        printRow = static_cast<std::int16_t>(index + 1);
    }
    const bool allowed = PrintAllowed();
    SetPrintButtons(allowed);
    SetPrintTool(allowed);
}

void NNkekka::SSTab1Click() {
    if (SingleSetMode()) return;
    Design.KekkaTab = static_cast<std::int16_t>(SSTab1->Tab() == 1 ? 1 : 0);
    ShowSet();
}

void NNkekka::cmdPrintClick(int index) {
    if (MainFrame* main = MainFrame::Instance()) main->RunPrintCommand(index);
}

void NNkekka::StepShownRow(int index, StepQuantity quantity, StepWay way) {
    const int t = ShownSet();
    const int row = kRowsPerSet * t + index;
    if (StepResultRow(t, row, quantity, way)) kekkadata(t, row);
}

void NNkekka::StepPrintRow(StepQuantity quantity, StepWay way, UpDown* clicked) {
    if (!SingleSetMode()) {
        const int s = 1 - ShownSet();
        const int row = PrintTableRow(s);
        if (row >= 0 && StepResultRow(s, row, quantity, way)) writeins(s);
    }
    clicked->setFocus(Qt::OtherFocusReason);
}

}  // namespace talvo
