#ifdef __EMSCRIPTEN__
#include <GLES3/gl3.h>
#else
#include <GL/glew.h>
#endif

#include "platform/batched_gl/batched_gl.h"

#include "platform/batched_gl/native_gl.h"
#include "platform/gl/matrix4.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

// GL 1.1's names, absent from OpenGL ES 3.0's header.
#ifndef GL_MODELVIEW
#define GL_MODELVIEW 0x1700
#define GL_PROJECTION 0x1701
#define GL_POINT 0x1B00
#define GL_LINE 0x1B01
#define GL_FILL 0x1B02
#endif

namespace platform {

namespace {

constexpr const char* VertexShader = R"(
in vec4 position;
in vec3 color;
out vec3 shade;
void main() {
    gl_Position = position;
    gl_PointSize = 1.0;
    shade = color;
}
)";

constexpr const char* FragmentShader = R"(
in vec3 shade;
out vec4 fragColor;
void main() {
    fragColor = vec4(shade, 1.0);
}
)";

#ifdef __EMSCRIPTEN__
// The same shaders in WebGL 1's GLSL ES 1.00, for browsers without WebGL 2.
constexpr const char* VertexShaderWebGl1 = R"(
attribute vec4 position;
attribute vec3 color;
varying vec3 shade;
void main() {
    gl_Position = position;
    gl_PointSize = 1.0;
    shade = color;
}
)";

constexpr const char* FragmentShaderWebGl1 = R"(
precision mediump float;
varying vec3 shade;
void main() {
    gl_FragColor = vec4(shade, 1.0);
}
)";

// WebGL 1 reports itself as OpenGL ES 2.0.
bool webGl1() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version != nullptr && std::string_view(version).starts_with("OpenGL ES 2.0");
}
#endif

constexpr std::size_t ReservedVertices = 1 << 14;

BatchedGl* activeLayer = nullptr;

using Matrix = std::array<double, 16>;

constexpr Matrix Identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

}  // namespace

BatchedGl::BatchedGl()
    : matrixMode_(GL_MODELVIEW),
      frontMode_(GL_FILL),
      backMode_(GL_FILL),
      culledFace_(GL_BACK),
      frontWinding_(GL_CCW) {
    modelView_.matrices[0] = Identity;
    projection_.matrices[0] = Identity;
    triangles_.reserve(ReservedVertices);
    lines_.reserve(ReservedVertices);
    points_.reserve(ReservedVertices);
}

BatchedGl::~BatchedGl() {
    if (activeLayer == this) {
        activeLayer = nullptr;
    }
    if (program_.name() != 0) {
        glDeleteBuffers(1, &buffer_);
        glDeleteVertexArrays(1, &vertexArray_);
    }
}

BatchedGl* BatchedGl::active() {
    return activeLayer;
}

void BatchedGl::activate(BatchedGl* layer) {
    activeLayer = layer;
}

void BatchedGl::begin(Enum primitive) {
    primitive_ = primitive;
    recording_ = true;
    cornerCount_ = 0;
}

void BatchedGl::end() {
    recording_ = false;
    cornerCount_ = 0;
}

void BatchedGl::color(double red, double green, double blue) {
    color_ = {red, green, blue};
}

void BatchedGl::vertex(double x, double y, double z) {
    if (!recording_) {
        return;
    }
    if (clipFromObjectStale_) {
        clipFromObject_ =
            gl::product(projection_.matrices[projection_.top], modelView_.matrices[modelView_.top].data());
        clipFromObjectStale_ = false;
    }
    const Matrix& m = clipFromObject_;
    corners_[cornerCount_++] = Corner{m[0] * x + m[4] * y + m[8] * z + m[12],
                                      m[1] * x + m[5] * y + m[9] * z + m[13],
                                      m[2] * x + m[6] * y + m[10] * z + m[14],
                                      m[3] * x + m[7] * y + m[11] * z + m[15],
                                      color_[0],
                                      color_[1],
                                      color_[2]};
    switch (primitive_) {
        case GL_POINTS:
            emitAs(GL_POINT, corners_.data(), 1, false);
            cornerCount_ = 0;
            break;
        case GL_LINES:
            if (cornerCount_ == 2) {
                emitAs(GL_LINE, corners_.data(), 2, false);
                cornerCount_ = 0;
            }
            break;
        case GL_TRIANGLES:
            if (cornerCount_ == 3) {
                emitTriangle();
                cornerCount_ = 0;
            }
            break;
        default:
            // Primitives this program does not draw are dropped.
            cornerCount_ = 0;
            break;
    }
}

void BatchedGl::emitTriangle() {
    const Corner& a = corners_[0];
    const Corner& b = corners_[1];
    const Corner& c = corners_[2];
    // The winding in window coordinates, from homogeneous clip coordinates: right also for a face that
    // reaches behind the eye, as the rasteriser sees what is left of it after clipping.
    const double winding =
        a.x * (b.y * c.w - b.w * c.y) - a.y * (b.x * c.w - b.w * c.x) + a.w * (b.x * c.y - b.y * c.x);
    const bool front = (winding >= 0) == (frontWinding_ == GL_CCW);
    if (culling_ && (culledFace_ == GL_FRONT_AND_BACK || (culledFace_ == GL_FRONT) == front)) {
        return;
    }
    emitAs(front ? frontMode_ : backMode_, corners_.data(), 3, true);
}

void BatchedGl::emitAs(Enum mode, const Corner* corners, std::size_t count, bool closed) {
    auto vertex = [](const Corner& c) {
        return Vertex{static_cast<float>(c.x), static_cast<float>(c.y), static_cast<float>(c.z),
                      static_cast<float>(c.w), static_cast<float>(c.r), static_cast<float>(c.g),
                      static_cast<float>(c.b)};
    };
    if (mode == GL_FILL) {
        for (std::size_t i = 0; i < count; ++i) {
            triangles_.push_back(vertex(corners[i]));
        }
    } else if (mode == GL_LINE) {
        // A face's edges, each once; a line is its own single edge.
        const std::size_t edges = closed ? count : count - 1;
        for (std::size_t i = 0; i < edges; ++i) {
            lines_.push_back(vertex(corners[i]));
            lines_.push_back(vertex(corners[(i + 1) % count]));
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            points_.push_back(vertex(corners[i]));
        }
    }
}

BatchedGl::Matrix& BatchedGl::current() {
    Stack& stack = matrixMode_ == GL_PROJECTION ? projection_ : modelView_;
    return stack.matrices[stack.top];
}

void BatchedGl::matrixMode(Enum mode) {
    matrixMode_ = mode;
}

void BatchedGl::loadIdentity() {
    current() = Identity;
    clipFromObjectStale_ = true;
}

void BatchedGl::pushMatrix() {
    Stack& stack = matrixMode_ == GL_PROJECTION ? projection_ : modelView_;
    // A full stack refuses the push, as GL does.
    if (stack.top + 1 < StackDepth) {
        stack.matrices[stack.top + 1] = stack.matrices[stack.top];
        ++stack.top;
    }
}

void BatchedGl::popMatrix() {
    Stack& stack = matrixMode_ == GL_PROJECTION ? projection_ : modelView_;
    if (stack.top > 0) {
        --stack.top;
        clipFromObjectStale_ = true;
    }
}

void BatchedGl::multMatrix(const double* matrix) {
    current() = gl::product(current(), matrix);
    clipFromObjectStale_ = true;
}

void BatchedGl::perspective(double fieldOfViewDegrees, double aspect, double nearPlane, double farPlane) {
    const double halfAngle = fieldOfViewDegrees / 2 * std::numbers::pi / 180;
    const double depth = farPlane - nearPlane;
    const double sine = std::sin(halfAngle);
    if (depth == 0 || sine == 0 || aspect == 0) {
        return;
    }
    const double cotangent = std::cos(halfAngle) / sine;
    Matrix m{};
    m[0] = cotangent / aspect;
    m[5] = cotangent;
    m[10] = -(farPlane + nearPlane) / depth;
    m[11] = -1;
    m[14] = -2 * nearPlane * farPlane / depth;
    multMatrix(m.data());
}

void BatchedGl::lookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY, double centreZ,
                       double upX, double upY, double upZ) {
    auto normalise = [](std::array<double, 3> v) {
        const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        if (length != 0) {
            v = {v[0] / length, v[1] / length, v[2] / length};
        }
        return v;
    };
    auto cross = [](const std::array<double, 3>& a, const std::array<double, 3>& b) {
        return std::array<double, 3>{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                                     a[0] * b[1] - a[1] * b[0]};
    };
    const auto forward = normalise({centreX - eyeX, centreY - eyeY, centreZ - eyeZ});
    const auto side = normalise(cross(forward, {upX, upY, upZ}));
    const auto up = cross(side, forward);
    // Rows side, up and backward: the eye's axes.
    Matrix turn{};
    for (std::size_t i = 0; i < 3; ++i) {
        turn[i * 4] = side[i];
        turn[i * 4 + 1] = up[i];
        turn[i * 4 + 2] = -forward[i];
    }
    turn[15] = 1;
    multMatrix(turn.data());
    Matrix move = Identity;
    move[12] = -eyeX;
    move[13] = -eyeY;
    move[14] = -eyeZ;
    multMatrix(move.data());
}

void BatchedGl::pushAttrib(unsigned int) {
    // As GL's attribute stack, a push past the depth is dropped (GL reports a stack overflow).
    if (savedPolygonCount_ < savedPolygons_.size()) {
        savedPolygons_[savedPolygonCount_++] = {frontMode_, backMode_, culledFace_, frontWinding_, culling_};
    }
}

void BatchedGl::popAttrib() {
    if (savedPolygonCount_ == 0) {
        return;
    }
    const PolygonState& saved = savedPolygons_[--savedPolygonCount_];
    frontMode_ = saved.frontMode;
    backMode_ = saved.backMode;
    culledFace_ = saved.culledFace;
    frontWinding_ = saved.frontWinding;
    culling_ = saved.culling;
}

void BatchedGl::polygonMode(Enum face, Enum mode) {
    if (face != GL_BACK) {
        frontMode_ = mode;
    }
    if (face != GL_FRONT) {
        backMode_ = mode;
    }
}

void BatchedGl::cullFace(Enum face) {
    culledFace_ = face;
}

void BatchedGl::frontFace(Enum winding) {
    frontWinding_ = winding;
}

void BatchedGl::enable(Enum capability) {
    setCapability(capability, true);
}

void BatchedGl::disable(Enum capability) {
    setCapability(capability, false);
}

void BatchedGl::setCapability(Enum capability, bool on) {
    if (capability == GL_CULL_FACE) {
        // Culling happens as faces are recorded; the GPU never culls.
        culling_ = on;
        return;
    }
    if (capability == GL_DEPTH_TEST && depthTest_ == on) {
        return;
    }
    // What is recorded was meant for the state before.
    submit();
    if (capability == GL_DEPTH_TEST) {
        depthTest_ = on;
    }
    if (on) {
        nativeGl::enable(capability);
    } else {
        nativeGl::disable(capability);
    }
}

bool BatchedGl::isEnabled(Enum capability) const {
    if (capability == GL_CULL_FACE) {
        return culling_;
    }
    if (capability == GL_DEPTH_TEST) {
        return depthTest_;
    }
    return nativeGl::isEnabled(capability);
}

void BatchedGl::viewport(int x, int y, int width, int height) {
    submit();
    nativeGl::viewport(x, y, width, height);
}

void BatchedGl::clearColor(float red, float green, float blue, float alpha) {
    nativeGl::clearColor(red, green, blue, alpha);
}

void BatchedGl::clear(unsigned int mask) {
    submit();
    nativeGl::clear(mask);
}

void BatchedGl::flush() {
    submit();
    nativeGl::flush();
}

void BatchedGl::prepare() {
    gl::ShaderSources sources{gl::ShaderVersion, VertexShader, FragmentShader};
#ifdef __EMSCRIPTEN__
    if (webGl1()) {
        sources = {"", VertexShaderWebGl1, FragmentShaderWebGl1};
    }
#endif
    program_ = gl::ShaderProgram("batched GL", sources, {"position", "color"});
    if (program_.name() == 0) {
        throw std::runtime_error("batched GL: the shader program does not build");
    }
    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &buffer_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, r)));
}

void BatchedGl::submit() {
    const std::size_t total = triangles_.size() + lines_.size() + points_.size();
    if (total == 0) {
        return;
    }
    if (program_.name() == 0) {
        prepare();
    } else {
        glBindVertexArray(vertexArray_);
        glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    }
    glUseProgram(program_.name());
    nativeGl::disable(GL_CULL_FACE);
    // A fresh store each time, so the GPU never waits for the draws of the one before.
    bufferBytes_ = std::max(bufferBytes_, total * sizeof(Vertex));
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bufferBytes_), nullptr, GL_STREAM_DRAW);
    GLint first = 0;
    const std::pair<GLenum, std::vector<Vertex>*> batches[] = {
        {GL_TRIANGLES, &triangles_}, {GL_LINES, &lines_}, {GL_POINTS, &points_}};
    for (auto [primitive, vertices] : batches) {
        if (vertices->empty()) {
            continue;
        }
        const auto count = static_cast<GLsizei>(vertices->size());
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(first * sizeof(Vertex)),
                        static_cast<GLsizeiptr>(vertices->size() * sizeof(Vertex)), vertices->data());
        glDrawArrays(primitive, first, count);
        ++drawCalls_;
        first += count;
        vertices->clear();
    }
    glUseProgram(0);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

}  // namespace platform
