#pragma once

#include "platform/window.h"

namespace platform {

// Moves the mouse cursor to a point of the window's client area; false when the point cannot be
// converted to screen coordinates (the window is gone).
bool warpCursor(Window& window, int x, int y);
void hideCursor();
// Whether any mouse button is down anywhere on the desktop: a window manager's move or resize of a window
// is in progress, and moving the cursor would fight it.
bool mouseButtonHeld();

// Captures the pointer for the window: the cursor hidden and held, its motion reported as MouseRawMove.
// False when the window is gone or the system refuses.
bool capturePointer(Window& window);
// Gives the pointer back, the cursor shown again; nothing when it is not captured.
void releasePointer();
bool pointerCaptured();

}  // namespace platform
