#pragma once
// Which scene plays: one per season, by the local date, or the one the caller names.
namespace dawnsigil {

inline constexpr int kSceneCount = 8;

// month 1-12, day 1-31.
int scene_for_date(int month, int day);

// Selector 0: by today's date; 1 to 8: that scene; anything else: none (0).
int choose_scene(int selector);

}  // namespace dawnsigil
