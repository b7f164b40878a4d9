#include "vesperkit/util/pop_front.h"

#include <algorithm>

#include "platform/codepage.h"

namespace vesperkit::util {

int pop_front_character(std::string_view text, std::string_view& taken) {
    taken = {};
    if (text.empty()) return 0;
    if (!platform::is_lead_byte(static_cast<unsigned char>(text[0]))) {
        taken = text.substr(0, 1);
        return 1;
    }
    taken = text.substr(0, std::min<size_t>(2, text.size()));
    return 2;
}

}  // namespace vesperkit::util
