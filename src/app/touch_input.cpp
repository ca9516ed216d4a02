#include "app/touch_input.h"

#include "app/graphics.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

ControlRepeat::TimePoint now() {
    return std::chrono::steady_clock::now();
}

double seconds(ControlRepeat::TimePoint time) {
    return std::chrono::duration<double>(time.time_since_epoch()).count();
}

}  // namespace

void TouchInput::handle(Graphics& scene, const platform::Message& message) {
    using platform::MessageKind;
    const std::int32_t x = platform::signedValue(message.x);
    const std::int32_t y = platform::signedValue(message.y);
    if (message.kind == MessageKind::TouchDown) {
        down(scene, message.code, x, y);
        return;
    }
    Finger* finger = fingerOf(message.code);
    if (finger == nullptr) {
        return;
    }
    if (message.kind == MessageKind::TouchMove) {
        moved(scene, *finger, x, y);
    } else if (message.kind == MessageKind::TouchUp) {
        up(scene, *finger);
    }
}

void TouchInput::resized(std::uint32_t width, std::uint32_t height) {
    width_ = width;
    height_ = height;
}

void TouchInput::release(Graphics& scene) {
    for (Finger& finger : fingers_) {
        if (finger.role != Role::None) {
            up(scene, finger);
        }
    }
}

void TouchInput::down(Graphics& scene, std::uint32_t id, std::int32_t x, std::int32_t y) {
    Role role = Role::None;
    if (scene.aimsWithPointer()) {
        // One finger each: the stick on the left half, the look on the right; further fingers do nothing.
        role = 2 * static_cast<std::int64_t>(x) < width_ ? Role::Stick : Role::Look;
        if (fingerWith(role) != nullptr) {
            return;
        }
    } else {
        role = Role::Orbit;
    }
    Finger* free = fingerWith(Role::None);
    if (free == nullptr || fingerOf(id) != nullptr) {
        return;
    }
    *free = {.role = role, .id = id, .startX = x, .startY = y, .x = x, .y = y};
    if (role != Role::Orbit) {
        return;
    }
    // The viewer's first finger may be the second tap of a double tap; a second finger starts a pinch.
    const Finger& other = fingers_[free == &fingers_[0] ? 1 : 0];
    if (other.role == Role::None) {
        if (doubleTap_.tapped(seconds(now()), x, y, DoubleTapNear * shorterSide())) {
            scene.resetView();
        }
    } else {
        doubleTap_.forget();
        pinch_.start(fingersApart());
    }
}

void TouchInput::moved(Graphics& scene, Finger& finger, std::int32_t x, std::int32_t y) {
    const std::int32_t dx = x - finger.x;
    const std::int32_t dy = y - finger.y;
    finger.x = x;
    finger.y = y;
    switch (finger.role) {
        case Role::Stick:
            pushStick(scene, true, x - finger.startX, y - finger.startY);
            break;
        case Role::Look:
            PointerInput::lookBy(scene, dx, dy);
            break;
        case Role::Orbit:
            if (fingerWith(Role::None) != nullptr) {
                PointerInput::lookBy(scene, dx, dy);
            } else if (const int notches = pinch_.notches(fingersApart()); notches != 0) {
                scene.wheel(notches);
            }
            break;
        case Role::None:
            break;
    }
}

void TouchInput::up(Graphics& scene, Finger& finger) {
    if (finger.role == Role::Stick) {
        pushStick(scene, false, 0, 0);
    }
    finger = {};
}

void TouchInput::pushStick(Graphics& scene, bool held, double dx, double dy) {
    const StickPush push =
        held ? stickPush(dx, dy, StickRadius * shorterSide()) : StickPush{Third::Centre, Third::Centre};
    const ControlRepeat::TimePoint time = now();
    RepeatedControls& c = controls_;
    RepeatedControls::pair(scene, c.stepLeft, push.across == Third::Low, c.stepRight,
                           push.across == Third::High, time);
    RepeatedControls::pair(scene, c.forward, push.along == Third::Low, c.back, push.along == Third::High,
                           time);
}

TouchInput::Finger* TouchInput::fingerOf(std::uint32_t id) {
    const auto found = std::find_if(fingers_.begin(), fingers_.end(),
                                    [id](const Finger& f) { return f.role != Role::None && f.id == id; });
    return found == fingers_.end() ? nullptr : &*found;
}

TouchInput::Finger* TouchInput::fingerWith(Role role) {
    const auto found =
        std::find_if(fingers_.begin(), fingers_.end(), [role](const Finger& f) { return f.role == role; });
    return found == fingers_.end() ? nullptr : &*found;
}

double TouchInput::fingersApart() const {
    return std::hypot(fingers_[0].x - fingers_[1].x, fingers_[0].y - fingers_[1].y);
}

double TouchInput::shorterSide() const {
    return std::min(width_, height_);
}
