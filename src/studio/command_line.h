#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "app/graphics.h"
#include "studio/viewer_models.h"

// The model the arguments after the program's name ask for: none means the default, one names a model.
// Null for an unknown or unavailable name and for more than one argument.
const ViewerModel* chooseModel(std::span<const char* const> arguments);

// One picture of the model, as the window would show it after the camera moves given in the viewer's own
// steps: turns of 15 degrees (positive to the left, as the left arrow), raise steps (positive up, as
// Enter) and distance steps (positive farther, as the down arrow), at a time in seconds after the start.
struct PictureRequest {
    std::string path;
    int width = 800;
    int height = 600;
    Graphics::PolygonMode mode = Graphics::PolygonMode::Filled;
    int turnSteps = 0;
    int raiseSteps = 0;
    int distanceSteps = 0;
    double time = 0;
};

// What the command line asks of the viewer: its model, and, instead of a window, a picture or the model's
// meshes written to a file (or both).
struct ViewerCommand {
    const ViewerModel* model = nullptr;
    std::optional<PictureRequest> picture;
    std::optional<std::string> exportPath;

    bool opensWindow() const { return !picture && !exportPath; }
};

// A command line that names a known option with a wrong value; what() is the line that says why.
class CommandLineError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// The whole command line after the program's name. Throws CommandLineError for a wrong option value; an
// unknown model, an unknown argument or one too many leaves the model null (a usage error).
ViewerCommand parseCommandLine(std::span<const char* const> arguments);

// The one line that tells how to call the viewer, naming every model.
std::string usage();

// The answer to `--help`: the usage, the controls and the exit statuses.
std::string help();
