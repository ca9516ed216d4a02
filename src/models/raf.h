#pragma once

#include "geometry/box_mesh.h"
#include "geometry/color.h"
#include "models/car.h"

// The van: a tall box body with a band of windows, white lamps low on its front and magenta lamps on its
// back, on two axles. Its front is local +Z, its top +Y; it is built in a body colour at a given scale.
class RAF : public Car {
  public:
    // The body without the wheels, which it keeps as a separate mesh.
    class Mesh : public BoxMesh {
      public:
        Mesh(const Color& color, double scale);

        double scale;
        Car::Wheels wheels;
    };

    RAF(const Color& color, double scale);

    const ::Mesh& mesh() const override { return body; }
    double wheelRadius() const override { return body.scale * 0.2; }
    double axleHeight() const override { return body.scale * -0.2; }
    void drawWheels() override;

    Mesh body;
};
