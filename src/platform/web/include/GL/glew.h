#pragma once

// The web's stand-in for GLEW: WebGL 2 is loaded with the page, and what the desktop takes from GL 3.3 is
// there when the context is WebGL 2. Shaders written for GL 3.3 core are handed to WebGL 2 in the
// GLSL ES 3.00 that it compiles.

#include_next <GL/glew.h>

#ifdef __cplusplus
extern "C" {
#endif

// True when the current context is WebGL 2.
GLboolean glewWebGl2Current(void);
// glShaderSource for sources written as "#version 330 core".
void glewShaderSourceEs(GLuint shader, GLsizei count, const GLchar* const* strings, const GLint* lengths);
// glUseProgram for a caller about to draw with its own shaders: what the batched GL 1.1 layer has recorded
// is drawn first, in order, and the layer's own program is not left in the caller's way.
void glewUseProgram(GLuint program);
// Queries of the state that the overlay saves and restores around its drawing, answered from what was set
// through these entry points: in a browser every query waits for the GPU process to catch up with the
// frame, which costs more than the drawing. Other queries go to WebGL.
void glewGetIntegerv(GLenum name, GLint* values);
void glewBlendFunc(GLenum source, GLenum destination);
void glewBlendFuncSeparate(GLenum sourceRgb, GLenum destinationRgb, GLenum sourceAlpha,
                           GLenum destinationAlpha);
void glewBindVertexArray(GLuint vertexArray);
// GL has a default texture to take parameters while none is bound; WebGL has none, and they go nowhere.
void glewTexParameterf(GLenum target, GLenum name, GLfloat value);
// A program's one output goes to the one drawing buffer: there is nothing to bind.
void glBindFragDataLocation(GLuint program, GLuint color, const GLchar* name);
// Entry points that callers test for, as GLEW's are: pointers, set whenever the page has WebGL.
extern PFNGLGENVERTEXARRAYSPROC const glewGenVertexArrays;
extern PFNGLGENBUFFERSPROC const glewGenBuffers;

#ifdef __cplusplus
}
#endif

#undef GLEW_VERSION_3_3
#define GLEW_VERSION_3_3 glewWebGl2Current()
#define glShaderSource glewShaderSourceEs
#define glUseProgram glewUseProgram
#define glTexParameterf glewTexParameterf
#define glGetIntegerv glewGetIntegerv
#define glBlendFunc glewBlendFunc
#define glBlendFuncSeparate glewBlendFuncSeparate
#define glBindVertexArray glewBindVertexArray
#define glGenVertexArrays glewGenVertexArrays
#define glGenBuffers glewGenBuffers
#ifndef GLEW_ERROR_NO_GLX_DISPLAY
// Only GLX reports it; the page has none.
#define GLEW_ERROR_NO_GLX_DISPLAY 4
#endif
