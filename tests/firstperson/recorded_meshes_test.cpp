#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "firstperson/arena.h"
#include "firstperson/ground.h"
#include "firstperson/hero.h"
#include "geometry/color.h"

// The frames a scene presents replay its meshes' recordings; drawn at any other time they go face by face.
// Both must show the same picture, before and after a mesh is edited.

namespace {

constexpr int Width = 320;
constexpr int Height = 240;

// The whole arena from above, with nothing over it.
class Overview : public FirstPerson::Arena {
  public:
    Overview() {
        hero->setActive(false);
        showHint("");
    }
    bool showsCrosshair() const override { return false; }
};

std::vector<std::uint8_t> readBack() {
    glFinish();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(Width) * Height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, Width, Height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// Mesa keeps a shown window's back buffer through the swap, so the presented frame is read from there.
std::vector<std::uint8_t> presented(Overview& arena) {
    arena.present();
    return readBack();
}

std::vector<std::uint8_t> drawnFaceByFace(Overview& arena) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    arena.draw();
    return readBack();
}

}  // namespace

TEST(RecordedMeshes, PresentEveryModelAsDrawnFaceByFaceInEveryModeAndFollowAnEdit) {
    Overview arena;
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_ShowWindow(window);
    SDL_SetWindowSize(window, Width, Height);
    SDL_PumpEvents();
    arena.resize(Width, Height);

    std::vector<std::uint8_t> filled;
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(::testing::Message() << "polygon mode " << mode);
        presented(arena);  // recorded here
        const std::vector<std::uint8_t> replayed = presented(arena);
        EXPECT_TRUE(replayed == drawnFaceByFace(arena));
        if (mode == 0) {
            filled = replayed;
        }
        arena.cyclePolygonMode();
    }

    // Drawn and recorded before: the edit must show in the next frame.
    arena.ground()->surface.paint(Magenta);
    const std::vector<std::uint8_t> edited = presented(arena);
    EXPECT_TRUE(edited == drawnFaceByFace(arena));
    EXPECT_TRUE(edited != filled);
}
