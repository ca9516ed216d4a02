#include "app/settings.h"

#include <toml++/toml.h>

#include <ostream>
#include <sstream>

#include "app/toml_number.h"
#include "platform/user_files.h"

namespace {

struct Reader {
    const toml::table& table;
    std::string_view where;
    std::vector<std::string>& problems;

    void complain(const toml::node& node, std::string_view key, std::string_view what) {
        std::ostringstream line;
        line << where << ':' << node.source().begin.line << ": " << key << ' ' << what;
        problems.push_back(line.str());
    }

    void number(std::string_view key, double& value, double least, double most) {
        const toml::node* node = table.get(key);
        if (node == nullptr) {
            return;
        }
        const std::optional<double> read = node->value<double>();
        if (!read || !node->is_number()) {
            complain(*node, key, "is not a number; the default is used");
        } else if (!(*read >= least && *read <= most)) {
            std::ostringstream what;
            what << "is " << *read << ", outside " << least << " to " << most << "; the default " << value
                 << " is used";
            complain(*node, key, what.str());
        } else {
            value = *read;
        }
    }

    void flag(std::string_view key, bool& value) {
        const toml::node* node = table.get(key);
        if (node == nullptr) {
            return;
        }
        if (!node->is_boolean()) {
            complain(*node, key, "is neither true nor false; the default is used");
        } else {
            value = node->as_boolean()->get();
        }
    }

    void pacing(std::string_view key, Pacing& value) {
        const toml::node* node = table.get(key);
        if (node == nullptr) {
            return;
        }
        const std::optional<std::string_view> read = node->value<std::string_view>();
        if (read == "pause") {
            value = Pacing::Pause;
        } else if (read == "display") {
            value = Pacing::Display;
        } else {
            complain(*node, key, "is neither \"pause\" nor \"display\"; the default is used");
        }
    }
};

}  // namespace

Settings parseSettings(std::string_view text, std::string_view where, std::vector<std::string>& problems) {
    Settings settings;
    toml::table table;
    try {
        table = toml::parse(text, where);
    } catch (const toml::parse_error& error) {
        std::ostringstream line;
        line << where << ':' << error.source().begin.line << ": " << error.description()
             << "; the defaults are used";
        problems.push_back(line.str());
        return settings;
    }
    Reader reader{table, where, problems};
    reader.number("mouse_sensitivity", settings.mouseSensitivity, Settings::LeastSensitivity,
                  Settings::MostSensitivity);
    reader.flag("invert_look", settings.invertLook);
    reader.number("volume", settings.volume, 0, 1);
    reader.flag("full_screen", settings.fullScreen);
    reader.number("round_minutes", settings.roundMinutes, 0, Settings::LongestRound);
    reader.pacing("pacing", settings.pacing);
    return settings;
}

std::string formatSettings(const Settings& settings) {
    // Written by hand rather than by toml++, whose numbers carry every digit of the double.
    std::string text = "# Studio 3D settings: the F1 panel of either program writes this file.\n";
    text += "mouse_sensitivity = " + tomlNumber(settings.mouseSensitivity) + "\n";
    text += std::string("invert_look = ") + (settings.invertLook ? "true" : "false") + "\n";
    text += "volume = " + tomlNumber(settings.volume) + "\n";
    text += std::string("full_screen = ") + (settings.fullScreen ? "true" : "false") + "\n";
    text += "round_minutes = " + tomlNumber(settings.roundMinutes) + "\n";
    text += std::string("pacing = \"") + (settings.pacing == Pacing::Display ? "display" : "pause") + "\"\n";
    return text;
}

Settings loadSettings(const platform::UserFiles& files, std::ostream& errors) {
    const std::optional<std::string> text = files.read(SettingsFileName);
    if (!text) {
        return {};
    }
    std::vector<std::string> problems;
    const Settings settings = parseSettings(*text, files.where(SettingsFileName), problems);
    for (const std::string& problem : problems) {
        errors << problem << std::endl;
    }
    return settings;
}

bool saveSettings(const platform::UserFiles& files, const Settings& settings) {
    return files.write(SettingsFileName, formatSettings(settings));
}
