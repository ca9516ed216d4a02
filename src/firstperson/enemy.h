#pragma once

#include <cstdint>
#include <optional>

#include "app/sound.h"
#include "geometry/matrix.h"
#include "geometry/vector.h"
#include "scene/object.h"

// The life cycle of an enemy, for any scene object: a behaviour state, a timer, the count of appearances,
// and respawning after a random delay at a placement that the concrete enemy chooses.
template <class Base>
class Enemy : public Base {
  public:
    using Base::Base;

    // While active the timer counts up and the current behaviour runs; while inactive it counts down to
    // the next respawn, tried again every update until a placement is found.
    Object& update(double dt) override {
        if (this->isActive()) {
            timer += dt;
            behave(state, dt);
        } else {
            timer -= dt;
            if (timer <= 0) {
                if (const std::optional<Matrix> spawn = spawnPlacement()) {
                    this->setPosition(Vector(spawn->m[12], spawn->m[13], spawn->m[14]));
                    this->face(Vector(spawn->m[8], spawn->m[9], spawn->m[10]));
                    setState(Spawned);
                    setActive(true);
                }
            }
        }
        return Base::update(dt);
    }

    // Switched on, the timer starts over and every appearance after the first plays "life"; switched off,
    // the respawn delay starts.
    void setActive(bool on) override {
        if (on) {
            timer = 0;
            if (appearances++ != 0) {
                ::life();
            }
        } else {
            timer = respawnDelay();
        }
        Base::setActive(on);
    }

    // The states every enemy shares; a concrete enemy numbers its own from 2.
    static constexpr std::int32_t Spawned = 0;
    static constexpr std::int32_t Dying = 1;

    // Spawned also stops any horizontal drift.
    virtual Object& setState(std::int32_t s) {
        state = s;
        if (s == Spawned) {
            Object::setVelocity(0.0, 0.0);
        }
        return *this;
    }
    virtual void behave(std::int32_t current, double dt) = 0;
    // Seconds: 3 to 7.
    virtual double respawnDelay() const { return 3 + 4 * random(0); }
    // Where to come back: the forward column is the heading, the translation the position. None when
    // there is no room; the next update asks again.
    virtual std::optional<Matrix> spawnPlacement() = 0;

    std::int32_t appearances = 0;
    // Spawned, Dying, or one of the concrete enemy's own states.
    std::int32_t state = Spawned;
    // While active: seconds since switched on. While inactive: seconds left until the respawn.
    double timer = 0;
};
