// The catalogues without a display: names and values as their cells check
// them, the picks that write the design, the fixed tables, and an edited
// catalogue through the settings file.
#include "standards/catalogues.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/codec.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/settings.h"
#include "shell/tables.h"
#include "support/scripted_messages.h"

namespace talvo::standards {
namespace {

using test::ScriptedMessages;

const std::string kTwenty = "文字数は半角で２０文字までです。";
const std::string kFourteen = "文字数は半角で14文字までです。";
const std::string kTwentyEight = "文字数は半角で２８文字までです。";

class CatalogueCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        InitAllTables();
    }
    ScriptedMessages messages;
};

struct NameCase {
    CatalogueKind kind;
    const char* typed;
    const char* kept;
    bool message;
};

TEST_F(CatalogueCoreTest, NamesAreCutAtTheLastWholeCharacterWithinTheirBytes) {
    const NameCase cases[] = {
        // Seven full-width characters fill the steel's 14 bytes.
        {CatalogueKind::Steel, "ＳＤ２９５ＡＢ", "ＳＤ２９５ＡＢ", false},
        {CatalogueKind::Steel, "ＳＤ２９５ＡＢＣ", "ＳＤ２９５ＡＢ", true},
        {CatalogueKind::Steel, "ABCDEFGHIJKLMN", "ABCDEFGHIJKLMN", false},
        // 13 bytes and a double-byte character: never half of it.
        {CatalogueKind::Steel, "ABCDEFGHIJKLMＮ", "ABCDEFGHIJKLM", true},
        {CatalogueKind::UnitWeight, "コンクリート＋鉄筋Ａ", "コンクリート＋鉄筋Ａ", false},
        {CatalogueKind::UnitWeight, "コンクリート＋鉄筋ＡＢ", "コンクリート＋鉄筋Ａ", true},
        {CatalogueKind::UnitWeight, "123456789012345678901", "12345678901234567890", true},
        {CatalogueKind::PullOut, "1234567890123456789あ", "1234567890123456789", true},
        {CatalogueKind::Plate, "  長期  ", "長期", false},
        {CatalogueKind::Plate, "", "", false},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const NameRule rule = LayoutOf(c.kind).name;
        if (c.message) messages.Expect(rule.message);
        const std::string kept = CheckName(c.typed, rule);
        EXPECT_EQ(kept, c.kept);
        EXPECT_LE(cp932::ByteCount(kept), rule.maxBytes);
        EXPECT_EQ(cp932::ToUtf8(cp932::FromUtf8(kept)), kept);
        EXPECT_TRUE(messages.AllShown());
    }
    EXPECT_EQ(LayoutOf(CatalogueKind::Steel).name.message, kFourteen);
    EXPECT_EQ(LayoutOf(CatalogueKind::UnitWeight).name.message, kTwenty);
    EXPECT_EQ(StandardNameRule().maxBytes, 28u);
    messages.Expect(kTwentyEight);
    EXPECT_EQ(CheckName("(参考)全国特定法面保護協会ＡＢ", StandardNameRule()),
              "(参考)全国特定法面保護協会Ａ");
}

struct ValueCase {
    CatalogueKind kind;
    const char* typed;
    const char* restore;
    const char* shown;
    const char* message;  // nullptr: none
};

TEST_F(CatalogueCoreTest, ValuesAreCheckedAndARefusalShowsTheCommittedValue) {
    const std::string range999 = "値が有効範囲にありません。\r有効範囲（1～999）";
    const std::string whole =
        "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。";
    const ValueCase cases[] = {
        {CatalogueKind::Steel, "999", "80", "        999", nullptr},
        {CatalogueKind::Steel, "1", "80", "          1", nullptr},
        {CatalogueKind::Steel, "1000", "80", "         80", range999.c_str()},
        {CatalogueKind::Steel, "0", "", "", "値が有効範囲にありません。\r有効範囲（1～999）"},
        {CatalogueKind::Steel, "１２０", "80", "        120", nullptr},
        {CatalogueKind::Steel, "12.5", "80", "         80", whole.c_str()},
        {CatalogueKind::Steel, "  ", "80", "", nullptr},
        {CatalogueKind::UnitWeight, "99.9", "23.0", "       99.9", nullptr},
        {CatalogueKind::UnitWeight, "100", "       23.0", "       23.0",
         "値が有効範囲にありません。\r有効範囲（0.1～99.9）"},
        {CatalogueKind::UnitWeight, "0.0", "23.0", "       23.0",
         "値が有効範囲にありません。\r有効範囲（0.1～99.9）"},
        {CatalogueKind::UnitWeight, "２３．５", "23.0", "       23.5", nullptr},
        {CatalogueKind::PullOut, "2", "1.5", "       2.0", nullptr},
        {CatalogueKind::PullOut, "2.55", "1.5", "       1.5",
         "入力値が有効精度を超えています。\r有効精度内（小数第1位）に変更してください。"},
        {CatalogueKind::Plate, "210", "140", "           210", nullptr},
        {CatalogueKind::Plate, "12a", "140", "           140", "値が正しくありません。"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(std::string(c.typed));
        if (c.message) messages.Expect(c.message);
        EXPECT_EQ(CheckCatalogueValue(c.typed, LayoutOf(c.kind).values[0], c.restore), c.shown);
        EXPECT_TRUE(messages.AllShown());
    }
}

// Every value column at both limits and just outside them.
TEST_F(CatalogueCoreTest, EveryValueColumnHoldsItsLimitsAndRefusesJustBeyond) {
    struct Limits {
        const char* column;
        FieldSpec spec;
        const char* min;
        const char* max;
        const char* below;
        const char* above;
        const char* range;
    };
    const Limits cases[] = {
        {"steel τsa", LayoutOf(CatalogueKind::Steel).values[0], "1", "999", "0", "1000", "1～999"},
        {"steel σsa", LayoutOf(CatalogueKind::Steel).values[1], "1", "999", "0", "1000", "1～999"},
        {"pull-out Fs", LayoutOf(CatalogueKind::PullOut).values[0], "0.1", "9.9", "0.0", "10.0",
         "0.1～9.9"},
        {"plate σoa", LayoutOf(CatalogueKind::Plate).values[0], "1", "999", "0", "1000", "1～999"},
        {"unit weight", LayoutOf(CatalogueKind::UnitWeight).values[0], "0.1", "99.9", "0.0",
         "100.0", "0.1～99.9"},
        {"σck", StressColumnSpec(1), "1", "99", "0", "100", "1～99"},
        {"σca", StressColumnSpec(2), "0.1", "99.9", "0.0", "100.0", "0.1～99.9"},
        {"τca", StressColumnSpec(3), "0.01", "0.99", "0.00", "1.00", "0.01～0.99"},
        {"τoa", StressColumnSpec(4), "0.1", "9.9", "0.0", "10.0", "0.1～9.9"},
        {"σsa", StressColumnSpec(5), "1", "999", "0", "1000", "1～999"},
    };
    for (const Limits& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(TrimBlanks(CheckCatalogueValue(c.min, c.spec, "")), c.min);
        EXPECT_EQ(TrimBlanks(CheckCatalogueValue(c.max, c.spec, "")), c.max);
        for (const char* out : {c.below, c.above}) {
            messages.Expect(std::string("値が有効範囲にありません。\r有効範囲（") + c.range + "）");
            EXPECT_EQ(CheckCatalogueValue(out, c.spec, c.min), DisplayText(c.min, c.spec));
            EXPECT_TRUE(messages.AllShown());
        }
    }
}

TEST_F(CatalogueCoreTest, OnlyANameEmptiedBesideAValueIsRefused) {
    const CatalogueRows before = ReadCatalogue(CatalogueKind::Plate, 0);
    CatalogueRows after = before;
    EXPECT_EQ(FirstEmptiedName(before, after), -1);
    after[1][0] = "   ";
    EXPECT_EQ(FirstEmptiedName(before, after), 1);
    messages.Expect("未入力のテキストがあります。値を入れて下さい。");
    EXPECT_FALSE(WarnIfNameEmptied(before, after));
    // The whole row emptied is a row taken out of the catalogue.
    after[1][1] = "";
    EXPECT_EQ(FirstEmptiedName(before, after), -1);
    // A name that was empty already (the snow remark) stays allowed.
    const CatalogueRows snow = ReadCatalogue(CatalogueKind::UnitWeight, 2);
    EXPECT_EQ(snow[0][0], "");
    EXPECT_EQ(snow[0][1], "3.5");
    EXPECT_EQ(FirstEmptiedName(snow, snow), -1);
}

TEST_F(CatalogueCoreTest, EachGroupIsReadAndStoredAlone) {
    EXPECT_EQ(PullOutGroup(3), 0);
    EXPECT_EQ(PullOutGroup(4), 1);
    // Any other work type still names a group of the table.
    EXPECT_EQ(PullOutGroup(0), 1);
    EXPECT_EQ(PullOutGroup(5), 1);
    EXPECT_EQ(WeightGroup(7), 3);
    EXPECT_EQ(WeightGroup(-1), 0);
    CatalogueRows anchor = ReadCatalogue(CatalogueKind::PullOut, 1);
    EXPECT_EQ(anchor[3], (std::vector<std::string>{"永久アンカー（地震時）", "2.0"}));
    anchor[0] = {"試験", "     3.0"};
    StoreCatalogue(CatalogueKind::PullOut, 1, anchor);
    EXPECT_EQ(PullOutSafetyTable[1][0].Value, "     3.0");
    EXPECT_EQ(PullOutSafetyTable[0][0].Name, "ロックボルト");
    EXPECT_EQ(PullOutSafetyTable[0][0].Value, "2.0");
    EXPECT_EQ(RowCells(LayoutOf(CatalogueKind::UnitWeight), {"モルタル＋鉄筋", "23.0"}),
              (std::vector<std::string>{"モルタル＋鉄筋", "       23.0"}));
    EXPECT_EQ(RowCells(LayoutOf(CatalogueKind::Steel), {"SD 295", "80", ""}),
              (std::vector<std::string>{"SD 295", "         80", ""}));
}

TEST_F(CatalogueCoreTest, TheStressPickWritesTheDesignAndItsFlags) {
    const StressWork work = StressWorkFromTable();
    EXPECT_EQ(work[2][3], (std::array<std::string, 5>{"30", "11.0", "0.50", "1.8", "176"}));
    EXPECT_EQ(work[1][0][0], "");
    EXPECT_TRUE(PickStressSet(1, 0));
    EXPECT_EQ(Design.SigmaCk, "");
    EXPECT_EQ(Design.SigmaCa, "5.0");
    EXPECT_EQ(Design.TauCa, "0.33");
    EXPECT_EQ(Design.SigmaSa, "160");
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(DataChanged, 1);
    // Outside the catalogue nothing is picked.
    RecalcResult = 0;
    EXPECT_FALSE(PickStressSet(4, 0));
    EXPECT_FALSE(PickStressSet(0, 5));
    EXPECT_EQ(RecalcResult, 0);
}

TEST_F(CatalogueCoreTest, TheWeightPickWritesItsGroupAndRaisesTheWeightFlags) {
    Design.FrameGamma = "   24.0";
    PickUnitWeight(2, "", "      3.5");
    EXPECT_EQ(Design.SnowGamma, "    3.5");
    EXPECT_EQ(Design.SnowRemarks, "");
    EXPECT_EQ(Design.FrameGamma, "   24.0");
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(RecalcLoad, 1);
    EXPECT_EQ(RecalcForce, 1);
    EXPECT_EQ(RecalcAnchorBar, 1);
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(WeightCaption(3), "移動土塊の単位体積重量");
    EXPECT_EQ(WeightNameHeading(2), "備 考");
}

// A name or a value the picked row does not hold keeps the design's text.
TEST_F(CatalogueCoreTest, APickKeepsWhatTheRowDoesNotHold) {
    struct Case {
        std::vector<std::string> row;
        const char* name;
        const char* gamma;
    };
    const Case cases[] = {
        {{"", "      3.5"}, "積雪地", "    3.5"},
        {{"新雪", "      1.5"}, "新雪", "    1.5"},
        {{"  ", "      1.5"}, "積雪地", "    1.5"},
        {{"新雪", ""}, "新雪", "    2.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Design.SnowRemarks = "積雪地";
        Design.SnowGamma = "    2.0";
        const ValuesInUse inUse = ValuesInUseOf(CatalogueKind::UnitWeight, 2, 0);
        const std::string name = PickedText(c.row, inUse, 1);
        const std::string value = PickedText(c.row, inUse, 2);
        PickUnitWeight(2, name, value);
        EXPECT_EQ(Design.SnowRemarks, c.name);
        EXPECT_EQ(Design.SnowGamma, c.gamma);
        // The pick itself keeps the name it is given none for.
        Design.SnowRemarks = "積雪地";
        PickUnitWeight(2, c.row[0], c.row[1]);
        EXPECT_EQ(Design.SnowRemarks, c.name);
    }
}

TEST_F(CatalogueCoreTest, FixedTablesHoldTheirCellsExactly) {
    EXPECT_EQ(AnchorBondCell(4, 4), "    1.35");
    EXPECT_EQ(AnchorBondCell(1, 6), kNoValueCell);
    EXPECT_EQ(AnchorBondCell(3, 10), "    1.6");
    EXPECT_EQ(AnchorBondCell(1, 5), "    1.2");
    EXPECT_EQ(AnchorBondCell(0, 1), "");
    EXPECT_EQ(AnchorFrictionCell(1, 1), "   1.47");
    EXPECT_EQ(AnchorFrictionCell(2, 1), "    ～");
    EXPECT_EQ(AnchorFrictionCell(3, 14), "   0.39");
    EXPECT_EQ(AnchorFrictionCell(1, 15), "");
    EXPECT_EQ(RockFrictionCell(1), "              1.18");
    EXPECT_EQ(RockFrictionCell(15), "             0.8× c");
    EXPECT_EQ(RockBondCell(3), "      1.8");
    EXPECT_EQ(CohesionCell("1.0"), "     1.0× c");
    EXPECT_EQ(CohesionCell("1.0", "0.0500"), "     1.0× c =  0.05");
    EXPECT_EQ(CohesionCell("0.8", "0.0500"), "     0.8× c =  0.04");
    EXPECT_EQ(LastFourChars("     1.0× c =  0.05"), "0.05");
    EXPECT_EQ(LastFourChars("   2.45"), "2.45");
    EXPECT_EQ(LastFourChars("× c"), "× c");
}

TEST_F(CatalogueCoreTest, APickTakesTheWholeFrictionOfACohesionCell) {
    struct Case {
        const char* cell;
        const char* picked;
    };
    const Case cases[] = {
        {"   2.45", "2.45"},
        {"              1.18", "1.18"},
        {"     1.0× c =  0.05", "0.05"},
        {"     0.8× c =  7.99", "7.99"},
        // 1.0 × 9.9999 rounds to 10.00: the pick is 10.00, not its last four 0.00.
        {"     1.0× c = 10.00", "10.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(PickedFriction(c.cell), c.picked);
    }
    EXPECT_EQ(CohesionCell("1.0", "9.9999"), "     1.0× c = 10.00");
}

TEST_F(CatalogueCoreTest, ACohesionIsCheckedWithItsOwnRange) {
    std::string shown = "x";
    EXPECT_TRUE(CheckCohesion("0.05", &shown));
    EXPECT_EQ(shown, "0.0500");
    EXPECT_TRUE(CheckCohesion("", &shown));
    EXPECT_EQ(shown, "");
    messages.Expect("値が有効範囲にありません。\r有効範囲（0.0001～9.9999）");
    EXPECT_FALSE(CheckCohesion("10", &shown));
    messages.Expect("値が有効範囲にありません。\r有効範囲（0.0001～9.9999）");
    EXPECT_FALSE(CheckCohesion("0.0000", &shown));
}

TEST_F(CatalogueCoreTest, EditedCataloguesSurviveTheSettingsFile) {
    // As the dialogs store them: the grid's layout with its blanks, names
    // cut within their bytes.
    SteelStressTable[2] = {"ＳＤ３４５ＡＢ", "        100", "        200"};
    UnitWeightTable[2][1] = {"新雪", "      1.0"};
    PlateStressTable[4] = {"試験用\"引用\"", "           180"};
    PullOutSafetyTable[0][1] = {"ロックボルト（仮設）", "     1.5"};
    StandardName[3] = "日本道路協会（改）";
    AllowableStressTable[3][4] = {"36", "12.0", "0.27", "1.9", "180"};
    const auto steel = SteelStressTable;
    const auto weights = UnitWeightTable;
    const auto plate = PlateStressTable;
    const auto pullOut = PullOutSafetyTable;
    const auto stresses = AllowableStressTable;
    const auto names = StandardName;

    const std::string bytes = SerializeSettings();
    InitAllTables();
    ASSERT_EQ(LoadSettingsFromBytes(bytes, 19200, 14400), SettingsStatus::Loaded);
    for (std::size_t r = 0; r < 5; ++r) {
        EXPECT_EQ(SteelStressTable[r].Name, steel[r].Name);
        EXPECT_EQ(SteelStressTable[r].TauSa, steel[r].TauSa);
        EXPECT_EQ(SteelStressTable[r].SigmaSa, steel[r].SigmaSa);
        EXPECT_EQ(PlateStressTable[r].Name, IniTextForm(plate[r].Name));
        EXPECT_EQ(PlateStressTable[r].Value, plate[r].Value);
        for (std::size_t g = 0; g < 4; ++g) {
            EXPECT_EQ(UnitWeightTable[g][r].Name, weights[g][r].Name);
            EXPECT_EQ(UnitWeightTable[g][r].Value, weights[g][r].Value);
        }
        for (std::size_t g = 0; g < 2; ++g) {
            EXPECT_EQ(PullOutSafetyTable[g][r].Name, pullOut[g][r].Name);
            EXPECT_EQ(PullOutSafetyTable[g][r].Value, pullOut[g][r].Value);
        }
        for (std::size_t s = 0; s < 4; ++s) {
            EXPECT_EQ(AllowableStressTable[s][r].SigmaCk, stresses[s][r].SigmaCk);
            EXPECT_EQ(AllowableStressTable[s][r].TauCa, stresses[s][r].TauCa);
            EXPECT_EQ(AllowableStressTable[s][r].SigmaSa, stresses[s][r].SigmaSa);
        }
    }
    EXPECT_EQ(StandardName, names);
}

}  // namespace
}  // namespace talvo::standards
