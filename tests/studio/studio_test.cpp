#include "studio/studio.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "models/raf.h"

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
    press(6, 5);
    EXPECT_EQ(studio.elevation(), 5);
    const double d = 1.5 * r + 0.1;
    expectNear(studio.eye(), Vector(0, h + 0.980580675690920 * d, 0.196116135138184 * d), 1e-9);
    press(6);
    EXPECT_EQ(studio.elevation(), 5);
    press(7, 11);
    EXPECT_EQ(studio.elevation(), -5);
}

TEST_F(StudioTest, ZoomStaysWithinItsSteps) {
    press(0);
    EXPECT_EQ(studio.zoom(), 0);
    expectNear(studio.eye(), Vector(0, h, r + 0.1));
    press(0);
    EXPECT_EQ(studio.zoom(), 0);
    press(1, 6);
    EXPECT_EQ(studio.zoom(), 5);
    expectNear(studio.eye(), Vector(0, h, 3.5 * r + 0.1));
}

TEST_F(StudioTest, OrbitsInFifteenDegreeStepsAndComesBackAfterAFullTurn) {
    press(2);
    expectNear(studio.direction(), Vector(-0.258819045102521, 0, 0.965925826289068), 1e-12);
    press(2, 23);
    expectNear(studio.direction(), AxisZ, 1e-9);
    EXPECT_NEAR(studio.direction().length(), 1, 1e-15);
}

TEST_F(StudioTest, StickSidewaysOrbitsLikeTheArrows) {
    press(4);
    const Vector afterFour = studio.direction();
    press(3);
    expectNear(studio.direction(), AxisZ, 1e-12);
    press(2);
    EXPECT_EQ(studio.direction(), afterFour);
    press(5);
    press(3);
    press(5);
    expectNear(studio.direction(), Vector(0.5, 0, std::sqrt(3) / 2), 1e-12);
}

TEST_F(StudioTest, ReleasesAndUnusedControlsChangeNothing) {
    for (int control = 0; control <= 8; ++control) {
        studio.input(control, false);
    }
    studio.input(8, true);
    EXPECT_EQ(studio.zoom(), 1);
    EXPECT_EQ(studio.elevation(), 0);
    EXPECT_EQ(studio.direction(), AxisZ);
}

TEST_F(StudioTest, DrawingPutsTheVanStraightAheadOfTheCamera) {
    press(6, 2);
    press(3);
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

TEST_F(StudioTest, InputReturnsTheViewer) {
    EXPECT_EQ(&studio.input(0, true), &studio);
    EXPECT_EQ(&studio.input(0, false), &studio);
}

}  // namespace
