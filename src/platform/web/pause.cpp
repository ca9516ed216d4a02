#include "platform/pause.h"

#include "platform/web/frame_work.h"

#include <emscripten.h>

#include <cmath>

namespace platform {

// The page's loop blocks like the desktop's; each pause returns to the browser (Asyncify), which draws the
// last frame and runs the page's events meanwhile.
void pauseUntil(std::chrono::steady_clock::time_point deadline) {
    using Milliseconds = std::chrono::duration<double, std::milli>;
    web::pauseStarts();
    for (auto now = std::chrono::steady_clock::now(); now < deadline;
         now = std::chrono::steady_clock::now()) {
        emscripten_sleep(static_cast<unsigned>(std::ceil(Milliseconds(deadline - now).count())));
    }
    web::pauseEnds();
}

}  // namespace platform
