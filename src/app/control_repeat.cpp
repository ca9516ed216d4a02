#include "app/control_repeat.h"

void ControlRepeat::update(Input& scene, bool down, TimePoint now) {
    if (!down) {
        if (down_) {
            down_ = false;
            scene.input(control_, false);
        }
        return;
    }
    if (!down_) {
        down_ = true;
        nextRepeat_ = now + RepeatDelay;
        scene.input(control_, true);
        return;
    }
    if (now < nextRepeat_) {
        return;
    }
    // Keeps the pace between calls that come at a coarser step than the interval, but not after a stall.
    nextRepeat_ += RepeatInterval;
    if (nextRepeat_ <= now) {
        nextRepeat_ = now + RepeatInterval;
    }
    scene.input(control_, true);
}

void RepeatedControls::pair(Input& scene, ControlRepeat& low, bool lowDown, ControlRepeat& high,
                            bool highDown, ControlRepeat::TimePoint now) {
    if (lowDown && !highDown) {
        high.update(scene, false, now);
        low.update(scene, true, now);
    } else {
        low.update(scene, lowDown, now);
        high.update(scene, highDown, now);
    }
}
