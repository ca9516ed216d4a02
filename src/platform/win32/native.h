#pragma once

// Shared by the parts of the Win32 backend; nothing outside src/platform/win32 includes it.

#include "platform/message.h"
#include "platform/window.h"

#include <exception>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

// The one window procedure of every class: it binds windows to their Window, turns window messages into
// messages and hands them to the class's procedure.
struct NativeEvents {
    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

namespace win32 {

inline HWND nativeOf(const Window& window) {
    return static_cast<HWND>(window.native());
}

Window* findWindow(HWND hwnd);
Window* findWindow(WindowId id);

// A message as Windows delivers it.
struct NativeMessage {
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Kind None for a window message that has no counterpart here (it only gets the default handling).
Message translate(WindowId window, const NativeMessage& native);
NativeMessage toNative(const Message& message);

// While a message is being handled by a window's procedure, the native message it came from: the default
// handling then gets exactly what Windows sent, parameters the translation dropped included.
class HandledMessage {
  public:
    HandledMessage(const Message& message, const NativeMessage& native);
    ~HandledMessage();
    HandledMessage(const HandledMessage&) = delete;
    HandledMessage& operator=(const HandledMessage&) = delete;

    // The native message that message came from, or nullptr when it is not being handled.
    static const NativeMessage* nativeOf(const Message& message);

  private:
    const HandledMessage* outer_;
    const Message& message_;
    NativeMessage native_;
};

// A pointer captured by the window stays held inside it where it now is (after a move or a resize).
void keepPointerInside(Window& window);

// C++ exceptions must not unwind through the system's frames: the window procedure catches them and the
// call that entered the system rethrows them once the system has returned.
void keepException(std::exception_ptr exception);
void rethrowKeptException();

}  // namespace win32
}  // namespace platform
