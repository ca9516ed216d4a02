#include "studio/picture.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "studio/offscreen_frame.h"
#include "studio/studio.h"
#include "studio/written_file.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace {

// About one frame of the window: its 20 ms pause and a short drawing.
constexpr double FrameStep = 0.02;

void press(Studio& studio, int steps, Control positive, Control negative) {
    for (int i = 0; i < std::abs(steps); ++i) {
        studio.input(steps > 0 ? positive : negative, true);
        studio.input(steps > 0 ? positive : negative, false);
    }
}

}  // namespace

void applyPictureView(Studio& studio, const PictureRequest& picture) {
    press(studio, picture.turnSteps, TurnLeft, TurnRight);
    press(studio, picture.raiseSteps, Jump, Shoot);
    press(studio, picture.distanceSteps, Back, Forward);
    studio.setPolygonMode(picture.mode);
    while (studio.sceneTime < picture.time) {
        const double dt = std::min(FrameStep, picture.time - studio.sceneTime);
        studio.update(dt);
        studio.sceneTime += dt;
    }
}

void writePicture(Studio& studio, const PictureRequest& picture) {
    OffscreenFrame frame(picture.width, picture.height);
    studio.resize(static_cast<std::uint32_t>(picture.width), static_cast<std::uint32_t>(picture.height));
    studio.present();
    const std::vector<std::uint8_t> rgb = frame.readRgb();
    writeWholeFile(picture.path, [&](const std::string& partial) {
        return stbi_write_png(partial.c_str(), picture.width, picture.height, 3, rgb.data(),
                              picture.width * 3) != 0;
    });
}
