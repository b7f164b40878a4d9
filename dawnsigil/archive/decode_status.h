#pragma once
// How a picture decode ended. Only zlib's failures carry a text; the picture loader decides which
// ones the user is told about.
#include <string>

namespace dawnsigil::archive {

enum class DecodeError {
    kNone,
    kMalformed,     // a size, offset or code that does not fit the entry or the picture
    kInflateInit,   // zlib could not start
    kInflate,       // zlib reported an error; detail holds its text
    kInflateEnd,    // zlib could not finish
};

struct DecodeStatus {
    DecodeError error = DecodeError::kNone;
    std::string detail;
    bool ok() const { return error == DecodeError::kNone; }
};

}  // namespace dawnsigil::archive
