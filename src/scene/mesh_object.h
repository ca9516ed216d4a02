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

    // Multiplies in the model transform when it is used, then draws the mesh; with back faces shown (face
    // culling switched off for this object) unless the object culls them.
    void draw() override;
    // Half the horizontal diagonal of the mesh's bounding box, computed once.
    double radius() const override;
    // Half the height of the mesh's bounding box, computed once.
    double halfHeight() const override;
    // The mesh, a blank line, then the contact size.
    std::ostream& print(std::ostream& out) const override;

    virtual bool usesTransform() const;
    // Whether the object's back faces may be culled: only a closed surface, whose back faces are always
    // hidden behind its front faces, may say so. Open ones (single-sided wings, leaves, open boxes) do not.
    virtual bool cullsBackFaces() const { return false; }
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
