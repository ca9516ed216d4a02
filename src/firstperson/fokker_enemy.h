#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "firstperson/enemy.h"
#include "firstperson/fire.h"
#include "firstperson/first_person_enemy.h"
#include "firstperson/first_person_gunner.h"
#include "firstperson/gunner.h"
#include "firstperson/terminatable.h"
#include "geometry/matrix.h"
#include "geometry/vector.h"
#include "models/fokker.h"

using FokkerEnemyBase =
    FirstPerson::Gunner<FirstPerson::Enemy<Terminatable<Enemy<Gunner<FirstPerson::EnemyFire, 7, Fokker>>>>>;

// The enemy aircraft: a triplane circling the scene's vertical axis at a fixed radius and height, banked
// with a slow wobble, firing at the player when the score allows and the player is ahead and high up. Shot
// down it is thrown forward, noses over and rolls as it falls, and vanishes when it lands; 3 to 7 seconds
// later it comes back at a free point of its circle.
class FokkerEnemy : public FokkerEnemyBase {
  public:
    // orbit.x is the circle's radius, orbit.y its height; reversed flies it the other way round and banks
    // the other way. Inactive until its first update places it.
    FokkerEnemy(const Vector& orbit, bool reversed);

    // Its own state: flying its circle, banked, and firing when it can.
    static constexpr std::int32_t Circling = 2;

    // Only a falling aircraft is pulled down.
    const Vector* acceleration() const override;
    // Three times as fast as the plain difficulty's reload.
    double reloadTime() const override;
    // At the player while it sees them, else straight ahead.
    Vector aimDirection() const override;
    void behave(std::int32_t current, double dt) override;
    // A random point of its circle that nothing occupies, in up to 3 tries.
    std::optional<Matrix> spawnPlacement() override;
    // Forward, at 2 to 3 radii per second.
    Vector fallVelocity() const override;
    std::int32_t killScore() const override { return 3; }
    // Above 5 points, with a live player ahead and high above the ground.
    bool canSeePlayer() const override;

    // Where on its circle the aircraft is now, by the scene clock.
    Vector orbitPoint() const;
    // The tangent of the circle through the current position, in the sense of travel (not normalised).
    Vector orbitHeading() const;

    // x the radius of the circle, y its height.
    Vector orbit;
    bool reversed;
    // Radians along the circle, drawn anew at every respawn.
    double phase = 0;

  private:
    // +1 or -1, the sense of travel.
    double sense() const { return reversed ? -1 : 1; }

    // Kept for the spawn's contact queries, so that they allocate nothing.
    std::vector<Object*> contacts_;
};
