#include "firstperson/arena.h"

#include <utility>

#include "firstperson/fokker_enemy.h"
#include "firstperson/ground.h"
#include "firstperson/hero.h"
#include "models/raf.h"

namespace FirstPerson {

namespace {

// A dusk sky.
constexpr Color Background(0.06, 0.08, 0.2);
constexpr Color GridLines(0.1, 0.22, 0.16);
constexpr Color EdgeRing(0.25, 0.6, 0.4);
constexpr Color VanPaint(0.7, 0.72, 0.5);

struct Parking {
    double x, z;
    // The direction the van's front points to.
    Vector heading;
};

// Away from the circles and from where the aircraft come down when shot: a van under a falling wreck would
// catch it. They are 0.88 high, a jump up from the ground, and a jump from a roof takes the player high
// enough to reach the outer circles and to be seen by the aircraft. The inner two are near the respawn
// point, the outer four between the inner circle and the next.
constexpr double VanScale = 1.1;
const Parking Vans[] = {
    {1.5, 2.2, Vector(1, 0, 0.3)},  {1.6, -2.8, Vector(0.2, 0, 1)}, {-5.0, 5.0, Vector(1, 0, 1)},
    {5.45, 4.55, Vector(-1, 0, 1)}, {5.0, -5.0, Vector(1, 0, -1)},  {-6.55, -2.75, Vector(0.4, 0, 1)},
};

struct Circle {
    // x the radius, y the height.
    Vector orbit;
    bool reversed;
    int aircraft;
};

// The inner and the outermost circle are in reach of a shot from a jump off the ground, the middle one from a
// jump off a roof. All stay well clear of the respawn point, two units from the middle.
const Circle Circles[] = {
    {Vector(5, 1.8, 0), false, 2},
    {Vector(9, 2.6, 0), true, 2},
    {Vector(11, 2.2, 0), false, 1},
};

}  // namespace

Arena::Arena(FrameClock clock) : Logic(Title, Size, nullptr, Background, std::move(clock)) {
    // The shots' shared darts are built now rather than at the first shot, in the middle of play.
    Fire::dart();
    HeroFire::dart();
    // The objects read the live scene (sizes, the clock), so they are built now that it exists. Should one
    // fail, the scene's destruction deletes those already registered.
    ground_ = new Ground(Size, GridLines, EdgeRing);
    ground_->setActive(true);
    for (const Parking& parking : Vans) {
        RAF* van = new RAF(VanPaint, VanScale);
        van->place(parking.x, parking.z);
        van->face(parking.heading);
        van->setActive(true);
        vans_.push_back(van);
    }
    for (const Circle& circle : Circles) {
        for (int i = 0; i < circle.aircraft; ++i) {
            // Switched on at their first update, at a free point of their circle.
            aircraft_.push_back(new FokkerEnemy(circle.orbit, circle.reversed));
        }
    }
    hero = new Hero();
}

}  // namespace FirstPerson
