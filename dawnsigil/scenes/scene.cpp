#include "dawnsigil/scenes/scene.h"

#include "dawnsigil/scenes/scene_factories.h"

namespace dawnsigil {

std::unique_ptr<Scene> make_scene(int number) {
    switch (number) {
    case 1: return make_spring_scene();
    case 2: return make_summer_scene();
    case 3: return make_autumn_scene();
    case 4: return make_winter_scene();
    case 5: return make_rain_scene();
    case 6: return make_october_scene();
    case 7: return make_new_year_scene();
    case 8: return make_lamp_scene();
    default: return nullptr;
    }
}

}  // namespace dawnsigil
