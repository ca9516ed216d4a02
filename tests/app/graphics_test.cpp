#include <GL/glew.h>

#include "app/graphics.h"
#include "platform/message_queue.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Calls = std::vector<std::pair<int, bool>>;

class RecordingScene : public Graphics {
  public:
    explicit RecordingScene(double size = 13) : Graphics("Graphics test", size, Color(0, 0, 0)) {}
    ~RecordingScene() override {
        // Closing the window posts the quit message; a later scene's loop must not see it.
        platform::Message message;
        while (platform::peekMessage(message)) {
        }
    }
    Input& input(int control, bool pressed) override {
        calls.emplace_back(control, pressed);
        return *this;
    }
    void draw() override {
        ++draws;
        Graphics::draw();
    }
    void look(double, double pitch) override { this->pitch += pitch; }
    void togglePause() override { ++pauses; }

    Calls calls;
    int draws = 0;
    double pitch = 0;
    int pauses = 0;
};

// Dispatches waiting messages for a while; returns whether the quit message came.
bool pump(std::chrono::milliseconds duration = std::chrono::milliseconds(30)) {
    auto end = std::chrono::steady_clock::now() + duration;
    platform::Message message;
    do {
        while (platform::peekMessage(message)) {
            if (message.kind == platform::MessageKind::Quit) {
                return true;
            }
            platform::dispatchMessage(message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

// Dispatches until done() holds, for at most 5 s: timers, joystick polls and the window manager's answers
// come late on a busy machine.
template <typename Done>
void pumpUntil(Done done) {
    for (int i = 0; i < 250 && !done(); ++i) {
        pump(std::chrono::milliseconds(20));
    }
}

SDL_Window* sceneWindow() {
    return SDL_GL_GetCurrentWindow();
}

void pushKey(Uint32 type, SDL_Keycode key, Uint8 repeat = 0, Uint16 modifiers = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.windowID = SDL_GetWindowID(sceneWindow());
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

std::array<GLint, 2> polygonMode() {
    std::array<GLint, 2> mode{};
    glGetIntegerv(GL_POLYGON_MODE, mode.data());
    return mode;
}

std::array<GLdouble, 16> projection() {
    std::array<GLdouble, 16> matrix{};
    glGetDoublev(GL_PROJECTION_MATRIX, matrix.data());
    return matrix;
}

std::string runtimeError(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no error";
}

}  // namespace

TEST(Graphics, FieldsAtConstruction) {
    RecordingScene scene(13);
    EXPECT_EQ(&graphics(), &scene);
    EXPECT_DOUBLE_EQ(scene.nearPlane, 0.1);
    EXPECT_DOUBLE_EQ(scene.size, 13);
    EXPECT_DOUBLE_EQ(scene.textColor.r + scene.textColor.g + scene.textColor.b, 3);
    EXPECT_EQ(scene.frames, 0U);
    EXPECT_EQ(scene.caption, "Graphics test | studio3d.dev");
    EXPECT_EQ(SDL_GetWindowTitle(sceneWindow()), scene.caption);
}

TEST(Graphics, StateAfterConstruction) {
    RecordingScene scene;
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(polygonMode(), (std::array<GLint, 2>{GL_FILL, GL_FILL}));
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    EXPECT_GE(depthBits, 16);
    GLboolean doubleBuffered = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_TRUE(doubleBuffered);
}

TEST(Graphics, PlacedAtHalfTheDesktopCentred) {
    RecordingScene scene;
    SDL_Rect desktop{};
    ASSERT_EQ(SDL_GetDisplayBounds(0, &desktop), 0);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(sceneWindow(), &width, &height);
    EXPECT_EQ(width, (desktop.x + desktop.w) / 2);
    EXPECT_EQ(height, (desktop.y + desktop.h) / 2);
    // The move reports the new size at once, so the viewport already fits the window.
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, width, height}));
}

TEST(Graphics, ThereCanBeOnlyOne) {
    RecordingScene first;
    EXPECT_EQ(runtimeError([] { RecordingScene second; }), "there can be only one");
    EXPECT_EQ(&graphics(), &first);
}

TEST(Graphics, WrongTimeWithoutALiveScene) {
    EXPECT_EQ(runtimeError([] { graphics(); }), "wrong time");
    { RecordingScene scene; }
    EXPECT_EQ(runtimeError([] { graphics(); }), "wrong time");
}

TEST(Graphics, NoDisplayCannotCreateWindowAndLeavesNoLiveScene) {
    std::optional<std::string> display;
    if (const char* value = std::getenv("DISPLAY")) {
        display = value;
    }
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0U);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    std::string error = runtimeError([] { RecordingScene scene; });
    if (display) {
        setenv("DISPLAY", display->c_str(), 1);
    }
    EXPECT_EQ(error, "can't create window");
    EXPECT_EQ(runtimeError([] { graphics(); }), "wrong time");
    RecordingScene scene;
    EXPECT_EQ(&graphics(), &scene);
}

// Each mode is the scene's and GL's; setting the scene's mode again says it to GL again.
TEST(Graphics, WPressedThreeTimesStepsThroughThePolygonModes) {
    RecordingScene scene;
    pump();
    using Mode = Graphics::PolygonMode;
    const std::pair<Mode, std::array<GLint, 2>> expected[] = {{Mode::BackFacesAsLines, {GL_FILL, GL_LINE}},
                                                              {Mode::AllLines, {GL_LINE, GL_LINE}},
                                                              {Mode::Filled, {GL_FILL, GL_FILL}}};
    for (const auto& [mode, glModes] : expected) {
        pushKey(SDL_KEYDOWN, SDLK_w);
        pushKey(SDL_KEYUP, SDLK_w);
        pump();
        EXPECT_EQ(scene.polygonMode(), mode);
        EXPECT_EQ(polygonMode(), glModes);
        glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
        scene.setPolygonMode(scene.polygonMode());
        EXPECT_EQ(polygonMode(), glModes);
        EXPECT_EQ(glIsEnabled(GL_CULL_FACE), mode == Mode::Filled ? GL_TRUE : GL_FALSE);
    }
    EXPECT_EQ(scene.calls, (Calls{{NoControl, true},
                                  {NoControl, false},
                                  {NoControl, true},
                                  {NoControl, false},
                                  {NoControl, true},
                                  {NoControl, false}}));
}

TEST(Graphics, ResizeSetsViewportAndProjection) {
    RecordingScene scene(13);
    scene.resize(800, 600);
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 800, 600}));
    auto m = projection();
    EXPECT_NEAR(m[5] / m[0], 4.0 / 3.0, 1e-6);
    EXPECT_NEAR(m[5], 1.0, 1e-6);  // a 90 degree field of view
    // GL keeps its matrices in single precision.
    EXPECT_NEAR(m[14] / (m[10] + 1), 39.0, 1e-3);
    EXPECT_NEAR(m[14] / (m[10] - 1), 0.1, 1e-6);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST(Graphics, MinimisedSizeKeepsTheLastProjection) {
    RecordingScene scene;
    scene.resize(800, 600);
    auto before = projection();
    while (glGetError() != GL_NO_ERROR) {
    }
    scene.resize(0, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(projection(), before);
    scene.resize(0, 600);
    EXPECT_EQ(projection(), before);
    scene.resize(1000, 500);
    auto m = projection();
    EXPECT_NEAR(m[5] / m[0], 2.0, 1e-6);
}

TEST(Graphics, LookAtAndMatrixStack) {
    RecordingScene scene;
    scene.lookAt(Vector(0, 0, 5), Vector(0, 0, 0), Vector(0, 1, 0));
    std::array<GLdouble, 16> view{};
    glGetDoublev(GL_MODELVIEW_MATRIX, view.data());
    EXPECT_NEAR(view[14], -5, 1e-12);
    Matrix move;
    move.translation(1, 2, 3);
    scene.pushMatrix().multMatrix(move);
    std::array<GLdouble, 16> moved{};
    glGetDoublev(GL_MODELVIEW_MATRIX, moved.data());
    EXPECT_NEAR(moved[12], 1, 1e-12);
    EXPECT_NEAR(moved[13], 2, 1e-12);
    EXPECT_NEAR(moved[14], -2, 1e-12);
    scene.popMatrix();
    std::array<GLdouble, 16> restored{};
    glGetDoublev(GL_MODELVIEW_MATRIX, restored.data());
    EXPECT_EQ(restored, view);
}

TEST(Graphics, SetStatusExtendsTheCaption) {
    RecordingScene scene;
    scene.setStatus("Score 3");
    EXPECT_EQ(std::string(SDL_GetWindowTitle(sceneWindow())), "Graphics test | studio3d.dev Score 3");
    scene.setStatus("");
    EXPECT_EQ(std::string(SDL_GetWindowTitle(sceneWindow())), "Graphics test | studio3d.dev ");
    scene.setStatus();
    EXPECT_EQ(std::string(SDL_GetWindowTitle(sceneWindow())), "Graphics test | studio3d.dev");
}

TEST(Graphics, PresentDrawsTheSceneAndCountsFrames) {
    RecordingScene scene;
    scene.resize(64, 64);
    scene.present();
    scene.frame();
    EXPECT_EQ(scene.draws, 2);
    EXPECT_EQ(scene.frames, 2U);
}

TEST(Graphics, PresentClearsToTheBackground) {
    class Blue : public RecordingScene {
      public:
        Blue() = default;
    };
    RecordingScene scene;
    scene.resize(64, 64);
    glDrawBuffer(GL_BACK);
    scene.present();
    // After the swap the back buffer's content is undefined; clear again and read it before swapping.
    glClear(GL_COLOR_BUFFER_BIT);
    std::array<GLubyte, 4> pixel{1, 1, 1, 1};
    glReadBuffer(GL_BACK);
    glReadPixels(5, 5, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    EXPECT_EQ(pixel[0] + pixel[1] + pixel[2], 0);
}

TEST(Graphics, KeysReachTheSceneWithRepeats) {
    RecordingScene scene;
    pump();
    pushKey(SDL_KEYDOWN, SDLK_s);
    pushKey(SDL_KEYDOWN, SDLK_s, 1);
    pushKey(SDL_KEYDOWN, SDLK_s, 1);
    pushKey(SDL_KEYUP, SDLK_s);
    pushKey(SDL_KEYDOWN, SDLK_RETURN);
    pushKey(SDL_KEYDOWN, SDLK_F4, 0, KMOD_LALT);  // a system key: not delivered (and closes)
    EXPECT_TRUE(pump());
    EXPECT_EQ(scene.calls,
              (Calls{{Forward, true}, {Forward, true}, {Forward, true}, {Forward, false}, {Jump, true}}));
}

TEST(Graphics, EscapeClosesAndRunEnds) {
    RecordingScene scene;
    pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    scene.run();
    ASSERT_FALSE(scene.calls.empty());
    EXPECT_EQ(scene.calls.back(), std::make_pair(int{NoControl}, true));
    EXPECT_GE(scene.frames, 1U);
    // The window is gone from the screen, but the context stays current for the scene's own clean-up.
    ASSERT_NE(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_NE(SDL_GetWindowFlags(sceneWindow()) & SDL_WINDOW_HIDDEN, 0U);
}

TEST(Graphics, CloseBoxClosesAndRunEnds) {
    RecordingScene scene;
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(sceneWindow());
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    scene.run();
    EXPECT_TRUE(scene.calls.empty());
    EXPECT_NE(SDL_GetWindowFlags(sceneWindow()) & SDL_WINDOW_HIDDEN, 0U);
}

// A virtual joystick that SDL knows as no game controller (3 axes, 10 buttons), read as a raw joystick;
// attached before the window so that it is captured.
class GraphicsJoystick : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 10, 0);
        ASSERT_GE(device, 0);
        joystick = SDL_JoystickOpen(device);
        ASSERT_NE(joystick, nullptr);
    }
    void TearDown() override {
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(device);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    void axis(int which, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick, which, value); }
    void button(int which, bool down) { SDL_JoystickSetVirtualButton(joystick, which, down ? 1 : 0); }
    static long count(const Calls& calls, std::pair<int, bool> call) {
        return std::count(calls.begin(), calls.end(), call);
    }

    int device = -1;
    SDL_Joystick* joystick = nullptr;
};

TEST_F(GraphicsJoystick, StickPushedIntoAThirdDeliversItsControl) {
    RecordingScene scene;
    const auto seen = [&scene](int control, bool pressed) { return count(scene.calls, {control, pressed}); };
    pump();
    axis(0, -32768);
    pumpUntil([&] { return seen(StepLeft, true) > 0; });
    EXPECT_EQ(seen(StepLeft, true), 1);
    axis(0, 0);
    axis(1, 32767);
    pumpUntil([&] { return seen(StepLeft, false) > 0 && seen(Back, true) > 0; });
    EXPECT_EQ(seen(StepLeft, false), 1);
    EXPECT_EQ(seen(StepRight, false), 0);
    EXPECT_EQ(seen(Back, true), 1);
    axis(2, -32768);
    pumpUntil([&] { return seen(TurnLeft, true) > 0; });
    EXPECT_EQ(seen(TurnLeft, true), 1);
}

TEST_F(GraphicsJoystick, HeldButtonPressesOnceBeforeItsFirstRepeat) {
    RecordingScene scene;
    pump();
    button(1, true);  // bit 0x02
    pumpUntil([&scene] { return count(scene.calls, {Shoot, true}) > 0; });
    pump(std::chrono::milliseconds(100));
    // Polled every 10 ms, but like a key it repeats only after half a second.
    EXPECT_EQ(count(scene.calls, {Shoot, true}), 1);
    button(1, false);
    pumpUntil([&scene] { return count(scene.calls, {Shoot, false}) > 0; });
    EXPECT_EQ(count(scene.calls, {Shoot, false}), 1);
}

TEST_F(GraphicsJoystick, CloseButtonClosesTheWindow) {
    RecordingScene scene;
    pump();
    button(9, true);  // bit 0x200
    EXPECT_TRUE(pump(std::chrono::seconds(5)));
}

// A window switched to full screen covers the desktop, and the frame follows; switched back it is maximised.
TEST(Graphics, F11AndAltEnterSwitchFullScreenAndTheFrameFollows) {
    RecordingScene scene;
    SDL_ShowWindow(sceneWindow());
    pump(std::chrono::milliseconds(300));
    SDL_Rect desktop{};
    ASSERT_EQ(SDL_GetDisplayBounds(0, &desktop), 0);
    auto viewport = [] {
        std::array<GLint, 4> box{};
        glGetIntegerv(GL_VIEWPORT, box.data());
        return std::make_pair(box[2], box[3]);
    };
    const auto stroke = [](SDL_Keycode key, Uint16 modifiers) {
        pushKey(SDL_KEYDOWN, key, 0, modifiers);
        pushKey(SDL_KEYUP, key, 0, modifiers);
    };
    const auto fullScreen = [] { return (SDL_GetWindowFlags(sceneWindow()) & SDL_WINDOW_FULLSCREEN) != 0; };
    const std::pair<GLint, GLint> wholeDesktop(desktop.w, desktop.h);
    for (Uint16 alt : {KMOD_NONE, KMOD_LALT}) {
        stroke(alt == KMOD_NONE ? SDLK_F11 : SDLK_RETURN, alt);
        pumpUntil([&] { return fullScreen() && viewport() == wholeDesktop; });
        EXPECT_TRUE(fullScreen());
        EXPECT_EQ(viewport(), wholeDesktop);
        stroke(SDLK_F11, KMOD_NONE);
        pumpUntil([&] { return !fullScreen() && viewport().second < desktop.h; });
        EXPECT_FALSE(fullScreen());
        EXPECT_LT(viewport().second, desktop.h) << "maximised again, under the window's caption";
    }
}

// A key let go while Alt is held is let go all the same, and only Enter pressed while Alt is held switches
// full screen; the window comes back from full screen as it was, maximised or at its own size and place.
TEST(Graphics, KeysLetGoUnderAltAreReleasedAndFullScreenGivesBackTheWindowAsItWas) {
    RecordingScene scene;
    SDL_Window* window = sceneWindow();
    SDL_ShowWindow(window);
    SDL_SetWindowSize(window, 640, 480);
    const auto fullScreen = [&] { return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0; };
    const auto size = [&] {
        std::pair<int, int> wh;
        SDL_GetWindowSize(window, &wh.first, &wh.second);
        return wh;
    };
    pumpUntil([&] { return size() == std::make_pair(640, 480); });
    scene.calls.clear();

    // Up held, Alt pressed, Up let go, Alt let go: Up is released.
    pushKey(SDL_KEYDOWN, SDLK_UP);
    pushKey(SDL_KEYDOWN, SDLK_LALT, 0, KMOD_LALT);
    pushKey(SDL_KEYUP, SDLK_UP, 0, KMOD_LALT);
    pushKey(SDL_KEYUP, SDLK_LALT);
    // Enter held, then Alt: Enter's repeats under Alt switch nothing, and its release ends the jump.
    pushKey(SDL_KEYDOWN, SDLK_RETURN);
    pushKey(SDL_KEYDOWN, SDLK_LALT, 0, KMOD_LALT);
    pushKey(SDL_KEYDOWN, SDLK_RETURN, 1, KMOD_LALT);
    pushKey(SDL_KEYUP, SDLK_RETURN, 0, KMOD_LALT);
    pushKey(SDL_KEYUP, SDLK_LALT);
    pump(std::chrono::milliseconds(200));
    EXPECT_FALSE(fullScreen());
    EXPECT_EQ(scene.calls, (Calls{{Forward, true},
                                  {Forward, false},
                                  {NoControl, false},
                                  {Jump, true},
                                  {Jump, false},
                                  {NoControl, false}}));

    // Alt held, then Enter: full screen; F11: back at 640 x 480, where it was, not maximised.
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    pushKey(SDL_KEYDOWN, SDLK_RETURN, 0, KMOD_LALT);
    pushKey(SDL_KEYUP, SDLK_RETURN, 0, KMOD_LALT);
    pumpUntil(fullScreen);
    ASSERT_TRUE(fullScreen());
    pushKey(SDL_KEYDOWN, SDLK_F11);
    pushKey(SDL_KEYUP, SDLK_F11);
    pumpUntil([&] { return !fullScreen() && size() == std::make_pair(640, 480); });
    EXPECT_FALSE(fullScreen());
    EXPECT_EQ(size(), std::make_pair(640, 480));
    EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED, 0U);
    int backX = 0;
    int backY = 0;
    SDL_GetWindowPosition(window, &backX, &backY);
    EXPECT_EQ(std::make_pair(backX, backY), std::make_pair(x, y));

    // Maximised before, maximised after.
    SDL_MaximizeWindow(window);
    const auto maximised = [&] { return (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) != 0; };
    pumpUntil(maximised);
    ASSERT_TRUE(maximised());
    for (bool on : {true, false}) {
        pushKey(SDL_KEYDOWN, SDLK_F11);
        pushKey(SDL_KEYUP, SDLK_F11);
        pumpUntil([&] { return fullScreen() == on && (on || maximised()); });
    }
    EXPECT_FALSE(fullScreen());
    EXPECT_TRUE(maximised());
}

// A pad that SDL knows as a game controller drives the scene by its named controls.
TEST(Graphics, AGameControllerWalksTurnsTiltsJumpsFiresSwitchesModelsPausesAndQuits) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(device, 0);
    SDL_Joystick* pad = SDL_JoystickOpen(device);
    {
        RecordingScene scene;
        pump(std::chrono::milliseconds(60));
        EXPECT_TRUE(scene.calls.empty()) << "at rest, its triggers included, it holds nothing";
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, -32768);
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX, 32767);
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY, -32768);
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 1);
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 1);
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 1);
        pumpUntil([&scene] { return scene.pauses > 0 && scene.calls.size() >= 6; });
        pump(std::chrono::milliseconds(100));
        for (Control control : {Forward, TurnRight, Jump, Shoot, PreviousModel, NextModel}) {
            EXPECT_EQ(std::count(scene.calls.begin(), scene.calls.end(), std::make_pair(int{control}, true)),
                      1)
                << control;
        }
        EXPECT_GT(scene.pitch, 0) << "pushed forward, the right stick tilts the view up";
        EXPECT_EQ(scene.pauses, 1) << "once per press of Start";
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 1);
        EXPECT_TRUE(pump(std::chrono::seconds(5)));
    }
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
