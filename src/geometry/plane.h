#pragma once

#include "geometry/line.h"
#include "geometry/vector.h"

// The points p with normal . p + offset = 0; normal is kept as given, not normalised.
class Plane {
  public:
    Vector normal;
    double offset;

    Plane(const Vector& normal, const Vector& point) : normal(normal), offset(-normal.dot(point)) {}

    double evaluate(const Vector& p) const { return normal.dot(p) + offset; }
    bool inFront(const Vector& p) const { return evaluate(p) >= 0; }
    // A line parallel to the plane gives infinite or NaN components.
    Vector intersect(const Line& line) const;
    // The foot of the perpendicular from p onto the plane.
    Vector project(const Vector& p) const;
};
