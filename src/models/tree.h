#pragma once

#include "scene/mesh_object.h"

// Fixed scenery: a tree never moves, but others land on it and slide along it. A shot that strikes a still
// tree sets it swaying about its base for one second, in a shake that dies away. The kinds of tree supply
// the mesh, built centred on the tree's position.
class Tree : public MeshObject {
  public:
    Tree() = default;

    // A projectile sets a still tree swaying; a hit during the sway does not start it over.
    Object& hit(Object* other) override;
    // The sway, while there is any left.
    Object& update(double dt) override;
    bool isFixed() const override { return true; }
    // Switching on stops any sway.
    void setActive(bool on) override;
    bool usesTransform() const override;

    // Seconds of sway left.
    double shake = 0;
};
