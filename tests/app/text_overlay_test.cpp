#include <GL/glew.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/text_overlay.h"
#include "support/gl_context.h"

namespace {

constexpr int viewWidth = 200;
constexpr int viewHeight = 60;

struct Pixel {
    std::uint8_t r, g, b;
    bool is(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const {
        return r == red && g == green && b == blue;
    }
};

struct Box {
    int left = viewWidth, top = viewHeight, right = -1, bottom = -1;  // inclusive
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Mesa makes the contexts of a process no newer than this version while it is set.
class ScopedVersionOverride {
  public:
    explicit ScopedVersionOverride(const char* version) { ::setenv("MESA_GL_VERSION_OVERRIDE", version, 1); }
    ~ScopedVersionOverride() { ::unsetenv("MESA_GL_VERSION_OVERRIDE"); }
    ScopedVersionOverride(const ScopedVersionOverride&) = delete;
    ScopedVersionOverride& operator=(const ScopedVersionOverride&) = delete;
};

class TextOverlay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(glewInit(), GLEW_OK);
        ASSERT_TRUE(textInit());
        textViewport(viewWidth, viewHeight);
        text = createText();
        ASSERT_NE(text, nullptr);
        clearToRed();
    }
    void TearDown() override {
        deleteText(std::move(text));
        textTerminate();
    }

    static void clearToRed() {
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // The frame's overlay step.
    void draw(float x, float y, float scale, int horizontal = AlignStart, int vertical = AlignStart,
              float green = 1) {
        beginText();
        setTextColor(1, green, 1, 1);
        drawTextAligned(text.get(), x, y, scale, horizontal, vertical);
        endText();
        glFinish();
    }

    // Row 0 is the top of the window, as in the overlay's coordinates.
    static std::vector<Pixel> readBack() {
        std::vector<std::uint8_t> rgba(viewWidth * viewHeight * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, viewWidth, viewHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        std::vector<Pixel> pixels(viewWidth * viewHeight);
        for (int y = 0; y < viewHeight; ++y) {
            for (int x = 0; x < viewWidth; ++x) {
                const std::uint8_t* p = &rgba[((viewHeight - 1 - y) * viewWidth + x) * 4];
                pixels[y * viewWidth + x] = {p[0], p[1], p[2]};
            }
        }
        return pixels;
    }

    static Box boxOf(const std::vector<Pixel>& pixels, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        Box box;
        for (int y = 0; y < viewHeight; ++y) {
            for (int x = 0; x < viewWidth; ++x) {
                if (pixels[y * viewWidth + x].is(r, g, b)) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
                }
            }
        }
        return box;
    }

    static int count(const std::vector<Pixel>& pixels, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return static_cast<int>(
            std::count_if(pixels.begin(), pixels.end(), [&](Pixel p) { return p.is(r, g, b); }));
    }

    TestGlContext context{viewWidth, viewHeight};
    std::unique_ptr<Text> text;
};

TEST_F(TextOverlay, DrawsWhiteGlyphsOnlyWhereTheTextIs) {
    ASSERT_TRUE(setText(text.get(), "[ 6 : 0.50 ]"));
    draw(10, 20, 1);
    std::vector<Pixel> pixels = readBack();

    // The text covers x 10 to 87 and y 20 to 36; everything else keeps the clear colour.
    const Box cells{10, 20, 87, 36};
    for (int y = 0; y < viewHeight; ++y) {
        for (int x = 0; x < viewWidth; ++x) {
            if (!cells.contains(x, y)) {
                ASSERT_TRUE(pixels[y * viewWidth + x].is(255, 0, 0)) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(count(pixels, 255, 255, 255), 100);
    EXPECT_GT(count(pixels, 0, 0, 0), 100);
    // Only white, the black outline and the scene showing through transparent texels.
    EXPECT_EQ(count(pixels, 255, 255, 255) + count(pixels, 0, 0, 0) + count(pixels, 255, 0, 0),
              viewWidth * viewHeight);
    // The blank after '[' draws nothing, and the empty top rows of the '.' cell (x 53 to 58) let the scene
    // show.
    for (int y = 20; y <= 36; ++y) {
        EXPECT_TRUE(pixels[y * viewWidth + 18].is(255, 0, 0)) << y;
    }
    for (int x = 53; x <= 58; ++x) {
        EXPECT_TRUE(pixels[20 * viewWidth + x].is(255, 0, 0)) << x;
    }
}

TEST_F(TextOverlay, TextColourTintsTheGlyphs) {
    ASSERT_TRUE(setText(text.get(), "abc"));
    draw(10, 20, 1, AlignStart, AlignStart, 0);
    std::vector<Pixel> pixels = readBack();
    EXPECT_EQ(count(pixels, 255, 255, 255), 0);
    EXPECT_GT(count(pixels, 255, 0, 255), 30);
}

TEST_F(TextOverlay, CentredAndScaled) {
    ASSERT_TRUE(setText(text.get(), "[ 6 : 0.50 ]"));
    draw(100, 30, 2, AlignCentre, AlignCentre);
    Box white = boxOf(readBack(), 255, 255, 255);
    // 156 x 34 pixels of cells centred on (100, 30): from (22, 13) to (177, 46), white inside the outlines.
    EXPECT_GE(white.left, 22 + 2);
    EXPECT_LE(white.right, 177 - 2);
    EXPECT_GE(white.top, 13 + 2);
    EXPECT_LE(white.bottom, 46 - 2);
    EXPECT_NEAR((white.left + white.right) / 2.0, 100, 4);
    EXPECT_NEAR((white.top + white.bottom) / 2.0, 30, 4);
    EXPECT_GT(white.right - white.left, 140);
}

TEST_F(TextOverlay, DrawsOverTheSceneAndRestoresDepthCullingAndBlending) {
    ASSERT_TRUE(setText(text.get(), "abc"));
    // A depth buffer that every fragment fails, culling of every face, and blending the scene had set up
    // its own way.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT_AND_BACK);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glClearDepth(0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    draw(10, 20, 1);
    std::vector<Pixel> pixels = readBack();
    EXPECT_GT(count(pixels, 255, 255, 255), 30);
    EXPECT_EQ(count(pixels, 255, 255, 255) + count(pixels, 0, 0, 0) + count(pixels, 255, 0, 0),
              viewWidth * viewHeight);

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC_RGB, &source);
    glGetIntegerv(GL_BLEND_DST_RGB, &destination);
    EXPECT_EQ(source, GL_ONE);
    EXPECT_EQ(destination, GL_ZERO);

    glCullFace(GL_BACK);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    draw(10, 20, 1);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint program = -1, vertexArray = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    EXPECT_EQ(program, 0);
    EXPECT_EQ(vertexArray, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextOverlay, UploadsVerticesOnlyWhenTheTextChanges) {
    ASSERT_TRUE(setText(text.get(), "abc"));
    draw(10, 20, 1);
    EXPECT_FALSE(text->dirty);
    EXPECT_EQ(text->vertexCount, 18);
    const float* built = text->vertices.data();

    ASSERT_TRUE(setText(text.get(), "abc"));
    EXPECT_FALSE(text->dirty);
    draw(10, 20, 1);
    EXPECT_EQ(text->vertices.data(), built);

    ASSERT_TRUE(setText(text.get(), "ab cd"));
    EXPECT_TRUE(text->dirty);
    draw(10, 20, 1);
    EXPECT_FALSE(text->dirty);
    ASSERT_EQ(text->vertexCount, 24);

    glBindBuffer(GL_ARRAY_BUFFER, text->vertexBuffer);
    GLint size = 0, usage = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_USAGE, &usage);
    std::vector<float> uploaded(24 * 4);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(uploaded.size() * sizeof(float)),
                       uploaded.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    EXPECT_EQ(size, static_cast<GLint>(24 * 4 * sizeof(float)));
    EXPECT_EQ(usage, GL_DYNAMIC_DRAW);
    EXPECT_EQ(uploaded, text->vertices);
}

TEST_F(TextOverlay, EmptyOrClearedTextDrawsNothing) {
    draw(10, 20, 1);
    EXPECT_EQ(count(readBack(), 255, 0, 0), viewWidth * viewHeight);

    ASSERT_TRUE(setText(text.get(), "abc"));
    draw(10, 20, 1);
    ASSERT_TRUE(setText(text.get(), nullptr));
    clearToRed();
    draw(10, 20, 1);
    EXPECT_EQ(count(readBack(), 255, 0, 0), viewWidth * viewHeight);
    EXPECT_EQ(text->vertexCount, 0);
    EXPECT_EQ(textWidth(text.get(), 1), 0.0f);
}

TEST_F(TextOverlay, MeasuresWithTheLoadedFont) {
    ASSERT_TRUE(setText(text.get(), "[ 6 : 0.50 ]"));
    const float scale = 600.0f / 175.0f;
    EXPECT_FLOAT_EQ(textWidth(text.get(), scale), 78 * scale);
    EXPECT_FLOAT_EQ(textHeight(text.get(), scale), 17 * scale);
    ASSERT_TRUE(setText(text.get(), "ab\ncde"));
    EXPECT_FLOAT_EQ(textWidth(text.get(), 2), 54);
    EXPECT_FLOAT_EQ(textHeight(text.get(), 2), 68);
}

TEST_F(TextOverlay, InitialisesOnceAndAgainAfterTerminate) {
    EXPECT_TRUE(textInit());
    textTerminate();
    ASSERT_TRUE(textInit());
    ASSERT_TRUE(setText(text.get(), "abc"));
    draw(10, 20, 1);
    EXPECT_GT(count(readBack(), 255, 255, 255), 30);
}

TEST_F(TextOverlay, NothingIsDrawnWithoutTheProgram) {
    ASSERT_TRUE(setText(text.get(), "abc"));
    textTerminate();
    draw(10, 20, 1);
    EXPECT_EQ(count(readBack(), 255, 0, 0), viewWidth * viewHeight);
}

TEST_F(TextOverlay, ZeroSizedViewportKeepsTheLastProjection) {
    ASSERT_TRUE(setText(text.get(), "abc"));
    textViewport(0, 0);
    draw(10, 20, 1);
    Box white = boxOf(readBack(), 255, 255, 255);
    EXPECT_GE(white.left, 10);
    EXPECT_LE(white.right, 36);
    EXPECT_GE(white.top, 20);
    EXPECT_LE(white.bottom, 36);
}

// A context older than 3.3 has no shader entry points: the overlay reports failure and draws nothing.
TEST(TextOverlayWithoutShaders, LeavesOldContextsAlone) {
    ScopedVersionOverride version("2.1");
    TestGlContext context(viewWidth, viewHeight);
    ASSERT_EQ(glewInit(), GLEW_OK);
    if (GLEW_VERSION_3_3) {
        GTEST_SKIP() << "the driver did not take the version override (a context was made earlier)";
    }
    EXPECT_FALSE(textInit());
    // Vertex arrays may still come from an extension; the text then has its buffers but nothing draws it.
    std::unique_ptr<Text> created = createText();
    Text plain;
    Text* text = created ? created.get() : &plain;
    ASSERT_TRUE(setText(text, "abc"));
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    beginText();
    setTextColor(1, 1, 1, 1);
    drawTextAligned(text, 10, 20, 1, AlignStart, AlignStart);
    endText();
    textTerminate();
    std::vector<std::uint8_t> rgba(viewWidth * viewHeight * 4);
    glReadPixels(0, 0, viewWidth, viewHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        ASSERT_EQ(rgba[i + 1], 0) << i / 4;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    deleteText(std::move(created));
}

}  // namespace
