#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "app/graphics.h"
#include "app/overlay_text.h"
#include "app/settings_panel.h"
#include "scene/stage.h"

// The monotonic clock a scene steps by, and the pause that paces its frames. Both can be replaced, so
// that a frame step can be driven with chosen readings.
struct FrameClock {
    using TimePoint = std::chrono::steady_clock::time_point;

    // Sleeps until the steady clock has reached deadline, sleeping again if woken early.
    static void sleepUntilDeadline(TimePoint deadline);

    std::function<TimePoint()> now = [] { return std::chrono::steady_clock::now(); };
    std::function<void(TimePoint)> sleepUntil = sleepUntilDeadline;
};

// A running scene: a Graphics whose frames step every registered object by the real time since the last
// frame (at most 0.1 s), pause 20 ms (or, paced by the display, present at its rate) and draw every active
// object under its own placement. It deletes
// whatever is still registered when it is destroyed.
class Logic : public Graphics, public Stage {
  public:
    Logic(std::string_view title, double size, const Color& background, FrameClock clock = {});

    // Draws the objects; scenes place the camera first.
    void draw() override;
    ~Logic() override;
    // step(), then presents the frame.
    void frame() override;
    // The frame's time step without the drawing: measures the real time since the last frame, updates
    // every object by it (at most 0.1 s) and pauses. A long run of frames can be stepped and only some drawn.
    void step();
    // Updates every registered object, in registration order, by the same dt.
    virtual void update(double dt);
    // Draws every active registered object under its placement, then counts the frame.
    virtual void drawObjects();

    double time() const { return sceneTime; }

    // Puts the player's settings in force: the pacing of the frames and the volume; the mouse and the
    // window read them when they need them.
    void applySettings(const Settings& chosen);
    // F1 opens and closes the settings panel over the scene. Open, it pauses the scene and takes every key
    // press: Up and Down choose, Left and Right change (and write the settings file), Escape closes.
    bool takesKey(std::uint32_t key) override;
    bool panelOpen() const { return panelOpen_; }
    // The panel's text, after the scene's own.
    void drawOverlay(std::uint32_t windowWidth, std::uint32_t windowHeight) override;
    // What the panel shows of this program: the settings that apply to it and its controls.
    virtual std::span<const SettingKey> panelSettings() const;
    virtual std::string_view panelControls() const;

    double stageSize() const override { return size; }
    double stageTime() const override { return sceneTime; }

    // Real seconds of all stepped frames; frames / wallTime is the average frame rate.
    double wallTime = 0;
    // When the last stepped frame was measured.
    FrameClock::TimePoint lastFrame;
    // The scene clock: the sum of the steps, each at most 0.1 s.
    double sceneTime = 0;
    // While paused the scene clock stands still and nothing is updated, but frames are still drawn; the
    // first step after the pause measures from its end.
    bool paused = false;

  private:
    void showPanel(bool open);

    FrameClock clock_;
    bool panelOpen_ = false;
    bool pausedBeforePanel_ = false;
    std::unique_ptr<SettingsPanel> panel_;
    std::unique_ptr<OverlayText> panelText_;
};

// The live scene; throws std::runtime_error("wrong time") when there is none.
Logic& logic();
