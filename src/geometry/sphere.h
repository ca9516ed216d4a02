#pragma once

#include "geometry/vector.h"

// A ball: everything within radius of the centre.
struct Sphere {
    Vector centre;
    double radius = 0;
};
