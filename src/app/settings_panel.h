#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/settings.h"

// One line of the settings panel: a value of Settings, by its key in the file.
enum class SettingKey { MouseSensitivity, InvertLook, Volume, FullScreen, RoundMinutes, Pacing };

// The F1 panel's content without any drawing: the program's controls, then each setting that applies to
// the program with its value, one of them chosen. Up and Down choose, Left and Right change the chosen one
// by a step, within its range.
class SettingsPanel {
  public:
    SettingsPanel(std::span<const SettingKey> shown, std::string_view controls);

    // Moves the choice by step lines, stopping at the first and the last.
    void choose(int step);
    // Changes the chosen setting one step down (negative) or up; false when it was at its end already.
    bool change(Settings& settings, int step) const;
    SettingKey chosen() const { return shown_[chosen_]; }
    // The controls, a blank line, and the settings, the chosen one marked.
    std::string text(const Settings& settings) const;

  private:
    std::span<const SettingKey> shown_;
    std::string controls_;
    std::size_t chosen_ = 0;
};
