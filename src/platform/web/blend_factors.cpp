// The blend factors of the web's GLEW (include/GL/glew.h). WebGL answers a query of them only after a
// round trip to the browser's GPU process, which first works through the drawing queued before it: the
// overlay, which saves and restores them around every text it draws, would wait for the frame's drawing.
// They are kept here as they are set, for the context they were set in.

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <emscripten/html5.h>

#include <array>
#include <cstddef>

namespace {

struct BlendFactors {
    // Whose factors they are; none until they are set or read.
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
    // Source and destination, of the colour and of alpha.
    std::array<GLint, 4> factors{};
};

BlendFactors& kept() {
    static BlendFactors blend;
    return blend;
}

constexpr std::array<GLenum, 4> Names{GL_BLEND_SRC_RGB, GL_BLEND_DST_RGB, GL_BLEND_SRC_ALPHA,
                                      GL_BLEND_DST_ALPHA};

}  // namespace

extern "C" {

void glewBlendFuncSeparate(GLenum sourceRgb, GLenum destinationRgb, GLenum sourceAlpha,
                           GLenum destinationAlpha) {
    kept() = {emscripten_webgl_get_current_context(),
              {static_cast<GLint>(sourceRgb), static_cast<GLint>(destinationRgb),
               static_cast<GLint>(sourceAlpha), static_cast<GLint>(destinationAlpha)}};
    glBlendFuncSeparate(sourceRgb, destinationRgb, sourceAlpha, destinationAlpha);
}

void glewBlendFunc(GLenum source, GLenum destination) {
    glewBlendFuncSeparate(source, destination, source, destination);
}

void glewGetIntegerv(GLenum name, GLint* value) {
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (name != Names[i]) {
            continue;
        }
        BlendFactors& blend = kept();
        const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE current = emscripten_webgl_get_current_context();
        // A context whose factors were never set here is asked once.
        if (blend.context != current) {
            blend.context = current;
            for (std::size_t j = 0; j < Names.size(); ++j) {
                glGetIntegerv(Names[j], &blend.factors[j]);
            }
        }
        *value = blend.factors[i];
        return;
    }
    glGetIntegerv(name, value);
}

}  // extern "C"
