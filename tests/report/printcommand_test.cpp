// The print command's checks: the rows to report must be chosen (the
// vertical one too when the report has two result sets), the engineer may
// back out of printing OUT results, and the chosen rows are recorded for
// the report pages.
#include "report/printcommand.h"

#include <gtest/gtest.h>

#include "results/rebuild.h"
#include "shell/globals.h"
#include "support/filled_design.h"
#include "support/scripted_messages.h"

namespace talvo {
namespace {

const char* const kChooseRows = "印刷箇所を指定してください。";

TEST(PrintCommand, RowsMustBeChosenAndAreRecorded) {
    struct Case {
        int type;
        std::int16_t sameSection;
        std::int16_t tate, yoko;  // KekkaPrintRow
        bool prints;
        std::int16_t caseTate, caseYoko;
    };
    const Case cases[] = {
        {0, 0, 2, 3, true, 1, 8},    {0, 0, 2, 0, false, -9, -9},  // no horizontal row
        {0, 0, 0, 3, false, -9, -9},                               // two sets, no vertical row
        {0, 1, 0, 3, true, -1, 8},  // one common section: the horizontal row is enough
        {2, 0, 0, 1, true, -1, 6},  // greening work: horizontal beams only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " rows " << c.tate << c.yoko);
        test::FillDesign(static_cast<std::int16_t>(c.type));
        Design.SameSection = c.sameSection;
        Design.KekkaPrintRow = {c.tate, c.yoko};
        ResultColor = {};  // nothing OUT: no question
        Design.AncBarFs = "  1.5";
        Design.AncBarTauS = "26.0";
        Design.AncBarTauSa = "80";
        PrintCaseTate = PrintCaseYoko = -9;
        test::ScriptedMessages messages;
        if (!c.prints) messages.Expect(kChooseRows);
        EXPECT_EQ(PreparePrint(), c.prints);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(PrintCaseTate, c.caseTate);
        EXPECT_EQ(PrintCaseYoko, c.caseYoko);
    }
}

// An OUT value in a chosen row: the question first; No changes nothing.
TEST(PrintCommand, OutResultsAskFirst) {
    // Answers the results' own question, whatever its text.
    struct Answer : MessageSink {
        MsgResult answer = MsgResult::No;
        int asked = 0;
        MsgResult Show(const MessageRequest&) override {
            ++asked;
            return answer;
        }
    };
    for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        test::FillDesign(0);
        Design.SameSection = 0;
        Design.KekkaPrintRow = {1, 1};
        ResultColor = {};
        ResultColor[1][3][0] = ColorOut;  // σs of the horizontal print row
        PrintCaseTate = PrintCaseYoko = -9;
        Answer sink;
        sink.answer = answer;
        MessageSink* previous = SetMessageSink(&sink);
        const bool printed = PreparePrint();
        SetMessageSink(previous);
        EXPECT_EQ(sink.asked, 1);
        EXPECT_EQ(printed, answer == MsgResult::Yes);
        EXPECT_EQ(PrintCaseYoko, answer == MsgResult::Yes ? 6 : -9);
    }
}

}  // namespace
}  // namespace talvo
