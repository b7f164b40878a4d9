// The root is made when the library is attached to the process; nothing happens at detach, since
// the host may still hold the root and release it later.
#include "vesperkit/frame/allocate.h"
#include "vesperkit/frame/tarn.h"

namespace {
__attribute__((constructor)) void attach_to_process() { g_pTARN = vesperkit::allocate<CTARN>("CTARN"); }
}  // namespace
