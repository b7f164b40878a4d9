#include "dawnsigil/message.h"

#include <cstdarg>
#include <cstdio>

#include "platform/message_box.h"

namespace dawnsigil {

void show_message(const char* format, ...) {
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    platform::MessageBoxRequest request;
    request.owner = nullptr;
    request.has_title = true;
    request.title = kMessageTitle;
    request.text = text;
    request.topmost = true;
    platform::message_box(request);
}

}  // namespace dawnsigil
