// The entry points of the web's GLEW (include/GL/glew.h).

#include <GL/glew.h>
#include <emscripten/html5.h>

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

}  // extern "C"
