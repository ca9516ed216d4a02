#include "platform/batched_gl/native_gl.h"

#ifdef __EMSCRIPTEN__

#include <GLES3/gl3.h>

// Emscripten's own names for its WebGL functions, free of the C names this program defines.
extern "C" {
void emscripten_glEnable(GLenum capability);
void emscripten_glDisable(GLenum capability);
GLboolean emscripten_glIsEnabled(GLenum capability);
void emscripten_glViewport(GLint x, GLint y, GLsizei width, GLsizei height);
void emscripten_glClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
void emscripten_glClear(GLbitfield mask);
void emscripten_glFlush();
}

namespace platform::nativeGl {

void enable(unsigned int capability) {
    emscripten_glEnable(capability);
}

void disable(unsigned int capability) {
    emscripten_glDisable(capability);
}

bool isEnabled(unsigned int capability) {
    return emscripten_glIsEnabled(capability) == GL_TRUE;
}

void viewport(int x, int y, int width, int height) {
    emscripten_glViewport(x, y, width, height);
}

void clearColor(float red, float green, float blue, float alpha) {
    emscripten_glClearColor(red, green, blue, alpha);
}

void clear(unsigned int mask) {
    emscripten_glClear(mask);
}

void flush() {
    emscripten_glFlush();
}

void* next(const char*) {
    return nullptr;
}

}  // namespace platform::nativeGl

#else

#include <GL/gl.h>
#include <dlfcn.h>

namespace platform::nativeGl {

namespace {

// Looked up once per name: the executable's own definition comes first, so the search starts past it.
template <typename Function>
Function* below(const char* name) {
    return reinterpret_cast<Function*>(next(name));
}

}  // namespace

void* next(const char* name) {
    return dlsym(RTLD_NEXT, name);
}

void enable(unsigned int capability) {
    static auto* const call = below<decltype(glEnable)>("glEnable");
    call(capability);
}

void disable(unsigned int capability) {
    static auto* const call = below<decltype(glDisable)>("glDisable");
    call(capability);
}

bool isEnabled(unsigned int capability) {
    static auto* const call = below<decltype(glIsEnabled)>("glIsEnabled");
    return call(capability) == GL_TRUE;
}

void viewport(int x, int y, int width, int height) {
    static auto* const call = below<decltype(glViewport)>("glViewport");
    call(x, y, width, height);
}

void clearColor(float red, float green, float blue, float alpha) {
    static auto* const call = below<decltype(glClearColor)>("glClearColor");
    call(red, green, blue, alpha);
}

void clear(unsigned int mask) {
    static auto* const call = below<decltype(glClear)>("glClear");
    call(mask);
}

void flush() {
    static auto* const call = below<decltype(glFlush)>("glFlush");
    call();
}

}  // namespace platform::nativeGl

#endif
