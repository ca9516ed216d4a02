#pragma once

#include "geometry/scoped_binding.h"
#include "geometry/sphere.h"

// Decides, while bound, whether a mesh about to be drawn can show at all, so that one wholly out of view is
// not sent to GL. The live scene binds one for the frames it presents; drawing elsewhere (an export, a
// picture made another way) binds none and draws everything.
class MeshCuller {
  public:
    // Binds a culler, or none, for its lifetime; the one bound before comes back after it.
    using Binding = ScopedBinding<MeshCuller>;
    // The culler bound now, if any.
    static MeshCuller* bound() { return Binding::current(); }

    // Whether a sphere, in the coordinates the next mesh would be drawn in, may show. False only when
    // nothing of it can.
    virtual bool mayShow(const Sphere& sphere) = 0;

    virtual ~MeshCuller() = default;
    MeshCuller(const MeshCuller&) = delete;
    MeshCuller& operator=(const MeshCuller&) = delete;

  protected:
    MeshCuller() = default;
};
