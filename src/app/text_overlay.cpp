#include "app/text_overlay.h"

#include <GL/glew.h>

#include <array>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "app/font_image.h"
#include "platform/gl/matrix4.h"
#include "platform/gl/shader_program.h"
#include "platform/gl_context.h"
#include "platform/gl_generation.h"

namespace {

// The version line goes in front where the context is known (platform/gl/shader_program.h).
constexpr const char* vertexShaderSource =
    "in vec2 position;\n"
    "in vec2 texCoord;\n"
    "uniform mat4 mvp;\n"
    "out vec2 fTexCoord;\n"
    "void main()\n"
    "{\n"
    "\tfTexCoord = texCoord;\n"
    "\tgl_Position = mvp * vec4(position, 0.0, 1.0);\n"
    "}\n";

// Transparent texels are discarded rather than blended: they would leave the pixel as it was, at a cost.
constexpr const char* fragmentShaderSource =
    "out vec4 fragColor;\n"
    "uniform sampler2D diffuse;\n"
    "uniform vec4 color;\n"
    "in vec2 fTexCoord;\n"
    "void main()\n"
    "{\n"
    "\tvec4 texel = texture(diffuse, fTexCoord);\n"
    "\tif (texel.a == 0.0) discard;\n"
    "\tfragColor = texel * color;\n"
    "}\n";

// What beginText changes and endText gives back.
struct SceneState {
    bool depthTest = false, cullFace = false, blend = false;
};

struct OverlayState {
    bool initialised = false;
    platform::gl::ShaderProgram program;
    GLint mvp = -1;
    GLint color = -1;
    GLuint fontTexture = 0;
    std::array<float, 16> projection{};
    float viewportWidth = 0;
    unsigned generation = 0;  // platform::glContextGeneration when the program and font were made
    GlyphTable glyphs{};
    bool drawing = false;
    SceneState scene;
    // Discarded transparency leaves opaque ink, which needs no blending unless the font or the colour is
    // partly transparent: blending costs the renderer a read of every pixel drawn.
    bool fontBlends = true;
    bool colorBlends = false;
};

OverlayState overlay;

void setCapability(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

bool buildProgram() {
    overlay.program = platform::gl::ShaderProgram(
        "text overlay", {platform::gl::ShaderVersion, vertexShaderSource, fragmentShaderSource},
        {"position", "texCoord"});
    const GLuint program = overlay.program.name();
    if (program == 0) {
        textTerminate();
        return false;
    }
    glUseProgram(program);
    overlay.mvp = glGetUniformLocation(program, "mvp");
    overlay.color = glGetUniformLocation(program, "color");
    glUniform1i(glGetUniformLocation(program, "diffuse"), 0);
    glUniform4f(overlay.color, 1, 1, 1, 1);
    glUseProgram(0);
    return true;
}

bool buildFont() {
    if (overlay.initialised) {
        return true;
    }
    FontImage font = decodeBuiltInFont();
    overlay.glyphs = makeGlyphTable(font.glyphs);
    overlay.fontBlends = font.partialAlpha;
    GLint previous = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    glGenTextures(1, &overlay.fontTexture);
    if (overlay.fontTexture == 0) {
        return false;
    }
    glBindTexture(GL_TEXTURE_2D, overlay.fontTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, font.width, font.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 font.rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
    return true;
}

// Rebuilds and uploads the vertices of a changed text. If memory runs out the text stays dirty and is tried
// again at the next use.
void rebuildVertices(Text& text) {
    std::vector<float>().swap(text.vertices);
    text.vertexCount = 0;
    try {
        text.vertices = layoutVertices(overlay.glyphs, text.chars);
    } catch (const std::bad_alloc&) {
        return;
    }
    if (!text.vertices.empty()) {
        text.vertexCount = static_cast<std::int32_t>(text.vertices.size() / floatsPerVertex);
        glBindBuffer(GL_ARRAY_BUFFER, text.vertexBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(text.vertices.size() * sizeof(float)),
                     text.vertices.data(), GL_DYNAMIC_DRAW);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
    text.dirty = false;
}

}  // namespace

Text::~Text() {
    if (vertexArray != 0) {
        glDeleteVertexArrays(1, &vertexArray);
    }
    if (vertexBuffer != 0) {
        glDeleteBuffers(1, &vertexBuffer);
    }
}

bool textInit() {
    if (overlay.initialised) {
        return true;
    }
    // Older contexts lack the entry points; the scene then goes on without status text.
    if (!GLEW_VERSION_3_3) {
        return false;
    }
    if (!buildProgram() || !buildFont()) {
        return false;
    }
    overlay.initialised = true;
    return true;
}

void textTerminate() {
    overlay.program = {};
    if (overlay.fontTexture != 0) {
        glDeleteTextures(1, &overlay.fontTexture);
        overlay.fontTexture = 0;
    }
    overlay.initialised = false;
}

namespace {

bool makeArrays(Text& text) {
    text.generation = platform::glContextGeneration();
    glGenVertexArrays(1, &text.vertexArray);
    glGenBuffers(1, &text.vertexBuffer);
    if (text.vertexArray == 0 || text.vertexBuffer == 0) {
        return false;
    }
    GLint previousArray = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &previousArray);
    glBindVertexArray(text.vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, text.vertexBuffer);
    const auto stride = static_cast<GLsizei>(floatsPerVertex * sizeof(float));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(2 * sizeof(float)));
    glBindVertexArray(static_cast<GLuint>(previousArray));
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return true;
}

// A text made before the context lost its objects gets new ones, and its vertices again.
void renewArrays(Text& text) {
    if (text.generation != platform::glContextGeneration() && makeArrays(text)) {
        text.dirty = true;
    }
}

}  // namespace

std::unique_ptr<Text> createText() {
    // Without the program the context may lack vertex arrays too.
    if (overlay.program.name() == 0) {
        return nullptr;
    }
    auto text = std::make_unique<Text>();
    return makeArrays(*text) ? std::move(text) : nullptr;
}

void deleteText(std::unique_ptr<Text> text) {
    text.reset();
}

bool setText(Text* text, const char* string) {
    if (text == nullptr) {
        return false;
    }
    std::string_view wanted = string != nullptr ? string : "";
    if (wanted == text->chars) {
        return true;
    }
    try {
        std::string copy(wanted);
        text->chars = std::move(copy);
    } catch (const std::bad_alloc&) {
        return false;
    }
    text->dirty = true;
    return true;
}

void textViewport(std::uint32_t width, std::uint32_t height) {
    // A minimised window reports 0 x 0; keep the last projection until it has a size again.
    if (width == 0 || height == 0) {
        return;
    }
    overlay.viewportWidth = static_cast<float>(width);
    overlay.projection = {};
    overlay.projection[0] = 2.0f / static_cast<float>(width);
    overlay.projection[5] = -2.0f / static_cast<float>(height);
    overlay.projection[10] = -1.0f;
    overlay.projection[12] = -1.0f;
    overlay.projection[13] = 1.0f;
    overlay.projection[15] = 1.0f;
}

// Without a program (no GL 3.3, or shaders that did not build) the overlay leaves GL alone. Text goes over
// the scene whatever the depth buffer holds, and the transparent texels of a glyph's cell let the scene show
// through; it is never culled. No state is read back but whether a capability is on: in a browser each
// query waits for the GPU process, which costs more than the drawing.
void beginText() {
    // After a lost context came back, the program and the font are made again.
    if (overlay.generation != platform::glContextGeneration()) {
        overlay.generation = platform::glContextGeneration();
        if (overlay.initialised) {
            overlay.program = {};
            overlay.fontTexture = 0;
            overlay.initialised = false;
            textInit();
        }
    }
    if (overlay.program.name() == 0) {
        return;
    }
    platform::drawRecordedGl();
    overlay.drawing = true;
    overlay.scene = {glIsEnabled(GL_DEPTH_TEST) == GL_TRUE, glIsEnabled(GL_CULL_FACE) == GL_TRUE,
                     glIsEnabled(GL_BLEND) == GL_TRUE};
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    setCapability(GL_BLEND, overlay.fontBlends || overlay.colorBlends);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glUseProgram(overlay.program.name());
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, overlay.fontTexture);
}

// The scene's capabilities come back; the blend function is GL's first, which the scene draws with, and no
// program or vertex array is left bound.
void endText() {
    if (!overlay.drawing) {
        return;
    }
    overlay.drawing = false;
    glBindVertexArray(0);
    glUseProgram(0);
    glBlendFunc(GL_ONE, GL_ZERO);
    setCapability(GL_BLEND, overlay.scene.blend);
    setCapability(GL_CULL_FACE, overlay.scene.cullFace);
    setCapability(GL_DEPTH_TEST, overlay.scene.depthTest);
}

void setTextColor(float r, float g, float b, float a) {
    overlay.colorBlends = a < 1.0f;
    if (overlay.drawing) {
        setCapability(GL_BLEND, overlay.fontBlends || overlay.colorBlends);
        glUniform4f(overlay.color, r, g, b, a);
    }
}

float textWidth(const Text* text, float scale) {
    if (text == nullptr || text->chars.empty()) {
        return 0;
    }
    return static_cast<float>(layoutWidth(overlay.glyphs, text->chars)) * scale;
}

float textHeight(const Text* text, float scale) {
    if (text == nullptr || text->chars.empty()) {
        return 0;
    }
    return static_cast<float>(layoutHeight(text->chars)) * scale;
}

void drawText(Text* text, float x, float y, float scale) {
    // Outside beginText and endText, or without the program, the vertices would go through the
    // fixed-function pipeline as stray quads.
    if (text == nullptr || !overlay.drawing) {
        return;
    }
    renewArrays(*text);
    if (text->dirty) {
        rebuildVertices(*text);
    }
    if (text->vertexCount == 0) {
        return;
    }
    std::array<float, 16> model{};
    model[0] = scale;
    model[5] = scale;
    model[10] = scale;
    model[12] = x;
    model[13] = y;
    model[15] = 1.0f;
    const std::array<float, 16> mvp = platform::gl::product(overlay.projection, model.data());
    glUniformMatrix4fv(overlay.mvp, 1, GL_FALSE, mvp.data());
    glBindVertexArray(text->vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, text->vertexCount);
}

void drawTextAligned(Text* text, float x, float y, float scale, int horizontal, int vertical) {
    if (text == nullptr) {
        return;
    }
    renewArrays(*text);
    if (text->dirty) {
        rebuildVertices(*text);
    }
    if (text->vertexCount == 0) {
        return;
    }
    // A line wider than a narrow window shrinks to fit it rather than run off its edges.
    scale = fittedScale(scale, textWidth(text, 1), x, horizontal, overlay.viewportWidth);
    TextOrigin origin =
        alignedOrigin(x, y, textWidth(text, scale), textHeight(text, scale), horizontal, vertical);
    drawText(text, origin.x, origin.y, scale);
}
