#pragma once

// The GL beneath the batched layer, for the calls whose names the layer's own C entry points take over:
// on the web Emscripten's WebGL binding of them, on the desktop the system's libGL.
namespace platform::nativeGl {

void enable(unsigned int capability);
void disable(unsigned int capability);
bool isEnabled(unsigned int capability);
void viewport(int x, int y, int width, int height);
void clearColor(float red, float green, float blue, float alpha);
void clear(unsigned int mask);
void flush();

// The named function as the system's libraries define it, past this program's own definition; nullptr on
// the web, where there is none.
void* next(const char* name);

}  // namespace platform::nativeGl
