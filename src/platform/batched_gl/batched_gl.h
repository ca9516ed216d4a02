#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gl/shader_program.h"

namespace platform {

// GL 1.1's immediate mode, matrix stack and polygon modes, drawn with GL 3.3 core or OpenGL ES 3.0 (WebGL 2),
// which have none of them. Vertices are transformed by the current matrices as they are recorded, faces
// are culled and turned into lines or points on the processor, and the frame goes to the GPU in at most
// three draws (triangles, lines, points) each time it must: before a clear, a change of the depth test, of
// the viewport or of a capability this layer does not keep, glFlush, and submit(), which a caller about to
// draw with GL itself calls first. After drawing it leaves no program, vertex array or array buffer bound.
//
// Of GL 1.1 and GLU it implements what the scenes draw with: glBegin/glEnd of GL_POINTS, GL_LINES and
// GL_TRIANGLES with glColor3d and glVertex3d; glMatrixMode, glLoadIdentity, glPushMatrix, glPopMatrix and
// glMultMatrixd on the model-view and projection stacks (32 deep); gluPerspective and gluLookAt;
// glPolygonMode, glCullFace, glFrontFace, and glPushAttrib/glPopAttrib of that polygon state; glEnable,
// glDisable, glIsEnabled, glViewport, glClearColor, glClear and glFlush, which also reach the GL beneath.
// It does not implement the other primitives (their vertices are dropped), other forms of glColor and
// glVertex, normals, lighting, texturing, fog, display lists, vertex arrays, the texture matrix, line
// widths and point sizes (always 1), nor queries of its matrices.
//
// The C entry points (glBegin, glVertex3d, ... in entry_points.cpp) reach the active layer.
// Enum arguments are GL's own values.
class BatchedGl {
  public:
    using Enum = unsigned int;

    // Needs no context; the GL objects are made at the first draw, in the context current then.
    BatchedGl();
    // Deletes the GL objects, if any, in the current context: the one that drew.
    ~BatchedGl();
    BatchedGl(const BatchedGl&) = delete;
    BatchedGl& operator=(const BatchedGl&) = delete;

    // The layer the C entry points reach; without one they reach the GL beneath (the system's on the
    // desktop, nothing on the web).
    static BatchedGl* active();
    static void activate(BatchedGl* layer);

    void begin(Enum primitive);
    void end();
    void color(double red, double green, double blue);
    void vertex(double x, double y, double z);

    void matrixMode(Enum mode);
    void loadIdentity();
    void pushMatrix();
    void popMatrix();
    // column-major, as GL's
    void multMatrix(const double* matrix);
    void perspective(double fieldOfViewDegrees, double aspect, double nearPlane, double farPlane);
    void lookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY, double centreZ,
                double upX, double upY, double upZ);

    // Saves and restores the polygon state (GL_POLYGON_BIT: polygon modes, culling, the culled face and the
    // front winding), whatever the mask names; the layer keeps no other attributes.
    void pushAttrib(unsigned int mask);
    void popAttrib();

    void polygonMode(Enum face, Enum mode);
    void cullFace(Enum face);
    void frontFace(Enum winding);
    void enable(Enum capability);
    void disable(Enum capability);
    bool isEnabled(Enum capability) const;

    void viewport(int x, int y, int width, int height);
    void clearColor(float red, float green, float blue, float alpha);
    void clear(unsigned int mask);
    // Draws what is recorded, then glFlush.
    void flush();
    // Draws what is recorded, for a caller about to draw with GL itself.
    void submit();

    // GL draw calls made so far.
    std::uint64_t drawCalls() const { return drawCalls_; }

  private:
    using Matrix = std::array<double, 16>;
    static constexpr std::size_t StackDepth = 32;

    struct Stack {
        std::array<Matrix, StackDepth> matrices;
        std::size_t top = 0;
    };

    // What the GPU gets: clip coordinates and a colour.
    struct Vertex {
        float x, y, z, w;
        float r, g, b;
    };

    struct PolygonState {
        Enum frontMode;
        Enum backMode;
        Enum culledFace;
        Enum frontWinding;
        bool culling;
    };

    // A recorded vertex of the primitive in progress, kept exact until its facing is known.
    struct Corner {
        double x, y, z, w;
        double r, g, b;
    };

    Matrix& current();
    void setCapability(Enum capability, bool on);
    void emitTriangle();
    void emitAs(Enum mode, const Corner* corners, std::size_t count, bool closed);
    void prepare();

    Stack modelView_;
    Stack projection_;
    Enum matrixMode_;
    Matrix clipFromObject_{};
    bool clipFromObjectStale_ = true;

    std::array<double, 3> color_{1, 1, 1};
    Enum primitive_ = 0;
    bool recording_ = false;
    std::array<Corner, 3> corners_{};
    std::size_t cornerCount_ = 0;

    Enum frontMode_;
    Enum backMode_;
    Enum culledFace_;
    Enum frontWinding_;
    bool culling_ = false;
    bool depthTest_ = false;
    std::array<PolygonState, StackDepth> savedPolygons_{};
    std::size_t savedPolygonCount_ = 0;

    std::vector<Vertex> triangles_;
    std::vector<Vertex> lines_;
    std::vector<Vertex> points_;

    gl::ShaderProgram program_;
    unsigned int vertexArray_ = 0;
    unsigned int buffer_ = 0;
    std::size_t bufferBytes_ = 0;
    std::uint64_t drawCalls_ = 0;
};

}  // namespace platform
