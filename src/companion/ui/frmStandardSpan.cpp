#include "companion/ui/frmStandardSpan.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "companion/checks.h"
#include "companion/study.h"
#include "companion/ui/dialogKit.h"
#include "companion/ui/frmResult.h"
#include "platform/desktop.h"
#include "platform/formkit.h"
#include "platform/grid.h"
#include "shell/numtext.h"

namespace talvo::companion {

FrmStandardSpan::FrmStandardSpan(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmStandardSpan"));
    setWindowTitle(QStringLiteral("標準枠スパン(フリーフレーム工法)"));
    sprFrameSpan = new Grid(6, 7, this);
    sprFrameSpan->setObjectName(QStringLiteral("sprFrameSpan"));
    sprFrameSpan->SetEditMode(false);
    sprFrameSpan->setHorizontalHeaderLabels(
        {QStringLiteral("枠断面(mm)\n枠幅"), QStringLiteral("枠断面(mm)\n枠高"),
         QStringLiteral("枠断面(mm)\n有効高"), QStringLiteral("スパン長(m)\n横枠"),
         QStringLiteral("スパン長(m)\n縦枠"), QStringLiteral("鉄  筋"),
         QStringLiteral("備     考")});
    sprFrameSpan->verticalHeader()->setVisible(false);
    const int widths[] = {84, 84, 84, 90, 90, 90, 150};
    int total = 0;
    for (int c = 0; c < 7; ++c) {
        sprFrameSpan->setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    sprFrameSpan->setMinimumSize(total + 4, 6 * 30 + 50);
    barIndex_ = {0, 0, 1, 2, 2, 4, 0};
    barCount_ = {"1", "2", "2", "2", "4", "4", ""};
    for (int r = 0; r < 6; ++r) {
        const std::string* cols[7] = {&StdSection[r], &StdSection[r], &StdEffHeight[r], &StdSpan[r],
                                      &StdSpan[r],    &StdRebar[r],   &StdRemark[r]};
        for (int c = 0; c < 7; ++c) sprFrameSpan->SetText(c + 1, r + 1, QStr(*cols[c]));
    }
    // One Tab stop whose row is chosen by the arrow keys: a Tab that walked
    // the cells would carry the row chosen with it on its way to the buttons.
    sprFrameSpan->setTabKeyNavigation(false);
    chkSame = new QCheckBox(QStringLiteral("中詰め材厚さを枠高と同一にする"), this);
    cmdPattern[0] = Button(QStringLiteral("パターン1に代入"), this);
    cmdPattern[1] = Button(QStringLiteral("パターン2に代入"), this);
    cmdCancel = Button(QStringLiteral("キャンセル"), this);
    cmdHelp = Button(QStringLiteral("ヘルプ(&H)"), this);
    auto* all = new QVBoxLayout(this);
    all->addWidget(sprFrameSpan);
    all->addWidget(chkSame);
    all->addLayout(ButtonRow({cmdPattern[0], cmdPattern[1], cmdCancel, cmdHelp}));
    connect(cmdPattern[0], &QPushButton::clicked, this, [this] { AssignRow(0); });
    connect(cmdPattern[1], &QPushButton::clicked, this, [this] { AssignRow(1); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(cmdHelp, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });
    // The dialog opens on the row the pattern in use holds, with the table
    // holding the focus so that the arrow keys choose at once; Return there
    // assigns the row chosen to that pattern.
    if (FrmResult* w = ResultWindow())
        if (w->sprFrame && w->sprFrame->currentColumn() == 1) patternInUse_ = 1;
    sprFrameSpan->setCurrentCell(RowInUse() - 1, 0);
    sprFrameSpan->installEventFilter(this);
    sprFrameSpan->setFocus(Qt::OtherFocusReason);
}

StandardRow FrmStandardSpan::RowAt(int r) const {
    auto cellText = [this, r](int c) {
        return TrimBlanks(sprFrameSpan->TextAt(c, r).toStdString());
    };
    StandardRow row;
    row.width = cellText(1);
    row.height = cellText(2);
    row.effHeight = cellText(3);
    row.spanYoko = cellText(4);
    row.spanTate = cellText(5);
    row.barIndex = barIndex_[static_cast<std::size_t>(r - 1)];
    row.barCount = barCount_[static_cast<std::size_t>(r - 1)];
    return row;
}

int FrmStandardSpan::RowInUse() const {
    for (int r = 1; r <= 6; ++r)
        if (PatternHoldsRow(patternInUse_, RowAt(r))) return r;
    return 1;
}

bool FrmStandardSpan::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sprFrameSpan && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // A held key assigns once: the dialog is gone after the first.
            if (!key->isAutoRepeat()) AssignRow(patternInUse_);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmStandardSpan::AssignRow(int p) {
    const int r = sprFrameSpan->currentRow() + 1;  // 1..6
    if (r < 1 || r > 6 || p < 0 || p > 1) return;
    const StandardRow row = RowAt(r);
    AssignStandardRow(p, row, chkSame->isChecked());
    if (FrmResult* w = ResultWindow()) w->ShowAssignedPattern(p, chkSame->isChecked());
    accept();
}

}  // namespace talvo::companion
