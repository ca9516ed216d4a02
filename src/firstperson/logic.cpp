#include "firstperson/logic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <utility>

#include "firstperson/hero.h"

namespace FirstPerson {

namespace {
constexpr std::string_view PausedStatus = "[ paused : P plays on ]";
}  // namespace

Logic::Logic(std::string_view title, double size, Hero* avatar, const Color& background, FrameClock clock)
    : ::Logic(title, size, background, std::move(clock)), hero(avatar) {
    bindCombat(this);
}

Logic::~Logic() {
    bindCombat(nullptr);
}

Input& Logic::input(int control, bool pressed) {
    // Paused, nothing starts, but whatever is let go is let go.
    if (hero != nullptr && (!paused || !pressed)) {
        hero->input(control, pressed);
    }
    return *this;
}

bool Logic::seesThroughPlayer() const {
    return hero != nullptr && hero->isActive();
}

Vector Logic::idleEye() const {
    return Vector(AxisY).subtract(AxisX).scale(1.5 * size);
}

Vector Logic::idleTarget() const {
    return Vector(AxisY).scale(size / 3);
}

Vector Logic::eye() const {
    if (seesThroughPlayer()) {
        return hero->position();
    }
    // Swings back and forth by up to an eighth of a turn, rising and sinking by a fifteenth.
    const double t = time();
    Vector eye = idleEye().rotateY(std::sin(t / 3) * std::numbers::pi / 4);
    eye.y *= (std::sin(t) + 14) / 15;
    return eye;
}

Vector Logic::target() const {
    if (seesThroughPlayer()) {
        return Vector(hero->position()).add(hero->viewAxis());
    }
    return idleTarget();
}

void Logic::draw() {
    lookAt(eye(), target(), AxisY);
    drawObjects();
}

void Logic::update(double dt) {
    // Pulses between three quarters and full brightness every 3 seconds.
    const double t = time();
    textColor = seesThroughPlayer() ? Cyan : White;
    textColor.scale((std::sin(2 * std::numbers::pi * t / 3) + 7) * 0.125);
    ::Logic::update(dt);
}

void Logic::look(double yaw, double pitch) {
    if (!paused && seesThroughPlayer()) {
        hero->look(yaw, pitch);
    }
}

bool Logic::showsCrosshair() const {
    return seesThroughPlayer();
}

bool Logic::takesPointerOnClick() {
    pointerOnResume_ = paused;
    return !paused;
}

void Logic::togglePause() {
    pause(!paused);
}

void Logic::focusLost() {
    pause(true);
}

void Logic::pause(bool on) {
    if (on == paused) {
        return;
    }
    paused = on;
    if (!on && pointerOnResume_) {
        capturePointer();
    }
    pointerOnResume_ = false;
    if (on) {
        releasePointer();
        setStatus(status_.empty() ? std::string(PausedStatus) : status_ + " " + std::string(PausedStatus));
    } else if (status_.empty()) {
        setStatus();
        if (!hint_.empty()) {
            showHint(hint_);
        }
    } else {
        setStatus(status_);
    }
}

void Logic::hint(std::string_view text) {
    hint_ = text;
    showHint(text);
}

Object* Logic::player() const {
    return hero;
}

namespace {

// Appends " : " and value with two decimals.
void appendMeasure(std::string& text, double value) {
    char number[64];
    std::snprintf(number, sizeof number, " : %.2f", value);
    text += number;
}

}  // namespace

std::uint32_t Logic::addScore(std::int32_t delta) {
    // Widened, so that neither the smallest delta nor the largest score can overflow.
    const std::int64_t changed = static_cast<std::int64_t>(score) + delta;
    if (changed < 0) {
        return score;
    }
    score = static_cast<std::uint32_t>(
        std::min<std::int64_t>(changed, std::numeric_limits<std::uint32_t>::max()));
    if (score > 0) {
        hint_.clear();
    }
    if (score == 0) {
        status_.clear();
        setStatus();
        return score;
    }
    status_ = "[ " + std::to_string(score);
    if (hero != nullptr && hero->shots > 0) {
        appendMeasure(status_, score / static_cast<double>(hero->shots));
    }
    if (hero != nullptr && hero->aliveTime > 0) {
        appendMeasure(status_, score / hero->aliveTime);
    }
    if (wallTime > 0) {
        appendMeasure(status_, frames / wallTime);
    }
    status_ += " ]";
    setStatus(status_);
    return score;
}

}  // namespace FirstPerson
