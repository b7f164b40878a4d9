#pragma once
// Every export of the logo player, once: (result, name, (parameters)).
#include "interfaces/exports.h"
#include "interfaces/host.h"

#define DAWNSIGIL_EXPORTS(X)                  \
    X(int, Init, (IHostcore * host))          \
    X(void, Run, (int scene, int repeat))     \
    X(void, SetWaveNum, (int number))

DAWNSIGIL_EXPORTS(VK_DECLARE_EXPORT)
