#pragma once

#include "geometry/cylinder_mesh.h"
#include "scene/mesh_object.h"

// A wheeled vehicle: the body mesh is drawn bobbing gently while a separate wheel mesh is drawn at axle
// height. The contact cylinder reaches down to the bottom of the wheels, so a resting car stands on them.
// The bobbing and the turning of the wheels are an idle animation driven by the scene clock.
class Car : public MeshObject {
  public:
    // One wheel of radius 1 and width 1, its axle along X, centred on the origin: a dark tyre with
    // lighter hubs set slightly into its faces.
    class Wheel : public CylinderMesh {
      public:
        Wheel();
    };

    // An axle: two wheels on the X axis, centred at x = +-track/2.
    class Wheels : public Wheel {
      public:
        Wheels(double radius, double track, double widthRatio);
        // Draws the axle turned by angle about its own axis and set at z along the car.
        const Wheels& drawAt(double z, double angle) const;
    };

    Car() = default;

    double halfHeight() const override;
    // Body and wheels are closed solids.
    bool cullsBackFaces() const override { return true; }
    void drawMesh() override;

    virtual double wheelRadius() const = 0;
    // Height of the axles relative to the car's position (negative: below it).
    virtual double axleHeight() const = 0;
    // Draws the wheels; the axle height is already applied.
    virtual void drawWheels() = 0;
    virtual void drawBody();
};
