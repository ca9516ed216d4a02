#pragma once

#include <cmath>
#include <iosfwd>

class Matrix;

// A point or direction in world units. Operations change the vector in place and return it, so calls chain.
class Vector {
  public:
    double x = 0;
    double y = 0;
    double z = 0;

    constexpr Vector() = default;
    constexpr Vector(double x, double y, double z) : x(x), y(y), z(z) {}

    constexpr Vector& set(double newX, double newY, double newZ) {
        x = newX;
        y = newY;
        z = newZ;
        return *this;
    }
    constexpr Vector& zero() { return set(0, 0, 0); }
    constexpr Vector& negate() { return set(-x, -y, -z); }
    constexpr Vector& add(const Vector& a) { return set(x + a.x, y + a.y, z + a.z); }
    constexpr Vector& subtract(const Vector& a) { return set(x - a.x, y - a.y, z - a.z); }
    constexpr Vector& multiply(const Vector& a) { return set(x * a.x, y * a.y, z * a.z); }
    constexpr Vector& scale(double s) { return multiply(Vector(s, s, s)); }
    constexpr Vector& divide(double s) { return set(x / s, y / s, z / s); }

    constexpr double dot(const Vector& a) const { return x * a.x + y * a.y + z * a.z; }
    constexpr double lengthSquared() const { return dot(*this); }
    double length() const { return std::sqrt(lengthSquared()); }
    double distance(const Vector& a) const { return Vector(*this).subtract(a).length(); }

    // The zero vector has no direction and stays zero.
    Vector& normalize() {
        if (x == 0 && y == 0 && z == 0) {
            return *this;
        }
        return divide(length());
    }

    // Rounds to a grid of 1/steps (halves away from zero); steps <= 1 rounds to whole numbers.
    Vector& snap(double steps);
    // Moves each component by a uniform random amount within half the size of the same component of a.
    Vector& jitter(const Vector& a);

    Vector& rotateX(double angle);
    Vector& rotateY(double angle);
    Vector& rotateZ(double angle);
    Vector& transform(const Matrix& m);

    friend constexpr bool operator==(const Vector&, const Vector&) = default;
};

// x, y and z, each in a field of width 8, separated by spaces.
std::ostream& operator<<(std::ostream& out, const Vector& v);

// offset plus a uniform draw from [0, 1], both ends included.
double random(double offset);
// True with probability p (never for p <= 0); one draw of the generator.
bool chance(double p);

extern const Vector AxisX;
extern const Vector AxisY;
extern const Vector AxisZ;
extern const Vector Origin;
extern const Vector Gravity;
