#pragma once

#include <cstddef>
#include <cstdint>

#include "firstperson/fire.h"
#include "firstperson/gunner.h"
#include "firstperson/walker.h"

namespace FirstPerson {

// Shots of the player's gun in flight at once.
inline constexpr std::size_t HeroShots = 7;

// The player's avatar: a walker with a gun of HeroShots cyan shots. Fire shoots once per press; killed, the
// player loses a point, and after a short wait a press of fire brings them back at the respawn point. It
// keeps the statistics of the status line: shots fired and time alive.
class Hero : public ::Gunner<HeroFire, HeroShots, Walker> {
  public:
    // Alive at the respawn point facing +X, the gun armed.
    Hero();

    // Switched off means killed: a point lost (never below 0) and "alarm".
    void setActive(bool on) override;
    // Shoot is the gun's, or the respawn's while dead; the rest is walking.
    Input& input(int control, bool pressed) override;
    // Out of play at a round's end: switched off without the cost of a death, and not brought back by fire.
    void leave() {
        Walker::setActive(false);
        respawnRequested = false;
    }
    Object& update(double dt) override;
    // The player's shots go nearly where they aim.
    double spread() const override { return 0.125; }
    // Shots leave along the view.
    double aimTilt() const override { return tilt; }
    void onShot() override { ++shots; }

    // Where the player comes back: ten radii behind the centre, standing on the ground.
    Vector respawnPoint() const;

    // Seconds spent alive, in all lives.
    double aliveTime = 0;
    std::uint32_t shots = 0;
    // Seconds of being dead before fire brings the player back, the first death included.
    static constexpr double RespawnWait = 1.5;

    // Counts down while dead; a respawn waits until it has run out.
    double respawnTimer = RespawnWait;
    bool respawnRequested = false;
    // Fire has been released since the last shot.
    bool fireArmed = true;

  private:
    void respawn();
};

}  // namespace FirstPerson
