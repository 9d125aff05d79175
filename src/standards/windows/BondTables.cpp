#include "standards/windows/BondTables.h"

#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "platform/entryboxes.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "standards/catalogues.h"
#include "standards/windows/DialogGrid.h"

namespace talvo {

using namespace standards;

namespace {

constexpr int kRow = 300;
constexpr int kHeader = 330;

// A grid whose cells can be chosen one by one but not typed into.
Grid* ChoiceGrid(QWidget* parent, const QString& name, int rows, int cols, int left, int top,
                 std::initializer_list<int> widths, const QStringList& headers) {
    Grid* grid = AddDialogGrid(parent, name, rows, cols, left, top, widths, kRow,
                               !headers.isEmpty(), kHeader, 0);
    if (!headers.isEmpty()) {
        grid->setHorizontalHeaderLabels(headers);
        grid->verticalHeader()->hide();
        grid->setFixedWidth(grid->width() - grid->verticalHeader()->width());
    }
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // One Tab stop, its cells chosen by the arrow keys: Tab goes on to the
    // next table or button instead of walking every cell first.
    grid->setTabKeyNavigation(false);
    return grid;
}

// Row headings beside a table: column 1 the group (spanning its rows),
// column 2 the kind.
Grid* Headings(QWidget* parent, int rows, int left, int top, std::initializer_list<int> widths) {
    Grid* grid = AddDialogGrid(parent, "vaSpread1", rows, static_cast<int>(widths.size()), left,
                               top, widths, kRow);
    MakeDisplayOnly(grid);
    return grid;
}

// The fifteen kinds of ground of both skin-friction tables: four rocks, gravel
// and sand by their N values, and the cohesive soil.
void GroundHeadings(QWidget* parent, int top) {
    Grid* heads = Headings(parent, 15, 240, top, {1000, 1400, 900});
    const char* const rock[4] = {"硬   岩", "軟   岩", "風化岩", "土   丹"};
    heads->SetText(1, 1, QStr("岩盤"));
    heads->setSpan(0, 0, 4, 2);
    for (int r = 0; r < 4; ++r) heads->SetText(3, r + 1, QStr(rock[r]));
    const char* const nValues[5] = {"10", "20", "30", "40", "50"};
    for (int g = 0; g < 2; ++g) {
        const int first = 5 + g * 5;
        heads->SetText(1, first, QStr(g == 0 ? "砂礫" : "砂"));
        heads->setSpan(first - 1, 0, 5, 1);
        heads->SetText(2, first, QStr("　N　　　　値"));
        heads->setSpan(first - 1, 1, 5, 1);
        for (int k = 0; k < 5; ++k) heads->SetText(3, first + k, nValues[k]);
    }
    heads->SetText(1, 15, QStr("粘性土"));
    heads->setSpan(14, 0, 1, 3);
}

void Notes(QWidget* parent, int top, std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
        AddLabel(parent, QStr(line), 240, top, 8600, 260);
        top += 260;
    }
}

// The first cell, row by row, of rows 1 to `rows` whose value is `inUse`;
// false when none is (or nothing is in use).
bool FindValue(const Grid* grid, int rows, const std::string& inUse, int* col, int* row) {
    const double value = NumVal(inUse);
    if (TrimBlanks(inUse).empty() || value <= 0) return false;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= grid->columnCount(); ++c)
            if (NumVal(StdStr(grid->TextAt(c, r))) == value) {
                *col = c;
                *row = r;
                return true;
            }
    return false;
}

// Opens the table on the cell of the value in use, else on its first cell.
void OpenOnValue(Grid* grid, int rows, const std::string& inUse) {
    int col = 1, row = 1;
    FindValue(grid, rows, inUse, &col, &row);
    grid->setCurrentCell(row - 1, col - 1);
    // The table holds the focus from the start: the arrows move the choice.
    grid->setFocus(Qt::OtherFocusReason);
}

int ActiveCol(const Grid* grid) {
    return grid->currentColumn() < 0 ? 1 : grid->currentColumn() + 1;
}
int ActiveRowOf(const Grid* grid) {
    return grid->currentRow() < 0 ? 1 : grid->currentRow() + 1;
}

}  // namespace

// ---- FFutyakuAnchor ----

FFutyakuAnchor::FFutyakuAnchor(QWidget* parent)
    : FixedTable("FFutyakuAnchor", QStr("グラウトとテンドンの許容付着応力度"), 8400, 5700, parent) {
    AddLabel(this, QStr("鉄筋の種類"), 240, 240, 2900, kHeader + 300, Qt::AlignCenter);
    AddLabel(this, QStr("設計基準強度(N/mm^2)"), 3200, 240, 4500, 300, Qt::AlignCenter);
    sprAnchor = ChoiceGrid(this, "sprAnchor", 10, 5, 3200, 540, {900, 900, 900, 900, 900},
                           {"15", "18", "24", "30", QStr("40以上")});
    Grid* heads = Headings(this, 10, 240, 540 + kHeader, {900, 2000});
    const char* const tendons[5] = {"PC鋼線", "PC鋼棒", "PC鋼より線", "多重PC鋼より線",
                                    "異形PC鋼棒"};
    for (int r = 0; r < 10; ++r) heads->SetText(2, r + 1, QStr(tendons[r % 5]));
    heads->SetText(1, 1, QStr("仮　　　設"));
    heads->SetText(1, 6, QStr("永　　　久"));
    heads->setSpan(0, 0, 5, 1);
    heads->setSpan(5, 0, 5, 1);
    Notes(this, 4000,
          {"グラウンドアンカー設計・施工基準，同解説", "平成8年6月  P85、(社)地盤工学会",
           "この値は上記文献を参考とし、1 kgf/cm² = 0.1 N/mm² で換算したものです。"});
    AddOkCancel(4800, 6500, 5000, 1300, 420);
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 10; ++r) sprAnchor->SetText(c, r, QStr(AnchorBondCell(c, r)));
    GridSelectAll(sprAnchor);
    OpenOnValue(sprAnchor, 10, Design.AnchorTauB);
}

bool FFutyakuAnchor::Complete() {
    sprAnchor->Col = ActiveCol(sprAnchor);
    sprAnchor->Row = ActiveRowOf(sprAnchor);
    if (StdStr(sprAnchor->Text()) == kNoValueCell) {
        MsgBox("基準値が選択されていません！", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void FFutyakuAnchor::Commit() {
    value_ = StdStr(sprAnchor->Text());
}

// ---- The cohesion panel ----

void CohesionTable::AddCohesionPanel(int left, int top, int stickLeft, int stickTop,
                                     const QString& text1) {
    cmdStick = new QPushButton(QStr("粘着力 c 入力"), this);
    cmdStick->setObjectName("cmdStick");
    cmdStick->setAutoDefault(false);
    PlaceTwips(cmdStick, stickLeft, stickTop, 1500, 420);
    connect(cmdStick, &QPushButton::clicked, this, [this] { StickClick(); });

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    Picture1 = panel;
    Picture1->setObjectName("Picture1");
    Picture1->setAutoFillBackground(true);
    PlaceTwips(Picture1, left, top, 4600, 1000);
    AddLabel(Picture1, QStr("粘着力 c ="), 120, 100, 1100, 330);
    Text1 = AddEntryBox(Picture1, "Text1", 1250, 100, 1200, 330);
    Text1->setText(text1);
    AddLabel(Picture1, QStr("(N/mm²)"), 2500, 100, 1200, 330);
    cmdAdhesionOK = new QPushButton(QStr("OK"), Picture1);
    cmdAdhesionOK->setObjectName("cmdAdhesionOK");
    cmdAdhesionOK->setAutoDefault(false);
    PlaceTwips(cmdAdhesionOK, 1250, 520, 1200, 400);
    cmdAdhesionCancel = new QPushButton(QStr("キャンセル"), Picture1);
    cmdAdhesionCancel->setObjectName("cmdAdhesionCancel");
    cmdAdhesionCancel->setAutoDefault(false);
    PlaceTwips(cmdAdhesionCancel, 2550, 520, 1200, 400);
    connect(cmdAdhesionOK, &QPushButton::clicked, this, [this] { AdhesionOkClick(); });
    connect(cmdAdhesionCancel, &QPushButton::clicked, this, [this] { AdhesionCancelClick(); });
    Picture1->hide();
}

void CohesionTable::StickClick() {
    Picture1->show();
    Picture1->raise();
    Text1->setFocus(Qt::OtherFocusReason);
    SelectAllText(Text1);
    for (QPushButton* b : {cmdCancel, cmdOK, cmdStick}) b->setEnabled(false);
    cmdOK->setDefault(false);
    cmdAdhesionOK->setDefault(true);
}

void CohesionTable::ClosePanel() {
    Picture1->hide();
    for (QPushButton* b : {cmdCancel, cmdOK, cmdStick}) b->setEnabled(true);
    cmdAdhesionOK->setDefault(false);
    cmdOK->setDefault(true);
}

void CohesionTable::AdhesionOkClick() {
    std::string shown;
    if (!CheckCohesion(StdStr(Text1->text()), &shown)) {
        Text1->setText(QStr(cohesion_));
        return;
    }
    if (!shown.empty()) {
        Text1->setText(QStr(shown));
        cohesion_ = shown;
        CohesionEntered();
    }
    ClosePanel();
}

void CohesionTable::AdhesionCancelClick() {
    Text1->setText(QStr(cohesion_));
    ClosePanel();
}

// ---- FMasatuAnchor ----

FMasatuAnchor::FMasatuAnchor(QWidget* parent)
    : CohesionTable("FMasatuAnchor", QStr("グラウンドアンカーの周面摩擦抵抗"), 12000, 6900,
                    parent) {
    AddLabel(this, QStr("地盤の種類"), 240, 240, 3300, kHeader, Qt::AlignCenter);
    AddLabel(this, QStr("摩擦抵抗(N/mm^2)"), 3600, 240, 3300, kHeader, Qt::AlignCenter);
    sprAnchor = ChoiceGrid(this, "sprAnchor", 14, 3, 3600, 570, {1200, 900, 1200}, {});
    GroundHeadings(this, 570);
    sprAdhesion = ChoiceGrid(this, "sprAdhesion", 1, 1, 3600, 570 + 14 * kRow, {3300}, {});
    Notes(this, 5200,
          {"グラウンドアンカー設計・施工基準，同解説", "平成8年6月  P.92、(社)地盤工学会",
           "周面摩擦抵抗の値は上記文献を参考とし、1 kgf/cm² = 0.098 N/mm² で換算し、",
           "四捨五入して小数第２位にしたものです。"});
    AddOkCancel(8400, 10200, 6250, 1300, 420);
    AddCohesionPanel(7200, 4500, 240, 6250, QStr("0.0000"));

    for (int r = 1; r <= 14; ++r)
        for (int c = 1; c <= 3; ++c) sprAnchor->SetText(c, r, QStr(AnchorFrictionCell(c, r)));
    sprAdhesion->SetText(1, 1, QStr(CohesionCell("1.0")));
    GridSelectAll(sprAnchor);
    GridSelectAll(sprAdhesion);
    connect(sprAnchor, &QTableWidget::cellClicked, this,
            [this](int row, int col) { Choose(1, col + 1, row + 1); });
    connect(sprAdhesion, &QTableWidget::cellClicked, this,
            [this](int row, int col) { Choose(2, col + 1, row + 1); });
    // The cell moved to by the arrow keys is chosen as a clicked one is.
    connect(sprAnchor, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (sprAnchor->hasFocus() && row >= 0 && col >= 0) Choose(1, col + 1, row + 1);
    });
    connect(sprAdhesion, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (sprAdhesion->hasFocus() && row >= 0 && col >= 0) Choose(2, col + 1, row + 1);
    });
    // So is the marked cell of a table that Tab brings the focus to (the
    // cohesive-soil cell has no other cell to move to) or that Return is
    // pressed in (see eventFilter).
    sprAnchor->installEventFilter(this);
    sprAdhesion->installEventFilter(this);
    // The friction in use is chosen at opening, as if clicked; without one
    // nothing is chosen, and the first cells are only marked, so that the
    // focus coming to a table cannot move its mark (and choose) by itself.
    sprAdhesion->setCurrentCell(0, 0);
    if (FindValue(sprAnchor, 14, Design.AnchorTauG, &selCol_, &selRow_)) {
        source_ = 1;
        sprAnchor->setCurrentCell(selRow_ - 1, selCol_ - 1);
    } else {
        sprAnchor->setCurrentCell(0, 0);
    }
    // The choice is forgotten by a press on Cancel or 粘着力 c 入力, and after
    // OK clicked with the mouse, whatever OK did.
    for (QPushButton* b : {cmdOK, cmdCancel, cmdStick}) b->installEventFilter(this);
}

void FMasatuAnchor::Choose(int source, int col, int row) {
    source_ = source;
    selCol_ = col;
    selRow_ = row;
}

bool FMasatuAnchor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sprAnchor || watched == sprAdhesion) {
        auto* grid = static_cast<Grid*>(watched);
        // The cell marked in a table that Tab brings the focus to, or in
        // which Return is pressed (for OK), is the choice.
        bool marked = false;
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            marked = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            marked = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (marked && grid->currentRow() >= 0 && grid->currentColumn() >= 0)
            Choose(grid == sprAnchor ? 1 : 2, grid->currentColumn() + 1, grid->currentRow() + 1);
    }
    if (event->type() == QEvent::MouseButtonPress && (watched == cmdCancel || watched == cmdStick))
        source_ = 0;
    if (event->type() == QEvent::MouseButtonRelease && watched == cmdOK)
        QTimer::singleShot(0, this, [this] { source_ = 0; });
    return CohesionTable::eventFilter(watched, event);
}

bool FMasatuAnchor::Complete() {
    const char* message = nullptr;
    if (source_ == 0) {
        message = "値を選択してください。";
    } else if (source_ == 1 && selCol_ == 2) {
        message = "無効な値です！";
    } else if (source_ == 2) {
        sprAdhesion->Col = 1;
        sprAdhesion->Row = 1;
        if (NumVal(cohesion_) == 0) message = "粘着力が入力されていません！";
    }
    if (message) {
        MsgBox(message, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void FMasatuAnchor::Commit() {
    Grid* grid = source_ == 1 ? sprAnchor : sprAdhesion;
    grid->Col = source_ == 1 ? selCol_ : 1;
    grid->Row = source_ == 1 ? selRow_ : 1;
    value_ = PickedFriction(StdStr(grid->Text()));
    grid->SetText(QStr(value_));
}

void FMasatuAnchor::CohesionEntered() {
    sprAdhesion->SetText(1, 1, QStr(CohesionCell("1.0", cohesion_)));
}

// ---- FMasatuRock ----

FMasatuRock::FMasatuRock(QWidget* parent)
    : CohesionTable("FMasatuRock", QStr("極限周面摩擦抵抗の推定値"), 11000, 6700, parent) {
    AddLabel(this, QStr("地盤の種類"), 240, 240, 3300, kHeader, Qt::AlignCenter);
    sprRock = ChoiceGrid(this, "sprRock", 15, 1, 3540, 240, {2400}, {QStr("摩擦抵抗(N/mm^2)")});
    GroundHeadings(this, 240 + kHeader);
    Notes(this, 5250, {"切土補強土工法設計・施工要領", "平成10年10月版  P.37、ＪＨ日本道路公団"});
    AddOkCancel(7400, 9300, 6050, 1300, 420);
    AddCohesionPanel(6200, 4300, 240, 6050, QString());

    for (int r = 1; r <= 15; ++r) sprRock->SetText(1, r, QStr(RockFrictionCell(r)));
    GridSelectAll(sprRock);
    // Row 15 leads with the factor of c, not with a friction.
    OpenOnValue(sprRock, 14, Design.RockTauG);
}

bool FMasatuRock::Complete() {
    sprRock->Col = 1;
    sprRock->Row = ActiveRowOf(sprRock);
    if (sprRock->Row == 15 && NumVal(cohesion_) == 0) {
        MsgBox("粘着力が入力されていません！", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void FMasatuRock::Commit() {
    std::string text = StdStr(sprRock->Text());
    if (sprRock->Row == 15) {
        text = PickedFriction(text);
        sprRock->SetText(QStr(text));
    }
    value_ = text;
}

void FMasatuRock::CohesionEntered() {
    sprRock->SetText(1, 15, QStr(CohesionCell("0.8", cohesion_)));
    // The next OK picks the cohesive-soil row.
    sprRock->Col = 1;
    sprRock->Row = 15;
    sprRock->setCurrentCell(14, 0);
}

// ---- FFutyakuRock ----

FFutyakuRock::FFutyakuRock(QWidget* parent)
    : FixedTable("FFutyakuRock", QStr("グラウトと鋼材の許容付着応力度"), 6600, 2900, parent) {
    AddLabel(this, QStr("鉄筋の種類"), 240, 240, 1500, 630, Qt::AlignCenter);
    AddLabel(this, QStr("設計基準強度(N/mm^2)"), 1800, 240, 4400, 300, Qt::AlignCenter);
    sprRock = ChoiceGrid(this, "sprRock", 1, 4, 1800, 540, {1100, 1100, 1100, 1100},
                         {"18", "24", "30", QStr("40以上")});
    Grid* heads = Headings(this, 1, 240, 540 + kHeader, {1500});
    heads->SetText(1, 1, QStr("異形鉄筋"));
    Notes(this, 1500, {"コンクリート標準示方書　【設計編】", "平成8年版  P214、(社)土木学会"});
    AddOkCancel(3000, 4800, 2250, 1300, 420);
    for (int c = 1; c <= 4; ++c) sprRock->SetText(c, 1, QStr(RockBondCell(c)));
    GridSelectAll(sprRock);
    OpenOnValue(sprRock, 1, Design.RockTauB);
}

void FFutyakuRock::Commit() {
    sprRock->Col = ActiveCol(sprRock);
    sprRock->Row = 1;
    value_ = StdStr(sprRock->Text());
}

}  // namespace talvo
