#include "studio/studio.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <utility>
#include <vector>

#include "models/raf.h"
#include "models/tank.h"
#include "models/tanks_tree.h"
#include "scene/registry.h"

namespace {

constexpr double tolerance = 1e-9;

void expectNear(const Vector& actual, const Vector& expected, double within = tolerance) {
    EXPECT_NEAR(actual.x, expected.x, within);
    EXPECT_NEAR(actual.y, expected.y, within);
    EXPECT_NEAR(actual.z, expected.z, within);
}

// The viewer is a real scene with a real window; the tests run inside a virtual display.
class StudioTest : public ::testing::Test {
  protected:
    Studio studio;
    double r = studio.model()->radius();
    double h = studio.model()->position().y;

    void press(int control, int times = 1) {
        for (int i = 0; i < times; ++i) {
            studio.input(control, true);
        }
    }
};

TEST_F(StudioTest, StartsLevelWithTheSwitchedOnVanOnItsFrontSide) {
    ASSERT_NE(studio.model(), nullptr);
    EXPECT_TRUE(studio.model()->isActive());
    EXPECT_EQ(studio.zoom(), 1);
    EXPECT_EQ(studio.elevation(), 0);
    expectNear(studio.eye(), Vector(0, h, 1.5 * r + 0.1));
}

TEST_F(StudioTest, ElevationRisesFiveStepsAndNoFurther) {
    press(Jump, 5);
    EXPECT_EQ(studio.elevation(), 5);
    const double d = 1.5 * r + 0.1;
    expectNear(studio.eye(), Vector(0, h + 0.980580675690920 * d, 0.196116135138184 * d), 1e-9);
    press(Jump);
    EXPECT_EQ(studio.elevation(), 5);
    press(Shoot, 11);
    EXPECT_EQ(studio.elevation(), -5);
}

TEST_F(StudioTest, ZoomStaysWithinItsSteps) {
    press(Forward);
    EXPECT_EQ(studio.zoom(), 0);
    expectNear(studio.eye(), Vector(0, h, r + 0.1));
    press(Forward);
    EXPECT_EQ(studio.zoom(), 0);
    press(Back, 6);
    EXPECT_EQ(studio.zoom(), 5);
    expectNear(studio.eye(), Vector(0, h, 3.5 * r + 0.1));
}

TEST_F(StudioTest, OrbitsInFifteenDegreeStepsAndComesBackAfterAFullTurn) {
    press(TurnLeft);
    expectNear(studio.direction(), Vector(-0.258819045102521, 0, 0.965925826289068), 1e-12);
    press(TurnLeft, 23);
    expectNear(studio.direction(), AxisZ, 1e-9);
    EXPECT_NEAR(studio.direction().length(), 1, 1e-15);
}

TEST_F(StudioTest, StickSidewaysOrbitsLikeTheArrows) {
    press(StepLeft);
    const Vector afterFour = studio.direction();
    press(TurnRight);
    expectNear(studio.direction(), AxisZ, 1e-12);
    press(TurnLeft);
    EXPECT_EQ(studio.direction(), afterFour);
    press(StepRight);
    press(TurnRight);
    press(StepRight);
    expectNear(studio.direction(), Vector(0.5, 0, std::sqrt(3) / 2), 1e-12);
}

TEST_F(StudioTest, ReleasesAndUnusedControlsChangeNothing) {
    for (int control = 0; control <= NoControl; ++control) {
        studio.input(control, false);
    }
    studio.input(NoControl, true);
    EXPECT_EQ(studio.zoom(), 1);
    EXPECT_EQ(studio.elevation(), 0);
    EXPECT_EQ(studio.direction(), AxisZ);
}

TEST_F(StudioTest, DrawingPutsTheVanStraightAheadOfTheCamera) {
    press(Jump, 2);
    press(TurnRight);
    studio.draw();
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const Vector p = studio.model()->position();
    // The model's position in eye coordinates.
    const Vector seen(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
                      m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
                      m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]);
    expectNear(seen, Vector(0, 0, -(1.5 * r + 0.1)), 1e-6);
}

TEST(StudioModels, EachModelStandsOnTheGroundFramedByTheCamera) {
    for (const ViewerModel& shown : viewerModels()) {
        if (shown.make == nullptr) {
            continue;
        }
        SCOPED_TRACE(shown.name);
        Studio studio(shown);
        const MeshObject& model = *studio.model();
        EXPECT_TRUE(model.isActive());
        EXPECT_DOUBLE_EQ(model.position().y, model.halfHeight());
        // The larger of the radius and the half height, so that a tall tree is seen whole.
        const double size = std::max(model.radius(), model.halfHeight());
        expectNear(studio.eye(), Vector(0, model.position().y, 1.5 * size + 0.1));
        studio.update(0.02);
        EXPECT_DOUBLE_EQ(model.position().y, model.halfHeight());
    }
}

TEST(StudioModels, TheDefaultIsTheVanFramedByItsRadius) {
    Studio studio;
    const auto* van = dynamic_cast<const RAF*>(studio.model());
    ASSERT_NE(van, nullptr);
    EXPECT_EQ(studio.framedSize(), van->radius());
}

// One frame as the window would show it, read back before the swap.
std::vector<GLubyte> picture(Studio& studio) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glDrawBuffer(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    studio.draw();
    std::vector<GLubyte> pixels(static_cast<std::size_t>(viewport[2]) *
                                static_cast<std::size_t>(viewport[3]) * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Culling leaves the pictures as they were, up to pixels on an edge where a face meets a back-facing
// neighbour: there both lie at the same depth, rounding chose which one showed, and as they share the
// edge's vertices their colours differ by at most one level.
TEST_F(StudioTest, CullingLeavesEveryPictureTheSameInEveryPolygonModeFromAboveAndBelow) {
    studio.sceneTime = 0.3;  // the wheels turned and the body bobbed out of line
    press(TurnLeft, 2);
    // Three steps up, then seven down: above the van, then below the ground looking up at it.
    for (auto [control, presses] : {std::pair{Jump, 3}, std::pair{Shoot, 7}}) {
        press(control, presses);
        for (int mode = 0; mode < 3; ++mode) {
            SCOPED_TRACE(::testing::Message() << "elevation " << studio.elevation() << ", mode " << mode);
            const bool culling = glIsEnabled(GL_CULL_FACE) == GL_TRUE;
            EXPECT_EQ(culling, mode == 0) << "back faces are culled only while everything is filled";
            const std::vector<GLubyte> shown = picture(studio);
            glDisable(GL_CULL_FACE);
            const std::vector<GLubyte> everyFace = picture(studio);
            if (culling) {
                glEnable(GL_CULL_FACE);
            }
            std::size_t lit = 0;
            std::size_t differing = 0;
            int largestDifference = 0;
            for (std::size_t i = 0; i < shown.size(); i += 4) {
                lit += shown[i] + shown[i + 1] + shown[i + 2] > 0;
                differing += !std::equal(&shown[i], &shown[i] + 4, &everyFace[i]);
                for (std::size_t channel = i; channel < i + 4; ++channel) {
                    largestDifference =
                        std::max(largestDifference, std::abs(shown[channel] - everyFace[channel]));
                }
            }
            EXPECT_GT(lit, shown.size() / 4 / 50) << "the van is in the picture";
            EXPECT_LE(differing, 4u);
            EXPECT_LE(largestDifference, 1);
            studio.cyclePolygonMode();
        }
    }
}

// Page Up and Down (and the pad's shoulders) switch the model in place, the camera staying where it was;
// T turns the camera round at a steady pace until T again or any camera control.
TEST_F(StudioTest, SwitchesModelsKeepingTheCameraAndTurnsRoundThemUntilAControlStops) {
    press(Back);
    press(TurnLeft);
    const Vector turned = studio.direction();
    press(NextModel);
    EXPECT_NE(dynamic_cast<Tank*>(studio.model()), nullptr);
    EXPECT_EQ(registry.size(), 1u) << "the van went when the tank came";
    EXPECT_TRUE(studio.model()->isActive());
    EXPECT_EQ(studio.caption, "Studio 3D model viewer: tank | studio3d.dev");
    EXPECT_EQ(studio.zoom(), 2);
    expectNear(studio.direction(), turned);
    press(PreviousModel, 2);
    EXPECT_NE(dynamic_cast<Tanks::Tree*>(studio.model()), nullptr) << "before the first comes the last";
    EXPECT_EQ(studio.shown().name, "conifer");
    EXPECT_DOUBLE_EQ(studio.model()->position().y, studio.model()->halfHeight());

    press(Turntable);
    studio.update(1);
    studio.update(1);
    expectNear(studio.direction(), Vector(turned).rotateY(-2 * Studio::TurntableRadiansPerSecond), 1e-12);
    press(Turntable);
    EXPECT_TRUE(studio.turning()) << "a held key's repeat changes nothing";
    studio.input(Turntable, false);
    press(Turntable);
    EXPECT_FALSE(studio.turning());
    const Vector stopped = studio.direction();
    studio.update(1);
    expectNear(studio.direction(), stopped);
    for (auto stop : {+[](Studio& s) { s.input(Jump, true); }, +[](Studio& s) { s.wheel(1); },
                      +[](Studio& s) { s.look(0.1, 0); }}) {
        studio.input(Turntable, false);
        press(Turntable);
        ASSERT_TRUE(studio.turning());
        stop(studio);
        EXPECT_FALSE(studio.turning());
    }
}

TEST_F(StudioTest, InputReturnsTheViewer) {
    EXPECT_EQ(&studio.input(Forward, true), &studio);
    EXPECT_EQ(&studio.input(Forward, false), &studio);
}

}  // namespace
