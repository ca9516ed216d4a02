#include "models/tank.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "geometry/matrix.h"
#include "scene/stage.h"

namespace {

// The turret sweeps 45 degrees to each side and back every eight seconds.
constexpr double sweep = std::numbers::pi / 4;
constexpr double sweepPeriod = 8;

}  // namespace

Tank::Tank(const Color& color, double size) : body(color, size) {}

double Tank::turretAngle(double t) {
    return sweep * std::sin(2 * std::numbers::pi * t / sweepPeriod);
}

void Tank::drawBody() {
    Car::drawBody();
    Matrix turret;
    turret.translation(body.head.offset).multiply(Matrix().rotationY(turretAngle(stage().stageTime())));
    glPushMatrix();
    glMultMatrixd(turret.m);
    body.head.draw();
    // The barrel is mounted on the turret, so it turns with it.
    glMultMatrixd(Matrix().translation(body.gun.offset).m);
    body.gun.draw();
    glPopMatrix();
}

void Tank::drawWheels() {
    const double angle = std::numbers::pi * stage().stageTime();
    const double spacing = 2 * wheelRadius();
    for (const double z : {-spacing, 0.0, spacing}) {
        body.wheels.drawAt(z, angle);
    }
}
