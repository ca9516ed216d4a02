#include "models/car.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/mesh.h"
#include "models/models_support.h"
#include "support/gl_context.h"

namespace {

bool isHubPosition(const Vertex& v) {
    return std::abs(v.y) < 0.25 && std::abs(v.z) < 0.25;
}

TEST(Wheel, HasTwoRingsAndTwoLighterHubsSetIntoItsFaces) {
    Car::Wheel wheel;
    ASSERT_EQ(wheel.vertices().size(), 18u);
    int hubs = 0;
    for (const auto& v : wheel.vertices()) {
        if (isHubPosition(*v)) {
            ++hubs;
            EXPECT_DOUBLE_EQ(std::abs(v->x), 0.4);
            EXPECT_EQ(v->r, 0.5);
            EXPECT_EQ(v->g, 0.5);
            EXPECT_EQ(v->b, 0.5);
        } else {
            EXPECT_NEAR(std::abs(v->x), 0.5, 1e-12);
            EXPECT_NEAR(std::hypot(v->y, v->z), 1.0, 1e-12);
            EXPECT_DOUBLE_EQ(v->r, 1.0 / 7);
            EXPECT_DOUBLE_EQ(v->g, 1.0 / 7);
            EXPECT_DOUBLE_EQ(v->b, 1.0 / 7);
        }
    }
    EXPECT_EQ(hubs, 2);
}

TEST(Wheels, AxleSpansTheTrackWithTwoWheelsOfTheGivenSize) {
    Car::Wheels wheels(0.2, 0.8, 1.0);
    EXPECT_EQ(wheels.vertices().size(), 36u);
    const Bounds b = wheels.bounds();
    EXPECT_NEAR(b.min.x, -0.5, 1e-12);
    EXPECT_NEAR(b.max.x, 0.5, 1e-12);
    EXPECT_NEAR(b.min.y, -0.2, 1e-12);
    EXPECT_NEAR(b.max.y, 0.2, 1e-12);
    EXPECT_NEAR(b.min.z, -0.2, 1e-12);
    EXPECT_NEAR(b.max.z, 0.2, 1e-12);
    // The width ratio only widens the tyres.
    const Bounds wide = Car::Wheels(0.2, 0.8, 2.0).bounds();
    EXPECT_NEAR(wide.max.x, 0.6, 1e-12);
    EXPECT_NEAR(wide.max.y, 0.2, 1e-12);
}

// The smallest car: a one-point body on invisible wheels; counts how often its wheels are drawn.
class TestCar : public Car {
  public:
    TestCar() {
        body_.addFace(std::make_unique<Face>(body_.addVertex(std::make_unique<Vertex>(0, 0, 0, 1, 1, 1))));
    }
    const Mesh& mesh() const override { return body_; }
    double wheelRadius() const override { return 0.3; }
    double axleHeight() const override { return -0.5; }
    void drawWheels() override { ++wheelDraws; }

    int wheelDraws = 0;

  private:
    Mesh body_;
};

TEST(Car, StandsOnTheBottomOfItsWheels) {
    TestCar car;
    EXPECT_DOUBLE_EQ(car.halfHeight(), 0.8);
}

// Draws the car in feedback mode and returns the window y of its one body vertex.
double drawnBodyHeight(TestCar& car) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    auto primitives = captureFeedback([&] { car.drawMesh(); });
    EXPECT_EQ(primitives.size(), 1u);
    return primitives.empty() ? 0 : primitives[0].vertices[0].y;
}

TEST(Car, BodyBobsOncePerSecondAboveItsRestingHeight) {
    TestGlContext gl(100, 100);
    ClockStage stage;
    TestCar car;
    // One unit of height is 50 pixels of the 100-pixel viewport.
    const double rest = 50;
    const double h = car.halfHeight();
    stage.time = 0;
    EXPECT_NEAR(drawnBodyHeight(car), rest + 50 * h * 0.03125, 1e-3);
    stage.time = 0.25;
    EXPECT_NEAR(drawnBodyHeight(car), rest + 50 * h / 16, 1e-3);
    stage.time = 0.75;
    EXPECT_NEAR(drawnBodyHeight(car), rest, 1e-3);
    EXPECT_EQ(car.wheelDraws, 3);
}

}  // namespace
