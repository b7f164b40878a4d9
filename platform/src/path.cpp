#include "platform/path.h"

#include "platform/codepage.h"

namespace platform {

std::string host_path(const char* script_path) {
    std::string out;
    if (!script_path) return out;
    const int cp = ansi_code_page();
    for (const char* p = script_path; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (is_lead_byte(cp, c) && p[1] != '\0') {
            out.push_back(*p);
            out.push_back(*++p);  // the trail byte may be 0x5C and is not a separator
        } else {
            out.push_back(c == '\\' ? '/' : *p);
        }
    }
    return out;
}

}  // namespace platform
