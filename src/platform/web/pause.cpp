#include "platform/pause.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// clang-format off
// The page may watch the program hand its thread to the browser and get it back: the time from one
// Module.onResume to the next Module.onPause is a frame's work (the messages, the step, the recording and
// submission of the drawing) without the browser's own part.
EM_JS(void, announce, (int resuming), {
    var hook = resuming ? Module.onResume : Module.onPause;
    if (hook) {
        hook();
    }
});

// The time (of emscripten_get_now) halfway through the first display frame from one display frame before
// the deadline, at least the next one, well clear of the browser's drawing at the start of each: every
// frame drawn is shown, evenly, at up to the display's rate. The deadline itself while the page shows no
// frames (a hidden tab). The page's animation frames give the last display frame's time and the display
// frame: the shortest recent time between two, let rise slowly when the display slows. They are followed
// until the program ends.
EM_JS(double, displayFrameNear, (double deadline), {
    // A 60 Hz display until its frames are seen; a gap this long between two is a stall, not the display,
    // and a page that has shown no frame for as long shows none; a longer period is followed a sixteenth
    // of the way at each frame.
    var assumedPeriodMs = 1000 / 60;
    var stallMs = 100;
    var riseSteps = 16;
    var display = Module.displayFrames;
    if (!display) {
        display = Module.displayFrames = {last: 0, period: assumedPeriodMs};
        var frame = at => {
            var gap = at - display.last;
            display.last = at;
            if (gap > 0) {
                var rising = display.period + (Math.min(gap, stallMs) - display.period) / riseSteps;
                display.period = Math.min(gap, rising);
            }
            if (!ABORT) {
                requestAnimationFrame(frame);
            }
        };
        requestAnimationFrame(frame);
    }
    var now = performance.now();
    if (document.hidden || now - display.last > stallMs) {
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
// 60 Hz display shows every frame rather than 47 of its 60 unevenly.
void pauseUntil(std::chrono::steady_clock::time_point deadline) {
    announce(false);
    using Milliseconds = std::chrono::duration<double, std::milli>;
    const auto now = std::chrono::steady_clock::now();
    if (now < deadline) {
        const double start = emscripten_get_now();
        const double wake = displayFrameNear(start + Milliseconds(deadline - now).count());
        emscripten_sleep(static_cast<unsigned>(std::max(std::ceil(wake - start), 1.0)));
    }
    announce(true);
}

}  // namespace platform
