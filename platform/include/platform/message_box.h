#pragma once
// Message boxes (MessageBoxA). The host sets a sink that shows them and answers; without one they
// are written to stderr and answered with the default button.
#include <functional>
#include <string>
#include "platform/window.h"

namespace platform {

enum class MessageBoxButtons { kOk, kOkCancel, kRetryCancel, kYesNo };
enum class MessageBoxIcon { kNone, kStop, kWarning, kInformation, kQuestion };
enum class MessageBoxAnswer { kOk = 1, kCancel = 2, kRetry = 4, kYes = 6, kNo = 7 };

struct MessageBoxRequest {
    WindowHandle owner = nullptr;
    bool has_title = false;  // false: the system's default caption
    std::string title;       // ANSI code page
    std::string text;        // ANSI code page
    MessageBoxButtons buttons = MessageBoxButtons::kOk;
    MessageBoxIcon icon = MessageBoxIcon::kNone;
    bool foreground = false;
    bool topmost = false;
};

using MessageBoxSink = std::function<MessageBoxAnswer(const MessageBoxRequest&)>;

// A null sink restores the default (stderr, default button: OK, Cancel for Retry/Cancel, No).
void set_message_box_sink(MessageBoxSink sink);
MessageBoxAnswer message_box(const MessageBoxRequest& request);

}  // namespace platform
