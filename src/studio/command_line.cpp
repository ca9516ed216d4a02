#include "studio/command_line.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

constexpr int LargestPicture = 8192;
constexpr int MostSteps = 1000;
constexpr double LatestTime = 3600;
constexpr int TurnStepDegrees = 15;

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

// The whole of text as an integer, or nothing.
std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc() || end != last || text.empty()) {
        return std::nullopt;
    }
    return value;
}

int readSteps(std::string_view option, std::string_view value) {
    const std::optional<int> number = wholeNumber(value);
    if (!number || std::abs(*number) > MostSteps) {
        throw CommandLineError("studio: " + std::string(option) + " takes a whole number of steps, not '" +
                               std::string(value) + "'");
    }
    return *number;
}

int readTurn(std::string_view value) {
    const std::optional<int> degrees = wholeNumber(value);
    if (!degrees || std::abs(*degrees) > MostSteps * TurnStepDegrees || *degrees % TurnStepDegrees != 0) {
        throw CommandLineError(
            "studio: --turn takes degrees in the viewer's 15 degree steps (such as 45 or -30), not '" +
            std::string(value) + "'");
    }
    return *degrees / TurnStepDegrees;
}

void readSize(std::string_view value, PictureRequest& picture) {
    const std::size_t cross = value.find('x');
    const std::optional<int> width =
        cross == std::string_view::npos ? std::nullopt : wholeNumber(value.substr(0, cross));
    const std::optional<int> height =
        cross == std::string_view::npos ? std::nullopt : wholeNumber(value.substr(cross + 1));
    if (!width || !height || *width < 1 || *height < 1 || *width > LargestPicture ||
        *height > LargestPicture) {
        throw CommandLineError("studio: --size takes WIDTHxHEIGHT in pixels from 1x1 to 8192x8192, not '" +
                               std::string(value) + "'");
    }
    picture.width = *width;
    picture.height = *height;
}

Graphics::PolygonMode readMode(std::string_view value) {
    if (value == "filled") {
        return Graphics::PolygonMode::Filled;
    }
    if (value == "back-lines") {
        return Graphics::PolygonMode::BackFacesAsLines;
    }
    if (value == "lines") {
        return Graphics::PolygonMode::AllLines;
    }
    throw CommandLineError("studio: --mode is filled, back-lines or lines, not '" + std::string(value) + "'");
}

double readTime(std::string_view value) {
    // strtod rather than from_chars, which not every standard library has for doubles.
    const std::string text(value);
    char* end = nullptr;
    const double seconds = text.empty() || std::isspace(static_cast<unsigned char>(text.front())) != 0
                               ? -1
                               : std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(seconds >= 0 && seconds <= LatestTime)) {
        throw CommandLineError("studio: --time takes seconds from 0 to 3600, not '" + text + "'");
    }
    return seconds;
}

}  // namespace

const ViewerModel* chooseModel(std::span<const char* const> arguments) {
    const auto models = viewerModels();
    if (arguments.empty()) {
        return &models.front();
    }
    if (arguments.size() > 1) {
        return nullptr;
    }
    for (const ViewerModel& model : models) {
        if (model.name == std::string_view(arguments.front())) {
            return model.make != nullptr ? &model : nullptr;
        }
    }
    return nullptr;
}

ViewerCommand parseCommandLine(std::span<const char* const> arguments) {
    ViewerCommand command;
    PictureRequest picture;
    bool pictureOption = false;
    std::vector<const char*> names;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        const bool known = option == "--screenshot" || option == "--export" || option == "--size" ||
                           option == "--mode" || option == "--turn" || option == "--raise" ||
                           option == "--distance" || option == "--time";
        if (!known) {
            names.push_back(arguments[i]);
            continue;
        }
        if (i + 1 == arguments.size()) {
            throw CommandLineError("studio: " + std::string(option) + " needs a value");
        }
        const std::string_view value = arguments[++i];
        if (option == "--screenshot") {
            if (!endsWith(value, ".png")) {
                throw CommandLineError("studio: --screenshot writes a .png file, not '" + std::string(value) +
                                       "'");
            }
            picture.path = value;
        } else if (option == "--export") {
            if (!endsWith(value, ".glb") && !endsWith(value, ".obj") && !endsWith(value, ".stl")) {
                throw CommandLineError("studio: --export writes a .glb, .obj or .stl file, not '" +
                                       std::string(value) + "'");
            }
            command.exportPath = value;
        } else {
            pictureOption = true;
            if (option == "--size") {
                readSize(value, picture);
            } else if (option == "--mode") {
                picture.mode = readMode(value);
            } else if (option == "--turn") {
                picture.turnSteps = readTurn(value);
            } else if (option == "--raise") {
                picture.raiseSteps = readSteps(option, value);
            } else if (option == "--distance") {
                picture.distanceSteps = readSteps(option, value);
            } else {
                picture.time = readTime(value);
            }
        }
    }
    if (!picture.path.empty()) {
        command.picture = picture;
    } else if (pictureOption) {
        throw CommandLineError(
            "studio: --size, --mode, --turn, --raise, --distance and --time go with --screenshot");
    }
    command.model = chooseModel(names);
    return command;
}

std::string usage() {
    std::string line = "usage: studio [";
    const char* separator = "";
    for (const ViewerModel& model : viewerModels()) {
        line.append(separator).append(model.name);
        separator = " | ";
    }
    return line.append("]");
}

std::string help() {
    return usage() + R"(
       studio [MODEL] --screenshot FILE.png [--size WxH] [--mode filled|back-lines|lines]
              [--turn DEGREES] [--raise STEPS] [--distance STEPS] [--time SECONDS]
       studio [MODEL] --export FILE.glb|FILE.obj|FILE.stl
       studio --version | --help
Shows a model (the van unless another is named) and orbits the camera around it.
  Up or S, Down or D              one step nearer, farther
  Left, H or A; Right, L or F     orbit 15 degrees left, right
  Enter or K, Space or J          camera one step higher, lower
  Page Up, Page Down              the previous, the next model
  T                               turn round the model slowly, until T or a camera key
  W                               back faces as lines, everything as lines, everything filled
  Escape or the close box         quit
  Mouse                           drag to orbit and raise, wheel for nearer and farther,
                                  double click for the first view
  F11 or Alt+Enter                full screen, and back
  F1                              the controls and the settings; Up, Down choose, Left, Right change,
                                  F1 or Escape closes
Letters are read by their place on the keyboard, as on an English layout.
A joystick works too: the stick and the third axis move the camera, buttons 9 and 10 quit. A gamepad
works by its named controls: its sticks orbit and move the camera, A and B raise and lower it, the
shoulder buttons switch models, Back quits.
--screenshot draws one frame without a window (800x600 unless --size says), the camera moved as the keys
would move it: --turn in degrees, a multiple of 15 (positive to the left), --raise and --distance in key
steps (positive higher and farther), at --time seconds after the start. --export writes the model's
meshes at the start, each part where it is drawn, with their colours: glTF binary, OBJ or binary STL.
Exit status: 0 after the window closes or the file is written, 1 when the program cannot start or the
file cannot be written (the reason is written on standard error), 2 for a wrong argument.
)";
}
