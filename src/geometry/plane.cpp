#include "geometry/plane.h"

Vector Plane::intersect(const Line& line) const {
    double t = evaluate(line.point) / normal.dot(line.direction);
    return Vector(line.direction).scale(t).negate().add(line.point);
}

Vector Plane::project(const Vector& p) const {
    return intersect(Line(normal, p));
}
