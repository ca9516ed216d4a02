// The entry points of the web's GLEW (include/GL/glew.h).

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <emscripten/html5.h>

#include <string>

#include "platform/web/batched_gl.h"
#include "platform/web/shader_dialect.h"

namespace {

// The state set through this GLEW, as WebGL starts and as the batched layer leaves it.
struct KnownState {
    GLint blendSourceRgb = GL_ONE;
    GLint blendDestinationRgb = GL_ZERO;
    GLint blendSourceAlpha = GL_ONE;
    GLint blendDestinationAlpha = GL_ZERO;
    GLint vertexArray = 0;
};

KnownState known;

}  // namespace

extern "C" {

GLboolean glewWebGl2Current(void) {
    EmscriptenWebGLContextAttributes attributes{};
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = emscripten_webgl_get_current_context();
    return context > 0 &&
                   emscripten_webgl_get_context_attributes(context, &attributes) ==
                       EMSCRIPTEN_RESULT_SUCCESS &&
                   attributes.majorVersion >= 2
               ? GL_TRUE
               : GL_FALSE;
}

void glewShaderSourceEs(GLuint shader, GLsizei count, const GLchar* const* strings, const GLint* lengths) {
    std::string source;
    for (GLsizei i = 0; i < count; ++i) {
        source.append(strings[i], lengths != nullptr && lengths[i] >= 0
                                      ? static_cast<std::size_t>(lengths[i])
                                      : std::char_traits<char>::length(strings[i]));
    }
    const std::string translated = platform::web::glslEs300(source);
    const GLchar* text = translated.c_str();
    glShaderSource(shader, 1, &text, nullptr);
}

void glewUseProgram(GLuint program) {
    // The layer's own glUseProgram, should it come through here, must not submit again.
    static bool submitting = false;
    if (platform::BatchedGl* layer = platform::BatchedGl::active(); layer != nullptr && !submitting) {
        submitting = true;
        layer->submit();
        submitting = false;
        // The layer leaves no vertex array bound.
        known.vertexArray = 0;
    }
    glUseProgram(program);
}

void glewTexParameterf(GLenum target, GLenum name, GLfloat value) {
    GLint bound = 0;
    glGetIntegerv(target == GL_TEXTURE_2D ? GL_TEXTURE_BINDING_2D : GL_TEXTURE_BINDING_CUBE_MAP, &bound);
    if (bound != 0) {
        glTexParameterf(target, name, value);
    }
}

void glewGetIntegerv(GLenum name, GLint* values) {
    switch (name) {
        case GL_BLEND_SRC_RGB:
            *values = known.blendSourceRgb;
            return;
        case GL_BLEND_DST_RGB:
            *values = known.blendDestinationRgb;
            return;
        case GL_BLEND_SRC_ALPHA:
            *values = known.blendSourceAlpha;
            return;
        case GL_BLEND_DST_ALPHA:
            *values = known.blendDestinationAlpha;
            return;
        case GL_VERTEX_ARRAY_BINDING:
            *values = known.vertexArray;
            return;
        default:
            glGetIntegerv(name, values);
    }
}

void glewBlendFuncSeparate(GLenum sourceRgb, GLenum destinationRgb, GLenum sourceAlpha,
                           GLenum destinationAlpha) {
    known.blendSourceRgb = static_cast<GLint>(sourceRgb);
    known.blendDestinationRgb = static_cast<GLint>(destinationRgb);
    known.blendSourceAlpha = static_cast<GLint>(sourceAlpha);
    known.blendDestinationAlpha = static_cast<GLint>(destinationAlpha);
    glBlendFuncSeparate(sourceRgb, destinationRgb, sourceAlpha, destinationAlpha);
}

void glewBlendFunc(GLenum source, GLenum destination) {
    glewBlendFuncSeparate(source, destination, source, destination);
}

void glewBindVertexArray(GLuint vertexArray) {
    known.vertexArray = static_cast<GLint>(vertexArray);
    glBindVertexArray(vertexArray);
}

void glBindFragDataLocation(GLuint, GLuint, const GLchar*) {}

// GL 1.1's texture environment has no WebGL counterpart: a shader that samples a texture modulates it
// itself, as the overlay's does.
void glTexEnvf(GLenum, GLenum, GLfloat) {}

extern PFNGLGENVERTEXARRAYSPROC const glewGenVertexArrays = glGenVertexArrays;
extern PFNGLGENBUFFERSPROC const glewGenBuffers = glGenBuffers;

}  // extern "C"
