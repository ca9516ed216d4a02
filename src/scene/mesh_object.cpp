#include "scene/mesh_object.h"

#include <GL/gl.h>

#include <ostream>

#include "geometry/mesh.h"

void MeshObject::draw() {
    if (usesTransform()) {
        glMultMatrixd(modelTransform_.m);
    }
    if (!cullsBackFaces() && glIsEnabled(GL_CULL_FACE)) {
        glDisable(GL_CULL_FACE);
        drawMesh();
        glEnable(GL_CULL_FACE);
        return;
    }
    drawMesh();
}

double MeshObject::radius() const {
    if (radiusCache_ == 0) {
        const Vector size = mesh().bounds().size();
        radiusCache_ = 0.5 * Vector(size.x, 0, size.z).length();
    }
    return radiusCache_;
}

double MeshObject::halfHeight() const {
    if (halfHeightCache_ == 0) {
        halfHeightCache_ = 0.5 * mesh().bounds().size().y;
    }
    return halfHeightCache_;
}

std::ostream& MeshObject::print(std::ostream& out) const {
    out << mesh() << '\n' << '\n';
    return Object::print(out);
}

bool MeshObject::usesTransform() const {
    return !isFixed();
}

void MeshObject::drawMesh() {
    mesh().draw();
}
