// The GL 1.1 and GLU calls of the code above the platform layer, as C functions that reach the active
// BatchedGl. A program linked with them draws through the layer; with no layer active, on the desktop,
// they reach the system's GL and GLU instead, so one program can draw both ways.
#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/web/batched_gl.h"
#include "platform/web/native_gl.h"

using platform::BatchedGl;

// Forwards to the layer, else to the same function of the libraries beneath (none on the web).
#define STUDIO_FORWARD(name, call, ...)                                                              \
    if (BatchedGl* layer = BatchedGl::active()) {                                                    \
        return layer->call;                                                                          \
    }                                                                                                \
    static auto* const beneath = reinterpret_cast<decltype(name)*>(platform::nativeGl::next(#name)); \
    if (beneath != nullptr) {                                                                        \
        return beneath(__VA_ARGS__);                                                                 \
    }

extern "C" {

void glBegin(GLenum mode) {
    STUDIO_FORWARD(glBegin, begin(mode), mode)
}

void glEnd() {
    STUDIO_FORWARD(glEnd, end())
}

void glColor3d(GLdouble red, GLdouble green, GLdouble blue) {
    STUDIO_FORWARD(glColor3d, color(red, green, blue), red, green, blue)
}

void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    STUDIO_FORWARD(glVertex3d, vertex(x, y, z), x, y, z)
}

void glMatrixMode(GLenum mode) {
    STUDIO_FORWARD(glMatrixMode, matrixMode(mode), mode)
}

void glLoadIdentity() {
    STUDIO_FORWARD(glLoadIdentity, loadIdentity())
}

void glPushMatrix() {
    STUDIO_FORWARD(glPushMatrix, pushMatrix())
}

void glPopMatrix() {
    STUDIO_FORWARD(glPopMatrix, popMatrix())
}

void glMultMatrixd(const GLdouble* matrix) {
    STUDIO_FORWARD(glMultMatrixd, multMatrix(matrix), matrix)
}

void gluPerspective(GLdouble fieldOfView, GLdouble aspect, GLdouble nearPlane, GLdouble farPlane) {
    STUDIO_FORWARD(gluPerspective, perspective(fieldOfView, aspect, nearPlane, farPlane), fieldOfView, aspect,
                   nearPlane, farPlane)
}

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    STUDIO_FORWARD(gluLookAt, lookAt(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ), eyeX, eyeY,
                   eyeZ, centreX, centreY, centreZ, upX, upY, upZ)
}

void glPushAttrib(GLbitfield mask) {
    STUDIO_FORWARD(glPushAttrib, pushAttrib(mask), mask)
}

void glPopAttrib() {
    STUDIO_FORWARD(glPopAttrib, popAttrib())
}

void glPolygonMode(GLenum face, GLenum mode) {
    STUDIO_FORWARD(glPolygonMode, polygonMode(face, mode), face, mode)
}

void glCullFace(GLenum face) {
    STUDIO_FORWARD(glCullFace, cullFace(face), face)
}

void glFrontFace(GLenum winding) {
    STUDIO_FORWARD(glFrontFace, frontFace(winding), winding)
}

// These have WebGL counterparts: without a layer they reach the GL beneath on the web too.
void glEnable(GLenum capability) {
    if (BatchedGl* layer = BatchedGl::active()) {
        return layer->enable(capability);
    }
    platform::nativeGl::enable(capability);
}

void glDisable(GLenum capability) {
    if (BatchedGl* layer = BatchedGl::active()) {
        return layer->disable(capability);
    }
    platform::nativeGl::disable(capability);
}

GLboolean glIsEnabled(GLenum capability) {
    const BatchedGl* layer = BatchedGl::active();
    const bool enabled = layer ? layer->isEnabled(capability) : platform::nativeGl::isEnabled(capability);
    return enabled ? GL_TRUE : GL_FALSE;
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (BatchedGl* layer = BatchedGl::active()) {
        return layer->viewport(x, y, width, height);
    }
    platform::nativeGl::viewport(x, y, width, height);
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    if (BatchedGl* layer = BatchedGl::active()) {
        return layer->clearColor(red, green, blue, alpha);
    }
    platform::nativeGl::clearColor(red, green, blue, alpha);
}

void glClear(GLbitfield mask) {
    if (BatchedGl* layer = BatchedGl::active()) {
        return layer->clear(mask);
    }
    platform::nativeGl::clear(mask);
}

void glFlush() {
    if (BatchedGl* layer = BatchedGl::active()) {
        return layer->flush();
    }
    platform::nativeGl::flush();
}

}  // extern "C"
