#pragma once

#include "geometry/cone_mesh.h"
#include "geometry/line_mesh.h"
#include "scene/mesh_object.h"
#include "scene/projectile.h"

// A shot: a small spinning dart that flies under gravity, is never itself a contact partner, and switches
// off at the first thing it touches, the ground and the world's edge included. Shooters own a fixed pool
// of them; an idle shot is inactive and waits for the next launch.
class Fire : public MeshObject, public Projectile {
  public:
    // A four-sided dart 0.25 long along local Z: dark at its base ring, the full colour at its tip.
    class ConeMesh : public ::ConeMesh {
      public:
        explicit ConeMesh(const Color& color);
    };

    // A streak a quarter long along local Z, black at its back end.
    class LineMesh : public ::LineMesh {
      public:
        explicit LineMesh(const Color& color);
    };

    // The program's magenta dart and streak, built on first use and kept until exit.
    static const ConeMesh& dart();
    static const LineMesh& streak();

    Fire() = default;

    // Switches off, whatever it touched.
    Object& hit(Object* other) override;
    // Spins about its own axis, idle or not, then moves.
    Object& update(double dt) override;
    bool isPassive() const override { return true; }
    // Switching on plays "fire"; both ways the spin starts over.
    void setActive(bool on) override;
    const ::Mesh& mesh() const override { return dart(); }

    // Radians about the dart's own axis.
    double spin = 0;
};

namespace FirstPerson {

// An aircraft's shot: it kills the player it touches.
class EnemyFire : public Fire {
  public:
    Object& hit(Object* other) override;
};

// The player's shot: a Fire in cyan, so that players tell their own shots from the enemy's.
class HeroFire : public Fire {
  public:
    static const Fire::ConeMesh& dart();

    const ::Mesh& mesh() const override { return dart(); }
};

}  // namespace FirstPerson
