#include "geometry/cone_mesh.h"

#include <numbers>

ConeMesh::ConeMesh(unsigned segments, double height, bool closed) {
    if (segments == 0) {
        return;
    }
    Vertex* apex = addVertex(std::make_unique<Vertex>(0, 0, 0, 1, 1, 1));
    std::vector<Vertex*> rim;
    for (unsigned i = 0; i < segments; ++i) {
        Vector point = Vector(AxisX).rotateY(-2 * std::numbers::pi * i / segments);
        rim.push_back(addVertex(std::make_unique<Vertex>(point.x, 0, point.z, 1, 1, 1)));
        if (i >= 1) {
            addFace(std::make_unique<TriangleFace>(apex, rim[i - 1], rim[i]));
            if (i == segments - 1) {
                addFace(std::make_unique<TriangleFace>(apex, rim[i], rim[0]));
            }
        }
    }
    apex->y = height;
    if (closed) {
        merge(ConeMesh(segments, 0, false).rotateX(std::numbers::pi));
    }
}
