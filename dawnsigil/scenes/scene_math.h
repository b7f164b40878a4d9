#pragma once
// Angles and placement shared by the scenes.
#include <cmath>

namespace dawnsigil {

// Degrees to radians in single precision, with pi rounded to a float as the scenes' motion was
// tuned with.
inline float radians(float degrees) { return degrees * 3.1415927f / 180.0f; }

// Truncation toward zero, as every float-to-int step of the scenes.
inline int trunc_int(float v) { return static_cast<int>(v); }

// The top-left corner that centres a picture of that size on the 800 x 600 screen.
inline int centred_x(int width) { return (800 - width) / 2; }
inline int centred_y(int height) { return (600 - height) / 2; }

}  // namespace dawnsigil
