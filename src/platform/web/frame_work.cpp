#include "platform/web/frame_work.h"

#include <emscripten.h>

namespace platform::web {

namespace {

struct FrameWork {
    // When the last pause ended, or 0 before the first.
    double workStarted = 0;
    double milliseconds = 0;
    unsigned frames = 0;
};

FrameWork& frameWork() {
    static FrameWork work;
    return work;
}

}  // namespace

void pauseStarts() {
    FrameWork& work = frameWork();
    if (work.workStarted > 0) {
        work.milliseconds += emscripten_get_now() - work.workStarted;
        ++work.frames;
    }
}

void pauseEnds() {
    frameWork().workStarted = emscripten_get_now();
}

}  // namespace platform::web

extern "C" {

EMSCRIPTEN_KEEPALIVE double frameWorkMilliseconds() {
    return platform::web::frameWork().milliseconds;
}

EMSCRIPTEN_KEEPALIVE unsigned frameWorkFrames() {
    return platform::web::frameWork().frames;
}
}
