// The GL 1.1 and GLU calls of the code above the platform layer, as C functions that reach the active
// BatchedGl. A program linked with them draws through the layer; with no layer active, on the desktop,
// they reach the system's GL and GLU instead, so one program can draw both ways.
#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/batched_gl/batched_gl.h"
#include "platform/batched_gl/native_gl.h"

using platform::BatchedGl;

namespace {

// The function the libraries beneath define under name, past this program's own; none on the web.
template <typename Function>
Function* beneath(const char* name) {
    return reinterpret_cast<Function*>(platform::nativeGl::next(name));
}

// Calls the active layer's member, or else the function beneath, if there is one.
template <typename Function, typename Member, typename... Args>
void forward(Function* below, Member member, Args... args) {
    if (BatchedGl* layer = BatchedGl::active()) {
        (layer->*member)(args...);
    } else if (below != nullptr) {
        below(args...);
    }
}

}  // namespace

extern "C" {

void glBegin(GLenum mode) {
    static auto* const below = beneath<decltype(glBegin)>("glBegin");
    forward(below, &BatchedGl::begin, mode);
}

void glEnd() {
    static auto* const below = beneath<decltype(glEnd)>("glEnd");
    forward(below, &BatchedGl::end);
}

void glColor3d(GLdouble red, GLdouble green, GLdouble blue) {
    static auto* const below = beneath<decltype(glColor3d)>("glColor3d");
    forward(below, &BatchedGl::color, red, green, blue);
}

void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    static auto* const below = beneath<decltype(glVertex3d)>("glVertex3d");
    forward(below, &BatchedGl::vertex, x, y, z);
}

void glMatrixMode(GLenum mode) {
    static auto* const below = beneath<decltype(glMatrixMode)>("glMatrixMode");
    forward(below, &BatchedGl::matrixMode, mode);
}

void glLoadIdentity() {
    static auto* const below = beneath<decltype(glLoadIdentity)>("glLoadIdentity");
    forward(below, &BatchedGl::loadIdentity);
}

void glPushMatrix() {
    static auto* const below = beneath<decltype(glPushMatrix)>("glPushMatrix");
    forward(below, &BatchedGl::pushMatrix);
}

void glPopMatrix() {
    static auto* const below = beneath<decltype(glPopMatrix)>("glPopMatrix");
    forward(below, &BatchedGl::popMatrix);
}

void glMultMatrixd(const GLdouble* matrix) {
    static auto* const below = beneath<decltype(glMultMatrixd)>("glMultMatrixd");
    forward(below, &BatchedGl::multMatrix, matrix);
}

void gluPerspective(GLdouble fieldOfView, GLdouble aspect, GLdouble nearPlane, GLdouble farPlane) {
    static auto* const below = beneath<decltype(gluPerspective)>("gluPerspective");
    forward(below, &BatchedGl::perspective, fieldOfView, aspect, nearPlane, farPlane);
}

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    static auto* const below = beneath<decltype(gluLookAt)>("gluLookAt");
    forward(below, &BatchedGl::lookAt, eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ);
}

void glPushAttrib(GLbitfield mask) {
    static auto* const below = beneath<decltype(glPushAttrib)>("glPushAttrib");
    forward(below, &BatchedGl::pushAttrib, mask);
}

void glPopAttrib() {
    static auto* const below = beneath<decltype(glPopAttrib)>("glPopAttrib");
    forward(below, &BatchedGl::popAttrib);
}

void glPolygonMode(GLenum face, GLenum mode) {
    static auto* const below = beneath<decltype(glPolygonMode)>("glPolygonMode");
    forward(below, &BatchedGl::polygonMode, face, mode);
}

void glCullFace(GLenum face) {
    static auto* const below = beneath<decltype(glCullFace)>("glCullFace");
    forward(below, &BatchedGl::cullFace, face);
}

void glFrontFace(GLenum winding) {
    static auto* const below = beneath<decltype(glFrontFace)>("glFrontFace");
    forward(below, &BatchedGl::frontFace, winding);
}

// These have WebGL counterparts: without a layer they reach the GL beneath on the web too.
void glEnable(GLenum capability) {
    forward(&platform::nativeGl::enable, &BatchedGl::enable, capability);
}

void glDisable(GLenum capability) {
    forward(&platform::nativeGl::disable, &BatchedGl::disable, capability);
}

GLboolean glIsEnabled(GLenum capability) {
    const BatchedGl* layer = BatchedGl::active();
    const bool enabled = layer ? layer->isEnabled(capability) : platform::nativeGl::isEnabled(capability);
    return enabled ? GL_TRUE : GL_FALSE;
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    forward(&platform::nativeGl::viewport, &BatchedGl::viewport, x, y, width, height);
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    forward(&platform::nativeGl::clearColor, &BatchedGl::clearColor, red, green, blue, alpha);
}

void glClear(GLbitfield mask) {
    forward(&platform::nativeGl::clear, &BatchedGl::clear, mask);
}

void glFlush() {
    forward(&platform::nativeGl::flush, &BatchedGl::flush);
}

}  // extern "C"
