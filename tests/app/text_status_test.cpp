#include <GL/glew.h>

#include "app/graphics.h"
#include "platform/message_queue.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The status text of a live scene: drawn by present() centred near the bottom, and added to the caption.

namespace {

class StatusScene : public Graphics {
  public:
    StatusScene() : Graphics("Status test", 13, Color(0, 0, 1)) {}
    ~StatusScene() override {
        // Closing the window posts the quit message; a later scene's loop must not see it.
        platform::Message message;
        while (platform::peekMessage(message)) {
        }
    }
    Input& input(int, bool) override { return *this; }
};

constexpr int viewWidth = 350;
constexpr int viewHeight = 175;

struct Frame {
    std::vector<std::uint8_t> rgb;  // row 0 at the top
    bool white(int x, int y) const {
        const std::uint8_t* p = &rgb[static_cast<std::size_t>(y * viewWidth + x) * 3];
        return p[0] == 255 && p[1] == 255 && p[2] == 255;
    }
};

// Presents one frame on the shown window and reads back what was shown. Mesa keeps a mapped window's back
// buffer through the swap (its front buffer cannot be read back), so the frame is read from there.
Frame presentAndRead(Graphics& scene) {
    SDL_ShowWindow(SDL_GL_GetCurrentWindow());
    for (int i = 0; i < 10; ++i) {
        SDL_PumpEvents();
        SDL_Delay(10);
    }
    scene.present();
    scene.present();
    glFinish();
    std::vector<std::uint8_t> upsideDown(static_cast<std::size_t>(viewWidth * viewHeight) * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, viewWidth, viewHeight, GL_RGB, GL_UNSIGNED_BYTE, upsideDown.data());
    Frame frame{std::vector<std::uint8_t>(upsideDown.size())};
    const std::size_t row = viewWidth * 3;
    for (int y = 0; y < viewHeight; ++y) {
        std::copy_n(upsideDown.begin() + static_cast<std::ptrdiff_t>((viewHeight - 1 - y) * row), row,
                    frame.rgb.begin() + static_cast<std::ptrdiff_t>(y * row));
    }
    return frame;
}

std::string windowCaption() {
    return SDL_GetWindowTitle(SDL_GL_GetCurrentWindow());
}

}  // namespace

TEST(StatusText, ShowsCentredNearTheBottom) {
    StatusScene scene;
    scene.resize(viewWidth, viewHeight);
    scene.setStatus("[ 6 : 0.50 ]");
    Frame frame = presentAndRead(scene);

    // Scale 175 / 175 = 1: 78 x 17 pixels of cells centred on (175, 161.875).
    int left = viewWidth, right = -1, top = viewHeight, bottom = -1, count = 0;
    for (int y = 0; y < viewHeight; ++y) {
        for (int x = 0; x < viewWidth; ++x) {
            if (frame.white(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                ++count;
            }
        }
    }
    ASSERT_GT(count, 50);
    EXPECT_GE(left, 136);
    EXPECT_LE(right, 213);
    EXPECT_GE(top, 153);
    EXPECT_LE(bottom, 170);
    EXPECT_NEAR((left + right) / 2.0, 175, 3);
    EXPECT_GT(right - left, 60);
}

TEST(StatusText, DrawnFilledInEveryPolygonModeWhichStaysTheScenes) {
    StatusScene scene;
    scene.resize(viewWidth, viewHeight);
    scene.setStatus("[ 6 : 0.50 ]");
    const Frame filled = presentAndRead(scene);
    for (int mode : {1, 2}) {  // back faces as lines, then everything
        scene.cyclePolygonMode();
        const Frame frame = presentAndRead(scene);
        int differing = 0;
        for (int i = 0; i < viewWidth * viewHeight; ++i) {
            differing +=
                frame.white(i % viewWidth, i / viewWidth) != filled.white(i % viewWidth, i / viewWidth);
        }
        EXPECT_LE(differing, 3) << "mode " << mode;
        GLint modes[2] = {};
        glGetIntegerv(GL_POLYGON_MODE, modes);
        EXPECT_EQ(modes[1], GL_LINE) << "the scene's back faces are lines again, mode " << mode;
    }
}

TEST(StatusText, CaptionCarriesTheTextUntilCleared) {
    StatusScene scene;
    scene.resize(viewWidth, viewHeight);
    scene.setStatus("[ 6 : 0.50 ]");
    EXPECT_EQ(windowCaption(), "Status test | studio3d.dev [ 6 : 0.50 ]");

    scene.setStatus();
    EXPECT_EQ(windowCaption(), "Status test | studio3d.dev");
    Frame frame = presentAndRead(scene);
    for (int y = 0; y < viewHeight; ++y) {
        for (int x = 0; x < viewWidth; ++x) {
            ASSERT_FALSE(frame.white(x, y)) << x << ", " << y;
        }
    }
}

TEST(StatusText, ModelViewerShowsNoText) {
    StatusScene scene;
    scene.resize(viewWidth, viewHeight);
    Frame frame = presentAndRead(scene);
    // Only the blue background.
    for (std::size_t i = 0; i < frame.rgb.size(); i += 3) {
        ASSERT_EQ(frame.rgb[i], 0);
        ASSERT_EQ(frame.rgb[i + 1], 0);
        ASSERT_EQ(frame.rgb[i + 2], 255);
    }
}
