#pragma once

#include <iosfwd>

#include "geometry/matrix.h"
#include "scene/object.h"

class Mesh;

// An object drawn from a mesh that its derived class supplies (and owns), sized by the mesh's bounding
// box. An extra model transform can be multiplied in before the mesh is drawn, for spinning or swaying
// parts that leave the placement alone.
class MeshObject : public Object {
  public:
    MeshObject() = default;

    // Multiplies in the model transform when it is used, then draws the mesh.
    void draw() override;
    // Half the horizontal diagonal of the mesh's bounding box, computed once.
    double radius() const override;
    // Half the height of the mesh's bounding box, computed once.
    double halfHeight() const override;
    // The mesh, a blank line, then the contact size.
    std::ostream& print(std::ostream& out) const override;

    virtual bool usesTransform() const;
    virtual const Mesh& mesh() const = 0;
    virtual void drawMesh();

    Matrix& modelTransform() { return modelTransform_; }
    const Matrix& modelTransform() const { return modelTransform_; }

  protected:
    // Derived classes that size themselves another way keep their value in the same caches.
    double& radiusCache() const { return radiusCache_; }
    double& halfHeightCache() const { return halfHeightCache_; }

  private:
    // Zero means not computed yet, so a flat or empty mesh is measured again on every call.
    mutable double radiusCache_ = 0;
    mutable double halfHeightCache_ = 0;
    Matrix modelTransform_;
};
