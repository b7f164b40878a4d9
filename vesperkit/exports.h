#pragma once
// Every export of the sprite engine, once: (result, name, (parameters)).
#include "interfaces/exports.h"
#include "interfaces/host.h"
#include "interfaces/script_values.h"

#define VESPERKIT_EXPORTS(X)                                   \
    /* plug-in entry */                                        \
    X(int, Init, (IHostcore * host, int cache_megabytes))      \
    X(IInterface*, GetInterface, (const GUID* iid))            \
    /* frame update, timing, system switches */                \
    X(int, Debug_GetFillRate, ())                              \
    X(int, Update, ())                                         \
    X(float, FPS_Get, ())                                      \
    X(int, FPS_GetShow, ())                                    \
    X(void, FPS_SetShow, (int show))                           \
    X(int, Timer_Get, ())                                      \
    X(int, SYSTEM_IsResetOnce, ())                             \
    X(int, SYSTEM_GetConfigFrameSkipWhileMessageSkip, ())      \
    X(void, SYSTEM_SetConfigFrameSkipWhileMessageSkip, (int on)) \
    X(int, SYSTEM_GetConfigOverFrameRateSleep, ())             \
    X(void, SYSTEM_SetConfigOverFrameRateSleep, (int on))      \
    X(int, SYSTEM_GetConfigSleepByInactiveWindow, ())          \
    X(void, SYSTEM_SetConfigSleepByInactiveWindow, (int on))   \
    X(int, SYSTEM_GetInvalidateFrameSkipWhileMessageSkip, ())  \
    X(void, SYSTEM_SetInvalidateFrameSkipWhileMessageSkip, (int on)) \
    X(int, SYSTEM_GetReadMessageSkipping, ())                  \
    X(void, SYSTEM_SetReadMessageSkipping, (int on))           \
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
    /* hit tests */                                            \
    X(int, SP_IsPtIn, (int sprite, int x, int y))              \
    X(int, SP_IsPtInRect, (int sprite, int x, int y))          \
    /* pixel queries and CG pixel operations */                \
    X(int, SP_GetPixelValue, (int sprite, int x, int y, int* r, int* g, int* b)) \
    X(int, SP_GetAMapValue, (int sprite, int x, int y))        \
    X(void, CG_BlendAMapBin, (int destination, int dx, int dy, int source, int sx, int sy, int width, int height, int threshold)) \
    X(void, CG_RotateRGB, (int sprite, int x, int y, int width, int height, int rotation)) \
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
    X(int, GAME_MSG_GetNumof, ())                              \
    /* sprites */                                              \
    X(int, SP_Create, (int nSP, int nWidth, int nHeight, int r, int g, int b, int blend)) \
    X(int, SP_CreatePixelOnly, (int nSP, int nWidth, int nHeight)) \
    X(int, SP_CreateCustom, (int nSP))                         \
    X(int, SP_CreateCopy, (int nDestSP, int nSrcSP))           \
    X(int, SP_Delete, (int nSP))                               \
    X(void, SP_DeleteAll, ())                                  \
    X(int, SP_IsUsing, (int nSP))                              \
    X(int, SP_GetUnuseNum, (int nMin))                         \
    X(int, SP_GetMaxZ, ())                                     \
    X(int, SP_Count, ())                                       \
    X(int, SP_Enum, (IArray * array))                          \
    X(int, SP_SetPos, (int nSP, int x, int y))                 \
    X(int, SP_SetX, (int nSP, int nX))                         \
    X(int, SP_SetY, (int nSP, int nY))                         \
    X(int, SP_SetZ, (int nSP, int nZ))                         \
    X(int, SP_SetBlendRate, (int nSP, int nBlendRate))         \
    X(int, SP_SetBrightness, (int nSP, int nBrightness))       \
    X(int, SP_SetShow, (int nSP, int bShow))                   \
    X(int, SP_SetDrawMethod, (int nSP, int nMethod))           \
    X(int, SP_GetPosX, (int nSP))                              \
    X(int, SP_GetPosY, (int nSP))                              \
    X(int, SP_GetZ, (int nSP))                                 \
    X(int, SP_GetWidth, (int nSP))                             \
    X(int, SP_GetHeight, (int nSP))                            \
    X(int, SP_GetBlendRate, (int nSP))                         \
    X(int, SP_GetBrightness, (int nSP))                        \
    X(int, SP_GetShow, (int nSP))                              \
    X(int, SP_GetDrawMethod, (int nSP))                        \
    X(int, SP_ExistAlpha, (int nSP))                           \
    /* CG and wallpaper */                                     \
    X(int, SP_SetCG, (int nSP, int nCG))                       \
    X(int, SP_SetCGFromFile, (int nSP, IString * path))        \
    X(int, SP_SaveCG, (int nSP, IString * path))               \
    X(int, CG_IsExist, (int nCG))                              \
    X(int, CG_GetMetrics, (int nCG, IPage * page))             \
    X(int, SetWP, (int nCG))                                   \
    X(int, SetWP_Color, (int r, int g, int b))                 \
    X(int, WP_SetSP, (int nSP))                                \
    X(int, WP_GetSP, (int nSP))

#ifndef VK_EXPORT_LISTS_ONLY
VESPERKIT_EXPORTS(VK_DECLARE_EXPORT)
#endif
