// 設計基準強度および許容応力度: the design strengths and allowable stresses of
// four standards, one standard to a tab.
#include <QFocusEvent>
#include <QFrame>
#include <QTimer>

#include "platform/entryboxes.h"
#include "platform/formkit.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "standards/windows/Catalogues.h"
#include "standards/windows/DialogGrid.h"

namespace talvo {

using namespace standards;

namespace {

int ShownTab() {
    return StandardTab < 0 || StandardTab >= kStandards ? 0 : StandardTab;
}

}  // namespace

FKijyunti::FKijyunti(QWidget* parent)
    : Catalogue("FKijyunti", QStr("設計基準強度および許容応力度"), 9200, 6100, parent) {
    QStringList captions;
    for (const std::string& name : StandardName) captions << QStr(name);
    SSTab1 = new TabStrip(captions, this);
    SSTab1->setObjectName("SSTab1");
    PlaceTwips(SSTab1, 240, 120, 8700, 360);
    SSTab1->setExpanding(false);
    // The standards are switched by keys too: the strip is a Tab stop of its
    // own, and Ctrl+Tab or Ctrl+PgDn/PgUp switch it from any box or cell.
    SSTab1->setFocusPolicy(Qt::TabFocus);
    SSTab1->SwitchFromAnywhereIn(this);

    // The standard's name, above the grid, in edit mode only.
    AddLabel(this, QStr("単位 (N/mm²)"), 7000, 560, 1800, 300);
    for (int i = 0; i < kStandards; ++i) {
        Text7[static_cast<std::size_t>(i)] =
            AddEntryBox(this, QStringLiteral("Text7(%1)").arg(i), 240, 540, 4200, 330);
        Text7[static_cast<std::size_t>(i)]->hide();
        Text7[static_cast<std::size_t>(i)]->installEventFilter(this);
    }
    // Headings over the columns: the material, then the kind of stress.
    AddLabel(this, QStr("コンクリート"), 660, 960, 6360, 280, Qt::AlignCenter)
        ->setFrameShape(QFrame::Box);
    AddLabel(this, QStr("鉄筋"), 7060, 960, 1580, 280, Qt::AlignCenter)->setFrameShape(QFrame::Box);
    AddLabel(this, QStr("許容応力度"), 2260, 1260, 4760, 280, Qt::AlignCenter)
        ->setFrameShape(QFrame::Box);
    AddLabel(this, QStr("許容応力度"), 7060, 1260, 1580, 280, Qt::AlignCenter)
        ->setFrameShape(QFrame::Box);
    sprStandard = AddDialogGrid(this, "sprStandard", kCatalogueRows, 5, 240, 1560,
                                {1600, 1600, 1600, 1600, 1600}, 330, true, 600, 400);
    sprStandard->setHorizontalHeaderLabels({QStr("設計基準強度\nσck"), QStr("圧縮\nσca"),
                                            QStr("せん断\nτca"), QStr("付着\nτoa"),
                                            QStr("引張\nσsa")});
    SetGrid(sprStandard);

    const char* const notes[] = {
        "全国特定法面保護協会およびフリーフレーム協会はSI単位に対応した値を明確に示して",
        "いないため、1 kgf/cm² = 0.1 N/mm² で換算した値を参考として登録しました。",
        "(1999年6月段階)"};
    int top = 3950;
    for (const char* line : notes) {
        AddLabel(this, QStr(line), 240, top, 7500, 280);
        top += 280;
    }
    AddButtons(2000, 4000, 6000, 5150, 1300, 420);
    SetHelpContextID(4005);

    work_ = StressWorkFromTable();
    names_ = StandardName;
    // The dialog opens on the standard the step's values came from, when one
    // holds them; else on the standard shown last.
    StandardTab = static_cast<std::int16_t>(StandardOfValuesInUse(ShownTab(), StressValuesInUse()));
    SSTab1->SetTab(ShownTab());
    connect(SSTab1, &TabStrip::Click, this, [this](int previous) { TabClick(previous); });
    loading_ = false;
    Open();
}

void FKijyunti::ShowCatalogue() {
    const int tab = ShownTab();
    for (int r = 1; r <= kCatalogueRows; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const std::string& text =
                work_[static_cast<std::size_t>(tab)][static_cast<std::size_t>(r - 1)]
                     [static_cast<std::size_t>(c - 1)];
            sprStandard->SetText(c, r, QStr(DisplayText(text, StressColumnSpec(c))));
        }
    }
}

bool FKijyunti::CheckCell(int col, int row) {
    if (col < 1 || col > 5 || row < 1 || row > kCatalogueRows) return true;
    std::string& element =
        work_[static_cast<std::size_t>(ShownTab())][static_cast<std::size_t>(row - 1)]
             [static_cast<std::size_t>(col - 1)];
    const FieldSpec spec = StressColumnSpec(col);
    // A refused value gets the last value accepted in this edit.
    bool refused = false;
    const std::string shown =
        CheckCatalogueValue(StdStr(sprStandard->TextAt(col, row)), spec, element, &refused);
    element = TrimBlanks(shown);
    sprStandard->SetText(col, row, QStr(shown));
    return !refused;
}

void FKijyunti::ShowNameBox(int i) {
    for (int k = 0; k < kStandards; ++k) {
        QLineEdit* box = Text7[static_cast<std::size_t>(k)];
        if (k != i) box->hide();
    }
    QLineEdit* box = Text7[static_cast<std::size_t>(i)];
    box->setText(QStr(names_[static_cast<std::size_t>(i)]));
    box->show();
    box->setFocus(Qt::OtherFocusReason);
    SelectAllText(box);
}

bool FKijyunti::NameLeft(int i) {
    if (checkingName_ || !InEditMode()) return true;
    checkingName_ = true;
    QLineEdit* box = Text7[static_cast<std::size_t>(i)];
    std::string& name = names_[static_cast<std::size_t>(i)];
    bool passed = true;
    if (TrimBlanks(StdStr(box->text())).empty()) {
        // A tab cannot go without its name: the last good one comes back.
        MsgBox(kIncompleteMessage, MsgButtons::Ok, MsgIcon::Exclamation);
        passed = false;
    } else {
        name = CheckName(StdStr(box->text()), StandardNameRule());
    }
    box->setText(QStr(name));
    checkingName_ = false;
    return passed;
}

void FKijyunti::TabClick(int previousTab) {
    if (loading_) return;
    // An entry still open belongs to the standard being left.
    FinishEditing();
    const int t = SSTab1->Tab();
    if (InEditMode()) {
        if (previousTab >= 0 && previousTab < kStandards) NameLeft(previousTab);
        StandardTab = static_cast<std::int16_t>(t);
        ShowNameBox(t);
    } else {
        // Outside edit mode the working copy is the catalogue.
        StandardTab = static_cast<std::int16_t>(t);
    }
    ShowCatalogue();
    if (!InEditMode()) {
        // A pick starts again on the new standard: its row of the step's
        // values, else its first row. The table takes the focus, so that the
        // arrows and Return act on the row marked; the strip keeps it while
        // its own arrow keys step through the standards.
        ChooseRowInUse();
        if (!SSTab1->hasFocus()) sprStandard->setFocus(Qt::OtherFocusReason);
    }
}

void FKijyunti::EnteringEdit() {
    work_ = StressWorkFromTable();
    names_ = StandardName;
    ShowNameBox(ShownTab());
}

void FKijyunti::LeavingEdit() {
    for (QLineEdit* box : Text7) box->hide();
    work_ = StressWorkFromTable();
    names_ = StandardName;
    for (int i = 0; i < kStandards; ++i)
        SSTab1->SetCaption(i, QStr(StandardName[static_cast<std::size_t>(i)]));
}

bool FKijyunti::StoreEdits() {
    // The name being typed is checked as leaving its box would.
    for (int i = 0; i < kStandards; ++i)
        if (Text7[static_cast<std::size_t>(i)]->isVisible() && !NameLeft(i)) return false;
    StoreStressWork(work_, names_);
    return true;
}

void FKijyunti::Picked(int row) {
    PickStressSet(ShownTab(), row - 1);
}

ValuesInUse FKijyunti::InUse() const {
    return StressValuesInUse();
}

CatalogueRows FKijyunti::PickRows() const {
    return StressRows(ShownTab());
}

bool FKijyunti::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < kStandards; ++i) {
        if (watched != Text7[static_cast<std::size_t>(i)]) continue;
        if (event->type() == QEvent::FocusIn) {
            QLineEdit* box = Text7[static_cast<std::size_t>(i)];
            QTimer::singleShot(0, this, [box] {
                if (box->hasFocus()) SelectAllText(box);
            });
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                isVisible())
                NameLeft(i);
        }
    }
    return Catalogue::eventFilter(watched, event);
}

}  // namespace talvo
