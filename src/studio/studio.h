#pragma once

#include <string>

#include "app/logic.h"
#include "geometry/vector.h"
#include "studio/viewer_models.h"

class MeshObject;

// The model viewer: one model (the van unless another is asked for) standing in the scene, and a camera
// that orbits it in 15 degree steps, rises and falls in steps, and moves nearer or farther in steps, driven
// by the control codes. The camera's distance follows the model's size. The models can be switched in
// turn, keeping the camera, and the camera can turn round the model by itself.
class Studio : public Logic {
  public:
    // The turntable's pace: a whole turn in 24 seconds.
    static constexpr double TurntableRadiansPerSecond = 0.2617993877991494;

    // shown must be available (its make is set).
    explicit Studio(const ViewerModel& shown = viewerModels().front());

    // On presses only: Forward and Back zoom, the turns and steps orbit, Jump raises and Shoot lowers;
    // every one of them stops the turntable. PreviousModel and NextModel switch the model, Turntable
    // starts or stops the turntable (a held key's repeats do not).
    Input& input(int control, bool pressed) override;
    void draw() override;
    // Turns the camera while the turntable runs.
    void update(double dt) override;
    // A drag orbits and raises the camera smoothly, as the turn and raise keys do in steps; the wheel moves
    // it nearer and farther in steps; a double click puts it back where it started. Each stops the
    // turntable.
    void look(double yaw, double pitch) override;
    void wheel(int notches) override;
    void resetView() override;
    // The settings panel (F1) shows those of the mouse, the window and the pacing.
    std::span<const SettingKey> panelSettings() const override;
    std::string_view panelControls() const override;

    // Shows the available model offset places after the current one in the table, round the end.
    void switchModel(int offset);

    // Where the camera stands for the model's current size and position.
    Vector eye() const;
    // The size the camera keeps in view: the model's radius, or its half height for a tall one.
    double framedSize() const;

    const Vector& direction() const { return direction_; }
    int zoom() const { return zoom_; }
    double elevation() const { return elevation_; }
    MeshObject* model() const { return model_; }
    const ViewerModel& shown() const { return *shown_; }
    bool turning() const { return turning_; }

  private:
    // Builds shown's model in the scene and names it in the caption.
    void show(const ViewerModel& shown);

    // Horizontal direction from the model to the camera, of length 1.
    Vector direction_;
    // Distance step, 0 (nearest) to 5.
    int zoom_;
    // Height step, -5 to 5; a drag leaves it between steps.
    double elevation_;
    // Registered in the scene, which deletes it.
    MeshObject* model_;
    const ViewerModel* shown_;
    bool turning_ = false;
    // A held T repeats its press; only a press after a release switches the turntable.
    bool turntableKeyHeld_ = false;
    // The caption before a model is named in it.
    std::string plainCaption_;
};
