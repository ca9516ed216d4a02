#include "studio/studio.h"

#include <algorithm>
#include <numbers>

#include "geometry/color.h"
#include "platform/page_address.h"
#include "scene/mesh_object.h"

namespace {

constexpr double turnStep = std::numbers::pi / 12;
constexpr int stepLimit = 5;
// Height steps per radian of a drag upwards.
constexpr double elevationPerRadian = 4;

}  // namespace

Studio::Studio(const ViewerModel& shown)
    : Logic("Studio 3D model viewer", 13, Black),
      direction_(AxisZ),
      zoom_(1),
      elevation_(0),
      model_(nullptr),
      shown_(&shown),
      plainCaption_(caption) {
    show(shown);
    // The van, shown when no other is asked for, keeps the viewer's own caption.
    if (&shown == &viewerModels().front()) {
        caption = plainCaption_;
        setStatus();
    }
}

void Studio::show(const ViewerModel& shown) {
    shown_ = &shown;
    model_ = shown.make();
    // Standing on the ground from the start: a fixed model, such as a tree, would never fall there.
    model_->place(0, 0);
    model_->setActive(true);
    // "Studio 3D model viewer: tank | studio3d.dev"
    caption = plainCaption_;
    caption.insert(caption.find(" | "), std::string(": ").append(shown.name));
    setStatus();
}

void Studio::switchModel(int offset) {
    const auto models = viewerModels();
    const auto count = static_cast<int>(models.size());
    int index = static_cast<int>(shown_ - models.data());
    // Models not built yet are passed over.
    do {
        index = ((index + offset) % count + count) % count;
    } while (models[static_cast<std::size_t>(index)].make == nullptr);
    delete model_;
    model_ = nullptr;
    show(models[static_cast<std::size_t>(index)]);
    platform::setAddressArgument("model", shown_->name);
}

Input& Studio::input(int control, bool pressed) {
    if (control == Turntable) {
        if (pressed && !turntableKeyHeld_) {
            turning_ = !turning_;
        }
        turntableKeyHeld_ = pressed;
        return *this;
    }
    if (!pressed) {
        return *this;
    }
    if (control >= Forward && control <= Shoot) {
        turning_ = false;
    }
    switch (control) {
        case Forward:
            zoom_ = std::clamp(zoom_ - 1, 0, stepLimit);
            break;
        case Back:
            zoom_ = std::clamp(zoom_ + 1, 0, stepLimit);
            break;
        case TurnLeft:
        case StepLeft:
            // Normalising after every turn keeps rounding from changing the length.
            direction_.rotateY(turnStep).normalize();
            break;
        case TurnRight:
        case StepRight:
            direction_.rotateY(-turnStep).normalize();
            break;
        case Jump:
            elevation_ = std::clamp(elevation_ + 1, -double{stepLimit}, double{stepLimit});
            break;
        case Shoot:
            elevation_ = std::clamp(elevation_ - 1, -double{stepLimit}, double{stepLimit});
            break;
        case PreviousModel:
            switchModel(-1);
            break;
        case NextModel:
            switchModel(1);
            break;
        default:
            break;
    }
    return *this;
}

void Studio::update(double dt) {
    Logic::update(dt);
    if (turning_) {
        // Clockwise seen from above, as the right arrow orbits.
        direction_.rotateY(-TurntableRadiansPerSecond * dt).normalize();
    }
}

void Studio::look(double yaw, double pitch) {
    turning_ = false;
    // To the right is clockwise seen from above, as the right arrow orbits.
    direction_.rotateY(-yaw).normalize();
    elevation_ = std::clamp(elevation_ + pitch * elevationPerRadian, -double{stepLimit}, double{stepLimit});
}

void Studio::wheel(int notches) {
    turning_ = false;
    // Away from the user is nearer, as the up arrow.
    zoom_ = std::clamp(zoom_ - notches, 0, stepLimit);
}

void Studio::resetView() {
    turning_ = false;
    direction_ = AxisZ;
    zoom_ = 1;
    elevation_ = 0;
}

double Studio::framedSize() const {
    return std::max(model_->radius(), model_->halfHeight());
}

Vector Studio::eye() const {
    const double r = framedSize();
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

namespace {

constexpr SettingKey ViewerSettings[] = {SettingKey::MouseSensitivity, SettingKey::InvertLook,
                                         SettingKey::FullScreen, SettingKey::Pacing};

}  // namespace

std::span<const SettingKey> Studio::panelSettings() const {
    return ViewerSettings;
}

std::string_view Studio::panelControls() const {
    return "Left, Right, A, F orbit; Up, Down nearer, farther; Enter, Space raise, lower\n"
           "Drag to orbit, wheel nearer, farther, double click starts over\n"
           "W lines; F11 or Alt+Enter full screen; Escape quits";
}
