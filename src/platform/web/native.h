#pragma once

// Shared by the parts of the web backend and its tests; no other code includes it.

#include "platform/keys.h"
#include "platform/message.h"
#include "platform/window.h"

#include <string_view>

namespace platform {

// Turns the page's events into messages for the window.
struct NativeEvents {
    // The canvas's size in device pixels, or 0 x 0 while the page is hidden or its WebGL context lost (a
    // minimised window).
    static void reportSize(Window& window, bool send);
};

namespace web {

// The page's one canvas: the window's client area, and what html5.h names it by.
inline constexpr const char* CanvasTarget = "#canvas";

// The live window (the page has one canvas, so at most one), or none.
Window* liveWindow();

// While the WebGL context is lost the canvas counts as hidden: nothing can be drawn until it is restored.
bool glContextLost();

// Starts and stops delivering the page's keyboard, mouse and focus events to the window.
void listenToInput(WindowId window);
void stopListeningToInput();

// Queues the captured gamepad's messages for every poll that has fallen due.
void pollJoystick();
void releaseJoystickOf(WindowId window);

// The virtual key at a KeyboardEvent.code: the key's place on the keyboard, not the letter it types, so
// that the controls keep their layout on any keyboard.
VirtualKey virtualKeyOf(std::string_view code);

}  // namespace web
}  // namespace platform
