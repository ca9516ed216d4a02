#include "firstperson/arena.h"

#include <cstdint>
#include <ctime>
#include <string_view>
#include <utility>

#include "app/control.h"
#include "app/text_layout.h"

#include "firstperson/fokker_enemy.h"
#include "firstperson/ground.h"
#include "firstperson/hero.h"
#include "geometry/mesh.h"
#include "models/garden_tree.h"
#include "models/raf.h"
#include "models/tank.h"
#include "models/tanks_tree.h"
#include "scene/registry.h"

namespace FirstPerson {

namespace {

// In the status's place until the first point; short enough for the width of a 5:4 screen.
constexpr std::string_view FirstHint = "Jump (Enter), fire (Space)";

// A dusk sky.
constexpr Color Background(0.06, 0.08, 0.2);
constexpr Color GridLines(0.1, 0.22, 0.16);
constexpr Color EdgeRing(0.25, 0.6, 0.4);
// The fields beyond the edge, dimmer than the grid but not the sky.
constexpr Color Fields(0.05, 0.12, 0.08);
constexpr Color VanPaint(0.7, 0.72, 0.5);
constexpr Color TankPaint(0.5, 0.8, 0.3);

struct Parking {
    double x, z;
    // The direction the vehicle's front points to.
    Vector heading;
};

// Away from the circles and from where the aircraft come down when shot: a van under a falling wreck would
// catch it. They are 0.88 high, a jump up from the ground, and a jump from a roof takes the player high
// enough to reach the high circle and to be seen by the aircraft. The first stands a few steps from the
// respawn point, so that a player killed up there is soon back on a roof; the next is near it too, the
// outer four between the inner circles and the outer one.
constexpr double VanScale = 1.1;
const Parking Vans[] = {
    {-0.2, 1.2, Vector(1, 0, 0.3)}, {1.6, -2.8, Vector(0.2, 0, 1)}, {-5.0, 5.0, Vector(1, 0, 1)},
    {5.45, 4.55, Vector(-1, 0, 1)}, {5.0, -5.0, Vector(1, 0, -1)},  {-6.55, -2.75, Vector(0.4, 0, 1)},
};

// Between the inner circles and the outer one, out of the way of the wrecks of all, like the outer vans.
// Their roofs, 0.9 high, are a jump up from the ground like the vans'.
constexpr double TankSize = 1.5;
const Parking ParkedTanks[] = {
    {-2.8, 6.93, Vector(1, 0, 0.4)},
    {-3.51, -6.59, Vector(-1, 0, 0.5)},
    {6.93, -2.8, Vector(0.4, 0, 1)},
};

enum class Kind { Garden, Conifer };

struct Planting {
    Kind kind;
    unsigned levels;
    // How far a conifer's layers are tipped, in radians.
    double tilt;
    // The tree is scaled to this height.
    double height;
    double x, z;
};

// Four copses in the ring between the inner circles and the outer one, between the vans, none between the
// respawn point and the inner circles. A tree's contact cylinder is as wide as its twigs or its lowest
// layer, so the trees stand at most 2 high: under the outer circle where they are near it, and far enough
// out from the inner ones that an aircraft finds every point of each circle free.
const Planting Copses[] = {
    // Ahead of the player at the start, beyond the inner circle.
    {Kind::Garden, 4, 0, 2.0, 7.19, 0.38},
    {Kind::Conifer, 5, 0.1, 2.0, 8.56, 1.82},
    {Kind::Garden, 3, 0, 1.7, 6.77, 2.6},
    // To the right.
    {Kind::Conifer, 4, 0.05, 1.8, 2.58, 6.72},
    {Kind::Garden, 4, 0, 2.0, 1.82, 8.56},
    {Kind::Conifer, 5, 0.15, 2.0, 0.38, 7.24},
    // Behind.
    {Kind::Conifer, 5, 0.1, 2.0, -6.89, 2.11},
    {Kind::Garden, 4, 0, 2.0, -8.66, 1.22},
    {Kind::Conifer, 4, 0, 1.8, -7.25, -0.13},
    // To the left.
    {Kind::Conifer, 5, 0.05, 2.0, -0.13, -7.2},
    {Kind::Garden, 4, 0, 2.0, 1.22, -8.66},
    {Kind::Garden, 3, 0, 1.7, 2.12, -6.93},
};

::Tree* plant(const Planting& planting) {
    ::Tree* tree = nullptr;
    ::Mesh* body = nullptr;
    if (planting.kind == Kind::Garden) {
        auto* garden = new Garden::Tree(planting.levels);
        tree = garden;
        body = &garden->body;
    } else {
        auto* conifer = new Tanks::Tree(planting.levels, planting.tilt);
        tree = conifer;
        body = &conifer->body;
    }
    // Before anything asks the tree's size, which is measured once.
    body->scale(planting.height / body->bounds().size().y);
    tree->place(planting.x, planting.z);
    tree->setActive(true);
    return tree;
}

// A vehicle of the given kind, standing on its wheels at the parking place and facing its heading.
template <class Vehicle>
Vehicle* park(const Parking& parking, const Color& paint, double size) {
    auto* vehicle = new Vehicle(paint, size);
    vehicle->place(parking.x, parking.z);
    vehicle->face(parking.heading);
    vehicle->setActive(true);
    return vehicle;
}

struct Circle {
    // x the radius, y the height.
    Vector orbit;
    bool reversed;
    int aircraft;
};

// Climbing pays: one aircraft circles low enough to be shot from a jump off the ground, and two above it on
// the same circle the other way, in reach only of a jump off a roof, where the aircraft see the player and
// shoot back. A player who stands at the start scores about a quarter of one who climbs (bench/risk_bench).
// The one far out is a long shot from anywhere. All stay well clear of the respawn point, two units from
// the middle, and the two inner ones pass each other a good height apart.
const Circle Circles[] = {
    {Vector(5, 1.8, 0), false, 1},
    {Vector(5, 2.6, 0), true, 2},
    {Vector(11, 2.2, 0), false, 1},
};

}  // namespace

Arena::Arena(FrameClock clock) : Logic(Title, Size, nullptr, Background, std::move(clock)) {
    // The shots' shared darts are built now rather than at the first shot, in the middle of play.
    Fire::dart();
    HeroFire::dart();
    populate();
}

Arena::~Arena() = default;

void Arena::populate() {
    // The objects read the live scene (sizes, the clock), so they are built now that it exists. Should one
    // fail, the scene's destruction deletes those already registered.
    ground_ = new Ground(Size, GridLines, EdgeRing, Fields);
    ground_->setActive(true);
    for (const Parking& parking : Vans) {
        vans_.push_back(park<RAF>(parking, VanPaint, VanScale));
    }
    for (const Parking& parking : ParkedTanks) {
        tanks_.push_back(park<Tank>(parking, TankPaint, TankSize));
    }
    for (const Planting& planting : Copses) {
        trees_.push_back(plant(planting));
    }
    for (const Circle& circle : Circles) {
        for (int i = 0; i < circle.aircraft; ++i) {
            // Switched on at their first update, at a free point of their circle.
            aircraft_.push_back(new FokkerEnemy(circle.orbit, circle.reversed));
        }
    }
    hero = new Hero();
    // A standing player's shots pass under the triplanes: until the first point says otherwise, the status's
    // place tells how to reach them.
    hint(FirstHint);
}

void Arena::playRounds(double seconds, Rounds::Keeper keep) {
    rounds_.emplace(seconds, std::move(keep));
    clockText_ = std::make_unique<OverlayText>();
    tableText_ = std::make_unique<OverlayText>();
}

void Arena::restart() {
    // As the scene's destruction does: each deletion unregisters the object and those it holds.
    while (!registry.empty()) {
        delete registry.front();
    }
    hero = nullptr;
    ground_ = nullptr;
    vans_.clear();
    tanks_.clear();
    trees_.clear();
    aircraft_.clear();
    addScore(-static_cast<std::int32_t>(score));
    populate();
    if (rounds_) {
        rounds_->restart();
    }
}

Input& Arena::input(int control, bool pressed) {
    if (!rounds_ || !rounds_->over()) {
        return Logic::input(control, pressed);
    }
    // A moment to see the table before a held or hammered fire button plays on.
    constexpr double TableShownAtLeast = 1.0;
    if (control == Shoot && pressed && !paused && time() - roundEnded_ >= TableShownAtLeast) {
        restart();
    }
    return *this;
}

void Arena::update(double dt) {
    Logic::update(dt);
    if (rounds_ && seesThroughPlayer() && rounds_->run(dt)) {
        endRound();
    }
}

void Arena::endRound() {
    roundEnded_ = time();
    const Round round{
        .score = score,
        .shots = hero->shots,
        .pointsPerSecond = hero->aliveTime > 0 ? score / hero->aliveTime : 0,
        .ended = static_cast<std::int64_t>(std::time(nullptr)),
    };
    hero->leave();
    rounds_->end(round);
}

std::string_view Arena::panelControls() const {
    return "Up, Down walk; Left, Right turn; A, F step aside; Enter jump; Space fire\n"
           "Click to take the mouse: it looks, left button fires, right jumps; Tab lets go\n"
           "P pause; W lines; F11 or Alt+Enter full screen; Escape quits";
}

void Arena::drawOverlay(std::uint32_t windowWidth, std::uint32_t windowHeight) {
    // The settings panel alone while it is open.
    if (!rounds_ || panelOpen()) {
        Logic::drawOverlay(windowWidth, windowHeight);
        return;
    }
    const auto width = static_cast<float>(windowWidth);
    const auto height = static_cast<float>(windowHeight);
    // The status's size at the top; the table smaller, to fit eleven lines and more.
    clockText_->set(rounds_->clockLine());
    clockText_->draw(width / 2, 0.05f * height, height / 175.0f, AlignCentre, AlignCentre, textColor);
    tableText_->set(rounds_->tableLines());
    tableText_->draw(width / 2, 0.45f * height, height / 420.0f, AlignCentre, AlignCentre, White);
}

}  // namespace FirstPerson
