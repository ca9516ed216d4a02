#pragma once

#include "geometry/color.h"
#include "models/car.h"
#include "models/tank_mesh.h"

// A tank standing on its running gear: the hull bobs idly like any car's body, the turret and its barrel
// sweep slowly from side to side together, and the axle of wide wheels is drawn three times along the hull,
// wheel against wheel, for the tracks. It is built in a body colour at a given size.
class Tank : public Car {
  public:
    Tank(const Color& color, double size);

    // The hull alone; the turret, the barrel and the wheels are drawn as parts of their own.
    const ::Mesh& mesh() const override { return body; }
    double wheelRadius() const override { return body.scale * 0.15; }
    // The axles run along the bottom of the hull, so the wheels fill the space under its sides.
    double axleHeight() const override { return body.scale * -0.15; }
    void drawWheels() override;
    // The hull, then the turret and its barrel turned together about the turret's axis.
    void drawBody() override;
    // The barrel is an open tube, seen from both sides.
    bool cullsBackFaces() const override { return false; }

    // The turret's heading relative to the hull at scene time t, in radians.
    static double turretAngle(double t);

    TankMesh body;
};
