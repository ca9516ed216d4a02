#include "firstperson/ground.h"

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "geometry/face.h"
#include "geometry/ring_mesh.h"
#include "geometry/vertex.h"

namespace {

// Segments on a circle that short stay invisible.
constexpr double ShortestLine = 1e-6;
constexpr unsigned EdgeSegments = 96;
// The plain's rim, in radii of the edge: the far plane is three radii from the eye, and the eye goes no
// farther than two radii from the middle; past the far plane's corners in a wide window too.
constexpr double PlainReach = 10;

}  // namespace

Ground::Mesh::Mesh(double radius, const Color& grid, const Color& edge, const Color& beyond) {
    // Lines across the disc at every whole coordinate, each ending on the ring.
    const int reach = static_cast<int>(std::floor(radius));
    for (int k = -reach; k <= reach; ++k) {
        const double half = std::sqrt(radius * radius - k * k);
        if (half < ShortestLine) {
            continue;
        }
        for (bool alongX : {true, false}) {
            const double x = alongX ? half : k;
            const double z = alongX ? k : half;
            Vertex* a = addVertex(
                std::make_unique<Vertex>(alongX ? -x : x, 0, alongX ? z : -z, grid.r, grid.g, grid.b));
            Vertex* b = addVertex(std::make_unique<Vertex>(x, 0, z, grid.r, grid.g, grid.b));
            addFace(std::make_unique<LineFace>(a, b));
        }
    }
    RingMesh ring(EdgeSegments);
    ring.scale(radius).paint(edge);
    merge(ring);
    // A quad per segment of the ring, from its corners out to the plain's rim, facing up. Added without
    // merging: welded to the ring's corners they would take its colour.
    const double rim = PlainReach * radius;
    const auto corner = [&](unsigned k, double distance) {
        const double angle = 2 * std::numbers::pi * k / EdgeSegments;
        return addVertex(std::make_unique<Vertex>(distance * std::cos(angle), 0, -distance * std::sin(angle),
                                                  beyond.r, beyond.g, beyond.b));
    };
    Vertex* const firstInner = corner(0, radius);
    Vertex* const firstOuter = corner(0, rim);
    Vertex* inner = firstInner;
    Vertex* outer = firstOuter;
    for (unsigned k = 1; k <= EdgeSegments; ++k) {
        Vertex* nextInner = k < EdgeSegments ? corner(k, radius) : firstInner;
        Vertex* nextOuter = k < EdgeSegments ? corner(k, rim) : firstOuter;
        addFace(std::make_unique<TriangleFace>(inner, outer, nextOuter));
        addFace(std::make_unique<TriangleFace>(inner, nextOuter, nextInner));
        inner = nextInner;
        outer = nextOuter;
    }
}

Ground::Ground(double radius, const Color& grid, const Color& edge, const Color& beyond)
    : surface(radius, grid, edge, beyond) {}

void Ground::drawMesh() {
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1, 1);
    MeshObject::drawMesh();
    glDisable(GL_POLYGON_OFFSET_FILL);
}
