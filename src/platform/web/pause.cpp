#include "platform/pause.h"

#include <emscripten.h>

#include <algorithm>
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

// The time (of emscripten_get_now) halfway through the first display frame from one display frame before
// the deadline, at least the next one, well clear of the browser's drawing at the start of each: every
// frame drawn is shown, evenly, at up to the display's rate. The deadline itself while the page shows no
// frames (a hidden tab). The page's animation frames give the last display frame's time and the display
// frame: the shortest recent time between two, let rise slowly when the display slows. They are followed
// until the program ends.
EM_JS(double, displayFrameNear, (double deadline), {
    var display = Module.displayFrames;
    if (!display) {
        display = Module.displayFrames = {last: 0, period: 1000 / 60};
        var frame = at => {
            var gap = at - display.last;
            display.last = at;
            if (gap > 0) {
                var rising = display.period + (Math.min(gap, 100) - display.period) / 16;
                display.period = Math.min(gap, rising);
            }
            if (!ABORT) {
                requestAnimationFrame(frame);
            }
        };
        requestAnimationFrame(frame);
    }
    var now = performance.now();
    if (document.hidden || now - display.last > 100) {
        return deadline;
    }
    var frames = Math.max(Math.ceil((deadline - display.last) / display.period - 1), 1);
    var shown = display.last + frames * display.period;
    while (shown < now) {
        shown += display.period;
    }
    return shown + display.period / 2;
});
// clang-format on

}  // namespace

// The page's loop blocks like the desktop's; each pause returns to the browser (Asyncify), which shows the
// last frame and runs the page's events meanwhile. A frame can only be shown with a display frame: the
// pause ends with the display frame it reaches, up to one display frame before the deadline, so that a
// 60 Hz display shows every frame rather than 47 of its 60 unevenly. The frame's work is added up where
// the page can read it, in Module.frameWork: frames, total and longest milliseconds.
void pauseUntil(std::chrono::steady_clock::time_point deadline) {
    if (resumedAt > 0) {
        addFrameWork(emscripten_get_now() - resumedAt);
    }
    using Milliseconds = std::chrono::duration<double, std::milli>;
    const auto now = std::chrono::steady_clock::now();
    if (now < deadline) {
        const double start = emscripten_get_now();
        const double wake = displayFrameNear(start + Milliseconds(deadline - now).count());
        emscripten_sleep(static_cast<unsigned>(std::max(std::ceil(wake - start), 1.0)));
    }
    resumedAt = emscripten_get_now();
}

}  // namespace platform
