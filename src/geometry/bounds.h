#pragma once

#include "geometry/vector.h"

// An axis-aligned box between two opposite corners.
class Bounds {
  public:
    Vector min;
    Vector max;

    Vector size() const { return Vector(max).subtract(min); }
    Vector center() const { return size().divide(2).add(min); }
};
