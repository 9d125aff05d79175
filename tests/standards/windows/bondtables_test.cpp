// The fixed tables of bond stress and skin friction offscreen: what each
// shows, what OK picks or refuses, and the cohesion entry.
#include "standards/windows/BondTables.h"

#include <QTest>

#include "dialog_fixture.h"
#include "shell/numtext.h"

namespace talvo::test {
namespace {

const std::string kNoCohesion = "粘着力が入力されていません！";
const std::string kCohesionRange = "値が有効範囲にありません。\r有効範囲（0.0001～9.9999）";

class BondTableTest : public DialogTest {
protected:
    FixedTable* table() { return static_cast<FixedTable*>(dialog.get()); }
    static void Choose(Grid* grid, int col, int row) {
        grid->setCurrentCell(row - 1, col - 1);
        PumpEvents();
    }
    // A click on a cell, as the engineer makes it.
    static void ClickCell(Grid* grid, int col, int row) {
        const QRect rect = grid->visualItemRect(grid->item(row - 1, col - 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        PumpEvents();
    }
    void EnterCohesion(CohesionTable* d, const char* text) {
        d->cmdStick->click();
        PumpEvents();
        d->Text1->setText(QString::fromUtf8(text));
        d->cmdAdhesionOK->click();
        PumpEvents();
    }
};

TEST_F(BondTableTest, GroutAndTendonPicksTheActiveCellOrRefusesADash) {
    auto* d = Show(new FFutyakuAnchor);
    EXPECT_EQ(Str(d->windowTitle()), "グラウトとテンドンの許容付着応力度");
    EXPECT_EQ(Cell(d->sprAnchor, 4, 1), "    1.35");
    EXPECT_EQ(Cell(d->sprAnchor, 5, 10), "    2.0");
    EXPECT_EQ(Str(d->sprAnchor->horizontalHeaderItem(4)->text()), "40以上");
    SaveShotIfAsked(d, "ffutyakuanchor");
    Choose(d->sprAnchor, 1, 6);
    messages.Expect("基準値が選択されていません！");
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(d->Value(), "");
    Choose(d->sprAnchor, 4, 4);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->Value(), "    1.35");
    EXPECT_EQ(FormatNum(d->Value(), 5, 2), "    1.35");
}

TEST_F(BondTableTest, AnchorFrictionPicksTheCellClickedLast) {
    auto* d = Show(new FMasatuAnchor);
    EXPECT_EQ(Str(d->windowTitle()), "グラウンドアンカーの周面摩擦抵抗");
    EXPECT_EQ(Cell(d->sprAnchor, 1, 1), "   1.47");
    EXPECT_EQ(Cell(d->sprAnchor, 2, 1), "    ～");
    EXPECT_EQ(Cell(d->sprAdhesion, 1, 1), "     1.0× c");
    EXPECT_FALSE(d->Picture1->isVisible());
    EXPECT_EQ(Str(d->Text1->text()), "0.0000");
    SaveShotIfAsked(d, "fmasatuanchor");

    // Nothing clicked yet, then the sign column.
    messages.Expect("値を選択してください。");
    PressOk();
    ClickCell(d->sprAnchor, 2, 3);
    messages.Expect("無効な値です！");
    PressOk();
    // OK with the mouse forgets the choice, whatever OK did.
    messages.Expect("無効な値です！");
    QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(d->SelectionSource(), 0);
    messages.Expect("値を選択してください。");
    PressOk();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_TRUE(Open());

    // Column 3 picks the upper value of the range.
    ClickCell(d->sprAnchor, 3, 1);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->Value(), "2.45");
    EXPECT_EQ(FormatNum(d->Value(), 5, 2), "    2.45");
}

TEST_F(BondTableTest, AnchorFrictionTakesTheCohesiveSoilFromTheCohesion) {
    auto* d = Show(new FMasatuAnchor);
    ClickCell(d->sprAdhesion, 1, 1);
    messages.Expect(kNoCohesion);
    PressOk();
    EXPECT_TRUE(Open());

    // The panel refuses the initial 0.0000 and a cohesion out of range.
    d->cmdStick->click();
    PumpEvents();
    EXPECT_TRUE(d->Picture1->isVisible());
    EXPECT_FALSE(d->cmdOK->isEnabled());
    EXPECT_FALSE(d->cmdCancel->isEnabled());
    EXPECT_FALSE(d->cmdStick->isEnabled());
    SaveShotIfAsked(d, "fmasatuanchor_cohesion");
    messages.Expect(kCohesionRange);
    d->cmdAdhesionOK->click();
    EXPECT_EQ(Str(d->Text1->text()), "");
    EXPECT_TRUE(d->Picture1->isVisible());
    d->Text1->setText("10");
    messages.Expect(kCohesionRange);
    d->cmdAdhesionOK->click();
    EXPECT_TRUE(d->Picture1->isVisible());
    d->cmdAdhesionCancel->click();
    PumpEvents();
    EXPECT_FALSE(d->Picture1->isVisible());
    EXPECT_TRUE(d->cmdOK->isEnabled());

    EnterCohesion(d, "0.05");
    EXPECT_EQ(Str(d->Text1->text()), "0.0500");
    EXPECT_EQ(d->Cohesion(), "0.0500");
    EXPECT_EQ(Cell(d->sprAdhesion, 1, 1), "     1.0× c =  0.05");
    EXPECT_FALSE(d->Picture1->isVisible());
    // Entering a cohesion chooses nothing by itself.
    ClickCell(d->sprAdhesion, 1, 1);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->Value(), "0.05");
    EXPECT_EQ(FormatNum(d->Value(), 5, 2), "    0.05");

    // The largest cohesion gives a friction of 10.00, picked whole.
    d = Show(new FMasatuAnchor);
    EnterCohesion(d, "9.9999");
    EXPECT_EQ(Cell(d->sprAdhesion, 1, 1), "     1.0× c = 10.00");
    ClickCell(d->sprAdhesion, 1, 1);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->Value(), "10.00");
}

TEST_F(BondTableTest, RockFrictionPicksTheActiveRow) {
    auto* d = Show(new FMasatuRock);
    EXPECT_EQ(Str(d->windowTitle()), "極限周面摩擦抵抗の推定値");
    EXPECT_EQ(Cell(d->sprRock, 1, 15), "             0.8× c");
    EXPECT_EQ(Str(d->Text1->text()), "");
    SaveShotIfAsked(d, "fmasaturock");
    Choose(d->sprRock, 1, 15);
    messages.Expect(kNoCohesion);
    PressOk();
    EXPECT_TRUE(Open());
    Choose(d->sprRock, 1, 1);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(FormatNum(d->Value(), 5, 2), "    1.18");

    d = Show(new FMasatuRock);
    EnterCohesion(d, "0.05");
    EXPECT_EQ(Cell(d->sprRock, 1, 15), "     0.8× c =  0.04");
    EXPECT_EQ(d->sprRock->currentRow(), 14);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->Value(), "0.04");
}

TEST_F(BondTableTest, GroutAndSteelPicksTheActiveColumn) {
    auto* d = Show(new FFutyakuRock);
    EXPECT_EQ(Str(d->windowTitle()), "グラウトと鋼材の許容付着応力度");
    EXPECT_EQ(Cell(d->sprRock, 1, 1), "      1.4");
    SaveShotIfAsked(d, "ffutyakurock");
    Choose(d->sprRock, 3, 1);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(FormatNum(d->Value(), 0, 2), "1.80");
}

TEST_F(BondTableTest, CancelAndTheCloseBoxPickNothing) {
    for (int how = 0; how < 2; ++how) {
        auto* d = Show(new FFutyakuRock);
        Choose(d->sprRock, 2, 1);
        if (how == 0)
            PressCancel();
        else
            CloseBox();
        EXPECT_FALSE(Open());
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_EQ(d->Value(), "");
    }
}

}  // namespace
}  // namespace talvo::test
