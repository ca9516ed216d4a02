#include <GL/glew.h>

#include "platform/batched_gl/batched_gl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "firstperson/arena.h"
#include "firstperson/hero.h"
#include "studio/studio.h"
#include "studio/viewer_models.h"
#include "support/gl_context.h"

// The same scenes drawn with the system's GL and with the batched layer, in each polygon mode the viewer
// cycles through, read back and compared.

namespace {

constexpr int Width = 200;
constexpr int Height = 150;

// Says the scene's GL state again (depth test, polygon mode and culling, projection) to whichever GL the
// entry points reach now.
void restate(Logic& scene) {
    glEnable(GL_DEPTH_TEST);
    scene.resize(Width, Height);
    scene.setPolygonMode(scene.polygonMode());
}

std::vector<GLubyte> picture(Logic& scene) {
    restate(scene);
    glDrawBuffer(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene.draw();
    glFlush();
    std::vector<GLubyte> pixels(std::size_t{Width} * Height * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::unique_ptr<Logic> studioShowing(std::string_view name) {
    for (const ViewerModel& model : viewerModels()) {
        if (model.name == name) {
            auto studio = std::make_unique<Studio>(model);
            studio->sceneTime = 0.3;  // the wheels turned and the body bobbed out of line
            // Turned, a step back and a step up: the whole model, seen from above one corner.
            for (int control : {TurnLeft, TurnLeft, Back, Jump}) {
                studio->input(control, true);
            }
            return studio;
        }
    }
    return nullptr;
}

std::unique_ptr<Logic> arenaOverview() {
    auto arena = std::make_unique<FirstPerson::Arena>();
    arena->hero->setActive(false);
    return arena;
}

TEST(BatchedGl, DrawsEveryPolygonModeAsTheSystemsGlDoesInAFewDrawCalls) {
    const struct {
        const char* scene;
        std::function<std::unique_ptr<Logic>()> make;
    } scenes[] = {{"van", [] { return studioShowing("van"); }},
                  {"tank", [] { return studioShowing("tank"); }},
                  {"arena overview", arenaOverview}};
    for (const auto& s : scenes) {
        std::unique_ptr<Logic> scene = s.make();
        ASSERT_NE(scene, nullptr);
        for (int mode = 0; mode < 3; ++mode) {
            SCOPED_TRACE(::testing::Message() << s.scene << ", mode " << mode);
            const std::vector<GLubyte> system = picture(*scene);
            platform::BatchedGl layer;
            platform::BatchedGl::activate(&layer);
            const std::vector<GLubyte> batched = picture(*scene);
            platform::BatchedGl::activate(nullptr);
            ::testing::Test::RecordProperty(std::string(s.scene) + " mode " + std::to_string(mode) + " draws",
                                            std::to_string(layer.drawCalls()));
            EXPECT_LE(layer.drawCalls(), 40u);

            std::size_t lit = 0;
            std::size_t differing = 0;
            for (std::size_t i = 0; i < system.size(); i += 4) {
                lit += !std::equal(&system[i], &system[i] + 3, &system[0]);
                bool differs = false;
                for (std::size_t channel = i; channel < i + 3; ++channel) {
                    differs |= std::abs(system[channel] - batched[channel]) > 2;
                }
                differing += differs;
            }
            EXPECT_GT(lit, system.size() / 4 / 50) << "the scene stands out from the corner's background";
            EXPECT_LE(differing, 10u);
            scene->cyclePolygonMode();
        }
    }
}

// A square across the middle, at depth z.
void square(double z, double red, double green) {
    glColor3d(red, green, 0);
    glBegin(GL_TRIANGLES);
    for (auto [x, y] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, -1}, {1, 1}, {-1, 1}}) {
        glVertex3d(x, y, z);
    }
    glEnd();
}

// The overlay's way of drawing over the scene: a capability changed in the middle of a frame applies only to
// what follows it, and whoever draws next finds no program, vertex array or buffer of the layer's bound.
TEST(BatchedGl, WhatWasDrawnBeforeAChangeOfStateKeepsTheStateItWasDrawnIn) {
    TestGlContext gl(16, 16);
    ASSERT_EQ(glewInit(), GLEW_OK);
    auto centre = [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // Near but without the depth test, so it leaves the depth buffer clear for the far one behind it.
        square(-0.5, 1, 0);
        glEnable(GL_DEPTH_TEST);
        square(0.5, 0, 1);
        glFlush();
        glDisable(GL_DEPTH_TEST);
        std::array<GLubyte, 4> pixel{};
        glReadPixels(8, 8, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
        return pixel;
    };
    const std::array<GLubyte, 4> green{0, 255, 0, 255};
    EXPECT_EQ(centre(), green) << "the system's GL";
    platform::BatchedGl layer;
    platform::BatchedGl::activate(&layer);
    EXPECT_EQ(centre(), green) << "the batched layer";
    platform::BatchedGl::activate(nullptr);
    for (GLenum binding : {GL_CURRENT_PROGRAM, GL_VERTEX_ARRAY_BINDING, GL_ARRAY_BUFFER_BINDING}) {
        GLint bound = -1;
        glGetIntegerv(binding, &bound);
        EXPECT_EQ(bound, 0) << binding;
    }
}

}  // namespace
