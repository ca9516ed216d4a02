#include "geometry/color.h"

#include <GL/gl.h>

// Constant-initialised, so they are usable from any other static initialiser.
constinit const Color White(1, 1, 1);
constinit const Color Black(0, 0, 0);
constinit const Color Cyan(0, 1, 1);
constinit const Color Magenta(1, 0, 1);

void Color::draw() const {
    glColor3d(r, g, b);
}

Color& Color::scale(double s) {
    r *= s;
    g *= s;
    b *= s;
    return *this;
}

Color& Color::divide(double s) {
    if (s == 0) {
        return *this;
    }
    r /= s;
    g /= s;
    b /= s;
    return *this;
}
