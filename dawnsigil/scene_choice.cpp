#include "dawnsigil/scene_choice.h"

#include "platform/clock.h"

namespace dawnsigil {

int scene_for_date(int month, int day) {
    switch (month) {
    case 1: return day <= 7 ? 7 : 4;  // New Year's week, then winter
    case 2: return day <= 3 ? 4 : 8;
    case 3: return day <= 3 ? 8 : 1;
    case 4:
    case 5: return 1;
    case 6: return 5;
    case 7:
    case 8: return 2;
    case 9:
    case 11: return 3;
    case 10: return 6;
    case 12: return 4;
    default: return 0;
    }
}

int choose_scene(int selector) {
    if (selector == 0) {
        const platform::LocalTime now = platform::local_time();
        return scene_for_date(now.month, now.day);
    }
    return selector >= 1 && selector <= kSceneCount ? selector : 0;
}

}  // namespace dawnsigil
