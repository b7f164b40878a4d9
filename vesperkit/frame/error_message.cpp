#include "vesperkit/frame/error_message.h"

#include <cstdio>
#include <string>

#include "interfaces/guids.h"
#include "platform/debug_output.h"
#include "platform/message_box.h"

namespace {

// vsnprintf never writes past the buffer: longer texts are cut at 16 383 characters.
std::string format_report(const char* format, va_list args) {
    char buffer[kReportBufferSize];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    return buffer;
}

}  // namespace

void CErrorMessage::Open(const char* format, ...) {
    va_list args;
    va_start(args, format);
    OpenV(format, args);
    va_end(args);
}

void CErrorMessage::OpenV(const char* format, va_list args) {
    if (!format) {
        platform::output_debug_string("〓ERROR〓 format=NULL @ CErrorMessage::Open @ TARN2\n");
        return;
    }
    const std::string text = format_report(format, args);
    if (!m_pIVM) {
        platform::output_debug_string("〓ERROR〓 m_pIVM=NULL @ CErrorMessage::Open @ TARN2\n");
        platform::MessageBoxRequest box;
        box.text = text;
        box.icon = platform::MessageBoxIcon::kStop;
        platform::message_box(box);
        return;
    }
    auto* display = static_cast<IVMErrorMsg*>(m_pIVM->GetInterface(IID_IVMErrorMsg));
    if (display) display->Show(text.c_str());
}

void CErrorMessage::SetHostInterfaces(IVM* vm, IMsgBox* msg_box, IShutdown* shutdown, IVMDebugPause* debug_pause,
                                      IVMFuncName* func_name, IVMCallStack* call_stack) {
    m_pIVM = vm;
    m_pIMsgBox = msg_box;
    m_pIShutdown = shutdown;
    m_pIVMDebugPause = debug_pause;
    m_pIVMFuncName = func_name;
    m_pIVMCallStack = call_stack;
}

int CErrorMessage::Report(const char* text) {
    Open("%s\n", text ? text : "");
    return 0;
}

bool ShowPlainMessageBox(const char* format, ...) {
    va_list args;
    va_start(args, format);
    platform::MessageBoxRequest box;
    box.has_title = true;
    box.title = "Vesperkit.dll";
    box.text = format_report(format, args);
    box.buttons = platform::MessageBoxButtons::kOk;
    box.foreground = true;
    box.topmost = true;
    va_end(args);
    platform::message_box(box);
    return false;
}
