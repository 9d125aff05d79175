// The message box, as the core sees it. The windows install a Qt
// implementation; tests install a scripted one that checks every text.
#pragma once

#include <string>

namespace talvo {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Exclamation, Question, Information };
enum class MsgResult { Ok, Cancel, Yes, No };

inline constexpr const char* kAppTitle = "Talvo-SI";

struct MessageRequest {
    std::string text;  // line breaks as "\r" (a carriage return) or "\n"
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::Exclamation;
    int defaultButton = 0;  // 0 first, 1 second, 2 third button
    std::string title = kAppTitle;
    bool helpButton = false;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MsgResult Show(const MessageRequest& request) = 0;
};

// Installs the sink that shows every message; returns the previous one.
// With no sink installed a message is answered with the default button.
MessageSink* SetMessageSink(MessageSink* sink);
MessageSink* CurrentMessageSink();

// The answer of a message nobody sees: its default button.
MsgResult DefaultAnswer(const MessageRequest& request);

MsgResult ShowMessage(const MessageRequest& request);
// How many messages have been shown in this run: a caller can tell whether a
// procedure it ran asked the engineer something.
unsigned long ShownMessageCount();
MsgResult MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::Exclamation, int defaultButton = 0,
                 const std::string& title = kAppTitle);

}  // namespace talvo
