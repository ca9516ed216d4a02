#include "studio/command_line.h"

#include <string_view>

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
       studio --version | --help
Shows a model (the van unless another is named) and orbits the camera around it.
  Up or S, Down or D              one step nearer, farther
  Left, H or A; Right, L or F     orbit 15 degrees left, right
  Enter or K, Space or J          camera one step higher, lower
  W                               back faces as lines, everything as lines, everything filled
  Escape or the close box         quit
  Mouse                           drag to orbit and raise, wheel for nearer and farther,
                                  double click for the first view
  F11 or Alt+Enter                full screen, and back
Letters are read by their place on the keyboard, as on an English layout.
A joystick works too: the stick and the third axis move the camera, buttons 9 and 10 quit. A gamepad
works by its named controls: its sticks orbit and move the camera, A and B raise and lower it, Back quits.
Exit status: 0 after the window closes, 1 when the program cannot start (the reason is written on
standard error), 2 for a wrong argument.
)";
}
