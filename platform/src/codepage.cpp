#include "platform/codepage.h"

#include <iconv.h>

#include <atomic>
#include <cerrno>

namespace platform {
namespace {

std::atomic<int> ansi{kCodePageShiftJis};

const char* iconv_name(int code_page) {
    switch (code_page) {
    case kCodePageShiftJis: return "CP932";
    case kCodePageGbk: return "CP936";
    case kCodePageUtf8: return "UTF-8";
    default: return nullptr;
    }
}

std::string convert_with(const std::string& text, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out;
    char* in = const_cast<char*>(text.data());
    size_t in_left = text.size();
    char buffer[1024];
    while (in_left > 0) {
        char* o = buffer;
        size_t o_left = sizeof buffer;
        size_t r = iconv(cd, &in, &in_left, &o, &o_left);
        out.append(buffer, o - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // An unconvertible or truncated sequence: one '?' for its first byte, then go on.
            out.push_back('?');
            ++in;
            --in_left;
        }
    }
    char* o = buffer;
    size_t o_left = sizeof buffer;
    iconv(cd, nullptr, nullptr, &o, &o_left);
    out.append(buffer, o - buffer);
    iconv_close(cd);
    return out;
}

}  // namespace

int ansi_code_page() { return ansi.load(); }

void set_ansi_code_page(int code_page) {
    if (code_page == kCodePageShiftJis || code_page == kCodePageGbk) ansi.store(code_page);
}

bool is_lead_byte(int code_page, unsigned char b) {
    switch (code_page) {
    case kCodePageShiftJis: return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case kCodePageGbk: return b >= 0x81 && b <= 0xFE;
    default: return false;
    }
}

std::string convert(const std::string& text, int from_code_page, int to_code_page) {
    const char* from = iconv_name(from_code_page);
    const char* to = iconv_name(to_code_page);
    if (!from || !to || from_code_page == to_code_page) return text;
    return convert_with(text, from, to);
}

std::u16string to_wide(const std::string& text, int code_page) {
    const char* from = iconv_name(code_page);
    std::string bytes = convert_with(text, from ? from : "CP932", "UTF-16LE");
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return out;
}

}  // namespace platform
