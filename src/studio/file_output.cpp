#include "studio/file_output.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "platform/offscreen_video.h"
#include "scene/mesh_object.h"
#include "studio/drawn_model.h"
#include "studio/model_files.h"
#include "studio/picture.h"
#include "studio/studio.h"

namespace {

// A viewer drawn off screen with no display at all, or else in a window that is never shown.
std::unique_ptr<Studio> startHidden(const ViewerModel& model) {
    if (platform::drawOffscreen(true)) {
        try {
            auto studio = std::make_unique<Studio>(model);
            return studio;
        } catch (std::runtime_error&) {
            // EGL is missing: the display, if there is one, draws instead.
        }
    }
    platform::drawOffscreen(false);
    return std::make_unique<Studio>(model);
}

// Far enough from the origin on every axis to hold every part of the model wherever it is drawn.
double modelExtent(const Studio& studio) {
    const Vector& p = studio.model()->position();
    return 4 * (studio.framedSize() + std::max({std::abs(p.x), std::abs(p.y), std::abs(p.z)})) + 1;
}

}  // namespace

int writeViewerFiles(const ViewerCommand& command) {
    // Windows made after these files are written go on the display again.
    struct DisplayAfterwards {
        ~DisplayAfterwards() { platform::drawOffscreen(false); }
    } displayAfterwards;
    try {
        std::unique_ptr<Studio> studio = startHidden(*command.model);
        if (command.exportPath) {
            const DrawnModel drawn = captureDrawnModel(*studio, modelExtent(*studio));
            writeModelFile(drawn, *command.exportPath, command.model->name);
        }
        if (command.picture) {
            applyPictureView(*studio, *command.picture);
            writePicture(*studio, *command.picture);
        }
    } catch (std::runtime_error& error) {
        std::cerr << "studio: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
