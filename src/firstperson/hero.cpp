#include "firstperson/hero.h"

#include "app/sound.h"
#include "firstperson/combat.h"

namespace FirstPerson {

Hero::Hero() {
    setPosition(respawnPoint());
    face(AxisX);
    Walker::setActive(true);
}

Vector Hero::respawnPoint() const {
    return Vector(-10 * radius(), halfHeight(), 0);
}

void Hero::setActive(bool on) {
    // Only a live player can be killed: a second blow in the same moment costs nothing more.
    if (!on && isActive()) {
        FirstPerson::addScore(-1);
        ::alarm();
    }
    Walker::setActive(on);
}

Input& Hero::input(int control, bool pressed) {
    if (control != Shoot) {
        return Walker::input(control, pressed);
    }
    if (!pressed) {
        fireArmed = true;
    } else if (isActive()) {
        // A press that the reload or a full pool blocks is used up all the same.
        if (fireArmed) {
            fire();
            fireArmed = false;
        }
    } else if (respawnTimer <= 0) {
        respawnRequested = true;
    }
    return *this;
}

Object& Hero::update(double dt) {
    if (isActive()) {
        aliveTime += dt;
    } else {
        respawnTimer -= dt;
        if (respawnTimer <= 0 && respawnRequested) {
            respawn();
        }
    }
    return Gunner::update(dt);
}

void Hero::respawn() {
    respawnTimer = RespawnWait;
    respawnRequested = false;
    setPosition(respawnPoint());
    face(AxisX);
    tilt = 0;
    setActive(true);
}

}  // namespace FirstPerson
