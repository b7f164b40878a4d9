#pragma once
// The export of a service module: "CreateInterface" (the host library: "GetInterface").
#include "interfaces/iinterface.h"

#define HOST_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
