#include "studio/studio.h"

#include <algorithm>
#include <numbers>

#include "geometry/color.h"
#include "models/raf.h"

namespace {

constexpr double turnStep = std::numbers::pi / 12;
constexpr int stepLimit = 5;

}  // namespace

Studio::Studio()
    : Logic("Studio 3D model viewer", 13, Black),
      direction_(AxisZ),
      zoom_(1),
      elevation_(0),
      model_(nullptr) {
    model_ = new RAF(Magenta, 1.0);
    model_->setActive(true);
}

Input& Studio::input(int control, bool pressed) {
    if (!pressed) {
        return *this;
    }
    switch (control) {
        case 0:
            zoom_ = std::clamp(zoom_ - 1, 0, stepLimit);
            break;
        case 1:
            zoom_ = std::clamp(zoom_ + 1, 0, stepLimit);
            break;
        case 2:
        case 4:
            // Normalising after every turn keeps rounding from changing the length.
            direction_.rotateY(turnStep).normalize();
            break;
        case 3:
        case 5:
            direction_.rotateY(-turnStep).normalize();
            break;
        case 6:
            elevation_ = std::clamp(elevation_ + 1, -stepLimit, stepLimit);
            break;
        case 7:
            elevation_ = std::clamp(elevation_ - 1, -stepLimit, stepLimit);
            break;
        default:
            break;
    }
    return *this;
}

Vector Studio::eye() const {
    const double r = model_->radius();
    const double distance = (zoom_ * 0.5 + 1) * r + nearPlane;
    Vector eye(direction_.x, elevation_, direction_.z);
    eye.normalize().scale(distance);
    // Only the height follows the model: the camera circles the vertical axis through the origin.
    eye.y += model_->position().y;
    return eye;
}

void Studio::draw() {
    if (model_ != nullptr) {
        lookAt(eye(), model_->position(), AxisY);
    }
    Logic::draw();
}
