#pragma once

#include <cstdint>
#include <numbers>

#include "app/sound.h"
#include "geometry/matrix.h"
#include "geometry/vector.h"
#include "scene/object.h"

// Dying, for an enemy drawn from a mesh: the Dying state throws the object up, plays "bang", makes it passive
// to the others' contact searches and tumbles it until it comes down onto the ground or lands on anything
// else, or strikes something fixed.
template <class Base>
class Terminatable : public Base {
  public:
    using Base::Base;

    // Coming down onto the ground or the world's edge, landing on any object, or striking a fixed object ends
    // a dying object. A wreck resting on a roof would otherwise lie there dying for ever and never come back.
    Object& hit(Object* other) override {
        const bool cameDown = other == nullptr ? this->velocity().y <= 0 : !this->isAirborne();
        if (this->state == Base::Dying && (cameDown || (other != nullptr && other->isFixed()))) {
            setState(Base::Spawned);
            this->setActive(false);
        }
        return Base::hit(other);
    }
    // A dying object is never hit again.
    bool isPassive() const override { return this->state == Base::Dying; }

    // Entering Dying throws the object and plays "bang"; Spawned and Dying start upright.
    Object& setState(std::int32_t s) override {
        if (s == Base::Dying) {
            this->setVelocity(fallVelocity());
            ::bang();
            this->modelTransform().identity();
        } else if (s == Base::Spawned) {
            this->modelTransform().identity();
        }
        return Base::setState(s);
    }
    // A dying object tumbles while it rises and vanishes at the top of its throw.
    void behave(std::int32_t current, double) override {
        if (current != Base::Dying) {
            return;
        }
        if (this->velocity().y <= 0) {
            setState(Base::Spawned);
            this->setActive(false);
        } else {
            this->modelTransform().rotationX(this->timer * 3 * std::numbers::pi);
        }
    }

    // Straight up at 10.5 to 14 radii per second.
    virtual Vector fallVelocity() const { return Vector(0, (random(0) + 3) * 7 * this->radius() * 0.5, 0); }
};
