#pragma once

#include <cstdint>

#include "firstperson/combat.h"
#include "firstperson/fire.h"
#include "geometry/vector.h"
#include "scene/object.h"

namespace FirstPerson {

// An enemy's relation to the player of the combat scene: where the player is, touching the player kills
// them, and a hit by the player's shot scores and starts dying.
template <class Base>
class Enemy : public Base {
  public:
    using Base::Base;

    // Looks for the player first: only a live player, and not while dying.
    Object& update(double dt) override {
        seesPlayer = false;
        Object* hero = player();
        if (this->isActive() && this->state != Base::Dying && hero != nullptr && hero->isActive()) {
            seesPlayer = true;
            const Vector& at = hero->position();
            Vector flat(at.x - this->position().x, 0, at.z - this->position().z);
            // Straight below or above there is no horizontal direction: the last one stays.
            if (flat.x != 0 || flat.z != 0) {
                toPlayer = flat.normalize();
            }
            playerAhead = this->isAhead(at);
        }
        return Base::update(dt);
    }

    // Touching the player kills them, even while dying; the player's shot scores once and starts dying.
    Object& hit(Object* other) override {
        if (other != nullptr && other == player()) {
            other->setActive(false);
            return Base::hit(other);
        }
        if (dynamic_cast<HeroFire*>(other) != nullptr) {
            addScore(killScore());
            this->setState(Base::Dying);
            return *this;
        }
        return Base::hit(other);
    }

    // Points for shooting it down.
    virtual std::int32_t killScore() const { return 1; }
    virtual bool canSeePlayer() const { return seesPlayer && playerAhead; }

    // Recomputed at the start of every update.
    bool seesPlayer = false;
    // The player lies on or in front of the plane across the forward axis.
    bool playerAhead = false;
    // Unit and level, towards the player; zero until the player has been seen.
    Vector toPlayer;
};

}  // namespace FirstPerson
