// The catalogue dialogs offscreen: loading, the pick and edit modes with
// their captions, cell checks, the edit commit and its refusal, Cancel and
// the close box, double-click picks, and the tabs of the design strengths.
#include "standards/windows/Catalogues.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <cstdio>

#include "dialog_fixture.h"
#include "shell/codec.h"
#include "shell/settings.h"

namespace talvo::test {
namespace {

const std::string kIncomplete = "未入力のテキストがあります。値を入れて下さい。";
const std::string kTwenty = "文字数は半角で２０文字までです。";
const std::string kFourteen = "文字数は半角で14文字までです。";

class CatalogueTest : public DialogTest {
protected:
    Catalogue* cat() { return static_cast<Catalogue*>(dialog.get()); }
    Grid* grid() { return cat()->CatalogueGrid(); }
    // Both flags a catalogue edit must leave alone, with the five recalculation flags.
    static std::string AllFlags() { return std::to_string(DataChanged) + Flags(); }
    void ExpectPickMode() {
        EXPECT_TRUE(cat()->cmdEdit->isEnabled());
        EXPECT_EQ(Str(cat()->cmdOK->text()), "OK");
        EXPECT_EQ(Str(cat()->cmdCancel->text()), "キャンセル");
        EXPECT_EQ(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_FALSE(grid()->EditMode());
    }
    void ExpectEditMode() {
        EXPECT_FALSE(cat()->cmdEdit->isEnabled());
        EXPECT_EQ(Str(cat()->cmdOK->text()), "編集 OK");
        EXPECT_EQ(Str(cat()->cmdCancel->text()), "編集 ｷｬﾝｾﾙ");
        EXPECT_TRUE(grid()->EditMode());
    }
    std::vector<std::string> Row(int row) {
        std::vector<std::string> cells;
        for (int c = 1; c <= grid()->columnCount(); ++c) cells.push_back(Cell(grid(), c, row));
        return cells;
    }
    void DoubleClick(int row, int col) {
        QWidget* vp = grid()->viewport();
        const QRect rect = grid()->visualItemRect(grid()->item(row - 1, col - 1));
        // The press that precedes a double-click chooses the cell first.
        QTest::mouseClick(vp, Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(vp, Qt::LeftButton, {}, rect.center());
        PumpEvents();
    }
};

using V = std::vector<std::string>;

// ---- Loading and the modes ----

TEST_F(CatalogueTest, EachCatalogueLoadsItsRowsInItsLayout) {
    struct Case {
        std::function<Catalogue*()> make;
        const char* caption;
        int help;
        V row1;
        V row2;
        const char* shot;
    };
    Design.WorkType = 4;
    UnitWeightGroup = 0;
    const Case cases[] = {
        {[] { return new FKouzai; }, "鋼材の許容応力度", 4010,
         V{"SD 295", "         80", "        160"}, V{"SD 295", "         80", "        180"},
         "fkouzai"},
        {[] { return new FHikiAnzen; }, "引き抜きに対する安全率", 4013,
         V{"仮設アンカー", "       1.5"}, V{"永久アンカー（常時）", "       2.5"}, "fhikianzen"},
        {[] { return new Fmage; }, "プレートの許容曲げ応力度", 4011,
         V{"長期許容応力度", "           140"}, V{"短期許容応力度", "           210"}, "fmage"},
        {[] { return new FJyuuryo; }, "のり枠の単位体積重量", 4001, V{"モルタル", "       21.0"},
         V{"モルタル＋鉄筋", "       23.0"}, "fjyuuryo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Show(c.make());
        EXPECT_EQ(Str(dialog->windowTitle()), c.caption);
        EXPECT_EQ(cat()->HelpContextID(), c.help);
        EXPECT_EQ(grid()->rowCount(), 5);
        EXPECT_EQ(Row(1), c.row1);
        EXPECT_EQ(Row(2), c.row2);
        EXPECT_EQ(Row(5), V(static_cast<std::size_t>(grid()->columnCount()), ""));
        EXPECT_EQ(Str(cat()->cmdEdit->text()), "編集(&E)");
        ExpectPickMode();
        SaveShotIfAsked(dialog.get(), c.shot);
    }
}

TEST_F(CatalogueTest, TheUnitWeightsShowTheGroupOfTheButton) {
    struct Case {
        int group;
        const char* caption;
        const char* heading;
        V row1;
    };
    const Case cases[] = {
        {0, "のり枠の単位体積重量", "材 料 名", V{"モルタル", "       21.0"}},
        {1, "中詰め材の単位体積重量", "材 料 名", V{"厚層基材", "       14.0"}},
        {2, "積雪の単位体積重量", "備 考", V{"", "        3.5"}},
        {3, "移動土塊の単位体積重量", "土 質", V{"粘質土", "       16.0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        UnitWeightGroup = static_cast<std::int16_t>(c.group);
        auto* d = Show(new FJyuuryo);
        EXPECT_EQ(Str(d->windowTitle()), c.caption);
        EXPECT_EQ(Str(d->sprWeight->horizontalHeaderItem(0)->text()), c.heading);
        EXPECT_EQ(Row(1), c.row1);
    }
}

TEST_F(CatalogueTest, EditModeChangesTheCaptionsAndOkStoresTheGridWithoutFlags) {
    auto* d = Show(new FKouzai);
    d->cmdEdit->click();
    PumpEvents();
    ExpectEditMode();
    EditCell(d->sprSteel, 2, 3, "９９９");  // full-width digits, at the limit
    EditCell(d->sprSteel, 3, 3, "1");
    EditCell(d->sprSteel, 1, 3, "SD 345");
    EXPECT_EQ(Row(3), (V{"SD 345", "        999", "          1"}));
    SaveShotIfAsked(d, "fkouzai_edit");
    // Nothing reaches the catalogue before 編集 OK.
    EXPECT_EQ(SteelStressTable[2].Name, "");
    PressOk();
    EXPECT_TRUE(Open());
    ExpectPickMode();
    EXPECT_EQ(SteelStressTable[2].Name, "SD 345");
    EXPECT_EQ(SteelStressTable[2].TauSa, "        999");
    EXPECT_EQ(SteelStressTable[2].SigmaSa, "          1");
    EXPECT_EQ(AllFlags(), "000000");
    EXPECT_EQ(ClickPending, 0);
    // The committed catalogue stays when the dialog is then cancelled.
    PressCancel();
    EXPECT_FALSE(Open());
    EXPECT_EQ(SteelStressTable[2].Name, "SD 345");
    Show(new FKouzai);
    EXPECT_EQ(Row(3), (V{"SD 345", "        999", "          1"}));
}

TEST_F(CatalogueTest, ARefusedValueGetsTheCommittedValueBack) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"1000", "値が有効範囲にありません。\r有効範囲（1～999）"},
        {"0", "値が有効範囲にありません。\r有効範囲（1～999）"},
        {"80.5", "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。"},
        {"8O", "値が正しくありません。"},
    };
    auto* d = Show(new FKouzai);
    d->cmdEdit->click();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        // A value accepted first in this edit is not what comes back.
        EditCell(d->sprSteel, 2, 1, "120");
        EXPECT_EQ(Cell(d->sprSteel, 2, 1), "        120");
        messages.Expect(c.message);
        EditCell(d->sprSteel, 2, 1, c.typed);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Cell(d->sprSteel, 2, 1), "         80");
    }
    // An emptied cell stays empty without a message.
    EditCell(d->sprSteel, 3, 1, "");
    EXPECT_EQ(Cell(d->sprSteel, 3, 1), "");
    PressOk();
    EXPECT_EQ(SteelStressTable[0].TauSa, "         80");
    EXPECT_EQ(SteelStressTable[0].SigmaSa, "");
}

TEST_F(CatalogueTest, NamesAreCutToTheirBytesWithTheirMessage) {
    struct Case {
        std::function<Catalogue*()> make;
        const char* typed;
        const char* kept;
        const std::string* message;
    };
    UnitWeightGroup = 3;
    Design.WorkType = 3;
    const Case cases[] = {
        {[] { return new FKouzai; }, "ＳＤ２９５ＡＢ", "ＳＤ２９５ＡＢ", nullptr},
        {[] { return new FKouzai; }, "ＳＤ２９５ＡＢＣ", "ＳＤ２９５ＡＢ", &kFourteen},
        {[] { return new FKouzai; }, "SD295ABCDEFGHＩ", "SD295ABCDEFGH", &kFourteen},
        {[] { return new FJyuuryo; }, "風化岩ＡＢＣＤＥＦＧ", "風化岩ＡＢＣＤＥＦＧ", nullptr},
        {[] { return new FJyuuryo; }, "風化岩ＡＢＣＤＥＦＧＨ", "風化岩ＡＢＣＤＥＦＧ", &kTwenty},
        {[] { return new FHikiAnzen; }, "1234567890123456789あ", "1234567890123456789", &kTwenty},
        {[] { return new Fmage; }, "123456789012345678901", "12345678901234567890", &kTwenty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Show(c.make());
        cat()->cmdEdit->click();
        if (c.message) messages.Expect(*c.message);
        EditCell(grid(), 1, 1, c.typed);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Cell(grid(), 1, 1), c.kept);
        ExpectEditMode();
        PressOk();
        EXPECT_EQ(standards::ReadCatalogue(static_cast<RowCatalogue*>(cat())->Kind(),
                                           static_cast<RowCatalogue*>(cat())->Group())[0][0],
                  c.kept);
    }
}

TEST_F(CatalogueTest, AnEmptiedNameBesideAValueIsRefusedAndAnEmptiedRowStored) {
    auto* d = Show(new Fmage);
    d->cmdEdit->click();
    EditCell(d->sprBend, 1, 1, "  ");
    EditCell(d->sprBend, 2, 1, "150");
    messages.Expect(kIncomplete);
    PressOk();
    EXPECT_TRUE(messages.AllShown());
    // Nothing written, nothing pending, still editing.
    EXPECT_EQ(PlateStressTable[0].Name, "長期許容応力度");
    EXPECT_EQ(PlateStressTable[0].Value, "140");
    EXPECT_EQ(ClickPending, 0);
    ExpectEditMode();
    // The row emptied whole is taken out of the catalogue.
    EditCell(d->sprBend, 2, 1, "");
    PressOk();
    ExpectPickMode();
    EXPECT_EQ(PlateStressTable[0].Name, "");
    EXPECT_EQ(PlateStressTable[0].Value, "");
    EXPECT_EQ(AllFlags(), "000000");
}

TEST_F(CatalogueTest, EditCancelShowsTheCatalogueAsBefore) {
    Design.WorkType = 4;
    auto* d = Show(new FHikiAnzen);
    const V before = Row(3);
    d->cmdEdit->click();
    EditCell(d->sprSafety, 2, 3, "3.5");
    EditCell(d->sprSafety, 1, 3, "試験");
    PressCancel();
    EXPECT_TRUE(Open());
    ExpectPickMode();
    EXPECT_EQ(Row(3), before);
    EXPECT_EQ(PullOutSafetyTable[1][2].Value, "1.5");
    // Escape in edit mode drops the edits too and keeps the dialog.
    d->cmdEdit->click();
    EditCell(d->sprSafety, 2, 3, "3.5");
    QTest::keyClick(d, Qt::Key_Escape);
    PumpEvents();
    EXPECT_TRUE(Open());
    EXPECT_EQ(Row(3), before);
}

TEST_F(CatalogueTest, EditCancelDropsACellStillBeingEdited) {
    auto* d = Show(new Fmage);
    d->cmdEdit->click();
    d->sprBend->setFocus(Qt::MouseFocusReason);
    d->sprBend->setCurrentCell(0, 1);
    d->sprBend->edit(d->sprBend->model()->index(0, 1));
    PumpEvents();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    editor->insert("5000");  // out of range, and never left
    PressCancel();
    ExpectPickMode();
    EXPECT_EQ(Cell(d->sprBend, 2, 1), "           140");
    // The pick takes the catalogue's value.
    d->sprBend->setCurrentCell(0, 0);
    PressOk();
    EXPECT_EQ(d->PickedCell(2), "           140");
}

TEST_F(CatalogueTest, CancelAndTheCloseBoxLeaveTheCatalogueUntouched) {
    const auto before = PlateStressTable;
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how);
        auto* d = Show(new Fmage);
        if (how == 2) {
            d->cmdEdit->click();
            EditCell(d->sprBend, 2, 2, "300");
        }
        if (how == 0)
            PressCancel();
        else
            CloseBox();
        EXPECT_FALSE(Open());
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_EQ(d->PickedRow(), 0);
        for (std::size_t r = 0; r < 5; ++r) {
            EXPECT_EQ(PlateStressTable[r].Name, before[r].Name);
            EXPECT_EQ(PlateStressTable[r].Value, before[r].Value);
        }
        EXPECT_EQ(AllFlags(), "000000");
    }
}

TEST_F(CatalogueTest, OkPicksTheActiveRowAndADoubleClickPicksToo) {
    auto* d = Show(new Fmage);
    d->sprBend->setCurrentCell(1, 0);  // any column of the row
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->PickedRow(), 2);
    EXPECT_EQ(d->PickedCell(2), "           210");
    EXPECT_EQ(AllFlags(), "000000");

    d = Show(new Fmage);
    DoubleClick(1, 2);
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->PickedRow(), 1);
    EXPECT_EQ(d->PickedCell(1), "長期許容応力度");

    // A double-click on the heading picks nothing.
    d = Show(new Fmage);
    QHeaderView* head = d->sprBend->horizontalHeader();
    QTest::mouseDClick(head->viewport(), Qt::LeftButton, {},
                       QPoint(head->sectionPosition(0) + 5, head->height() / 2));
    PumpEvents();
    EXPECT_TRUE(Open());
    EXPECT_EQ(d->PickedRow(), 0);

    // In edit mode a double-click edits; it picks nothing.
    d = Show(new Fmage);
    d->cmdEdit->click();
    DoubleClick(2, 1);
    EXPECT_TRUE(Open());
    EXPECT_EQ(d->PickedRow(), 0);
}

TEST_F(CatalogueTest, AnEditedGroupLeavesTheOtherGroupAlone) {
    Design.WorkType = 3;
    auto* d = Show(new FHikiAnzen);
    EXPECT_EQ(d->HelpContextID(), 4012);
    EXPECT_EQ(Row(1), (V{"ロックボルト", "       2.0"}));
    EXPECT_EQ(Row(2), (V{"", ""}));
    d->cmdEdit->click();
    EditCell(d->sprSafety, 1, 2, "仮設");
    EditCell(d->sprSafety, 2, 2, "1.5");
    PressOk();
    EXPECT_EQ(PullOutSafetyTable[0][1].Name, "仮設");
    EXPECT_EQ(PullOutSafetyTable[0][1].Value, "       1.5");
    EXPECT_EQ(PullOutSafetyTable[1][1].Name, "永久アンカー（常時）");
    EXPECT_EQ(PullOutSafetyTable[1][1].Value, "2.5");
}

TEST_F(CatalogueTest, AUnitWeightPickWritesItsGroupAndTheWeightFlags) {
    UnitWeightGroup = 2;
    Design.SnowRemarks = "旧";
    Design.SnowGamma = "    2.0";
    Design.FrameGamma = "   24.0";
    auto* d = Show(new FJyuuryo);
    EXPECT_EQ(Row(1), (V{"", "        3.5"}));
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(Design.SnowGamma, "    3.5");
    EXPECT_EQ(Design.SnowRemarks, "旧");  // the row has no remark to give
    EXPECT_EQ(Design.FrameGamma, "   24.0");
    // DataChanged, then load, force, anchor bar, result, wedge.
    EXPECT_EQ(AllFlags(), "111100");
    EXPECT_EQ(d->PickedRow(), 1);
}

TEST_F(CatalogueTest, AnEditedCatalogueSurvivesARestart) {
    UnitWeightGroup = 1;
    auto* d = Show(new FJyuuryo);
    d->cmdEdit->click();
    EditCell(d->sprWeight, 1, 5, "植生基材ＡＢＣＤＥＦ");
    EditCell(d->sprWeight, 2, 5, "１３．５");
    messages.Expect(kTwenty);
    EditCell(d->sprWeight, 1, 4, "コンクリート（無筋）ＡＢ");
    PressOk();
    const V row4 = Row(4);
    const V row5 = Row(5);
    EXPECT_EQ(row4, (V{"コンクリート（無筋）", "       23.0"}));
    EXPECT_EQ(row5, (V{"植生基材ＡＢＣＤＥＦ", "       13.5"}));
    PressCancel();

    // The program's exit writes the settings file; the next start reads it.
    const std::string path = ::testing::TempDir() + "catalogue_restart.ini";
    ASSERT_TRUE(SaveSettings(path));
    InitAllTables();
    EXPECT_EQ(UnitWeightTable[1][4].Name, "");
    ASSERT_EQ(LoadSettings(path, 19200, 14400), SettingsStatus::Loaded);
    Show(new FJyuuryo);
    EXPECT_EQ(Row(4), row4);
    EXPECT_EQ(Row(5), row5);
    std::remove(path.c_str());
}

// ---- Design strengths and allowable stresses ----

// Picking, the table is one stop of the Tab key: Tab leaves it for the next
// button and the row chosen by the arrows stays the one OK picks. Editing,
// Tab goes from cell to cell.
TEST_F(CatalogueTest, TheTabKeyLeavesTheTableWithoutMovingThePick) {
    auto* d = Show(new Fmage);
    d->sprBend->setFocus(Qt::TabFocusReason);
    d->sprBend->setCurrentCell(0, 0);
    QTest::keyClick(d->sprBend, Qt::Key_Down);
    PumpEvents();
    ASSERT_EQ(d->sprBend->currentRow(), 1);
    QTest::keyClick(d->sprBend, Qt::Key_Tab);
    PumpEvents();
    EXPECT_FALSE(d->sprBend->hasFocus());
    EXPECT_EQ(d->sprBend->currentRow(), 1);
    QWidget* out = QApplication::focusWidget();
    ASSERT_NE(out, nullptr);
    QTest::keyClick(out, Qt::Key_Tab, Qt::ShiftModifier);
    PumpEvents();
    EXPECT_TRUE(d->sprBend->hasFocus());
    EXPECT_EQ(d->sprBend->currentRow(), 1);
    QTest::keyClick(d->sprBend, Qt::Key_Return);
    PumpEvents();
    EXPECT_FALSE(Open());
    EXPECT_EQ(d->PickedRow(), 2);

    d = Show(new Fmage);
    d->cmdEdit->click();
    d->sprBend->setFocus(Qt::TabFocusReason);
    d->sprBend->setCurrentCell(0, 0);
    QTest::keyClick(d->sprBend, Qt::Key_Tab);
    PumpEvents();
    EXPECT_TRUE(d->sprBend->hasFocus());
    EXPECT_EQ(d->sprBend->currentColumn(), 1);
}

class StandardsTest : public CatalogueTest {
protected:
    // The first tab, as after a new design.
    void SetUp() override {
        CatalogueTest::SetUp();
        StandardTab = 0;
    }
    FKijyunti* Make() { return Show(new FKijyunti); }
    static void SwitchTab(FKijyunti* d, int tab) {
        d->SSTab1->SetTab(tab);
        PumpEvents();
    }
};

TEST_F(StandardsTest, LoadsTheTabLastShownWithItsRows) {
    StandardTab = 2;
    auto* d = Make();
    EXPECT_EQ(Str(d->windowTitle()), "設計基準強度および許容応力度");
    EXPECT_EQ(d->HelpContextID(), 4005);
    EXPECT_EQ(d->SSTab1->count(), 4);
    EXPECT_EQ(Str(d->SSTab1->Caption(0)), "(参考)全国特定法面保護協会");
    EXPECT_EQ(Str(d->SSTab1->Caption(3)), "日本道路協会");
    EXPECT_EQ(d->SSTab1->Tab(), 2);
    EXPECT_EQ(Row(4), (V{"      30", "    11.0", "     0.50", "     1.8", "     176"}));
    for (QLineEdit* box : d->Text7) EXPECT_FALSE(box->isVisible());
    ExpectPickMode();
    SaveShotIfAsked(d, "fkijyunti");
    // A tab switch in pick mode shows that standard and is remembered.
    SwitchTab(d, 1);
    EXPECT_EQ(StandardTab, 1);
    EXPECT_EQ(Row(1), (V{"", "     5.0", "     0.33", "     1.3", "     160"}));
    EXPECT_EQ(Row(3), (V{"", "", "", "", ""}));
    PressCancel();
    EXPECT_EQ(Make()->SSTab1->Tab(), 1);
}

TEST_F(StandardsTest, ThePickWritesTheDesignAndItsFlags) {
    StandardTab = 3;
    auto* d = Make();
    d->sprStandard->setCurrentCell(1, 4);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(Design.SigmaCk, "24");
    EXPECT_EQ(Design.SigmaCa, "8.0");
    EXPECT_EQ(Design.TauCa, "0.23");
    EXPECT_EQ(Design.TauOa, "1.6");
    EXPECT_EQ(Design.SigmaSa, "180");
    EXPECT_EQ(AllFlags(), "100010");
}

TEST_F(StandardsTest, EditsOfEveryStandardSurviveTabSwitchesUntilOk) {
    StandardTab = 2;
    auto* d = Make();
    d->cmdEdit->click();
    PumpEvents();
    ExpectEditMode();
    EXPECT_TRUE(d->Text7[2]->isVisible());
    EXPECT_EQ(Str(d->Text7[2]->text()), "土木学会");
    EditCell(d->sprStandard, 1, 1, "１９");
    SwitchTab(d, 3);
    EXPECT_TRUE(d->Text7[3]->isVisible());
    EXPECT_FALSE(d->Text7[2]->isVisible());
    EditCell(d->sprStandard, 2, 4, "10.5");
    Type(d->Text7[3], "道路協会（改）");
    SwitchTab(d, 2);
    EXPECT_EQ(Cell(d->sprStandard, 1, 1), "      19");
    SwitchTab(d, 3);
    // Neither the value nor the typed name is lost by the switches.
    EXPECT_EQ(Cell(d->sprStandard, 2, 4), "    10.5");
    EXPECT_EQ(Str(d->Text7[3]->text()), "道路協会（改）");
    SaveShotIfAsked(d, "fkijyunti_edit");
    // Nothing reached the catalogue yet.
    EXPECT_EQ(AllowableStressTable[2][0].SigmaCk, "18");
    PressOk();
    ExpectPickMode();
    EXPECT_EQ(AllowableStressTable[2][0].SigmaCk, "19");
    EXPECT_EQ(AllowableStressTable[3][3].SigmaCa, "10.5");
    EXPECT_EQ(StandardName[3], "道路協会（改）");
    EXPECT_EQ(StandardName[2], "土木学会");
    EXPECT_EQ(Str(d->SSTab1->Caption(3)), "道路協会（改）");
    for (QLineEdit* box : d->Text7) EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(AllFlags(), "000000");
    // An unedited value keeps its text.
    EXPECT_EQ(AllowableStressTable[2][0].TauCa, "0.40");
}

TEST_F(StandardsTest, EditCancelRestoresAllFourStandards) {
    const auto before = AllowableStressTable;
    const auto names = StandardName;
    auto* d = Make();
    d->cmdEdit->click();
    EditCell(d->sprStandard, 5, 1, "200");
    Type(d->Text7[0], "改名");
    SwitchTab(d, 2);
    EditCell(d->sprStandard, 3, 2, "0.44");
    PressCancel();
    EXPECT_TRUE(Open());
    ExpectPickMode();
    EXPECT_EQ(Row(2), (V{"      21", "     8.0", "     0.42", "     1.5", "     176"}));
    SwitchTab(d, 0);
    EXPECT_EQ(Cell(d->sprStandard, 5, 1), "     160");
    EXPECT_EQ(Str(d->SSTab1->Caption(0)), "(参考)全国特定法面保護協会");
    EXPECT_EQ(StandardName, names);
    for (std::size_t s = 0; s < 4; ++s)
        for (std::size_t r = 0; r < 5; ++r) {
            EXPECT_EQ(AllowableStressTable[s][r].SigmaCk, before[s][r].SigmaCk);
            EXPECT_EQ(AllowableStressTable[s][r].SigmaSa, before[s][r].SigmaSa);
        }
}

TEST_F(StandardsTest, CellChecksRestoreTheLastValueOfThisEdit) {
    StandardTab = 2;
    auto* d = Make();
    d->cmdEdit->click();
    EditCell(d->sprStandard, 1, 1, "20");
    messages.Expect("値が有効範囲にありません。\r有効範囲（1～99）");
    EditCell(d->sprStandard, 1, 1, "100");
    EXPECT_EQ(Cell(d->sprStandard, 1, 1), "      20");
    messages.Expect(
        "入力値が有効精度を超えています。\r有効精度内（小数第2位）に変更してください。");
    EditCell(d->sprStandard, 3, 1, "0.405");
    EXPECT_EQ(Cell(d->sprStandard, 3, 1), "     0.40");
    EditCell(d->sprStandard, 4, 1, "");
    PressOk();
    EXPECT_EQ(AllowableStressTable[2][0].SigmaCk, "20");
    EXPECT_EQ(AllowableStressTable[2][0].TauOa, "");
}

TEST_F(StandardsTest, StandardNamesAreCutAndAnEmptiedNameIsRefused) {
    auto* d = Make();
    d->cmdEdit->click();
    PumpEvents();
    // 30 bytes: cut at the last whole character within 28.
    Type(d->Text7[0], "(参考)全国特定法面保護協会ＡＢ");
    messages.Expect("文字数は半角で２８文字までです。");
    PressOk();
    EXPECT_TRUE(messages.AllShown());
    ExpectPickMode();
    EXPECT_EQ(StandardName[0], "(参考)全国特定法面保護協会Ａ");
    EXPECT_EQ(cp932::ByteCount(StandardName[0]), 28u);
    EXPECT_EQ(Str(d->SSTab1->Caption(0)), "(参考)全国特定法面保護協会Ａ");
    // An emptied name is refused: nothing written, nothing pending, the
    // last good name back in its box.
    d->cmdEdit->click();
    PumpEvents();
    Type(d->Text7[0], "   ");
    messages.Expect(kIncomplete);
    PressOk();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(ClickPending, 0);
    ExpectEditMode();
    EXPECT_EQ(Str(d->Text7[0]->text()), "(参考)全国特定法面保護協会Ａ");
    EXPECT_EQ(StandardName[0], "(参考)全国特定法面保護協会Ａ");
    PressOk();
    ExpectPickMode();
    EXPECT_EQ(StandardName[0], "(参考)全国特定法面保護協会Ａ");
}

}  // namespace
}  // namespace talvo::test
