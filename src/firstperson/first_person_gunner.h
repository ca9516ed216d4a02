#pragma once

#include <algorithm>

#include "firstperson/combat.h"
#include "geometry/vector.h"

namespace FirstPerson {

// Difficulty for an enemy's gun: the aim tightens and the reload shortens as the player's score grows,
// reaching their best at 100 points.
template <class Base>
class Gunner : public Base {
  public:
    using Base::Base;

    // 1 at score 0, falling linearly to 0 at 100.
    double spread() const override { return 1 - std::min(score() / 100.0, 1.0); }
    // Seconds: between 1 and 1 + spread.
    double reloadTime() const override { return random(0) * spread() + 1; }

    // The player is in sight and lies within a hair of the forward axis.
    virtual bool inLineOfFire() const {
        return this->canSeePlayer() && this->toPlayer.distance(this->forwardAxis()) < 0.1;
    }
};

}  // namespace FirstPerson
