#include "geometry/vertex.h"

#include <GL/gl.h>

void Vertex::draw() const {
    glColor3d(r, g, b);
    glVertex3d(x, y, z);
}

Vertex& Vertex::set(const Vector& position) {
    Vector::operator=(position);
    return *this;
}

Vertex& Vertex::translate(const Vector& v) {
    add(v);
    return *this;
}

Vertex& Vertex::transform(const Matrix& m) {
    Vector::transform(m);
    return *this;
}
