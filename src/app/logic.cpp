#include "app/logic.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "app/text_layout.h"

#include "platform/gl_context.h"
#include "platform/keys.h"
#include "platform/pause.h"
#include "platform/sound.h"
#include "platform/user_files.h"
#include "scene/object.h"
#include "scene/registry.h"

namespace {
// A stall (a dragged window, a debugger stop) advances the scene by no more than this.
constexpr double LongestStep = 0.1;
constexpr auto FramePause = std::chrono::milliseconds(20);
}  // namespace

void FrameClock::sleepUntilDeadline(TimePoint deadline) {
    platform::pauseUntil(deadline);
}

Logic::Logic(std::string_view title, double size, const Color& background, FrameClock clock)
    : Graphics(title, size, background), clock_(std::move(clock)) {
    const auto seconds = static_cast<std::uint32_t>(std::time(nullptr));
    const auto ticks = static_cast<std::uint32_t>(std::clock());
    std::srand(seconds * ticks);
    lastFrame = clock_.now();
    bindStage(this);
}

Logic::~Logic() {
    // Each deletion unregisters the object, and with it any registered objects it holds.
    while (!registry.empty()) {
        delete registry.front();
    }
    bindStage(nullptr);
}

void Logic::draw() {
    drawObjects();
}

void Logic::frame() {
    step();
    Graphics::frame();
}

void Logic::step() {
    const FrameClock::TimePoint now = clock_.now();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now - lastFrame);
    const double elapsed = static_cast<double>(nanoseconds.count()) / 1e9;
    const double dt = std::min(elapsed, LongestStep);
    if (dt > 0) {
        if (!paused) {
            update(dt);
            sceneTime += dt;
        }
        wallTime += elapsed;
        lastFrame = now;
    }
    if (settings.pacing == Pacing::Pause) {
        clock_.sleepUntil(clock_.now() + FramePause);
    } else {
        // The swap waits for the display; a page must still hand its thread back once a frame, until the
        // next display frame.
        clock_.sleepUntil(clock_.now() + std::chrono::nanoseconds(1));
    }
}

void Logic::applySettings(const Settings& chosen) {
    settings = chosen;
    platform::presentAtDisplayRate(settings.pacing == Pacing::Display);
    platform::setSoundVolume(settings.volume);
}

namespace {

constexpr SettingKey EverySetting[] = {SettingKey::MouseSensitivity, SettingKey::InvertLook,
                                       SettingKey::Volume,           SettingKey::FullScreen,
                                       SettingKey::RoundMinutes,     SettingKey::Pacing};

}  // namespace

std::span<const SettingKey> Logic::panelSettings() const {
    return EverySetting;
}

std::string_view Logic::panelControls() const {
    return "";
}

void Logic::showPanel(bool open) {
    panelOpen_ = open;
    if (open) {
        if (!panel_) {
            panel_ = std::make_unique<SettingsPanel>(panelSettings(), panelControls());
            panelText_ = std::make_unique<OverlayText>();
        }
        pausedBeforePanel_ = paused;
        if (!paused) {
            togglePause();
        }
    } else if (!pausedBeforePanel_ && paused) {
        togglePause();
    }
}

bool Logic::takesKey(std::uint32_t key) {
    if (key == platform::functionKey(1)) {
        showPanel(!panelOpen_);
        if (panelOpen_) {
            panelText_->set(panel_->text(settings));
        }
        return true;
    }
    if (!panelOpen_) {
        return false;
    }
    const Settings before = settings;
    switch (key) {
        case platform::KeyEscape:
            showPanel(false);
            break;
        case platform::KeyUp:
            panel_->choose(-1);
            break;
        case platform::KeyDown:
            panel_->choose(1);
            break;
        case platform::KeyLeft:
        case platform::KeyRight: {
            Settings changed = settings;
            if (panel_->change(changed, key == platform::KeyLeft ? -1 : 1)) {
                applySettings(changed);
                if (changed.fullScreen != before.fullScreen) {
                    toggleFullScreen();
                }
                // Written only now that the player has changed something.
                saveSettings(platform::UserFiles(platform::UserShelf::Config), settings);
            }
            break;
        }
        default:
            break;
    }
    if (panelOpen_) {
        panelText_->set(panel_->text(settings));
    }
    return true;
}

void Logic::drawOverlay(std::uint32_t windowWidth, std::uint32_t windowHeight) {
    if (!panelOpen_) {
        return;
    }
    const auto width = static_cast<float>(windowWidth);
    const auto height = static_cast<float>(windowHeight);
    panelText_->draw(width / 2, height / 2, height / 520.0f, AlignCentre, AlignCentre, White);
}

void Logic::update(double dt) {
    // By index: an object built during an update would move the entries.
    for (std::size_t i = 0; i < registry.size(); ++i) {
        registry[i]->update(dt);
    }
}

void Logic::drawObjects() {
    for (std::size_t i = 0; i < registry.size(); ++i) {
        Object& object = *registry[i];
        if (!object.isActive()) {
            continue;
        }
        pushMatrix();
        multMatrix(object.placement());
        object.draw();
        popMatrix();
    }
    Graphics::draw();
}

Logic& logic() {
    return dynamic_cast<Logic&>(graphics());
}
