#include "shell/message.h"

namespace talvo {

namespace {
MessageSink* g_sink = nullptr;
unsigned long g_shown = 0;
}  // namespace

MsgResult DefaultAnswer(const MessageRequest& r) {
    switch (r.buttons) {
        case MsgButtons::Ok:
            return MsgResult::Ok;
        case MsgButtons::OkCancel:
            return r.defaultButton == 1 ? MsgResult::Cancel : MsgResult::Ok;
        case MsgButtons::YesNo:
            return r.defaultButton == 1 ? MsgResult::No : MsgResult::Yes;
        case MsgButtons::YesNoCancel:
            return r.defaultButton == 2   ? MsgResult::Cancel
                   : r.defaultButton == 1 ? MsgResult::No
                                          : MsgResult::Yes;
    }
    return MsgResult::Ok;
}

MessageSink* SetMessageSink(MessageSink* sink) {
    MessageSink* old = g_sink;
    g_sink = sink;
    return old;
}

MessageSink* CurrentMessageSink() {
    return g_sink;
}

unsigned long ShownMessageCount() {
    return g_shown;
}

MsgResult ShowMessage(const MessageRequest& request) {
    ++g_shown;
    if (g_sink) return g_sink->Show(request);
    return DefaultAnswer(request);
}

MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
                 const std::string& title) {
    MessageRequest r;
    r.text = text;
    r.buttons = buttons;
    r.icon = icon;
    r.defaultButton = defaultButton;
    r.title = title;
    return ShowMessage(r);
}

}  // namespace talvo
