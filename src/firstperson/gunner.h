#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

#include "geometry/vector.h"
#include "scene/object.h"
#include "scene/stage.h"

// A gun for any scene object: a fixed pool of N shots of FireType held inside the shooter (built right
// after it, so each shot is registered after its shooter), a reload cooldown, and the launch.
template <class FireType, std::size_t N, class Base>
class Gunner : public Base {
  public:
    template <class... Args>
    explicit Gunner(Args&&... args) : Base(std::forward<Args>(args)...) {}

    // Counts the cooldown down, then the base update.
    Object& update(double dt) override {
        if (cooldown > 0) {
            cooldown -= dt;
        }
        return Base::update(dt);
    }

    // 1 for full spread: the shot leaves within +-pi/8 of the aim and climbs a little more.
    virtual double spread() const { return 1.0; }
    virtual double reloadTime() const { return 0.0; }
    // Units per second: the scene's size.
    virtual double shotSpeed() const { return stage().stageSize(); }
    virtual Vector aimDirection() const { return this->forwardAxis(); }
    // Radians above the horizon the aim is tilted; the spread and the climb tilt with it.
    virtual double aimTilt() const { return 0; }
    virtual void onShot() {}

    // Launches the first idle shot of the pool along the aim, spread and raised a little, from just
    // outside the shooter. Nothing while the gun reloads; a pool all in flight uses up the reload all the
    // same.
    virtual void fire() {
        if (cooldown > 0) {
            return;
        }
        cooldown = reloadTime();
        FireType* shot = idleShot();
        if (shot == nullptr) {
            return;
        }
        Vector d = aimDirection();
        const double e = (spread() * random(0) + 1) * 0.125;
        d.rotateY(random(-0.5) * std::numbers::pi / 4 * spread());
        d.y = e;
        if (const double tilt = aimTilt(); tilt != 0) {
            // The level shot (its horizontal part of length 1, its climb e) turned up by the tilt.
            const double level = std::cos(tilt) - e * std::sin(tilt);
            d = Vector(d.x * level, std::sin(tilt) + e * std::cos(tilt), d.z * level);
        }
        d.normalize().scale(shotSpeed());
        Vector h(d.x, 0, d.z);
        if (h.lengthSquared() == 0) {
            // Aimed straight up (or nowhere): the shot leaves along the shooter's own heading.
            h = this->forwardAxis();
            h.y = 0;
        }
        h.normalize();
        const Vector muzzle = Vector(h).scale(shot->radius() + this->radius()).add(this->position());
        shot->face(h);
        shot->setPosition(muzzle);
        shot->setActive(true);
        shot->setVelocity(d);
        onShot();
    }

    // Seconds until the next shot is allowed.
    double cooldown = 0;
    std::array<FireType, N> fires;

  private:
    FireType* idleShot() {
        for (FireType& shot : fires) {
            if (!shot.isActive()) {
                return &shot;
            }
        }
        return nullptr;
    }
};
