// The print rows and the question before results marked OUT are printed.
#include "results/printrows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "results/checked_designs.h"
#include "results/designchecks.h"
#include "results/resulttable.h"
#include "shell/design.h"
#include "support/filled_design.h"
#include "support/scripted_messages.h"

namespace talvo::test {
namespace {

const char* const kOutQuestion =
    "印刷対象となっている結果にはｏｕｔとなる項目があります。\r印刷しますか？";
const char* const kMissingQuestion = "未入力の項目があります。\r印刷しますか？";
const char* const kMissingAndOutQuestion =
    "未入力の項目があります。\r"
    "印刷対象となっている結果にはｏｕｔとなる項目があります。\r印刷しますか？";

TEST(PrintRows, CompleteWhenEverySetInUseHasARow) {
    struct Case {
        std::int16_t workType, sameSection, vertical, horizontal;
        bool complete;
    };
    const Case cases[] = {
        {0, 0, 0, 0, false}, {0, 0, 1, 0, false}, {0, 0, 0, 2, false}, {0, 0, 1, 2, true},
        {4, 1, 0, 3, true},  {2, 0, 0, 3, true},  {2, 0, 0, 0, false}, {2, 1, 4, 0, false},
    };
    for (const Case& c : cases) {
        ResetCalcState();
        Design.WorkType = c.workType;
        Design.SameSection = c.sameSection;
        Design.KekkaPrintRow = {c.vertical, c.horizontal};
        EXPECT_EQ(PrintRowsComplete(), c.complete)
            << c.workType << " " << c.sameSection << " " << c.vertical << " " << c.horizontal;
    }
    Design.KekkaPrintRow = {3, 6};
    EXPECT_EQ(PrintTableRow(0), 2);
    EXPECT_EQ(PrintTableRow(1), 11);
    Design.KekkaPrintRow = {0, 7};
    EXPECT_EQ(PrintTableRow(0), -1);
    EXPECT_EQ(PrintTableRow(1), -1);
}

TEST(InsAkaCheck, AsksOnlyForARedValueOfAPrintRowThatStopsAPrint) {
    struct Case {
        const char* name;
        std::int16_t sameSection, shownSet;
        int set, row, column;
        std::int32_t color;
        bool asks;
    };
    // Print rows: row 2 of the vertical set (table row 1), row 4 of the
    // horizontal one (table row 9).
    const Case cases[] = {
        {"count", 0, 0, 0, 1, ColBarCount, ColorOut, true},
        {"As", 0, 0, 0, 1, ColAs, ColorOut, true},
        {"σs", 0, 0, 0, 1, ColSigmaS, ColorOut, true},
        {"σc", 0, 0, 0, 1, ColSigmaC, ColorOut, true},
        {"τo", 0, 0, 0, 1, ColTauO, ColorOut, true},
        {"adopted spacing", 0, 0, 0, 1, ColPitch, ColorOut, true},
        {"τc: stirrups answer it", 0, 0, 0, 1, ColTauC, ColorOut, false},
        {"required spacing", 0, 0, 0, 1, ColPitchReq, ColorOut, false},
        {"bar size", 0, 0, 0, 1, ColBar, ColorOut, false},
        {"stirrup size", 0, 0, 0, 1, ColStirrupBar, ColorOut, false},
        {"stirrup legs", 0, 0, 0, 1, ColStirrupCount, ColorOut, false},
        {"a stepped count", 0, 0, 0, 1, ColBarCount, ColorStepped, false},
        {"a row not printed", 0, 0, 0, 2, ColAs, ColorOut, false},
        // Whichever set is shown, both print rows count.
        {"other set's row, vertical shown", 0, 0, 1, 9, ColSigmaS, ColorOut, true},
        {"other set's row, horizontal shown", 0, 1, 0, 1, ColSigmaS, ColorOut, true},
        // With one section only the horizontal set is printed.
        {"one section, vertical row", 1, 1, 0, 1, ColSigmaS, ColorOut, false},
        {"one section, horizontal row", 1, 1, 1, 9, ColSigmaS, ColorOut, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Every entry given and a main anchor bar that passes: only the grid
        // can ask here.
        FillDesign(0);
        Design.AncBarFs = "  1.5";
        Design.AncBarTauS = "26.0";
        Design.AncBarTauSa = "80";
        Design.SameSection = c.sameSection;
        Design.KekkaTab = c.shownSet;
        Design.KekkaPrintRow = {2, 4};
        CellColor(c.set, c.column, c.row) = c.color;
        EXPECT_EQ(PrintRowsHoldOut(), c.asks);

        ScriptedMessages messages;
        if (c.asks) {
            messages.Expect(kOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
        }
        EXPECT_EQ(Ins_Aka_Check(), c.asks ? -1 : 0);
        if (c.asks) {
            // Enter answers No: the report is not built.
            ASSERT_EQ(messages.Shown().size(), 1u);
            EXPECT_EQ(messages.Shown()[0].defaultButton, 1);
            EXPECT_EQ(messages.Shown()[0].title, "Talvo-SI");
        }
    }
}

// The checks beside the grid ask too, in both reports alike: a design whose
// print rows hold nothing red is asked about once one of them fails.
TEST(InsAkaCheck, AsksForAFailedCheckOfTheAnchorsPlateOrMainAnchorBar) {
    struct Case {
        const char* name;
        std::int16_t workType;
        std::function<void(DesignData&)> change;
        const char* question;  // null: nothing is asked
    };
    const auto none = [](DesignData&) {};
    const char* const no = nullptr;
    const char* const out = kOutQuestion;
    const Case cases[] = {
        {"frame: every check holds", 0, none, no},
        {"frame: τs over τsa", 0, [](DesignData& d) { d.AncBarTauSa = "   25"; }, out},
        {"frame: τs of no Fs", 1, [](DesignData& d) { d.AncBarTauS = ""; }, out},
        {"greening: τs over τsa", 2, [](DesignData& d) { d.AncBarTauS = "80.1"; }, out},
        {"rock bolt: every check holds", 3, none, no},
        {"rock bolt: shear", 3, [](DesignData& d) { d.RockTau = "80.1"; }, out},
        {"rock bolt: tension", 3, [](DesignData& d) { d.RockSigma = "160.1"; }, out},
        {"rock bolt: La under La1", 3, [](DesignData& d) { d.RockLa = " 1.8"; }, out},
        // A required entry never entered is named first; its check fails too.
        {"rock bolt: no La", 3, [](DesignData& d) { d.RockLa = ""; }, kMissingAndOutQuestion},
        // With Pt entered the bolt steel and its lengths are not designed.
        {"rock bolt, Pt entered: La under La1", 3,
         [](DesignData& d) {
             d.PtDirect = 1;
             d.PtInput = d.Pt;
             d.RockLa = " 1.8";
         },
         no},
        {"anchor: every check holds", 4, none, no},
        {"anchor: tensile load", 4, [](DesignData& d) { d.TusAllow = "  29.40"; }, out},
        {"anchor: yield load", 4, [](DesignData& d) { d.TysAllow = "  29.40"; }, out},
        {"anchor: La under La2", 4, [](DesignData& d) { d.BondLa2Up = "3.1"; }, out},
        {"anchor: bearing", 4, [](DesignData& d) { d.SigmaB = "5.31"; }, out},
        {"anchor: bearing not computed", 4, [](DesignData& d) { d.SigmaB = ""; }, out},
        {"anchor: plate thinner", 4, [](DesignData& d) { d.PlateT = " 8.4"; }, out},
        {"anchor: plate as required", 4, [](DesignData& d) { d.PlateT = " 8.5"; }, no},
        {"anchor: no plate thickness", 4, [](DesignData& d) { d.PlateT = ""; }, out},
        {"anchor, Pt entered: tendon and La not designed", 4,
         [](DesignData& d) {
             d.PtDirect = 1;
             d.PtInput = d.Pt;
             d.TusAllow = "";
             d.BondLa2Up = "3.1";
         },
         no},
        // An entry never entered asks, naming what is missing.
        {"frame: no ΔFs", 0, [](DesignData& d) { d.DeltaFs = ""; }, kMissingQuestion},
        {"anchor: no σck", 4, [](DesignData& d) { d.SigmaCk = " "; }, kMissingQuestion},
        {"anchor, Pt entered: no Pt", 4,
         [](DesignData& d) {
             d.PtDirect = 1;
             d.PtInput = "";
         },
         kMissingQuestion},
        {"anchor, Pt entered: plate thinner", 4,
         [](DesignData& d) {
             d.PtDirect = 1;
             d.PtInput = d.Pt;
             d.PlateT = " 8.4";
         },
         out},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PassingDesign(c.workType);
        Design.KekkaPrintRow = {1, 1};
        ResultColor = {};
        c.change(Design);
        ASSERT_FALSE(PrintRowsHoldOut());
        const bool asks = c.question != nullptr;
        EXPECT_EQ(DesignChecksFail(), asks);
        ScriptedMessages messages;
        if (asks)
            messages.Expect(c.question, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
        EXPECT_EQ(Ins_Aka_Check(), asks ? -1 : 0);
        EXPECT_TRUE(messages.AllShown());
        if (asks) {
            ASSERT_EQ(messages.Shown().size(), 1u);
            EXPECT_EQ(messages.Shown()[0].defaultButton, 1);
        }
    }
}

TEST(InsAkaCheck, YesPrints) {
    PassingDesign(2);
    ResultColor = {};
    Design.KekkaPrintRow = {0, 1};
    CellColor(1, ColAs, 6) = ColorOut;
    ScriptedMessages messages;
    messages.Expect(kOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::Yes);
    EXPECT_EQ(Ins_Aka_Check(), 0);
}

// What the entries lack is said first, in the order missing, out of range;
// the OUT of the results follows it where there is one, then the question.
TEST(InsAkaCheck, SaysFirstWhatTheEntriesLack) {
    struct Case {
        const char* name;
        std::function<void(DesignData&)> change;
        bool redRow;
        const char* question;
    };
    const auto noTus = [](DesignData& d) { d.Tus = ""; };
    const auto yieldAbove = [](DesignData& d) {
        d.Tus = "   400";
        d.Tys = "   500";
    };
    const Case cases[] = {
        {"missing", noTus, false, "未入力の項目があります。\r印刷しますか？"},
        {"out of range", yieldAbove, false, "範囲外の項目があります。\r印刷しますか？"},
        {"not a number is missing", [](DesignData& d) { d.FrameGamma = "."; }, false,
         "未入力の項目があります。\r印刷しますか？"},
        {"both",
         [](DesignData& d) {
             d.SigmaCk = "";
             d.Tus = "  50.6";
         },
         false, "未入力の項目と範囲外の項目があります。\r印刷しますか？"},
        {"both and a red print row",
         [](DesignData& d) {
             d.SigmaCk = "";
             d.PitchX = "10.5";
         },
         true,
         "未入力の項目と範囲外の項目があります。\r"
         "印刷対象となっている結果にはｏｕｔとなる項目があります。\r印刷しますか？"},
        {"out of range and a red print row", yieldAbove, true,
         "範囲外の項目があります。\r"
         "印刷対象となっている結果にはｏｕｔとなる項目があります。\r印刷しますか？"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PassingDesign(4);
        Design.KekkaPrintRow = {1, 1};
        ResultColor = {};
        c.change(Design);
        if (c.redRow) CellColor(1, ColSigmaS, 6) = ColorOut;
        ScriptedMessages messages;
        messages.Expect(c.question, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
        EXPECT_EQ(Ins_Aka_Check(), -1);
        EXPECT_TRUE(messages.AllShown());
    }
}

}  // namespace
}  // namespace talvo::test
