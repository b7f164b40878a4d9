#pragma once
// Every export of the file-operation library, once: (result, name, (parameters)). Paths are script
// strings in the ANSI code page with backslash separators; every result is 0 or 1.
#include "interfaces/exports.h"
#include "interfaces/script_values.h"

#define ORDWELL_EXPORTS(X)                                                                          \
    X(int, ExistFile, (IString * path))                                                             \
    X(int, ExistFolder, (IString * path))                                                           \
    X(int, GetFileSize, (IString * path, int* size))                                                \
    X(int, GetFileCreationTime,                                                                     \
      (IString * path, int* year, int* month, int* day, int* day_of_week, int* hour, int* minute, \
       int* second))                                                                                \
    X(int, GetFileLastAccessTime,                                                                   \
      (IString * path, int* year, int* month, int* day, int* day_of_week, int* hour, int* minute, \
       int* second))                                                                                \
    X(int, GetFileLastWriteTime,                                                                    \
      (IString * path, int* year, int* month, int* day, int* day_of_week, int* hour, int* minute, \
       int* second))                                                                                \
    X(int, CopyFile, (IString * destination, IString * source))                                     \
    X(int, DeleteFile, (IString * path))                                                            \
    X(int, CreateFolder, (IString * path))                                                          \
    X(int, DeleteFolder, (IString * path))                                                          \
    X(int, GetFileList, (IString * folder, IArray * names))                                         \
    X(int, GetFolderList, (IString * folder, IArray * names))

#ifndef VK_EXPORT_LISTS_ONLY
ORDWELL_EXPORTS(VK_DECLARE_EXPORT)
#endif
