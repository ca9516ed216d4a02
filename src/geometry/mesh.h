#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <vector>

#include "geometry/bounds.h"
#include "geometry/color.h"
#include "geometry/face.h"
#include "geometry/mesh_recorder.h"
#include "geometry/sphere.h"
#include "geometry/vector.h"
#include "geometry/vertex.h"

// Ordered, owned lists of faces and vertices; every face refers only to vertices of its own mesh.
// Editing operations work in place and return the mesh, so builders chain them. Order matters: drawing
// follows the face order, and welding and nearest-vertex searches prefer earlier vertices.
// While a recorder is bound, drawing replays the mesh's recording. Any non-const use of a mesh, reaching its
// lists included, counts as an edit that the next draw records again; a vertex changed through a pointer
// kept from before is not seen. While a culler is bound, a mesh wholly out of view is not drawn at all.
class Mesh {
  public:
    Mesh() = default;
    virtual ~Mesh();
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;
    Mesh(Mesh&&) noexcept = default;
    Mesh& operator=(Mesh&&) noexcept = default;

    Vertex* addVertex(std::unique_ptr<Vertex> vertex);
    Face* addFace(std::unique_ptr<Face> face);

    // The lists can't be changed from outside, but the faces and vertices in them can.
    const std::vector<std::unique_ptr<Face>>& faces() const { return faces_; }
    const std::vector<std::unique_ptr<Vertex>>& vertices() const { return vertices_; }
    const std::vector<std::unique_ptr<Face>>& faces() { return edited().faces_; }
    const std::vector<std::unique_ptr<Vertex>>& vertices() { return edited().vertices_; }

    // Replays the recording when a recorder is bound, else draws the faces.
    void draw() const;
    // Draws every face in list order.
    void drawFaces() const;

    // The earliest of the vertices closest to p; throws std::runtime_error for an empty mesh.
    Vertex& nearestVertex(const Vector& p) const;
    Mesh& moveNearestVertex(const Vector& p, const Vector& to);
    Mesh& moveNearestVertex(double px, double py, double pz, double tx, double ty, double tz);
    Mesh& paintNearestVertex(const Vector& p, const Color& c);
    Mesh& paintNearestVertex(double x, double y, double z, const Color& c);
    Mesh& paint(const Color& c);
    // Blends each vertex colour toward c by height: the lowest vertices get c, the highest keep theirs.
    // A flat mesh keeps its colours.
    Mesh& shade(const Color& c);

    // Zero to zero for an empty mesh.
    Bounds bounds() const;
    // About the centre of the bounds, just large enough to hold every vertex; kept until the next edit.
    const Sphere& boundingSphere() const;

    Mesh& translate(double x, double y, double z);
    Mesh& translate(const Vector& v);
    Mesh& translateY(double dy);
    Mesh& scale(double x, double y, double z);
    Mesh& scale(const Vector& v);
    Mesh& scale(double s);
    Mesh& rotateX(double angle);
    Mesh& rotateY(double angle);
    Mesh& rotateZ(double angle);
    // Moves the centre of the bounds to the origin.
    Mesh& center();
    // Moves every vertex by a random amount of up to d/2 along X and Z.
    Mesh& jitter(double d);
    // Rounds every position to a grid of 1/steps, then welds what landed together.
    Mesh& snap(double steps);
    // Re-points faces from each vertex to the earliest vertex closer than tolerance, then drops
    // degenerate faces and the vertices no face uses.
    Mesh& weld(double tolerance);
    // Appends a copy of other and welds within 0.001; where vertices coincide, the one already here stays.
    Mesh& merge(const Mesh& other);
    // A plain Mesh with this mesh merged into it.
    std::unique_ptr<Mesh> copy() const;

  protected:
    // Empties the mesh; for builders given sizes that make no shape.
    Mesh& clear();

  private:
    Mesh& edited() {
        recording_.outdate();
        boundingSphere_.reset();
        return *this;
    }

    std::vector<std::unique_ptr<Face>> faces_;
    std::vector<std::unique_ptr<Vertex>> vertices_;
    // A const mesh is drawn, and its recording is no part of its value.
    mutable MeshRecording recording_;
    mutable std::optional<Sphere> boundingSphere_;
};

// One line per vertex: its index in a field of width 8, ": " and its position; then a blank line, the
// vertex count in a field of width 9, a space and the face count in a field of width 8.
std::ostream& operator<<(std::ostream& out, const Mesh& mesh);
