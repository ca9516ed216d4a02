#include "firstperson/logic.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdint>
#include <numbers>

#include "firstperson/combat_scene.h"
#include "firstperson/hero.h"

// The combat scene's score, status and cameras.

namespace {

void expectNear(const Vector& actual, const Vector& expected, double within = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, within);
    EXPECT_NEAR(actual.y, expected.y, within);
    EXPECT_NEAR(actual.z, expected.z, within);
}

void expectColor(const Color& actual, const Color& expected) {
    EXPECT_NEAR(actual.r, expected.r, 1e-9);
    EXPECT_NEAR(actual.g, expected.g, 1e-9);
    EXPECT_NEAR(actual.b, expected.b, 1e-9);
}

class CombatScene : public ::testing::Test, protected PlayerScene {};

TEST_F(CombatScene, TheScoreNeverGoesBelowZeroAndBackAtZeroTheStatusIsCleared) {
    EXPECT_EQ(scene.addScore(-1), 0u);
    EXPECT_EQ(scene.status(), "");
    EXPECT_EQ(scene.addScore(1), 1u);
    EXPECT_EQ(scene.status(), "[ 1 ]");
    EXPECT_EQ(scene.addScore(-2), 1u);
    EXPECT_EQ(scene.status(), "[ 1 ]") << "a refused change leaves the status alone";
    EXPECT_EQ(scene.addScore(-1), 0u);
    EXPECT_EQ(scene.status(), "");
    EXPECT_EQ(scene.addScore(INT32_MIN), 0u);
    scene.score = UINT32_MAX - 1;
    EXPECT_EQ(scene.addScore(3), UINT32_MAX) << "no wrap to a small score";
}

TEST_F(CombatScene, TheStatusGivesScorePerShotPerSecondAliveAndFramesPerSecond) {
    hero->shots = 12;
    hero->aliveTime = 30;
    scene.frames = 1800;
    scene.wallTime = 30;
    scene.addScore(6);
    EXPECT_EQ(scene.status(), "[ 6 : 0.50 : 0.20 : 60.00 ]");

    // Without a player only the score and the frame rate.
    scene.hero = nullptr;
    scene.addScore(-3);
    EXPECT_EQ(scene.status(), "[ 3 : 60.00 ]");
}

TEST_F(CombatScene, ScoringReachesTheSceneThroughTheCombatInterfaceWhileItLives) {
    EXPECT_EQ(FirstPerson::player(), hero);
    EXPECT_EQ(FirstPerson::addScore(3), 3u);
    EXPECT_EQ(FirstPerson::score(), 3u);
    EXPECT_EQ(scene.score, 3u);
}

TEST_F(CombatScene, TheCameraIsThePlayersEyesUntilItDiesThenTheOverview) {
    hero->face(AxisZ);
    expectNear(scene.eye(), Vector(-2, 0.5, 0));
    expectNear(scene.target(), Vector(-2, 0.5, 1));

    hero->setActive(false);
    EXPECT_FALSE(scene.seesThroughPlayer());
    // At t = 0: the overview eye at (-1.5, 1.5 * 14 / 15, 0) sizes, looking at a third of the size up.
    expectNear(scene.eye(), Vector(-19.5, 19.5 * 14 / 15, 0));
    expectNear(scene.target(), Vector(0, 13.0 / 3, 0));
    // It swings by up to an eighth of a turn and rises and sinks by a fifteenth.
    scene.sceneTime = 1.5 * std::numbers::pi;
    expectNear(scene.eye(),
               Vector(-19.5, 0, 0).rotateY(std::numbers::pi / 4).add(Vector(0, 19.5 * 13 / 15, 0)));

    // Drawn, the camera is where eye() says (GL keeps its matrices in single precision).
    scene.draw();
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const Vector target = scene.target();
    const Vector seen(m[0] * target.x + m[4] * target.y + m[8] * target.z + m[12],
                      m[1] * target.x + m[5] * target.y + m[9] * target.z + m[13],
                      m[2] * target.x + m[6] * target.y + m[10] * target.z + m[14]);
    expectNear(seen, Vector(0, 0, -scene.eye().distance(target)), 1e-4);
}

TEST_F(CombatScene, TheStatusIsCyanWhileThePlayerLivesWhiteOtherwiseAndPulses) {
    scene.update(0.02);
    expectColor(scene.textColor, Color(0, 0.875, 0.875));
    scene.sceneTime = 0.75;  // the peak of the 3 s pulse
    scene.update(0.02);
    expectColor(scene.textColor, Color(0, 1, 1));
    hero->setActive(false);
    scene.sceneTime = 2.25;  // its trough
    scene.update(0.02);
    expectColor(scene.textColor, Color(0.75, 0.75, 0.75));
}

TEST_F(CombatScene, ControlsGoToThePlayerAndWithoutOneAreDropped) {
    EXPECT_EQ(&scene.input(Forward, true), &scene);
    EXPECT_EQ(hero->forward, 1);

    scene.hero = nullptr;
    EXPECT_EQ(&scene.input(Back, true), &scene);
    EXPECT_EQ(hero->forward, 1);
    scene.update(0.02);
    expectColor(scene.textColor, Color(0.875, 0.875, 0.875));
    EXPECT_FALSE(scene.seesThroughPlayer());
}

}  // namespace
