#include "dawnsigil/scenes/particles.h"

namespace dawnsigil {

// Each field is one draw, in the order written: the statements must not be merged or reordered.

std::vector<Particle> scene1_particles(Random& r) {
    std::vector<Particle> particles(192);
    for (Particle& p : particles) {
        p.start_x = r.next() % 1600 - 800;
        p.start_y = -(r.next() % 600);
        p.end_x = r.next() % 800 + p.start_x + 800;
        p.end_y = 600 + r.next() % 600;
        p.period = r.next() % 1500 + 3000;
    }
    return particles;
}

std::vector<Particle> scene3_particles(Random& r) {
    std::vector<Particle> particles(16);
    for (Particle& p : particles) {
        p.start_x = r.next() % 832 - 16;
        p.start_y = -(r.next() % 600);
        p.end_x = p.start_x;
        p.end_y = 600 + r.next() % 600;
        p.period = r.next() % 3000 + 8000;
    }
    return particles;
}

std::vector<Particle> scene4_particles(Random& r) {
    std::vector<Particle> particles(512);
    for (Particle& p : particles) {
        p.start_x = r.next() % 864 - 32;
        p.start_y = -(r.next() % 600);
        p.end_x = r.next() % 32 + p.start_x - 16;
        p.end_y = 600 + r.next() % 600;
        p.period = r.next() % 1500 + 3000;
        p.kind = r.next() % 8;
    }
    return particles;
}

std::vector<Particle> scene5_particles(Random& r) {
    std::vector<Particle> particles(192);
    for (Particle& p : particles) {
        p.start_x = r.next() % 1600 - 800;
        p.start_y = -(r.next() % 600);
        p.end_x = r.next() % 800 + p.start_x + 400;
        p.end_y = 600 + r.next() % 600;
        p.period = r.next() % 1500 + 5000;
        p.phase = r.next() % 8000 + 4000;
        p.frame_period = r.next() % 100 + 300;
    }
    return particles;
}

std::vector<Particle> scene6_particles(Random& r) {
    std::vector<Particle> particles(192);
    for (Particle& p : particles) {
        p.start_x = r.next() % 1600 - 800;
        p.start_y = -(r.next() % 600);
        p.end_x = r.next() % 800 + p.start_x + 400;
        p.end_y = 600 + r.next() % 600;
        p.period = r.next() % 1500 + 5000;
        p.phase = r.next() % 8000 + 4000;
        p.frame_period = r.next() % 100 + 300;
        p.kind = (r.next() % 3) * 2;
    }
    return particles;
}

}  // namespace dawnsigil
