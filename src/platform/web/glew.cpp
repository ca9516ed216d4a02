// The entry points of the web's GLEW (include/GL/glew.h).

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <emscripten/html5.h>

#include <string>

#include "platform/web/batched_gl.h"
#include "platform/web/shader_dialect.h"

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

void glBindFragDataLocation(GLuint, GLuint, const GLchar*) {}

// GL 1.1's texture environment has no WebGL counterpart: a shader that samples a texture modulates it
// itself, as the overlay's does.
void glTexEnvf(GLenum, GLenum, GLfloat) {}

extern PFNGLGENVERTEXARRAYSPROC const glewGenVertexArrays = glGenVertexArrays;
extern PFNGLGENBUFFERSPROC const glewGenBuffers = glGenBuffers;

}  // extern "C"
