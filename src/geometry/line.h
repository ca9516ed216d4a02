#pragma once

#include "geometry/vector.h"

// An infinite line through point, along a unit direction.
class Line {
  public:
    Vector direction;
    Vector point;

    Line(const Vector& direction, const Vector& point)
        : direction(Vector(direction).normalize()), point(point) {}
};
