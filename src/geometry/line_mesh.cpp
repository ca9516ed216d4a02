#include "geometry/line_mesh.h"

LineMesh::LineMesh(double x1, double y1, double z1, double x2, double y2, double z2) {
    Vertex* end = addVertex(std::make_unique<Vertex>(x2, y2, z2, 1, 1, 1));
    Vertex* start = addVertex(std::make_unique<Vertex>(x1, y1, z1, 1, 1, 1));
    addFace(std::make_unique<LineFace>(start, end));
}
