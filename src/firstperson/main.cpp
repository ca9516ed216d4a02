#include <iostream>

#include "app/program.h"
#include "app/standard_options.h"
#include "firstperson/arena.h"

namespace {

constexpr const char* Usage = "usage: firstperson";

constexpr const char* Help = R"(usage: firstperson
       firstperson --version | --help
Shoot down the triplanes circling the arena: 3 points each; touching one or its shots costs a point.
  Up or S, Down or D          walk forward, back
  Left or H, Right or L       turn left, right
  A, F                        step left, right
  Enter or K                  jump
  Space or J                  fire; while dead, come back
  W                           back faces as lines, everything as lines, everything filled
  Escape or the close box     quit
  Mouse                       click to take the mouse, move it to look around; left button fires,
                              right button jumps; Tab lets the mouse go
  P                           pause, resume (leaving the window pauses too)
  F11 or Alt+Enter            full screen, and back
Letters are read by their place on the keyboard, as on an English layout.
A joystick works too: the stick walks and steps, the third axis turns, buttons 9 and 10 quit. A gamepad
works by its named controls: left stick walks, right stick looks, A jumps, B or the right trigger fires,
Start pauses, Back quits.
Exit status: 0 after the window closes, 1 when the program cannot start (the reason is written on
standard error), 2 for a wrong argument.
)";

}  // namespace

// The first-person combat: no configuration and no saved state; it plays until its window closes.
int main(int argc, char* argv[]) {
    const auto arguments = std::span<const char* const>(argv, argc).subspan(argc > 0 ? 1 : 0);
    if (const std::optional<int> status = answerStandardOption(arguments, "firstperson", Help)) {
        return *status;
    }
    if (!arguments.empty()) {
        std::cerr << Usage << std::endl;
        return 2;
    }
    return runProgram([] { return std::make_unique<FirstPerson::Arena>(); });
}
