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
    int width = viewWidth;
    bool white(int x, int y) const {
        const std::uint8_t* p = &rgb[static_cast<std::size_t>(y * width + x) * 3];
        return p[0] == 255 && p[1] == 255 && p[2] == 255;
    }
};

// Presents one frame on the shown window and reads back what was shown. Mesa keeps a mapped window's back
// buffer through the swap (its front buffer cannot be read back), so the frame is read from there.
Frame presentAndRead(Graphics& scene, int viewWidth = ::viewWidth, int viewHeight = ::viewHeight) {
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
    frame.width = viewWidth;
    const std::size_t row = static_cast<std::size_t>(viewWidth) * 3;
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

namespace {

// A red band across the view, one unit ahead, reaching nine tenths of the way to a 90 degree field's edges.
class BandScene : public StatusScene {
  public:
    void draw() override {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(1, 0, 0);
        glBegin(GL_QUADS);
        glVertex3f(-0.9f, -0.1f, -1);
        glVertex3f(0.9f, -0.1f, -1);
        glVertex3f(0.9f, 0.1f, -1);
        glVertex3f(-0.9f, 0.1f, -1);
        glEnd();
    }
};

bool red(const Frame& frame, int x, int y) {
    const std::uint8_t* p = &frame.rgb[static_cast<std::size_t>(y * frame.width + x) * 3];
    return p[0] == 255 && p[1] == 0 && p[2] == 0;
}

}  // namespace

// Upright, the field stays 90 degrees across and the status shrinks to the width; landscape keeps both.
TEST(StatusText, UprightWindowKeepsTheFieldAcrossAndFitsTheStatus) {
    constexpr int uprightWidth = 160, uprightHeight = 320;
    BandScene scene;
    scene.resize(uprightWidth, uprightHeight);
    scene.setStatus("[ 6 : 0.50 ] and a status much wider than the window");
    Frame frame = presentAndRead(scene, uprightWidth, uprightHeight);

    const int middle = uprightHeight / 2;
    EXPECT_FALSE(red(frame, 0, middle));
    EXPECT_FALSE(red(frame, uprightWidth - 1, middle));
    EXPECT_TRUE(red(frame, uprightWidth / 2 - 70, middle));  // 0.9 of the half width is 72 pixels
    EXPECT_TRUE(red(frame, uprightWidth / 2 + 70, middle));

    int left = uprightWidth, right = -1, count = 0;
    for (int y = middle; y < uprightHeight; ++y) {
        for (int x = 0; x < uprightWidth; ++x) {
            if (frame.white(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                ++count;
            }
        }
    }
    ASSERT_GT(count, 50);
    EXPECT_GE(left, uprightWidth / 40);
    EXPECT_LT(right, uprightWidth - uprightWidth / 40);
    EXPECT_GT(right - left, uprightWidth * 3 / 4) << "shrunk to the width, not further";

    // Landscape: today's 90 degrees upward, so the band ends 0.9 of half the height from the centre.
    scene.resize(viewWidth, viewHeight);
    scene.setStatus();
    frame = presentAndRead(scene);
    const int bandEnd = viewWidth / 2 + 9 * viewHeight / 20;
    EXPECT_TRUE(red(frame, bandEnd - 3, viewHeight / 2));
    EXPECT_FALSE(red(frame, bandEnd + 3, viewHeight / 2));
}
