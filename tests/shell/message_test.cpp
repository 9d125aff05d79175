#include "shell/message.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/scripted_messages.h"

namespace talvo {
namespace {

// A test that provokes a message nobody scripted fails, and the message is
// still answered with its default button; one that a script expects passes.
TEST(UnexpectedMessages, FailTheTestThatShowsThem) {
    MsgResult answer = MsgResult::Ok;
    EXPECT_NONFATAL_FAILURE(
        answer = MsgBox("データに変更があります。", MsgButtons::YesNoCancel, MsgIcon::Question, 1),
        "unexpected message: データに変更があります。");
    EXPECT_EQ(answer, MsgResult::No);

    test::ScriptedMessages script;
    script.Expect("印刷箇所を指定してください。");
    EXPECT_EQ(MsgBox("印刷箇所を指定してください。"), MsgResult::Ok);
}

}  // namespace
}  // namespace talvo
