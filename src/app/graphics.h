#pragma once

#include "app/input.h"
#include "app/settings.h"
#include "app/window_procedure.h"
#include "geometry/color.h"
#include "geometry/matrix.h"
#include "geometry/vector.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The distance of the near clipping plane, the same for every scene: sizes made from it need no window.
inline constexpr double NearPlane = 0.1;

// The base of every scene: the one window with its OpenGL context, the projection kept in step with the
// window's size, and the frame presented on it. Only one can be live at a time; graphics() reaches it.
class Graphics : public Input {
  public:
    // title names the window class and starts the caption; size is the scene's size (the far plane is
    // three times as far); background is the clear colour. Throws std::runtime_error when the window or
    // its context cannot be made, or when another Graphics is live.
    Graphics(std::string_view title, double size, const Color& background);

    // Draws the scene content of one frame; here only counts the frame.
    virtual void draw();
    virtual ~Graphics();
    // One step of the loop while no message waits; here only presents.
    virtual void frame();

    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Shows the window maximised and runs the message loop until the window has closed.
    void run();
    // Clears, draws the live scene and swaps buffers; does nothing while the window has no area.
    void present();
    // A new client size: viewport and projection. A minimised window (no area) keeps the last projection.
    void resize(std::uint32_t width, std::uint32_t height);
    // Replaces the model-view matrix by a camera at eye looking at target.
    void lookAt(const Vector& eye, const Vector& target, const Vector& up);
    Graphics& pushMatrix();
    Graphics& multMatrix(const Matrix& matrix);
    Graphics& popMatrix();
    // The caption followed by a blank and text, or the caption alone when there is no text.
    void setStatus(std::optional<std::string_view> text = std::nullopt);
    // Shows text in the status's place and colour, leaving the caption alone, until setStatus replaces it.
    void showHint(std::string_view text);
    // What the overlay draws over each frame: the status, a hint, or nothing.
    std::string_view shownText() const;
    // Keeps the mouse cursor at the client area's centre, except while a mouse button is held (the user
    // drags the window); hides it when that point cannot be found.
    void centreCursor();
    enum class PolygonMode { Filled, BackFacesAsLines, AllLines };
    PolygonMode polygonMode() const;
    // Sets the mode and applies it to GL. While everything is filled, the back faces of objects that allow
    // it are culled (MeshObject::cullsBackFaces).
    void setPolygonMode(PolygonMode mode);
    // Filled, then back faces as lines, then everything as lines, then filled again.
    void cyclePolygonMode();
    // Asks the window to close and returns once it has been handled.
    void close();
    // Between full screen at the desktop's resolution and the window as it was before (size, place, and
    // maximised or not).
    void toggleFullScreen();
    // Captures the pointer for mouse look; false when the window refuses. Release gives it back.
    bool capturePointer();
    void releasePointer();

    // What a scene does with the mouse, a pad's right stick and the pause; nothing unless it says so.
    // Turns the view by yaw (to the right) and pitch (upwards), in radians.
    virtual void look(double yaw, double pitch);
    // Notches of the mouse wheel, positive away from the user.
    virtual void wheel(int notches);
    // A double click of the left button.
    virtual void resetView();
    // Whether a click captures the pointer, so that its motion looks around, the left button is Shoot
    // and the right Jump.
    virtual bool aimsWithPointer() const;
    // Whether a click that would capture the pointer may capture it now; a scene may put it off.
    virtual bool takesPointerOnClick();
    virtual void togglePause();
    // The window lost the focus or was minimised.
    virtual void focusLost();
    // Whether a small cross marks the centre of the view.
    virtual bool showsCrosshair() const;
    // A key press the scene takes before its usual meaning (a panel open over the scene); true when taken.
    virtual bool takesKey(std::uint32_t key);
    // Draws the scene's own texts over the frame (OverlayText), after the status, in a window of the size
    // given.
    virtual void drawOverlay(std::uint32_t windowWidth, std::uint32_t windowHeight);

    double nearPlane;
    double size;
    Color textColor;
    std::uint32_t frames;
    std::string caption;
    // What the window procedure hands the keyboard, mouse, game controller and joystick messages to.
    InputDevices inputDevices;
    // What the player chose, as far as this program uses it.
    Settings settings;
};

// The live Graphics; throws std::runtime_error("wrong time") when there is none.
Graphics& graphics();
