#include "app/pointer_input.h"

#include "app/graphics.h"
#include "platform/cursor.h"

void PointerInput::handle(Graphics& scene, const platform::Message& message) {
    using platform::MessageKind;
    const std::int32_t x = platform::signedValue(message.x);
    const std::int32_t y = platform::signedValue(message.y);
    switch (message.kind) {
        case MessageKind::MouseButtonDown:
        case MessageKind::MouseDoubleClick:
            buttonDown(scene, message.code, x, y, message.kind == MessageKind::MouseDoubleClick);
            break;
        case MessageKind::MouseButtonUp:
            buttonUp(scene, message.code);
            break;
        case MessageKind::MouseMove:
            moved(scene, x, y, message.code);
            break;
        case MessageKind::MouseRawMove:
            rawMoved(scene, x, y);
            break;
        case MessageKind::MouseWheel:
            scene.wheel(x);
            break;
        default:
            break;
    }
}

void PointerInput::buttonDown(Graphics& scene, std::uint32_t button, std::int32_t x, std::int32_t y,
                              bool doubleClick) {
    if (scene.aimsWithPointer()) {
        // The click that captures the pointer only captures it.
        if (!platform::pointerCaptured()) {
            if (scene.takesPointerOnClick()) {
                scene.capturePointer();
            }
        } else if (button == platform::MouseLeft) {
            shootHeld_ = true;
            scene.input(Shoot, true);
        } else if (button == platform::MouseRight) {
            jumpHeld_ = true;
            scene.input(Jump, true);
        }
        return;
    }
    if (button == platform::MouseLeft) {
        if (doubleClick) {
            scene.resetView();
        }
        dragging_ = true;
        lastX_ = x;
        lastY_ = y;
    }
}

void PointerInput::buttonUp(Graphics& scene, std::uint32_t button) {
    if (button == platform::MouseLeft) {
        dragging_ = false;
        if (shootHeld_) {
            shootHeld_ = false;
            scene.input(Shoot, false);
        }
    } else if (button == platform::MouseRight && jumpHeld_) {
        jumpHeld_ = false;
        scene.input(Jump, false);
    }
}

void PointerInput::moved(Graphics& scene, std::int32_t x, std::int32_t y, std::uint32_t buttons) {
    // A drag that ended outside the window, where its release went unseen, ends at the next motion.
    if (dragging_ && (buttons & platform::MouseLeftBit) == 0) {
        dragging_ = false;
    }
    if (!dragging_) {
        return;
    }
    lookBy(scene, x - lastX_, y - lastY_);
    lastX_ = x;
    lastY_ = y;
}

void PointerInput::rawMoved(Graphics& scene, std::int32_t dx, std::int32_t dy) {
    if (scene.aimsWithPointer() && platform::pointerCaptured()) {
        lookBy(scene, dx, dy);
    }
}

void PointerInput::lookBy(Graphics& scene, std::int32_t dx, std::int32_t dy) {
    // At the player's speed; the pointer moving down looks down, unless the player inverted it.
    const double radians = RadiansPerCount * scene.settings.mouseSensitivity;
    const double up = scene.settings.invertLook ? 1 : -1;
    scene.look(dx * radians, up * dy * radians);
}

void PointerInput::release(Graphics& scene) {
    scene.releasePointer();
    dragging_ = false;
    buttonUp(scene, platform::MouseLeft);
    buttonUp(scene, platform::MouseRight);
}
