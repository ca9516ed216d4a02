#include "geometry/dot_mesh.h"

DotMesh::DotMesh() {
    Vertex* v = addVertex(std::make_unique<Vertex>(0, 0, 0, 1, 1, 1));
    addFace(std::make_unique<Face>(v));
}
