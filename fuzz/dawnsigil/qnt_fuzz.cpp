// QNT pictures: headers, stream sizes, zlib streams, prediction and the alpha plane.
#include "picture_fuzz.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    dawnsigil_fuzz::silence_message_boxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dawnsigil_fuzz::load_as(data, size, "QNT", 3);
    return 0;
}
