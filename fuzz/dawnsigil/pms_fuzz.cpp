// PMS pictures: headers, offsets, palettes and the run codes of both depths and of the alpha.
#include "picture_fuzz.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    dawnsigil_fuzz::silence_message_boxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dawnsigil_fuzz::load_as(data, size, "PM", 2);
    return 0;
}
