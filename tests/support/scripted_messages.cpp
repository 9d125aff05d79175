#include "support/scripted_messages.h"

#include <gtest/gtest.h>

namespace talvo::test {

ScriptedMessages::ScriptedMessages() {
    previous_ = SetMessageSink(this);
}

ScriptedMessages::~ScriptedMessages() {
    SetMessageSink(previous_);
    for (const auto& e : expected_) ADD_FAILURE() << "expected message was not shown: " << e.text;
}

ScriptedMessages& ScriptedMessages::Expect(const std::string& text, MsgResult answer) {
    expected_.push_back(Expected{text, false, MsgButtons::Ok, MsgIcon::Exclamation, answer});
    return *this;
}

ScriptedMessages& ScriptedMessages::Expect(const std::string& text, MsgButtons buttons,
                                           MsgIcon icon, MsgResult answer) {
    expected_.push_back(Expected{text, true, buttons, icon, answer});
    return *this;
}

MsgResult ScriptedMessages::Show(const MessageRequest& request) {
    shown_.push_back(request);
    if (onShow_) onShow_();
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message: " << request.text;
        return MsgResult::Ok;
    }
    Expected e = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(request.text, e.text);
    if (e.checkKind) {
        EXPECT_EQ(static_cast<int>(request.buttons), static_cast<int>(e.buttons)) << request.text;
        EXPECT_EQ(static_cast<int>(request.icon), static_cast<int>(e.icon)) << request.text;
    }
    return e.answer;
}

MsgResult UnexpectedMessages::Show(const MessageRequest& request) {
    ADD_FAILURE() << "unexpected message: " << request.text;
    return DefaultAnswer(request);
}

void InstallUnexpectedMessages() {
    static UnexpectedMessages sink;
    SetMessageSink(&sink);
}

}  // namespace talvo::test
