#include "companion/ui/frmResult.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "companion/checks.h"
#include "companion/intake.h"
#include "companion/search.h"
#include "companion/study.h"
#include "companion/ui/frmCondition.h"
#include "companion/ui/frmStandardSpan.h"
#include "companion/ui/report_preview.h"
#include "platform/bmppicture.h"
#include "platform/desktop.h"
#include "platform/grid.h"
#include "platform/updown.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::companion {

namespace {

FrmResult* g_window = nullptr;

// Marks the window as writing its own cells, so that the change signals of
// its writes (texts and colours) run no entry check.
class Writing {
public:
    explicit Writing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Writing() { flag_ = was_; }

private:
    bool& flag_;
    bool was_;
};

constexpr long kRed = 255;
constexpr long kBlack = 0;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

// The row headings of the pattern grid.
const char* const kRowHeadings[9] = {
    "横枠スパン長(m)", "縦枠スパン長(m)",  "上張出し長(m)", "枠幅(mm)",     "枠高(mm)",
    "有効高(mm)",      "中詰め材厚さ(mm)", "呼び名　",      "本数　（本）",
};

// Row 7 while the infill is not considered: as the window loads, and as the
// conditions dialog leaves it.
constexpr const char* kInfillDash = "   -  ";
constexpr const char* kInfillDashAfterConditions = "          -   ";

// Entering a cell's editor shows its text without blanks.
class TrimDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setText(line->text().trimmed());
    }
};

Grid* MakeGrid(QWidget* parent, const QString& name, int rows, int cols, bool editable) {
    auto* g = new Grid(rows, cols, parent);
    g->setObjectName(name);
    g->SetEditMode(editable);
    g->horizontalHeader()->setVisible(false);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(22);
    g->horizontalHeader()->setDefaultSectionSize(96);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setItemDelegate(new TrimDelegate(g));
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) {
            g->SetText(c, r, QString());
            g->item(r - 1, c - 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    g->setFixedSize(cols * 96 + 2, rows * 22 + 2);
    return g;
}

// A grid of fixed headings: read-only, grey.
Grid* HeadGrid(QWidget* parent, const QString& name, int rows, int cols,
               const std::vector<int>& widths, int rowHeight = 22) {
    auto* g = new Grid(rows, cols, parent);
    g->setObjectName(name);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->horizontalHeader()->setVisible(false);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(rowHeight);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setStyleSheet(QStringLiteral("QTableWidget { background: #e6e6e6; }"));
    int w = 0;
    for (int c = 0; c < cols; ++c) {
        g->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        w += widths[static_cast<std::size_t>(c)];
    }
    g->setFixedSize(w + 2, rows * rowHeight + 2);
    return g;
}

void Head(Grid* g, int col, int row, const QString& text) {
    g->SetText(col, row, text);
    g->item(row - 1, col - 1)->setTextAlignment(Qt::AlignCenter);
}

}  // namespace

FrmResult* ResultWindow() {
    return g_window;
}

QPixmap DrawShapePicture(int shape) {
    QPixmap pm(240, 150);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Ground: crest, face and base.
    const QPointF toe(40, 130), shoulder(130, 40);
    QPen thick(Qt::black, 2);
    p.setPen(thick);
    p.drawLine(QPointF(10, 130), toe);
    p.drawLine(toe, shoulder);
    p.drawLine(shoulder, QPointF(230, 40));
    // Frame beams on the face.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int i = 1; i <= 4; ++i) {
        const double t = i / 5.0;
        const QPointF at = toe + (shoulder - toe) * t;
        p.drawLine(at, at + QPointF(6, 6));
    }
    QPen slip(QColor(200, 0, 0), 2, Qt::DashLine);
    p.setPen(slip);
    QPainterPath mass;
    if (shape == 0) {
        const QPointF lower = toe + (shoulder - toe) * 0.35;
        const QPointF back(185, 40);
        p.drawLine(lower, back);
        mass.moveTo(lower);
        mass.lineTo(shoulder);
        mass.lineTo(back);
        mass.closeSubpath();
        p.setPen(Qt::black);
        p.drawText(QPointF(150, 32), QStringLiteral("d"));
        p.drawText(QPointF(66, 80), QStringLiteral("L"));
        p.drawText(QPointF(10, 20), QStringLiteral("くさび形"));
    } else {
        const QPointF a = toe + (shoulder - toe) * 0.25;
        const QPointF b = toe + (shoulder - toe) * 0.85;
        const QPointF mid = (a + b) / 2;
        const QPointF normal(std::sqrt(0.5), std::sqrt(0.5));
        const QPointF deep = mid + normal * 28;
        mass.moveTo(a);
        mass.quadTo(deep + normal * 28, b);
        mass.closeSubpath();
        QPainterPath arc;
        arc.moveTo(a);
        arc.quadTo(deep + normal * 28, b);
        p.drawPath(arc);
        p.setPen(Qt::black);
        p.drawText(QPointF(mid.x() + 24, mid.y() + 6), QStringLiteral("d"));
        p.drawText(QPointF(62, 78), QStringLiteral("L"));
        p.drawText(QPointF(10, 20), QStringLiteral("円弧形"));
    }
    p.fillPath(mass, QColor(200, 0, 0, 40));
    return pm;
}

QPixmap ShapePicture(int shape, const QString& programFolder) {
    const QString file = programFolder + (shape == 0 ? QStringLiteral("/くさびBU.BMP")
                                                     : QStringLiteral("/円弧BU.BMP"));
    const QImage image = programFolder.isEmpty() ? QImage() : ReadBmpPicture(file);
    if (!image.isNull()) return QPixmap::fromImage(image);
    return DrawShapePicture(shape);
}

FrmResult::FrmResult(QWidget* parent) : QWidget(parent) {
    g_window = this;
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(QStringLiteral("ミルダ－ＳＩ  ［抑止可能な崩壊の規模］"));
    setWindowIcon(ProgramIcon());

    auto* frame1 = new QGroupBox(QStringLiteral("崩壊形状"), this);
    optShape[0] = new QRadioButton(QStringLiteral(" くさび形(&K)"), frame1);
    optShape[1] = new QRadioButton(QStringLiteral(" 円弧形(&C)"), frame1);
    picShape = new QLabel(frame1);
    picShape->setFixedSize(240, 150);
    auto* shapeLayout = new QHBoxLayout(frame1);
    auto* opts = new QVBoxLayout;
    opts->addWidget(optShape[0]);
    opts->addWidget(optShape[1]);
    opts->addStretch();
    shapeLayout->addLayout(opts);
    shapeLayout->addWidget(picShape);

    // Headings of the pattern grid: group, row heading.
    auto* title1 = HeadGrid(this, QStringLiteral("vaSpread1(2)"), 1, 1, {96 * 2});
    Head(title1, 1, 1, QStringLiteral("のり枠諸元"));
    auto* cols = HeadGrid(this, QStringLiteral("vaSpread1(3)"), 1, 2, {96, 96});
    Head(cols, 1, 1, QStringLiteral("パターン1"));
    Head(cols, 2, 1, QStringLiteral("パターン2"));
    auto* groups = HeadGrid(this, QStringLiteral("vaSpread1(1)"), 9, 1, {70});
    groups->setSpan(0, 0, 3, 1);
    groups->setSpan(3, 0, 4, 1);
    groups->setSpan(7, 0, 2, 1);
    Head(groups, 1, 1, QStringLiteral("枠スパン"));
    Head(groups, 1, 4, QStringLiteral("枠断面"));
    Head(groups, 1, 8, QStringLiteral("鉄筋"));
    auto* rowHeads = HeadGrid(this, QStringLiteral("vaSpread1(0)"), 9, 1, {130});
    for (int r = 1; r <= 9; ++r) {
        rowHeads->SetText(1, r, QString::fromUtf8(kRowHeadings[r - 1]));
    }
    sprFrame = MakeGrid(this, QStringLiteral("sprFrame"), 9, 2, true);
    for (int i = 0; i < 2; ++i) {
        UpDown1[static_cast<std::size_t>(i)] = new UpDown(this);
        UpDown1[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("UpDown1(%1)").arg(i));
        UpDown1[static_cast<std::size_t>(i)]->setFixedSize(18, 22);
    }

    auto* title2 = HeadGrid(this, QStringLiteral("vaSpread1(2)b"), 1, 1, {96 * 5});
    Head(title2, 1, 1, QStringLiteral("崩壊規模"));
    auto* resultHeads = HeadGrid(this, QStringLiteral("vaSpread1(4)"), 1, 5, {96, 96, 96, 96, 96});
    const char* heads[] = {"深さ d(m)", "長さ L(m)", "高さ H(m)", "長さ L(m)", "高さ H(m)"};
    for (int c = 0; c < 5; ++c) Head(resultHeads, c + 1, 1, QString::fromUtf8(heads[c]));
    auto* patHeads = HeadGrid(this, QStringLiteral("vaSpread1(3)b"), 1, 3, {96, 192, 192});
    Head(patHeads, 2, 1, QStringLiteral("パターン1"));
    Head(patHeads, 3, 1, QStringLiteral("パターン2"));
    sprDeep = MakeGrid(this, QStringLiteral("sprDeep"), 4, 1, true);
    sprLength = MakeGrid(this, QStringLiteral("sprLength"), 4, 4, false);
    sprLength->setEditTriggers(QAbstractItemView::NoEditTriggers);

    cmdFrameSpan = new QPushButton(QStringLiteral("標準枠スパン(&D)..."), this);
    cmdCondition = new QPushButton(QStringLiteral("条件(&T)..."), this);
    cmdCalculate = new QPushButton(QStringLiteral("計算(&W)"), this);
    cmdPrint = new QPushButton(QStringLiteral("印刷(&P)..."), this);
    cmdAppEnd = new QPushButton(QStringLiteral("終了(&X)"), this);
    cmdHelp = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);

    // Layout: the shape and the pattern grid on the left, the results on the
    // right, the buttons below.
    auto* patterns = new QGridLayout;
    patterns->setSpacing(0);
    patterns->addWidget(title1, 0, 2, 1, 2);
    patterns->addWidget(cols, 1, 2, 1, 2);
    patterns->addWidget(groups, 2, 0);
    patterns->addWidget(rowHeads, 2, 1);
    patterns->addWidget(sprFrame, 2, 2, 1, 2);
    auto* steppers = new QHBoxLayout;
    steppers->addSpacing(96 - 18);
    steppers->addWidget(UpDown1[0]);
    steppers->addSpacing(96 - 18);
    steppers->addWidget(UpDown1[1]);
    steppers->addStretch();
    patterns->addLayout(steppers, 3, 2, 1, 2);

    auto* results = new QGridLayout;
    results->setSpacing(0);
    results->addWidget(title2, 0, 0, 1, 2);
    results->addWidget(patHeads, 1, 0, 1, 2);
    results->addWidget(resultHeads, 2, 0, 1, 2);
    results->addWidget(sprDeep, 3, 0, Qt::AlignTop);
    results->addWidget(sprLength, 3, 1, Qt::AlignTop);

    auto* left = new QVBoxLayout;
    left->addWidget(frame1);
    left->addLayout(patterns);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addLayout(results);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(16);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdFrameSpan, cmdCondition, cmdCalculate, cmdPrint, cmdAppEnd, cmdHelp})
        buttons->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(buttons);

    connect(optShape[0], &QRadioButton::toggled, this, [this](bool on) {
        if (on) optShapeClick(0);
    });
    connect(optShape[1], &QRadioButton::toggled, this, [this](bool on) {
        if (on) optShapeClick(1);
    });
    connect(sprFrame, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (!writing_) FrameCellCheck(it->column() + 1, it->row() + 1);
    });
    connect(sprDeep, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (!writing_ && it->column() == 0) DeepCellCheck(it->row() + 1);
    });
    for (int i = 0; i < 2; ++i) {
        connect(UpDown1[static_cast<std::size_t>(i)], &UpDown::DownClick, this,
                [this, i] { UpDownClick(i, false); });
        connect(UpDown1[static_cast<std::size_t>(i)], &UpDown::UpClick, this,
                [this, i] { UpDownClick(i, true); });
    }
    connect(cmdCalculate, &QPushButton::clicked, this, [this] { cmdCalculateClick(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrintClick(); });
    connect(cmdCondition, &QPushButton::clicked, this, [this] { cmdConditionClick(); });
    connect(cmdFrameSpan, &QPushButton::clicked, this, [this] { cmdFrameSpanClick(); });
    connect(cmdAppEnd, &QPushButton::clicked, this, [this] { close(); });
    connect(cmdHelp, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });
    sprFrame->installEventFilter(this);
    sprDeep->installEventFilter(this);
    for (UpDown* spinner : UpDown1) spinner->installEventFilter(this);

    SetResultCellClear([this](int col, int row) { WriteCell(sprLength, col, row, QString()); });
    FormLoad();
}

FrmResult::~FrmResult() {
    SetResultCellClear({});
    if (g_window == this) g_window = nullptr;
}

void FrmResult::WriteCell(Grid* grid, int col, int row, const QString& text) {
    const bool was = writing_;
    writing_ = true;
    grid->SetText(col, row, text);
    writing_ = was;
}

void FrmResult::FormLoad() {
    // Row 8 (the bar names) changes only through the up-down buttons.
    for (int c = 0; c < 2; ++c) {
        QTableWidgetItem* it = sprFrame->item(7, c);
        it->setFlags(it->flags() & ~Qt::ItemIsEditable);
    }
    for (int p = 0; p < 2; ++p) {
        const int col = p + 1;
        for (int r = 1; r <= 9; ++r) {
            if (r != 8) WriteCell(sprFrame, col, r, Q(FrameCellShown(p, r)));
        }
        WriteCell(sprFrame, col, 8, Q(RebarSpecTable[PatBarIndex[p]].Name));
        PatBarArea[p] = RebarSpecTable[PatBarIndex[p]].Area;
    }
    ShowInfillRow(false);
    for (int j = 1; j <= 4; ++j) WriteCell(sprDeep, 1, j, Q(DepthShown(FailDepth[j - 1])));
    optShape[ShapeMode != 0 ? 1 : 0]->setChecked(true);
    optShapeClick(ShapeMode != 0 ? 1 : 0);
}

void FrmResult::ShowInfillRow(bool afterConditions) {
    Writing guard(writing_);
    for (int p = 0; p < 2; ++p) {
        QTableWidgetItem* it = sprFrame->item(6, p);
        if (InfillMode == 1) {
            it->setFlags(it->flags() | Qt::ItemIsEditable);
            WriteCell(sprFrame, p + 1, 7, Q(FormatKeta(PatInfillThick[p], 12, 0)));
        } else {
            it->setFlags(it->flags() & ~Qt::ItemIsEditable);
            WriteCell(
                sprFrame, p + 1, 7,
                QString::fromUtf8(afterConditions ? kInfillDashAfterConditions : kInfillDash));
        }
    }
}

void FrmResult::ShowAssignedPattern(int p, bool sameInfill) {
    Writing guard(writing_);
    const int col = p + 1;
    WriteCell(sprFrame, col, 4, Q(FormatKeta(PatWidth[p], 12, 0)));
    WriteCell(sprFrame, col, 5, Q(FormatKeta(PatHeight[p], 12, 0)));
    WriteCell(sprFrame, col, 6, Q(FormatKeta(PatEffHeight[p], 12, 0)));
    WriteCell(sprFrame, col, 1, Q(FormatKeta(PatSpanYoko[p], 8, 3)));
    WriteCell(sprFrame, col, 2, Q(FormatKeta(PatSpanTate[p], 8, 3)));
    WriteCell(sprFrame, col, 8, Q(RebarSpecTable[PatBarIndex[p]].Name));
    WriteCell(sprFrame, col, 9, Q(FormatKeta(PatBarCount[p], 12, 0)));
    if (sameInfill && InfillMode == 1)
        WriteCell(sprFrame, col, 7, Q(FormatKeta(PatHeight[p], 12, 0)));
    PaintMark(p, InfillAfterAssignment(p, sameInfill));
    // The marks the section rules left on the column go with the old section.
    SectionMark cleared;
    cleared.rows = {6, 5, 9};
    PaintMark(p, cleared);
}

void FrmResult::ShowPicture() {
    picShape->setPixmap(ShapePicture(ShapeMode, QApplication::applicationDirPath()));
}

void FrmResult::optShapeClick(int index) {
    ShapeMode = index != 0 ? 1 : 0;
    ShowPicture();
    KekkaShow(index != 0 ? 1 : 0);
}

void FrmResult::KekkaShow(int shape) {
    for (int j = 0; j < 4; ++j) {
        WriteCell(sprLength, 1, j + 1, Q(KekkaL[2 * shape][j]));
        WriteCell(sprLength, 2, j + 1, Q(KekkaH[2 * shape][j]));
        WriteCell(sprLength, 3, j + 1, Q(KekkaL[2 * shape + 1][j]));
        WriteCell(sprLength, 4, j + 1, Q(KekkaH[2 * shape + 1][j]));
    }
}

void FrmResult::FrameCellCheck(int col, int row) {
    if (row < 1 || row > 9 || row == 8 || col < 1 || col > 2) return;
    Writing guard(writing_);
    const int p = col - 1;
    if (row == 7 && InfillMode != 1) return;  // locked: the dash is no entry
    sprFrame->Col = col;
    sprFrame->Row = row;
    const CellLeft left = LeaveFrameCell(p, row, S(sprFrame->Text()));
    if (!left.accepted) ShowMessage(left.message);
    WriteCell(sprFrame, col, row, Q(left.shown));
    CrossChecks(p, row);
}

void FrmResult::PaintMark(int p, const SectionMark& mark) {
    sprFrame->Col = p + 1;
    for (int r : mark.rows) {
        sprFrame->Row = r;
        sprFrame->SetForeColor(mark.inError ? kRed : kBlack);
    }
}

void FrmResult::CrossChecks(int p, int row) {
    const int col = p + 1;
    const bool barCellsFilled =
        !sprFrame->TextAt(col, 4).isEmpty() && !sprFrame->TextAt(col, 9).isEmpty();
    for (const SectionMark& mark : MarksAfterEntry(p, row, barCellsFilled)) {
        if (mark.inError) ShowMessage(mark.message);
        PaintMark(p, mark);
    }
}

void FrmResult::DeepCellCheck(int row) {
    if (row < 1 || row > 4) return;
    Writing guard(writing_);
    sprDeep->Col = 1;
    sprDeep->Row = row;
    const CellLeft left = LeaveDepthCell(row - 1, S(sprDeep->Text()));
    if (!left.accepted) ShowMessage(left.message);
    WriteCell(sprDeep, 1, row, Q(left.shown));
}

void FrmResult::UpDownClick(int i, bool up) {
    Writing guard(writing_);
    auto& index = PatBarIndex[static_cast<std::size_t>(i)];
    if (up ? index < 11 : index > 0) {
        index = static_cast<std::int16_t>(index + (up ? 1 : -1));
        WriteCell(sprFrame, i + 1, 8, Q(RebarSpecTable[index].Name));
        PatBarArea[i] = RebarSpecTable[index].Area;
        // The bar fit is marked without a word: the engineer is stepping
        // through the sizes.
        if (!sprFrame->TextAt(i + 1, 4).isEmpty() && !sprFrame->TextAt(i + 1, 9).isEmpty())
            PaintMark(i, BarFitMark(i));
        ClearKekka(i);
    }
    UpDown1[static_cast<std::size_t>(i)]->setFocus();
}

void FrmResult::cmdCalculateClick() {
    Writing guard(writing_);
    if (!DataCheck()) {
        MsgBox("条件が不足しています", MsgButtons::Ok, MsgIcon::None, 0, kTitle);
        return;
    }
    for (int p = 0; p < 2; ++p)
        for (int r : {6, 5, 7, 9})
            if (sprFrame->ForeColorAt(p + 1, r) == kRed) PatUsable[p] = 0;
    CalculateAll();
    optShape[ShapeMode != 0 ? 1 : 0]->setChecked(true);
    ShowPicture();
    KekkaShow(ShapeMode != 0 ? 1 : 0);
}

void FrmResult::cmdPrintClick() {
    InsatuPreview(this);
}

void FrmResult::cmdConditionClick() {
    FrmCondition dlg(this);
    dlg.exec();
}

void FrmResult::cmdFrameSpanClick() {
    FrmStandardSpan dlg(this);
    dlg.exec();
}

void FrmResult::closeEvent(QCloseEvent* event) {
    if (MsgBox("終了してもよろしいですか？", MsgButtons::OkCancel, MsgIcon::Information, 0,
               kTitle) == MsgResult::Ok) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool FrmResult::eventFilter(QObject* watched, QEvent* event) {
    // A bar spinner with the focus marks the bar name it steps: the grid's
    // marked cell follows the focus, so that no cell left behind looks
    // chosen while Up and Down change a pattern's bar.
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 2; ++i)
            if (watched == UpDown1[static_cast<std::size_t>(i)]) sprFrame->setCurrentCell(7, i);
    }
    // Enter moves the active cell one row down in the same column, also when
    // it ends a cell's entry: the editor hands the key on after it has asked
    // for its text to be committed, and that commit (with the cell's check)
    // is queued, so the move is queued behind it.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* grid = qobject_cast<Grid*>(watched);
        if (grid && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            const int col = grid == sprFrame ? (grid->currentColumn() == 0 ? 0 : 1) : 0;
            const int next = grid->currentRow() + 1;
            const QPointer<Grid> target(grid);
            QMetaObject::invokeMethod(
                this,
                [target, next, col] {
                    if (target && next < target->rowCount()) target->setCurrentCell(next, col);
                },
                Qt::QueuedConnection);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

FrmResult* CompanionMain(const std::string& programFolder, const std::string& pathVariable) {
    ReadCompanionSettings(programFolder);
    const auto help = FindHelpFileIn(programFolder, pathVariable, kHelpFileName);
    HelpPath = help ? *help : std::string();
    if (!help) MsgBox(kHelpMissingText, MsgButtons::Ok, MsgIcon::Exclamation, 0, kHelpMissingTitle);
    InitCompanion();
    auto* window = new FrmResult;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

}  // namespace talvo::companion
