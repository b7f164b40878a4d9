#include "platform/message_box.h"

#include <cstdio>
#include <mutex>

#include "platform/codepage.h"

namespace platform {
namespace {

std::mutex sink_mutex;
MessageBoxSink& sink() {
    static MessageBoxSink* s = new MessageBoxSink;
    return *s;
}

MessageBoxAnswer default_answer(MessageBoxButtons buttons) {
    switch (buttons) {
    case MessageBoxButtons::kOk: return MessageBoxAnswer::kOk;
    case MessageBoxButtons::kOkCancel: return MessageBoxAnswer::kOk;
    case MessageBoxButtons::kRetryCancel: return MessageBoxAnswer::kCancel;  // never loops
    case MessageBoxButtons::kYesNo: return MessageBoxAnswer::kNo;
    }
    return MessageBoxAnswer::kOk;
}

MessageBoxAnswer write_to_stderr(const MessageBoxRequest& request) {
    std::fprintf(stderr, "[message box] %s\n%s\n", request.has_title ? to_utf8(request.title).c_str() : "(no title)",
                 to_utf8(request.text).c_str());
    return default_answer(request.buttons);
}

}  // namespace

void set_message_box_sink(MessageBoxSink new_sink) {
    std::lock_guard lock(sink_mutex);
    sink() = std::move(new_sink);
}

MessageBoxAnswer message_box(const MessageBoxRequest& request) {
    MessageBoxSink current;
    {
        std::lock_guard lock(sink_mutex);
        current = sink();
    }
    return current ? current(request) : write_to_stderr(request);
}

}  // namespace platform
