#include "firstperson/ground.h"

#include <cmath>
#include <memory>

#include "geometry/face.h"
#include "geometry/ring_mesh.h"
#include "geometry/vertex.h"

namespace {

// Segments on a circle that short stay invisible.
constexpr double ShortestLine = 1e-6;
constexpr unsigned EdgeSegments = 96;

}  // namespace

Ground::Mesh::Mesh(double radius, const Color& grid, const Color& edge) {
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
}

Ground::Ground(double radius, const Color& grid, const Color& edge) : lines(radius, grid, edge) {}
