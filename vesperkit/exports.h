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
    X(void, Debug_Pause, ())                                   \
    /* input and screen size */                                \
    X(int, Key_IsDown, (int vk))                               \
    X(int, Key_ClearFlag, ())                                  \
    X(void, Key_ClearFlagNoCtrl, ())                           \
    X(void, Key_ClearFlagOne, (int vk))                        \
    X(int, KEY_GetState, (int vk))                             \
    X(int, Mouse_GetPos, (int* x, int* y))                     \
    X(void, Mouse_GetWheel, (int* first, int* second))         \
    X(void, Mouse_ClearWheel, ())                              \
    X(int, GetScreenWidth, ())                                 \
    X(int, GetScreenHeight, ())

#ifndef VK_EXPORT_LISTS_ONLY
VESPERKIT_EXPORTS(VK_DECLARE_EXPORT)
#endif
