#include "app/text_overlay.h"

#include <GL/glew.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "app/font_image.h"

namespace {

constexpr const char* vertexShaderSource =
    "#version 330 core\n"
    "\n"
    "in vec2 position;\n"
    "in vec2 texCoord;\n"
    "\n"
    "uniform mat4 mvp;\n"
    "\n"
    "out vec2 fTexCoord;\n"
    "\n"
    "void main()\n"
    "{\n"
    "\tfTexCoord = texCoord;\n"
    "\t\n"
    "\tgl_Position = mvp * vec4(position, 0.0, 1.0);\n"
    "}\n";

// Transparent texels are discarded rather than blended: they would leave the pixel as it was, at a cost.
constexpr const char* fragmentShaderSource =
    "#version 330 core\n"
    "\n"
    "out vec4 fragColor;\n"
    "\n"
    "uniform sampler2D diffuse;\n"
    "\n"
    "uniform vec4 color = vec4(1.0, 1.0, 1.0, 1.0);\n"
    "\n"
    "in vec2 fTexCoord;\n"
    "\n"
    "void main()\n"
    "{\n"
    "\tvec4 texel = texture(diffuse, fTexCoord);\n"
    "\tif (texel.a == 0.0)\n"
    "\t\tdiscard;\n"
    "\tfragColor = texel * color;\n"
    "}\n";

struct OverlayState {
    bool initialised = false;
    GLuint program = 0;
    GLint mvp = -1;
    GLint color = -1;
    GLint diffuse = -1;
    GLuint fontTexture = 0;
    std::array<float, 16> projection{};
    GlyphTable glyphs{};
    // Discarded transparency leaves opaque ink, which needs no blending unless the font or the colour is
    // partly transparent: blending costs the renderer a read of every pixel drawn.
    bool fontBlends = true;
    bool colorBlends = false;
};

OverlayState overlay;

// Column-major 4x4 product a * b.
std::array<float, 16> multiply(const std::array<float, 16>& a, const std::array<float, 16>& b) {
    std::array<float, 16> product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a[k * 4 + row] * b[column * 4 + k];
            }
            product[column * 4 + row] = sum;
        }
    }
    return product;
}

// Text goes over the scene whatever the depth buffer holds, and the transparent texels of a glyph's cell
// let the scene show through; it is never culled. The caller's depth, culling, blend and bound vertex array
// come back afterwards.
class OverlayDrawState {
  public:
    OverlayDrawState() {
        depthTest_ = glIsEnabled(GL_DEPTH_TEST);
        blend_ = glIsEnabled(GL_BLEND);
        cullFace_ = glIsEnabled(GL_CULL_FACE);
        glGetIntegerv(GL_BLEND_SRC_RGB, &sourceRgb_);
        glGetIntegerv(GL_BLEND_DST_RGB, &destinationRgb_);
        glGetIntegerv(GL_BLEND_SRC_ALPHA, &sourceAlpha_);
        glGetIntegerv(GL_BLEND_DST_ALPHA, &destinationAlpha_);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray_);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        if (overlay.fontBlends || overlay.colorBlends) {
            glEnable(GL_BLEND);
        } else {
            glDisable(GL_BLEND);
        }
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    ~OverlayDrawState() {
        glBindVertexArray(static_cast<GLuint>(vertexArray_));
        glBlendFuncSeparate(static_cast<GLenum>(sourceRgb_), static_cast<GLenum>(destinationRgb_),
                            static_cast<GLenum>(sourceAlpha_), static_cast<GLenum>(destinationAlpha_));
        if (blend_) {
            glEnable(GL_BLEND);
        } else {
            glDisable(GL_BLEND);
        }
        if (depthTest_) {
            glEnable(GL_DEPTH_TEST);
        }
        if (cullFace_) {
            glEnable(GL_CULL_FACE);
        }
    }
    OverlayDrawState(const OverlayDrawState&) = delete;
    OverlayDrawState& operator=(const OverlayDrawState&) = delete;

  private:
    GLboolean depthTest_ = GL_FALSE;
    GLboolean blend_ = GL_FALSE;
    GLboolean cullFace_ = GL_FALSE;
    GLint sourceRgb_ = GL_ONE;
    GLint destinationRgb_ = GL_ZERO;
    GLint sourceAlpha_ = GL_ONE;
    GLint destinationAlpha_ = GL_ZERO;
    GLint vertexArray_ = 0;
};

// A shader or program that does not build leaves the scene without text; its info log says why.
void reportBuildLog(std::string_view failure, GLuint name, PFNGLGETSHADERIVPROC getLength,
                    PFNGLGETSHADERINFOLOGPROC getLog) {
    GLint length = 0;
    getLength(name, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    getLog(name, static_cast<GLsizei>(log.size()), nullptr, log.data());
    log.resize(log.find_last_not_of(std::string_view("\n\0", 2)) + 1);
    std::cerr << "text overlay: " << failure << ": " << log << '\n';
}

GLuint compileShader(GLenum kind, const char* source) {
    GLuint shader = glCreateShader(kind);
    if (shader == 0) {
        return 0;
    }
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        reportBuildLog(kind == GL_VERTEX_SHADER ? "the vertex shader does not compile"
                                                : "the fragment shader does not compile",
                       shader, glGetShaderiv, glGetShaderInfoLog);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

bool buildProgram() {
    GLuint vertexShader = compileShader(GL_VERTEX_SHADER, vertexShaderSource);
    if (vertexShader == 0) {
        textTerminate();
        return false;
    }
    GLuint fragmentShader = compileShader(GL_FRAGMENT_SHADER, fragmentShaderSource);
    if (fragmentShader == 0) {
        glDeleteShader(vertexShader);
        textTerminate();
        return false;
    }
    overlay.program = glCreateProgram();
    glAttachShader(overlay.program, vertexShader);
    glAttachShader(overlay.program, fragmentShader);
    glBindAttribLocation(overlay.program, 0, "position");
    glBindAttribLocation(overlay.program, 1, "texCoord");
    glBindFragDataLocation(overlay.program, 0, "fragColor");
    glLinkProgram(overlay.program);
    glDetachShader(overlay.program, vertexShader);
    glDetachShader(overlay.program, fragmentShader);
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    GLint linked = GL_FALSE;
    glGetProgramiv(overlay.program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        reportBuildLog("the shader program does not link", overlay.program, glGetProgramiv,
                       glGetProgramInfoLog);
        textTerminate();
        return false;
    }
    glUseProgram(overlay.program);
    overlay.mvp = glGetUniformLocation(overlay.program, "mvp");
    overlay.color = glGetUniformLocation(overlay.program, "color");
    overlay.diffuse = glGetUniformLocation(overlay.program, "diffuse");
    glUniform1i(overlay.diffuse, 0);
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
    if (overlay.program != 0) {
        glDeleteProgram(overlay.program);
        overlay.program = 0;
    }
    if (overlay.fontTexture != 0) {
        glDeleteTextures(1, &overlay.fontTexture);
        overlay.fontTexture = 0;
    }
    overlay.initialised = false;
}

std::unique_ptr<Text> createText() {
    if (glGenVertexArrays == nullptr || glGenBuffers == nullptr) {
        return nullptr;
    }
    auto text = std::make_unique<Text>();
    glGenVertexArrays(1, &text->vertexArray);
    glGenBuffers(1, &text->vertexBuffer);
    if (text->vertexArray == 0 || text->vertexBuffer == 0) {
        return nullptr;
    }
    GLint previousArray = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &previousArray);
    glBindVertexArray(text->vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, text->vertexBuffer);
    const auto stride = static_cast<GLsizei>(floatsPerVertex * sizeof(float));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(2 * sizeof(float)));
    glBindVertexArray(static_cast<GLuint>(previousArray));
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return text;
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
    overlay.projection = {};
    overlay.projection[0] = 2.0f / static_cast<float>(width);
    overlay.projection[5] = -2.0f / static_cast<float>(height);
    overlay.projection[10] = -1.0f;
    overlay.projection[12] = -1.0f;
    overlay.projection[13] = 1.0f;
    overlay.projection[15] = 1.0f;
}

// Without a program (no GL 3.3, or shaders that did not build) the overlay leaves GL alone.
void beginText() {
    if (overlay.program == 0) {
        return;
    }
    glUseProgram(overlay.program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, overlay.fontTexture);
}

void endText() {
    if (overlay.program != 0) {
        glUseProgram(0);
    }
}

void setTextColor(float r, float g, float b, float a) {
    overlay.colorBlends = a < 1.0f;
    if (overlay.program != 0) {
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
    // Without the program (the shaders did not build, or the overlay was terminated) the vertices would go
    // through the fixed-function pipeline as stray quads.
    if (text == nullptr || overlay.program == 0) {
        return;
    }
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
    std::array<float, 16> mvp = multiply(overlay.projection, model);
    glUniformMatrix4fv(overlay.mvp, 1, GL_FALSE, mvp.data());
    OverlayDrawState state;
    glBindVertexArray(text->vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, text->vertexCount);
}

void drawTextAligned(Text* text, float x, float y, float scale, int horizontal, int vertical) {
    if (text == nullptr) {
        return;
    }
    if (text->dirty) {
        rebuildVertices(*text);
    }
    if (text->vertexCount == 0) {
        return;
    }
    TextOrigin origin =
        alignedOrigin(x, y, textWidth(text, scale), textHeight(text, scale), horizontal, vertical);
    drawText(text, origin.x, origin.y, scale);
}
