#pragma once

// An RGB colour, each component nominally in 0 to 1.
class Color {
  public:
    double r;
    double g;
    double b;

    constexpr Color(double r, double g, double b) : r(r), g(g), b(b) {}
    constexpr Color(const Color&) = default;
    constexpr Color& operator=(const Color&) = default;

    // Makes this the current GL colour.
    virtual void draw() const;

    Color& scale(double s);
    // Dividing by zero leaves the colour as it is.
    Color& divide(double s);
};

extern const Color White;
extern const Color Black;
extern const Color Cyan;
extern const Color Magenta;
