#include "platform/pause.h"

#include <emscripten.h>

#include <cmath>

namespace platform {

namespace {

// When the page last got its thread back: the work from then to the next pause is one frame's (the
// messages, the step, the recording and submission of the drawing), without the browser's own part.
double resumedAt = 0;

// clang-format off
EM_JS(void, addFrameWork, (double milliseconds), {
    var work = Module.frameWork || (Module.frameWork = {frames: 0, totalMs: 0, longestMs: 0});
    ++work.frames;
    work.totalMs += milliseconds;
    work.longestMs = Math.max(work.longestMs, milliseconds);
});
// clang-format on

}  // namespace

// The page's loop blocks like the desktop's; each pause returns to the browser (Asyncify), which shows the
// last frame and runs the page's events meanwhile. The frame's work is added up where the page can read it,
// in Module.frameWork: frames, total and longest milliseconds.
void pauseUntil(std::chrono::steady_clock::time_point deadline) {
    if (resumedAt > 0) {
        addFrameWork(emscripten_get_now() - resumedAt);
    }
    using Milliseconds = std::chrono::duration<double, std::milli>;
    for (auto now = std::chrono::steady_clock::now(); now < deadline;
         now = std::chrono::steady_clock::now()) {
        emscripten_sleep(static_cast<unsigned>(std::ceil(Milliseconds(deadline - now).count())));
    }
    resumedAt = emscripten_get_now();
}

}  // namespace platform
