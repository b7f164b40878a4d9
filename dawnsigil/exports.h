#pragma once
// Every export of the logo player, once: (result, name, (parameters)).
#include "interfaces/exports.h"
#include "interfaces/host.h"

#define DAWNSIGIL_EXPORTS(X)                  \
    X(int, Init, (IHostcore * host))          \
    X(void, Run, (int scene, int repeat))     \
    X(void, SetWaveNum, (int number))

#ifndef VK_EXPORT_LISTS_ONLY
DAWNSIGIL_EXPORTS(VK_DECLARE_EXPORT)
#endif
