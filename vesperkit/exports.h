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
    X(int, GetScreenHeight, ())                                \
    /* CSV files */                                            \
    X(int, CSV_CountLines, ())                                 \
    X(int, CSV_CountColumns, ())                               \
    X(int, CSV_Set, (int line, int column, IString * text))    \
    X(void, CSV_Get, (IString * out, int line, int column))    \
    X(int, CSV_SetInt, (int line, int column, int value))      \
    X(int, CSV_GetInt, (int line, int column))                 \
    X(void, CSV_Realloc, (int lines, int columns))             \
    X(int, CSV_SaveAs, (IString * path))                       \
    X(int, CSV_Save, ())                                       \
    X(int, CSV_Load, (IString * path))                         \
    /* numbers, strings, date and time, game messages */       \
    X(void, IntToZenkaku, (IString * out, int value, int width, int zero_flag)) \
    X(void, IntToHankaku, (IString * out, int value, int width, int zero_flag)) \
    X(int, StringPopFront, (IString * out, IString * source))  \
    X(void, System_GetDate, (int* year, int* month, int* day, int* day_of_week)) \
    X(void, System_GetTime, (int* hour, int* minute, int* second, int* milliseconds)) \
    X(void, GAME_MSG_Get, (int number, IString * out))         \
    X(int, GAME_MSG_GetNumof, ())

#ifndef VK_EXPORT_LISTS_ONLY
VESPERKIT_EXPORTS(VK_DECLARE_EXPORT)
#endif
