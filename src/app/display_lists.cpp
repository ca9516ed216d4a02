#include "app/display_lists.h"

#include <GL/gl.h>

#include "geometry/mesh.h"

namespace {

class DisplayLists final : public MeshRecorder {
  public:
    DisplayLists() = default;
    ~DisplayLists() override { releaseAll(); }
    DisplayLists(const DisplayLists&) = delete;
    DisplayLists& operator=(const DisplayLists&) = delete;

  private:
    unsigned create() override { return glGenLists(1); }
    void record(unsigned name, const Mesh& mesh) override {
        glNewList(name, GL_COMPILE_AND_EXECUTE);
        mesh.drawFaces();
        glEndList();
    }
    void replay(unsigned name) override { glCallList(name); }
    void destroy(unsigned name) noexcept override { glDeleteLists(name, 1); }
};

}  // namespace

std::unique_ptr<MeshRecorder> makeDisplayLists() {
    return std::make_unique<DisplayLists>();
}
