#include "app/view_culling.h"

#include <GL/gl.h>

#include "geometry/matrix.h"
#include "geometry/view_volume.h"

namespace {

// A hundredth of the half-width beyond each edge: a line a pixel outside may still light an edge pixel.
constexpr double EdgeMargin = 0.01;

class ViewCulling final : public MeshCuller {
  public:
    ViewCulling() = default;

    bool mayShow(const Sphere& sphere) override {
        // Read from GL rather than kept here: whatever placed the mesh (a model's own parts, a spinning
        // propeller) is in force, whichever way it got there.
        glGetDoublev(GL_PROJECTION_MATRIX, clip_.m);
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView_.m);
        clip_.multiply(modelView_);
        return ViewVolume(clip_.m, EdgeMargin).mayShow(sphere);
    }

  private:
    Matrix clip_;
    Matrix modelView_;
};

}  // namespace

std::unique_ptr<MeshCuller> makeViewCulling() {
    return std::make_unique<ViewCulling>();
}
