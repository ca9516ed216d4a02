#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

#include "firstperson/arena.h"
#include "firstperson/ground.h"
#include "firstperson/hero.h"
#include "geometry/color.h"

// The frames a scene presents replay its meshes' recordings and leave out the meshes wholly out of view;
// drawn at any other time they go face by face, every one. Both must show the same picture, before and after
// a mesh is edited, and whichever way the player looks.

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

// Through the player's eyes, with nothing over the view.
class PlayersView : public FirstPerson::Arena {
  public:
    PlayersView() { showHint(""); }
    bool showsCrosshair() const override { return false; }
};

void showAt(FirstPerson::Arena& arena, int width, int height) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_ShowWindow(window);
    SDL_SetWindowSize(window, width, height);
    SDL_PumpEvents();
    arena.resize(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
}

std::vector<std::uint8_t> readBack() {
    glFinish();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(Width) * Height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, Width, Height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// Mesa keeps a shown window's back buffer through the swap, so the presented frame is read from there.
std::vector<std::uint8_t> presented(FirstPerson::Arena& arena) {
    arena.present();
    return readBack();
}

std::vector<std::uint8_t> drawnFaceByFace(FirstPerson::Arena& arena) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    arena.draw();
    return readBack();
}

}  // namespace

TEST(RecordedMeshes, PresentEveryModelAsDrawnFaceByFaceInEveryModeAndFollowAnEdit) {
    Overview arena;
    showAt(arena, Width, Height);

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

// Turning on the spot sweeps every model across the edges of the view, where a mesh partly in view must
// still be drawn whole.
TEST(RecordedMeshes, PresentWhatThePlayerSeesAsEverythingDrawnWhicheverWayTheyLook) {
    PlayersView arena;
    showAt(arena, Width, Height);
    ASSERT_TRUE(arena.seesThroughPlayer());
    presented(arena);  // the window's first frame
    constexpr int Headings = 16;
    for (int mode = 0; mode < 3; ++mode) {
        for (int heading = 0; heading < Headings; ++heading) {
            SCOPED_TRACE(::testing::Message() << "polygon mode " << mode << ", heading " << heading);
            arena.hero->face(Vector(AxisX).rotateY(2 * std::numbers::pi * heading / Headings));
            const std::vector<std::uint8_t> shown = presented(arena);
            EXPECT_TRUE(shown == drawnFaceByFace(arena));
        }
        arena.cyclePolygonMode();
    }
}
