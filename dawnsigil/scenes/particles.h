#pragma once
// Particles: pictures that travel from a start to an end point over a period and start again,
// their fields drawn from the generator in the order each scene lists them.
#include <cstdint>
#include <vector>

#include "dawnsigil/random.h"

namespace dawnsigil {

struct Particle {
    int start_x = 0, start_y = 0;
    int end_x = 0, end_y = 0;
    int unused = 0;  // a slot no scene writes
    int period = 1;  // ms of one travel
    int kind = 0;    // scene 4: size index; scene 6: sprite kind
    int phase = 0;   // ms, scenes 5 and 6
    int frame_period = 1;  // ms of one two-frame flicker, scenes 5 and 6
};

struct Point {
    int x, y;
    friend bool operator==(const Point&, const Point&) = default;
};

// Where a particle is `f` ms into its travel (0 <= f < period), moving linearly. Signed arithmetic:
// a particle that drifts left or up moves left or up.
inline Point particle_position(const Particle& p, int64_t f) {
    const int64_t x = p.start_x + (int64_t(p.end_x) - p.start_x) * f / p.period;
    const int64_t y = p.start_y + (int64_t(p.end_y) - p.start_y) * f / p.period;
    return Point{int(x), int(y)};
}

std::vector<Particle> scene1_particles(Random& r);  // petals
std::vector<Particle> scene3_particles(Random& r);  // swaying leaves
std::vector<Particle> scene4_particles(Random& r);  // snow
std::vector<Particle> scene5_particles(Random& r);  // rain
std::vector<Particle> scene6_particles(Random& r);  // scene 5's fields and a kind

}  // namespace dawnsigil
