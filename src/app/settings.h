#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class UserFiles;
}

// How frames are paced: a short pause after each frame's work, or presenting each frame at the display's
// rate (vertical sync).
enum class Pacing { Pause, Display };

// What a player chooses, kept in settings.toml under the keys named beside each value. The defaults are
// the programs' behaviour without a file.
struct Settings {
    // mouse_sensitivity: a factor of the mouse's normal speed of looking.
    double mouseSensitivity = 1.0;
    // invert_look: moving the mouse forward looks down.
    bool invertLook = false;
    // volume: of the sound cues, 0 silent to 1.
    double volume = 1.0;
    // full_screen: start in full screen.
    bool fullScreen = false;
    // round_minutes: the length of a round of play; 0 plays without end.
    double roundMinutes = 3;
    // pacing: "pause" or "display".
    Pacing pacing = Pacing::Pause;

    bool operator==(const Settings&) const = default;

    static constexpr double LeastSensitivity = 0.1;
    static constexpr double MostSensitivity = 10;
    static constexpr double LongestRound = 600;
};

inline constexpr std::string_view SettingsFileName = "settings.toml";

// The settings a TOML text gives. A value that is missing keeps its default, and so does one of the wrong
// type or out of range, or every value when the text does not parse; each of those adds a line to problems
// naming where (the file), the line and the key.
Settings parseSettings(std::string_view text, std::string_view where, std::vector<std::string>& problems);
std::string formatSettings(const Settings& settings);

// The user's settings: the defaults when there is no file, the problems of one that is wrong written to
// errors, one line each. The file itself is left as it is.
Settings loadSettings(const platform::UserFiles& files, std::ostream& errors);
// Written whole, the safe way (platform::UserFiles::write); false when it could not be.
bool saveSettings(const platform::UserFiles& files, const Settings& settings);
