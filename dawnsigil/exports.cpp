// The exports. Nothing thrown inside the library crosses them: a failure that escapes as an
// exception (an allocation, in practice) fails Init and ends Run early, and Run still lets go of
// everything.
#include "dawnsigil/exports.h"

#include "dawnsigil/logo.h"

extern "C" int Init(IHostcore* host) {
    try {
        return dawnsigil::the_logo().init(host) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" void Run(int scene, int repeat) {
    try {
        dawnsigil::the_logo().run(scene, repeat != 0);
    } catch (...) {
        try {
            dawnsigil::the_logo().run(-1, false);  // no scene: only the release steps
        } catch (...) {
        }
    }
}

// Kept for hosts that call it; the logo always plays the sound of its scene.
extern "C" void SetWaveNum(int) {}
