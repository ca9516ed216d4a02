#pragma once

#include "platform/message.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class Window;

using MessageResult = std::intptr_t;
// Handles every message addressed to a window of its class.
using WindowProcedure = MessageResult (*)(Window& window, const Message& message);

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Registers a window class. Classes stay registered for the life of the process; registering a name
// again with the same procedure succeeds, with another procedure it fails.
bool registerClass(const std::string& className, WindowProcedure procedure);

// The desktop's rectangle in screen coordinates (the primary display); empty when there is no display.
Rect desktopRect();

// A top-level window. It can be destroyed by a message (the default handling of Close) while its owner
// still holds it; every operation on a destroyed window does nothing. A destroyed window disappears at
// once, but the backend may keep what a GL context needs to stay current until the owner lets go.
class Window {
  public:
    // Creates a hidden window of a registered class at a default place and sends it Create before
    // returning. Returns nullptr for an unknown class or when no window can be opened (no display).
    static std::unique_ptr<Window> create(const std::string& className, const std::string& caption);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowId id() const { return id_; }
    bool alive() const { return alive_; }
    WindowProcedure procedure() const { return procedure_; }
    // The backend's own handle, for the other parts of the backend; nullptr once destroyed.
    void* native() const { return alive_ ? native_ : nullptr; }

    // Places the window (rect in screen coordinates, its size the client size). A changed client size is
    // sent as a Size message before this returns.
    void move(const Rect& rect);
    void showMaximised();
    void minimise();
    // Full screen at the desktop's resolution (no mode change), or back to the maximised window. The new
    // client size is reported as a Size message.
    void setFullScreen(bool on);
    bool fullScreen() const;
    // Sends Paint.
    void update();
    void setCaption(const std::string& caption);
    std::string caption() const;
    // Sends Destroy, then destroys the window, its pending messages and its joystick capture.
    void destroy();

  private:
    friend struct NativeEvents;

    Window(void* native, WindowId id, WindowProcedure procedure)
        : native_(native), id_(id), procedure_(procedure) {}
    // Reports a client size as a Size message, sent now or posted, unless it is the size last reported.
    void reportSize(std::uint32_t width, std::uint32_t height, bool send);

    void* native_;
    bool alive_ = true;
    WindowId id_;
    WindowProcedure procedure_;
    bool destroying_ = false;
    bool sizeReported_ = false;
    std::uint32_t reportedWidth_ = 0;
    std::uint32_t reportedHeight_ = 0;
};

}  // namespace platform
