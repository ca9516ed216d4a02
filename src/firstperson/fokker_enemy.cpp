#include "firstperson/fokker_enemy.h"

#include <cmath>
#include <numbers>

#include "firstperson/combat.h"
#include "scene/stage.h"

namespace {

constexpr double pi = std::numbers::pi;
constexpr int spawnTries = 3;

}  // namespace

FokkerEnemy::FokkerEnemy(const Vector& orbit, bool reversed)
    : FokkerEnemyBase(1.25), orbit(orbit), reversed(reversed) {
    contacts_.reserve(16);
}

const Vector* FokkerEnemy::acceleration() const {
    return state == Dying ? FokkerEnemyBase::acceleration() : nullptr;
}

double FokkerEnemy::reloadTime() const {
    return FokkerEnemyBase::reloadTime() / 3;
}

Vector FokkerEnemy::aimDirection() const {
    return seesPlayer ? toPlayer : forwardAxis();
}

void FokkerEnemy::behave(std::int32_t current, double dt) {
    const double t = stage().stageTime();
    switch (current) {
        case Spawned:
            setState(Circling);
            break;
        case Circling:
            setPosition(orbitPoint());
            face(orbitHeading());
            modelTransform().rotationZ(sense() * pi / 12 + std::sin(t * pi / 2) * pi / 48);
            if (canSeePlayer()) {
                fire();
            }
            FokkerEnemyBase::behave(current, dt);
            break;
        case Dying: {
            // Level at the flying height, nose straight down at the ground. A circle on the ground has no
            // height to measure against: the aircraft is nose down at once.
            const double dive = orbit.y > 0 ? 1 - position().y / orbit.y : 1;
            modelTransform().rotationX(dive * pi / 2).multiply(Matrix().rotationZ(timer * 3 * pi));
            break;
        }
        default:
            FokkerEnemyBase::behave(current, dt);
            break;
    }
}

std::optional<Matrix> FokkerEnemy::spawnPlacement() {
    for (int attempt = 0; attempt < spawnTries; ++attempt) {
        phase = random(0) * 2 * pi;
        const Vector p = orbitPoint();
        contacts_.clear();
        if (collect(contacts_, p) == 0) {
            Matrix placement;
            Vector heading = orbitHeading();
            // On the axis the circle has no tangent: the aircraft keeps its heading until it flies.
            if (heading.x == 0 && heading.z == 0) {
                heading = forwardAxis();
            }
            placement.m[8] = heading.x;
            placement.m[9] = heading.y;
            placement.m[10] = heading.z;
            placement.m[12] = p.x;
            placement.m[13] = p.y;
            placement.m[14] = p.z;
            return placement;
        }
    }
    return std::nullopt;
}

Vector FokkerEnemy::fallVelocity() const {
    return Vector(forwardAxis()).scale((random(0) + 2) * radius());
}

bool FokkerEnemy::canSeePlayer() const {
    if (FirstPerson::score() <= 5 || !FokkerEnemyBase::canSeePlayer()) {
        return false;
    }
    const Object* hero = FirstPerson::player();
    return hero != nullptr && hero->position().y > 3.5 * hero->halfHeight();
}

Vector FokkerEnemy::orbitPoint() const {
    const double angle = sense() * stage().stageTime() * pi / 10 + phase;
    return Vector(orbit.x, orbit.y, 0).rotateY(angle);
}

Vector FokkerEnemy::orbitHeading() const {
    return Vector(position()).rotateY(sense() * pi / 2);
}
