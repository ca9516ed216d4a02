#pragma once

#include <array>

#include "geometry/sphere.h"

// What a projection can show: the six planes of its clip volume, taken from the product of the projection
// and the model-view matrix and so expressed in the model's own coordinates.
class ViewVolume {
  public:
    // clip is column-major (as GL keeps matrices), the projection times the model-view. margin widens every
    // side by that fraction, so that what lies a pixel or two outside an edge still counts as inside.
    explicit ViewVolume(const double* clip, double margin = 0);

    // False only when the sphere lies wholly outside one of the planes: nothing of it can be seen.
    bool mayShow(const Sphere& sphere) const;

  private:
    // Normal x, y, z (unit length) and offset: points inside have a positive distance.
    std::array<std::array<double, 4>, 6> planes_{};
};
