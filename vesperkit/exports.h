#pragma once
// Every export of the sprite engine, once: (result, name, (parameters)).
#include "interfaces/exports.h"
#include "interfaces/host.h"
#include "interfaces/script_values.h"

#define VESPERKIT_EXPORTS(X)                                   \
    /* plug-in entry */                                        \
    X(int, Init, (IHostcore * host, int cache_megabytes))      \
    X(IInterface*, GetInterface, (const GUID* iid))            \
    /* errors and diagnostics */                               \
    X(int, Error, (IString * text))                            \
    X(int, Debug_GetCurrentAllocatedMemorySize, ())            \
    X(int, Debug_GetMaxAllocatedMemorySize, ())                \
    X(void, Debug_GetFuncStack, (IString * out, int depth))    \
    X(void, Debug_Pause, ())

VESPERKIT_EXPORTS(VK_DECLARE_EXPORT)
