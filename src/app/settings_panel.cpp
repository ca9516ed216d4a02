#include "app/settings_panel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A step along a range, kept in it and rounded to the step, so that repeated steps add up to round values.
double stepped(double value, int step, double by, double least, double most) {
    const double next = std::round((value + step * by) / by) * by;
    return std::clamp(next, least, most);
}

std::string line(SettingKey key, const Settings& settings) {
    char text[96];
    switch (key) {
        case SettingKey::MouseSensitivity:
            std::snprintf(text, sizeof text, "mouse sensitivity: %.1f", settings.mouseSensitivity);
            break;
        case SettingKey::InvertLook:
            std::snprintf(text, sizeof text, "invert look: %s", settings.invertLook ? "yes" : "no");
            break;
        case SettingKey::Volume:
            std::snprintf(text, sizeof text, "volume: %.1f", settings.volume);
            break;
        case SettingKey::FullScreen:
            std::snprintf(text, sizeof text, "full screen: %s", settings.fullScreen ? "yes" : "no");
            break;
        case SettingKey::RoundMinutes:
            if (settings.roundMinutes > 0) {
                std::snprintf(text, sizeof text, "round minutes: %g (from the next start)",
                              settings.roundMinutes);
            } else {
                std::snprintf(text, sizeof text, "round minutes: endless (from the next start)");
            }
            break;
        case SettingKey::Pacing:
            std::snprintf(text, sizeof text, "pacing: %s",
                          settings.pacing == Pacing::Display ? "display" : "pause");
            break;
    }
    return text;
}

}  // namespace

SettingsPanel::SettingsPanel(std::span<const SettingKey> shown, std::string_view controls)
    : shown_(shown), controls_(controls) {}

void SettingsPanel::choose(int step) {
    const auto last = static_cast<long>(shown_.size()) - 1;
    chosen_ = static_cast<std::size_t>(std::clamp(static_cast<long>(chosen_) + step, 0L, last));
}

bool SettingsPanel::change(Settings& settings, int step) const {
    const Settings before = settings;
    const bool on = step > 0;
    switch (chosen()) {
        case SettingKey::MouseSensitivity:
            settings.mouseSensitivity = stepped(settings.mouseSensitivity, step, 0.1,
                                                Settings::LeastSensitivity, Settings::MostSensitivity);
            break;
        case SettingKey::InvertLook:
            settings.invertLook = on;
            break;
        case SettingKey::Volume:
            settings.volume = stepped(settings.volume, step, 0.1, 0, 1);
            break;
        case SettingKey::FullScreen:
            settings.fullScreen = on;
            break;
        case SettingKey::RoundMinutes:
            settings.roundMinutes = stepped(settings.roundMinutes, step, 0.5, 0, 30);
            break;
        case SettingKey::Pacing:
            settings.pacing = on ? Pacing::Display : Pacing::Pause;
            break;
    }
    return !(settings == before);
}

std::string SettingsPanel::text(const Settings& settings) const {
    std::string text = controls_;
    text += "\n\nSettings: Up, Down choose; Left, Right change; F1 or Escape closes\n\n";
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        text += i == chosen_ ? "* " : "  ";
        text += line(shown_[i], settings);
        text += '\n';
    }
    return text;
}
