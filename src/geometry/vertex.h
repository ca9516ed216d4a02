#pragma once

#include "geometry/color.h"
#include "geometry/vector.h"

class Matrix;

// A mesh corner: a position with its own colour. Both bases have scale and divide, so callers name the one
// they mean (static_cast<Color&>(vertex).divide(2)).
class Vertex : public Vector, public Color {
  public:
    constexpr Vertex(double x, double y, double z, double r, double g, double b)
        : Vector(x, y, z), Color(r, g, b) {}
    constexpr Vertex(const Vector& position, const Color& color) : Vector(position), Color(color) {}
    Vertex(const Vertex&) = default;
    Vertex& operator=(const Vertex&) = default;
    virtual ~Vertex() = default;

    // Sets the colour, then emits the position.
    void draw() const override;

    using Vector::set;
    Vertex& set(const Vector& position);
    Vertex& translate(const Vector& v);
    Vertex& transform(const Matrix& m);
};
