// The deformed-bar dialog: its grid at load, each column's range and
// decimals, the bar name cut to three bytes, and what OK writes.
#include <QHeaderView>

#include "standards/settingtables.h"
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"

namespace talvo::test {
namespace {

class FKikakuTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        w = Show(new FKikaku);
    }
    Grid* G() const { return w->sprStandard; }
    FKikaku* w = nullptr;
};

TEST_F(FKikakuTest, ShowsTheTableWithDecimalsBySize) {
    SaveShotIfAsked(w, "FKikaku");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("異形鉄筋の規格"));
    const char* headers[5] = {"呼び名", "単位質量(kg/m)", "公称直径(mm)", "公称断面積(cm^2)",
                              "公称周長(cm)"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(Str(G()->horizontalHeaderItem(c)->text()), headers[c]);
    const char* row1[5] = {"        D10", "       0.560", "       9.53", "       0.7133",
                           "       3.0"};
    const char* row12[5] = {"        D51", "      15.9", "      50.8", "      20.27", "      16.0"};
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(Cell(G(), c, 1), row1[c - 1]);
        EXPECT_EQ(Cell(G(), c, 12), row12[c - 1]);
    }
    EXPECT_EQ(w->Working(0), "       0.560");
    EXPECT_EQ(w->FieldCount(), 48);
}

TEST_F(FKikakuTest, EachColumnChecksItsRangeAndShowsItsDecimals) {
    const std::string mass = "値が有効範囲にありません。(有効範囲　0.001～99.9)";
    const std::string area = "値が有効範囲にありません。(有効範囲　0.0001～99.99)";
    const std::string perimeter = "値が有効範囲にありません。(有効範囲　0.1～99.9)";
    struct Case {
        int col;
        const char* typed;
        std::string message;
        const char* shown;  // the cell afterwards
    };
    const Case cases[] = {
        {2, "10", "", "      10.0"},         {2, "9.99", "", "       9.99"},
        {2, "0.999", "", "       0.999"},    {2, "99.9", "", "      99.9"},
        {2, "0.001", "", "       0.001"},    {2, "99.91", mass, "       0.995"},
        {3, "0.0009", mass, "      12.7"},   {3, "１２．５", "", "      12.5"},
        {3, "12.5mm", "", "      12.5"},     {3, "abc", mass, "      12.7"},
        {4, "10", "", "      10.00"},        {4, "0.5", "", "       0.5000"},
        {4, "99.99", "", "      99.99"},     {4, "0.0001", "", "       0.0001"},
        {4, "100", area, "       1.267"},    {4, "0.00009", area, "       1.267"},
        {5, "0.1", "", "       0.1"},        {5, "99.9", "", "      99.9"},
        {5, "12.34", "", "      12.3"},      {5, "0.09", perimeter, "       4.0"},
        {5, "100", perimeter, "       4.0"}, {2, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + " " + c.typed);
        InitRebarSpecTable();
        w = Show(new FKikaku);
        // Row 2 is D13: 0.995, 12.7, 1.267, 4; a refused entry shows it again.
        if (!c.message.empty()) messages.Expect(c.message);
        EditCell(G(), c.col, 2, c.typed);
        EXPECT_EQ(Cell(G(), c.col, 2), c.shown);
        // The working copy holds the cell's last good text.
        EXPECT_EQ(w->Working(4 + c.col - 2), c.shown);
    }
}

TEST_F(FKikakuTest, ANameIsCutToThreeBytesAtAWholeCharacter) {
    struct Case {
        const char* typed;
        bool message;
        const char* cell;
    };
    const Case cases[] = {
        {"D100", true, "        D10"},
        {"ＤＥ", true, "        Ｄ"},
        {"D1Ｅ", true, "        D1"},
        {" D25", false, "        D25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        if (c.message) messages.Expect(standards::kBarNameTooLong);
        EditCell(G(), 1, 3, c.typed);
        EXPECT_EQ(Cell(G(), 1, 3), c.cell);
    }
    // The cell enters editing trimmed.
    EXPECT_EQ(EditorStart(G(), 1, 3), "D25");
}

TEST_F(FKikakuTest, AnEmptiedNameOrNumberStopsOk) {
    const std::string before = Tables();
    for (int col : {1, 4}) {
        SCOPED_TRACE(col);
        w = Show(new FKikaku);
        EditCell(G(), col, 5, "");
        messages.Expect(standards::kIncompleteMessage);
        PressOk();
        EXPECT_TRUE(Open());
        EXPECT_EQ(Tables(), before);
        EXPECT_EQ(Flags(), "00000");
    }
}

TEST_F(FKikakuTest, OkWritesTheTableAndRaisesFlagsByWorkType) {
    struct Case {
        int workType;
        const char* flags;
    };
    const Case cases[] = {{0, "00110"}, {2, "00110"}, {3, "10010"}, {4, "00010"}, {5, "00010"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.workType);
        InitRebarSpecTable();
        ResetProgramState();
        Design.WorkType = static_cast<std::int16_t>(c.workType);
        w = Show(new FKikaku);
        EditCell(G(), 1, 4, "Ｄ2");
        EditCell(G(), 3, 4, "19.2");
        EditCell(G(), 5, 4, "6.06");
        PressOk();
        EXPECT_FALSE(Open());
        EXPECT_EQ(RebarSpecTable[3].Name, "Ｄ2");
        EXPECT_DOUBLE_EQ(RebarSpecTable[3].Diameter, 19.2);
        EXPECT_DOUBLE_EQ(RebarSpecTable[3].Perimeter, 6.1);  // as shown
        EXPECT_DOUBLE_EQ(RebarSpecTable[3].Area, 2.865);
        EXPECT_EQ(Flags(), c.flags);
        EXPECT_EQ(DataChanged, 0);
    }
}

}  // namespace
}  // namespace talvo::test
