#include "geometry/triangle_mesh.h"

TriangleMesh::TriangleMesh() {
    Vertex* x = addVertex(std::make_unique<Vertex>(1, 0, 0, 1, 1, 1));
    Vertex* y = addVertex(std::make_unique<Vertex>(0, 1, 0, 1, 1, 1));
    Vertex* origin = addVertex(std::make_unique<Vertex>(0, 0, 0, 1, 1, 1));
    addFace(std::make_unique<TriangleFace>(origin, y, x));
}
