#pragma once

// The web's stand-in for GLEW: WebGL 2 is loaded with the page, and what the desktop takes from GL 3.3 is
// there when the context is WebGL 2. Emscripten's GLEW reports no version past 2.1; this one reports 3.3
// for a WebGL 2 context.

#include_next <GL/glew.h>

#ifdef __cplusplus
extern "C" {
#endif

// True when the current context is WebGL 2.
GLboolean glewWebGl2Current(void);

#ifdef __cplusplus
}
#endif

#undef GLEW_VERSION_3_3
#define GLEW_VERSION_3_3 glewWebGl2Current()
#ifndef GLEW_ERROR_NO_GLX_DISPLAY
// Only GLX reports it; the page has none.
#define GLEW_ERROR_NO_GLX_DISPLAY 4
#endif
