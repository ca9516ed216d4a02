#include "geometry/face.h"

#include <GL/gl.h>

#include "geometry/vertex.h"

std::unique_ptr<Face> Face::clone() const {
    return std::make_unique<Face>(a);
}

void Face::draw() const {
    glBegin(GL_POINTS);
    a->draw();
    glEnd();
}

bool Face::uses(const Vertex* v) const {
    return a == v;
}

bool Face::degenerate() const {
    return false;
}

Face& Face::replace(const Vertex* old, Vertex* replacement) {
    if (a == old) {
        a = replacement;
    }
    return *this;
}

void Face::forEachVertex(const std::function<void(Vertex*&)>& visit) {
    visit(a);
}

std::unique_ptr<Face> LineFace::clone() const {
    return std::make_unique<LineFace>(a, b);
}

void LineFace::draw() const {
    glBegin(GL_LINES);
    a->draw();
    b->draw();
    glEnd();
}

bool LineFace::uses(const Vertex* v) const {
    return Face::uses(v) || b == v;
}

bool LineFace::degenerate() const {
    return a == b;
}

Face& LineFace::replace(const Vertex* old, Vertex* replacement) {
    if (b == old) {
        b = replacement;
    }
    return Face::replace(old, replacement);
}

void LineFace::forEachVertex(const std::function<void(Vertex*&)>& visit) {
    Face::forEachVertex(visit);
    visit(b);
}

std::unique_ptr<Face> TriangleFace::clone() const {
    return std::make_unique<TriangleFace>(a, b, c);
}

void TriangleFace::draw() const {
    glBegin(GL_TRIANGLES);
    a->draw();
    b->draw();
    c->draw();
    glEnd();
}

bool TriangleFace::uses(const Vertex* v) const {
    return LineFace::uses(v) || c == v;
}

bool TriangleFace::degenerate() const {
    return LineFace::degenerate() || c == a || c == b;
}

Face& TriangleFace::replace(const Vertex* old, Vertex* replacement) {
    if (c == old) {
        c = replacement;
    }
    return LineFace::replace(old, replacement);
}

void TriangleFace::forEachVertex(const std::function<void(Vertex*&)>& visit) {
    LineFace::forEachVertex(visit);
    visit(c);
}
