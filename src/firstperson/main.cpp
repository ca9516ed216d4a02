#include <iostream>
#include <string_view>

#include "app/program.h"
#include "app/settings.h"
#include "app/standard_options.h"
#include "firstperson/arena.h"
#include "platform/user_files.h"

namespace {

constexpr const char* Usage = "usage: firstperson [--endless]";

constexpr const char* Help = R"(usage: firstperson [--endless]
       firstperson --version | --help
Shoot down the triplanes circling the arena: 3 points each; touching one or its shots costs a point.
A round lasts 3 minutes of play (time paused or dead does not count); then the ten best rounds are shown,
and fire plays again. --endless plays without rounds.
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
  F1                          the controls and the settings (pauses); Up, Down choose, Left, Right
                              change, F1 or Escape closes
Letters are read by their place on the keyboard, as on an English layout.
A joystick works too: the stick walks and steps, the third axis turns, buttons 9 and 10 quit. A gamepad
works by its named controls: left stick walks, right stick looks, A jumps, B or the right trigger fires,
Start pauses, Back quits.
Exit status: 0 after the window closes, 1 when the program cannot start (the reason is written on
standard error), 2 for a wrong argument.
)";

}  // namespace

// The first-person combat, in rounds kept in the user's record table unless it plays without end; it plays
// until its window closes.
int main(int argc, char* argv[]) {
    const auto arguments = std::span<const char* const>(argv, argc).subspan(argc > 0 ? 1 : 0);
    if (const std::optional<int> status = answerStandardOption(arguments, "firstperson", Help)) {
        return *status;
    }
    const bool endless = arguments.size() == 1 && std::string_view(arguments[0]) == "--endless";
    if (arguments.size() > (endless ? 1u : 0u)) {
        std::cerr << Usage << std::endl;
        return 2;
    }
    const Settings settings = loadSettings(platform::UserFiles(platform::UserShelf::Config), std::cerr);
    return runProgram([&] {
        auto arena = std::make_unique<FirstPerson::Arena>();
        arena->applySettings(settings);
        if (!endless && settings.roundMinutes > 0) {
            arena->playRounds(settings.roundMinutes * 60, [](const FirstPerson::Round& round) {
                return FirstPerson::keepRound(platform::UserFiles(platform::UserShelf::Data), round,
                                              std::cerr);
            });
        }
        return arena;
    });
}
