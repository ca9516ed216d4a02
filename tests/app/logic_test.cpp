#include "app/logic.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "geometry/face.h"
#include "geometry/mesh.h"
#include "geometry/vertex.h"
#include "scene/mesh_object.h"
#include "scene/registry.h"
#include "scene/stage.h"
#include "support/gl_context.h"

namespace {

using namespace std::chrono_literals;
using TimePoint = FrameClock::TimePoint;

// A clock that reads whatever the test sets, and a pause that only notes its deadline.
struct FakeClock {
    FrameClock seam() {
        return FrameClock{[this] { return reading; },
                          [this](TimePoint deadline) { pauses.push_back(deadline); }};
    }
    TimePoint reading = TimePoint(1000s);
    std::vector<TimePoint> pauses;
};

class TestScene : public Logic {
  public:
    explicit TestScene(FrameClock clock = {}) : Logic("logic test", 13, Black, std::move(clock)) {}
    Input& input(int, bool) override { return *this; }
};

// A point at its origin; notes every update and its own destruction.
class Marker : public MeshObject {
  public:
    explicit Marker(std::vector<Marker*>* destroyed = nullptr) : destroyed_(destroyed) {
        mesh_.addFace(std::make_unique<Face>(mesh_.addVertex(std::make_unique<Vertex>(0, 0, 0, 1, 1, 1))));
    }
    ~Marker() override {
        if (destroyed_ != nullptr) {
            destroyed_->push_back(this);
        }
    }
    Object& update(double dt) override {
        steps.push_back(dt);
        return *this;
    }
    const Mesh& mesh() const override { return mesh_; }

    std::vector<double> steps;

  private:
    std::vector<Marker*>* destroyed_;
    Mesh mesh_;
};

class LogicTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registry.empty()); }
    void TearDown() override { EXPECT_TRUE(registry.empty()); }

    FakeClock clock;
};

TEST_F(LogicTest, AFirstStepHalfASecondLateAdvancesTheSceneByATenth) {
    TestScene scene(clock.seam());
    auto* marker = new Marker;
    const TimePoint start = clock.reading;
    EXPECT_EQ(scene.lastFrame, start);

    clock.reading = start + 500ms;
    scene.frame();

    EXPECT_EQ(marker->steps, std::vector<double>{0.1});
    EXPECT_DOUBLE_EQ(scene.wallTime, 0.5);
    EXPECT_DOUBLE_EQ(scene.sceneTime, 0.1);
    EXPECT_DOUBLE_EQ(scene.time(), 0.1);
    EXPECT_DOUBLE_EQ(logic().time(), 0.1);
    EXPECT_EQ(scene.lastFrame, start + 500ms);
    EXPECT_EQ(clock.pauses, std::vector<TimePoint>{start + 520ms});
    EXPECT_EQ(scene.frames, 1u);
}

TEST_F(LogicTest, StepsAccumulateOnTheSceneClock) {
    TestScene scene(clock.seam());
    auto* marker = new Marker;
    for (int frame = 0; frame < 3; ++frame) {
        clock.reading += 25ms;
        scene.frame();
    }
    ASSERT_EQ(marker->steps.size(), 3u);
    for (double step : marker->steps) {
        EXPECT_DOUBLE_EQ(step, 0.025);
    }
    EXPECT_DOUBLE_EQ(scene.sceneTime, 0.075);
    EXPECT_DOUBLE_EQ(scene.wallTime, 0.075);
    EXPECT_DOUBLE_EQ(stage().stageTime(), 0.075);
    EXPECT_EQ(stage().stageSize(), 13);
}

TEST_F(LogicTest, EqualClockReadingsStepNothingButStillPauseAndPresent) {
    TestScene scene(clock.seam());
    auto* marker = new Marker;
    const TimePoint start = clock.reading;

    scene.frame();

    EXPECT_TRUE(marker->steps.empty());
    EXPECT_EQ(scene.wallTime, 0);
    EXPECT_EQ(scene.sceneTime, 0);
    EXPECT_EQ(scene.lastFrame, start);
    EXPECT_EQ(clock.pauses, std::vector<TimePoint>{start + 20ms});
    EXPECT_EQ(scene.frames, 1u);
}

TEST_F(LogicTest, AMinimisedWindowKeepsTheSceneGoingButDrawsNothingUntilItHasAnAreaAgain) {
    TestScene scene(clock.seam());
    auto* marker = new Marker;
    scene.resize(0, 0);
    clock.reading += 25ms;
    scene.frame();
    EXPECT_EQ(marker->steps, std::vector<double>{0.025});
    EXPECT_DOUBLE_EQ(scene.sceneTime, 0.025);
    EXPECT_EQ(clock.pauses.size(), 1u);
    EXPECT_EQ(scene.frames, 0u);

    scene.resize(64, 48);
    scene.frame();
    EXPECT_EQ(scene.frames, 1u);
}

TEST_F(LogicTest, AClockThatGoesBackStepsNothing) {
    TestScene scene(clock.seam());
    auto* marker = new Marker;
    const TimePoint start = clock.reading;
    clock.reading = start - 1s;
    scene.frame();
    EXPECT_TRUE(marker->steps.empty());
    EXPECT_EQ(scene.lastFrame, start);
    EXPECT_EQ(scene.wallTime, 0);
}

TEST_F(LogicTest, UpdatesEveryObjectInRegistryOrderActiveOrNot) {
    TestScene scene(clock.seam());
    std::vector<Marker*> markers{new Marker, new Marker, new Marker};
    markers[1]->setActive(true);
    scene.update(0.04);
    for (Marker* marker : markers) {
        EXPECT_EQ(marker->steps, std::vector<double>{0.04});
    }
}

TEST_F(LogicTest, TheRealPauseLastsAtLeastTwentyMilliseconds) {
    TestScene scene;
    const auto before = std::chrono::steady_clock::now();
    scene.frame();
    EXPECT_GE(std::chrono::steady_clock::now() - before, 20ms);
}

TEST_F(LogicTest, DestructionDeletesTheObjectsFirstEntryFirst) {
    std::vector<Marker*> destroyed;
    auto scene = std::make_unique<TestScene>(clock.seam());
    std::vector<Marker*> markers{new Marker(&destroyed), new Marker(&destroyed), new Marker(&destroyed)};
    scene.reset();
    EXPECT_EQ(destroyed, markers);
    EXPECT_TRUE(registry.empty());
}

// An object holding another registered object: deleting the holder takes the held one out too.
class Holder : public Marker {
  public:
    explicit Holder(std::vector<Marker*>* destroyed) : Marker(destroyed), held(destroyed) {}
    Marker held;
};

TEST_F(LogicTest, DestructionDeletesHeldObjectsWithTheirHolder) {
    std::vector<Marker*> destroyed;
    auto scene = std::make_unique<TestScene>(clock.seam());
    auto* holder = new Holder(&destroyed);
    auto* last = new Marker(&destroyed);
    scene.reset();
    EXPECT_EQ(destroyed, (std::vector<Marker*>{&holder->held, holder, last}));
}

TEST_F(LogicTest, TheSceneIsReachableOnlyWhileItLives) {
    {
        TestScene scene(clock.seam());
        EXPECT_EQ(&logic(), &scene);
        EXPECT_EQ(&stage(), static_cast<Stage*>(&scene));
    }
    for (auto reach : {+[] { logic(); }, +[] { stage(); }}) {
        try {
            reach();
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), "wrong time");
        }
    }
}

TEST_F(LogicTest, ConstructionSeedsTheRandomGenerator) {
    std::srand(1);
    std::vector<int> fromOne;
    for (int i = 0; i < 4; ++i) {
        fromOne.push_back(std::rand());
    }
    std::srand(1);
    TestScene scene(clock.seam());
    std::vector<int> afterScene;
    for (int i = 0; i < 4; ++i) {
        afterScene.push_back(std::rand());
    }
    EXPECT_NE(afterScene, fromOne);
}

// Drawing with an identity projection into the scene's viewport; points come back in window pixels.
class LogicDrawTest : public LogicTest {
  protected:
    void SetUp() override {
        LogicTest::SetUp();
        scene = std::make_unique<TestScene>(clock.seam());
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        width = viewport[2];
        height = viewport[3];
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void TearDown() override {
        scene.reset();
        LogicTest::TearDown();
    }

    std::unique_ptr<TestScene> scene;
    GLint width = 0;
    GLint height = 0;
};

TEST_F(LogicDrawTest, DrawsActiveObjectsInRegistryOrderUnderTheirPlacement) {
    auto* first = new Marker;
    auto* hidden = new Marker;
    auto* second = new Marker;
    first->placement().translation(0.5, 0, 0);
    hidden->placement().translation(0, 0.5, 0);
    second->placement().translation(-0.5, 0, 0);
    first->setActive(true);
    second->setActive(true);

    auto primitives = captureFeedback([&] { scene->drawObjects(); });

    ASSERT_EQ(primitives.size(), 2u);
    EXPECT_FLOAT_EQ(primitives[0].vertices.at(0).x, 0.75f * width);
    EXPECT_FLOAT_EQ(primitives[1].vertices.at(0).x, 0.25f * width);
    for (const auto& point : primitives) {
        EXPECT_FLOAT_EQ(point.vertices.at(0).y, 0.5f * height);
    }
    EXPECT_EQ(scene->frames, 1u);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

// With the model-view stack full, any push is a GL_STACK_OVERFLOW error.
GLenum drawOnAFullStack(Logic& scene) {
    GLint depth = 0;
    GLint maxDepth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &maxDepth);
    for (GLint i = depth; i < maxDepth; ++i) {
        glPushMatrix();
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    scene.drawObjects();
    GLenum error = glGetError();
    for (GLint i = depth; i < maxDepth; ++i) {
        glPopMatrix();
    }
    return error;
}

TEST_F(LogicDrawTest, InactiveObjectsCauseNoMatrixPush) {
    auto* marker = new Marker;
    EXPECT_EQ(drawOnAFullStack(*scene), static_cast<GLenum>(GL_NO_ERROR));
    marker->setActive(true);
    EXPECT_EQ(drawOnAFullStack(*scene), static_cast<GLenum>(GL_STACK_OVERFLOW));
}

}  // namespace
