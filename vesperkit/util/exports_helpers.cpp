// Exports of the script helpers: numbers as fixed-width text, the first character of a string,
// the local date and time, and the VM's game messages.
#include <string>

#include "platform/clock.h"
#include "platform/debug_output.h"
#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/tarn.h"
#include "vesperkit/util/number_text.h"
#include "vesperkit/util/pop_front.h"

namespace {

void write_number(const char* export_name, IString* out, int value, int width, int zero_flag,
                  const vesperkit::util::NumberSymbols& symbols) {
    if (!out) return;
    if (width > vesperkit::util::kMaxNumberWidth) {
        const std::string note = std::string(export_name) + ": width " + std::to_string(width) +
                                 " is too wide; the string is left as it was\n";
        platform::output_debug_string(note.c_str());
        return;
    }
    out->Set(vesperkit::util::number_to_text(value, width, zero_flag != 0, symbols).c_str());
}

void store(int* field, int value) {
    if (field) *field = value;
}

}  // namespace

void IntToZenkaku(IString* out, int value, int width, int zero_flag) {
    vesperkit::guard_export([&] {
        write_number("IntToZenkaku", out, value, width, zero_flag, vesperkit::util::kFullWidthSymbols);
    });
}

void IntToHankaku(IString* out, int value, int width, int zero_flag) {
    vesperkit::guard_export([&] {
        write_number("IntToHankaku", out, value, width, zero_flag, vesperkit::util::kHalfWidthSymbols);
    });
}

int StringPopFront(IString* out, IString* source) {
    return vesperkit::guard_export(0, [&] {
        if (!out) return 0;
        const char* bytes = source ? source->Get() : nullptr;
        // Copied first: out and source may be one string, and Set invalidates what Get gave.
        const std::string text = bytes ? bytes : "";
        std::string_view taken;
        const int result = vesperkit::util::pop_front_character(text, taken);
        out->Set(std::string(taken).c_str());
        if (result > 0 && source) source->Set(text.c_str() + taken.size());
        return result;
    });
}

void System_GetDate(int* year, int* month, int* day, int* day_of_week) {
    const platform::LocalTime now = platform::local_time();
    store(year, now.year);
    store(month, now.month);
    store(day, now.day);
    store(day_of_week, now.day_of_week);
}

void System_GetTime(int* hour, int* minute, int* second, int* milliseconds) {
    const platform::LocalTime now = platform::local_time();
    store(hour, now.hour);
    store(minute, now.minute);
    store(second, now.second);
    store(milliseconds, now.milliseconds);
}

int GAME_MSG_GetNumof() {
    return g_pTARN && g_pTARN->m_pIVMGameMsg ? g_pTARN->m_pIVMGameMsg->GetNumof() : 0;
}

void GAME_MSG_Get(int number, IString* out) {
    vesperkit::guard_export([&] {
        if (!out) return;
        IVMGameMsg* messages = g_pTARN ? g_pTARN->m_pIVMGameMsg : nullptr;
        // The VM may have no text for a number; the script then gets an empty string.
        const char* text = messages ? messages->Get(number) : nullptr;
        out->Set(text ? text : "");
    });
}
