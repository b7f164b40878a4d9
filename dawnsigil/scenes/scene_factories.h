#pragma once
// The eight scenes, one file each.
#include <memory>

#include "dawnsigil/scenes/scene.h"

namespace dawnsigil {

std::unique_ptr<Scene> make_spring_scene();    // 1
std::unique_ptr<Scene> make_summer_scene();    // 2
std::unique_ptr<Scene> make_autumn_scene();    // 3
std::unique_ptr<Scene> make_winter_scene();    // 4
std::unique_ptr<Scene> make_rain_scene();      // 5
std::unique_ptr<Scene> make_october_scene();   // 6
std::unique_ptr<Scene> make_new_year_scene();  // 7
std::unique_ptr<Scene> make_lamp_scene();      // 8

}  // namespace dawnsigil
