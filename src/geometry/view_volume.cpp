#include "geometry/view_volume.h"

#include <cmath>
#include <cstddef>

ViewVolume::ViewVolume(const double* clip, double margin) {
    // Row i of the column-major matrix; clip space holds -w <= x, y, z <= w.
    const auto row = [clip](std::size_t i, std::size_t j) { return clip[j * 4 + i]; };
    std::size_t p = 0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        for (const double side : {1.0, -1.0}) {
            std::array<double, 4>& plane = planes_[p++];
            for (std::size_t j = 0; j < 4; ++j) {
                plane[j] = (1 + margin) * row(3, j) + side * row(axis, j);
            }
            const double length = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
            // A plane with no normal cuts nothing off: all zero, every point lies on it.
            for (double& value : plane) {
                value = length > 0 ? value / length : 0;
            }
        }
    }
}

bool ViewVolume::mayShow(const Sphere& sphere) const {
    const Vector& c = sphere.centre;
    for (const auto& plane : planes_) {
        if (plane[0] * c.x + plane[1] * c.y + plane[2] * c.z + plane[3] < -sphere.radius) {
            return false;
        }
    }
    return true;
}
