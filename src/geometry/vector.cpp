#include "geometry/vector.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <iomanip>
#include <ostream>

#include "geometry/matrix.h"

// Constant-initialised, so they are usable from any other static initialiser.
constinit const Vector AxisX(1, 0, 0);
constinit const Vector AxisY(0, 1, 0);
constinit const Vector AxisZ(0, 0, 1);
constinit const Vector Origin(0, 0, 0);
constinit const Vector Gravity(0, -9.8, 0);

Vector& Vector::snap(double steps) {
    if (steps > 1) {
        return scale(steps).set(std::round(x), std::round(y), std::round(z)).divide(steps);
    }
    return set(std::round(x), std::round(y), std::round(z));
}

Vector& Vector::jitter(const Vector& a) {
    x += random(0) * std::abs(a.x) - 0.5 * std::abs(a.x);
    y += random(0) * std::abs(a.y) - 0.5 * std::abs(a.y);
    z += random(0) * std::abs(a.z) - 0.5 * std::abs(a.z);
    return *this;
}

Vector& Vector::rotateX(double angle) {
    return transform(Matrix().rotationX(angle));
}

Vector& Vector::rotateY(double angle) {
    return transform(Matrix().rotationY(angle));
}

Vector& Vector::rotateZ(double angle) {
    return transform(Matrix().rotationZ(angle));
}

// The 3x3 block is read row by row: the transpose of what glMultMatrixd applies to the same values.
Vector& Vector::transform(const Matrix& matrix) {
    const double* m = matrix.m;
    return set(m[0] * x + m[1] * y + m[2] * z + m[12], m[4] * x + m[5] * y + m[6] * z + m[13],
               m[8] * x + m[9] * y + m[10] * z + m[14]);
}

std::ostream& operator<<(std::ostream& out, const Vector& v) {
    return out << std::setw(8) << v.x << ' ' << std::setw(8) << v.y << ' ' << std::setw(8) << v.z;
}

namespace {

// Draws are 15 bits wide, 0 to 32767. rand() here spans 31 bits; the generator's 15-bit range is taken
// from its high bits, which are the better distributed ones.
constexpr unsigned randomBits = std::bit_width(static_cast<unsigned long>(RAND_MAX));
static_assert(std::has_single_bit(static_cast<unsigned long>(RAND_MAX) + 1) && randomBits >= 15,
              "rand() must give a whole number of random bits, at least 15");
constexpr double drawMax = 32767.0;

int draw() {
    return std::rand() >> (randomBits - 15);
}

}  // namespace

double random(double offset) {
    return offset + draw() / drawMax;
}

bool chance(double p) {
    return std::min(p, 1.0) > random(0);
}
