#pragma once

#include <functional>
#include <memory>

class Vertex;

// A point drawn at one vertex. Faces refer to vertices owned by their mesh and never own them;
// "is" below means the same vertex object, not equal coordinates.
class Face {
  public:
    Vertex* a;

    explicit Face(Vertex* a) : a(a) {}
    virtual ~Face() = default;

    virtual std::unique_ptr<Face> clone() const;
    // One glBegin/glEnd pair, vertices in the order a, b, c.
    virtual void draw() const;
    virtual bool uses(const Vertex* v) const;
    virtual bool degenerate() const;
    // Re-points every reference to old at replacement.
    virtual Face& replace(const Vertex* old, Vertex* replacement);
    // Calls visit on every vertex reference in the order a, b, c; visit may re-point it.
    virtual void forEachVertex(const std::function<void(Vertex*&)>& visit);

  protected:
    Face(const Face&) = default;
    Face& operator=(const Face&) = default;
};

// A line from a to b.
class LineFace : public Face {
  public:
    Vertex* b;

    LineFace(Vertex* a, Vertex* b) : Face(a), b(b) {}

    std::unique_ptr<Face> clone() const override;
    void draw() const override;
    bool uses(const Vertex* v) const override;
    bool degenerate() const override;
    Face& replace(const Vertex* old, Vertex* replacement) override;
    void forEachVertex(const std::function<void(Vertex*&)>& visit) override;

  protected:
    LineFace(const LineFace&) = default;
    LineFace& operator=(const LineFace&) = default;
};

// A triangle a, b, c; its front is where (b - a) x (c - a) points.
class TriangleFace : public LineFace {
  public:
    Vertex* c;

    TriangleFace(Vertex* a, Vertex* b, Vertex* c) : LineFace(a, b), c(c) {}

    std::unique_ptr<Face> clone() const override;
    void draw() const override;
    bool uses(const Vertex* v) const override;
    bool degenerate() const override;
    Face& replace(const Vertex* old, Vertex* replacement) override;
    void forEachVertex(const std::function<void(Vertex*&)>& visit) override;

  protected:
    TriangleFace(const TriangleFace&) = default;
    TriangleFace& operator=(const TriangleFace&) = default;
};
