// The GL 1.1 and GLU calls of the code above the platform layer, as C functions that reach the active
// BatchedGl. A program linked with them draws through the layer; with no layer active, on the desktop,
// they reach the system's GL and GLU instead, so one program can draw both ways.
#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/batched_gl/batched_gl.h"
#include "platform/batched_gl/native_gl.h"

using platform::BatchedGl;

namespace {

// The function the libraries beneath define under name, past this program's own; none on the web. Each
// entry point looks it up once, when it is first called without a layer.
template <typename Function>
Function* beneath(const char* name) {
    return reinterpret_cast<Function*>(platform::nativeGl::next(name));
}

}  // namespace

extern "C" {

void glBegin(GLenum mode) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->begin(mode);
    } else if (static auto* const below = beneath<decltype(glBegin)>("glBegin"); below != nullptr) {
        below(mode);
    }
}

void glEnd() {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->end();
    } else if (static auto* const below = beneath<decltype(glEnd)>("glEnd"); below != nullptr) {
        below();
    }
}

void glColor3d(GLdouble red, GLdouble green, GLdouble blue) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->color(red, green, blue);
    } else if (static auto* const below = beneath<decltype(glColor3d)>("glColor3d"); below != nullptr) {
        below(red, green, blue);
    }
}

void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->vertex(x, y, z);
    } else if (static auto* const below = beneath<decltype(glVertex3d)>("glVertex3d"); below != nullptr) {
        below(x, y, z);
    }
}

void glMatrixMode(GLenum mode) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->matrixMode(mode);
    } else if (static auto* const below = beneath<decltype(glMatrixMode)>("glMatrixMode"); below != nullptr) {
        below(mode);
    }
}

void glLoadIdentity() {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->loadIdentity();
    } else if (static auto* const below = beneath<decltype(glLoadIdentity)>("glLoadIdentity");
               below != nullptr) {
        below();
    }
}

void glPushMatrix() {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->pushMatrix();
    } else if (static auto* const below = beneath<decltype(glPushMatrix)>("glPushMatrix"); below != nullptr) {
        below();
    }
}

void glPopMatrix() {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->popMatrix();
    } else if (static auto* const below = beneath<decltype(glPopMatrix)>("glPopMatrix"); below != nullptr) {
        below();
    }
}

void glMultMatrixd(const GLdouble* matrix) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->multMatrix(matrix);
    } else if (static auto* const below = beneath<decltype(glMultMatrixd)>("glMultMatrixd");
               below != nullptr) {
        below(matrix);
    }
}

void gluPerspective(GLdouble fieldOfView, GLdouble aspect, GLdouble nearPlane, GLdouble farPlane) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->perspective(fieldOfView, aspect, nearPlane, farPlane);
    } else if (static auto* const below = beneath<decltype(gluPerspective)>("gluPerspective");
               below != nullptr) {
        below(fieldOfView, aspect, nearPlane, farPlane);
    }
}

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->lookAt(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ);
    } else if (static auto* const below = beneath<decltype(gluLookAt)>("gluLookAt"); below != nullptr) {
        below(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ);
    }
}

void glPushAttrib(GLbitfield mask) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->pushAttrib(mask);
    } else if (static auto* const below = beneath<decltype(glPushAttrib)>("glPushAttrib"); below != nullptr) {
        below(mask);
    }
}

void glPopAttrib() {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->popAttrib();
    } else if (static auto* const below = beneath<decltype(glPopAttrib)>("glPopAttrib"); below != nullptr) {
        below();
    }
}

void glPolygonMode(GLenum face, GLenum mode) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->polygonMode(face, mode);
    } else if (static auto* const below = beneath<decltype(glPolygonMode)>("glPolygonMode");
               below != nullptr) {
        below(face, mode);
    }
}

void glCullFace(GLenum face) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->cullFace(face);
    } else if (static auto* const below = beneath<decltype(glCullFace)>("glCullFace"); below != nullptr) {
        below(face);
    }
}

void glFrontFace(GLenum winding) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->frontFace(winding);
    } else if (static auto* const below = beneath<decltype(glFrontFace)>("glFrontFace"); below != nullptr) {
        below(winding);
    }
}

// These have WebGL counterparts: without a layer they reach the GL beneath on the web too.
void glEnable(GLenum capability) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->enable(capability);
    } else {
        platform::nativeGl::enable(capability);
    }
}

void glDisable(GLenum capability) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->disable(capability);
    } else {
        platform::nativeGl::disable(capability);
    }
}

GLboolean glIsEnabled(GLenum capability) {
    const BatchedGl* layer = BatchedGl::active();
    const bool enabled = layer ? layer->isEnabled(capability) : platform::nativeGl::isEnabled(capability);
    return enabled ? GL_TRUE : GL_FALSE;
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->viewport(x, y, width, height);
    } else {
        platform::nativeGl::viewport(x, y, width, height);
    }
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->clearColor(red, green, blue, alpha);
    } else {
        platform::nativeGl::clearColor(red, green, blue, alpha);
    }
}

void glClear(GLbitfield mask) {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->clear(mask);
    } else {
        platform::nativeGl::clear(mask);
    }
}

void glFlush() {
    if (BatchedGl* layer = BatchedGl::active()) {
        layer->flush();
    } else {
        platform::nativeGl::flush();
    }
}

}  // extern "C"
