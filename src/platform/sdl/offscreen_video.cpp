#include "platform/offscreen_video.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace platform {

namespace {

// The user's own choice of video driver, put back when windows go on the display again.
std::optional<std::string> chosenDriver;

}  // namespace

bool drawOffscreen(bool on) {
    // SDL's offscreen driver draws into EGL pbuffers (Mesa gives them with no display); windows are only
    // made once video starts, so choosing the driver here is enough.
    constexpr const char* Variable = "SDL_VIDEODRIVER";
    if (on) {
        if (!chosenDriver) {
            const char* driver = std::getenv(Variable);
            chosenDriver = driver != nullptr ? driver : "";
        }
        return setenv(Variable, "offscreen", 1) == 0;
    }
    if (chosenDriver && !chosenDriver->empty()) {
        setenv(Variable, chosenDriver->c_str(), 1);
    } else {
        unsetenv(Variable);
    }
    chosenDriver.reset();
    return true;
}

}  // namespace platform
