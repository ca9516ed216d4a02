#include "scene/object.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>

#include "scene/registry.h"
#include "scene/scene_support.h"

namespace {

constexpr double Step = 0.1;

// Every test starts and ends with an empty registry and a live scene of size 13.
class ObjectTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registry.empty()); }
    void TearDown() override { EXPECT_TRUE(registry.empty()); }

    TestStage stage{13};
    HitLog log;
};

// A 3 x 1 x 4 box: radius 2.5, half height 0.5.
TestBox makeBox(HitLog* log = nullptr) {
    return TestBox(3, 1, 4, log);
}

void expectVector(const Vector& v, double x, double y, double z) {
    EXPECT_NEAR(v.x, x, 1e-12);
    EXPECT_NEAR(v.y, y, 1e-12);
    EXPECT_NEAR(v.z, z, 1e-12);
}

TEST_F(ObjectTest, RegistersInConstructionOrderAndLeavesKeepingTheOrder) {
    auto* a = new TestBox(1, 1, 1);
    auto* b = new TestBox(1, 1, 1);
    auto* c = new TestBox(1, 1, 1);
    EXPECT_EQ(registry, (std::vector<Object*>{a, b, c}));
    delete b;
    EXPECT_EQ(registry, (std::vector<Object*>{a, c}));
    delete a;
    delete c;
}

TEST_F(ObjectTest, StartsInactiveAirborneAtRestAtTheOriginFacingForward) {
    TestBox box = makeBox();
    EXPECT_FALSE(box.isActive());
    EXPECT_TRUE(box.isAirborne());
    expectVector(box.velocity(), 0, 0, 0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(box.placement().m[i], Matrix().m[i]) << i;
    }
    expectVector(box.forwardAxis(), 0, 0, 1);
}

TEST_F(ObjectTest, AnObjectNeverSwitchedOnNeverMoves) {
    TestBox box = makeBox();
    box.setPosition(1, 5, 2);
    box.velocity().set(3, 3, 3);
    box.update(Step);
    expectVector(box.position(), 1, 5, 2);
    expectVector(box.velocity(), 3, 3, 3);
    EXPECT_TRUE(box.hits.empty());
}

TEST_F(ObjectTest, FallsFromRestThenLandsAtItsHalfHeightAndRests) {
    TestBox box = makeBox();
    box.setPosition(0, 3, 0);
    box.setActive(true);
    // Falling for 0.7 s keeps it above its rest height; the step to 0.8 s would take it below.
    for (int frame = 1; frame <= 7; ++frame) {
        box.update(Step);
        const double t = frame * Step;
        EXPECT_NEAR(box.position().y, 3 - 4.9 * t * t, 1e-9) << frame;
        EXPECT_NEAR(box.velocity().y, -9.8 * t, 1e-9) << frame;
        EXPECT_TRUE(box.isAirborne());
    }
    EXPECT_TRUE(box.hits.empty());

    box.update(Step);
    EXPECT_EQ(box.position().y, 0.5);
    EXPECT_EQ(box.velocity().y, 0);
    EXPECT_FALSE(box.isAirborne());
    EXPECT_EQ(box.hits, std::vector<Object*>{nullptr});

    for (int frame = 0; frame < 3; ++frame) {
        box.update(Step);
        EXPECT_EQ(box.position().y, 0.5);
        EXPECT_FALSE(box.isAirborne());
    }
    EXPECT_EQ(box.hits, std::vector<Object*>(4, nullptr));
}

TEST_F(ObjectTest, MovesBallisticallyUnderGravity) {
    TestBox box = makeBox();
    box.setPosition(1, 10, 2);
    box.setActive(true);
    box.setVelocity(Vector(2, 3, -1));
    box.update(0.5);
    // p + v t + g t^2 / 2 and v + g t.
    expectVector(box.position(), 2, 10 + 1.5 - 1.225, 1.5);
    expectVector(box.velocity(), 2, 3 - 4.9, -1);
}

TEST_F(ObjectTest, UpdateWithNoTimeLeavesARestingObjectAlone) {
    TestBox box = makeBox();
    box.place(4, 1);
    box.setActive(true);
    box.update(0);
    expectVector(box.position(), 4, 0.5, 1);
    expectVector(box.velocity(), 0, 0, 0);
    EXPECT_TRUE(box.hits.empty());
}

TEST_F(ObjectTest, LandsOnAnotherObjectAndBothAreToldFallerFirst) {
    TestBox below = makeBox(&log);
    TestBox faller = makeBox(&log);
    below.place(0, 0);
    below.setActive(true);
    faller.setPosition(0.5, 1.52, 0);
    faller.setActive(true);
    faller.setVelocity(Vector(0, -1, 0));

    faller.update(Step);

    expectVector(faller.position(), 0.5, 1.5, 0);
    EXPECT_EQ(faller.position().y, 1.5);
    EXPECT_EQ(faller.velocity().y, 0);
    EXPECT_FALSE(faller.isAirborne());
    EXPECT_EQ(log, (HitLog{{&faller, &below}, {&below, &faller}}));
}

TEST_F(ObjectTest, StaysOnTopOfAnotherObjectFrameAfterFrame) {
    TestBox below = makeBox();
    TestBox above = makeBox();
    below.place(0, 0);
    below.setActive(true);
    above.setPosition(1, 1.5, 0);
    above.setActive(true);
    for (int frame = 0; frame < 3; ++frame) {
        above.update(Step);
        EXPECT_EQ(above.position().y, 1.5);
        EXPECT_EQ(above.velocity().y, 0);
        EXPECT_FALSE(above.isAirborne());
    }
}

TEST_F(ObjectTest, BumpsFromBelowAndStaysAirborne) {
    TestBox above = makeBox(&log);
    TestBox riser = makeBox(&log);
    above.setPosition(0, 2, 0);
    above.setActive(true);
    riser.setPosition(0, 0.9, 0);
    riser.setActive(true);
    riser.setVelocity(Vector(0, 5, 0));

    riser.update(Step);

    EXPECT_EQ(riser.position().y, 1.0);
    EXPECT_EQ(riser.velocity().y, 0);
    EXPECT_TRUE(riser.isAirborne());
    EXPECT_EQ(log, (HitLog{{&riser, &above}, {&above, &riser}}));
}

TEST_F(ObjectTest, SideContactKeepsOnlyThePerpendicularStepAndTheStoredVelocity) {
    TestBox wall = makeBox(&log);
    TestBox mover = makeBox(&log);
    wall.place(5.5, 0);
    wall.setActive(true);
    mover.place(0, 0);
    mover.setActive(true);
    mover.setVelocity(Vector(10, 0, 4));

    mover.update(Step);

    // The step toward the wall along x is dropped; the step along z stays.
    expectVector(mover.position(), 0, 0.5, 0.4);
    expectVector(mover.velocity(), 10, 0, 4);
    EXPECT_EQ(log, (HitLog{{&mover, &wall}, {&wall, &mover}, {&mover, nullptr}}));
}

TEST_F(ObjectTest, ObliqueSideContactSlidesAlongTheOtherObject) {
    TestBox post = makeBox();
    TestBox mover = makeBox();
    post.place(4, 3);
    post.setActive(true);
    mover.place(0, 0);
    mover.setActive(true);
    mover.setVelocity(Vector(5, 0, 0));

    mover.update(Step);

    // Toward the post is (0.8, 0, 0.6); what is left of (5, 0, 0) is (1.8, 0, -2.4).
    expectVector(mover.position(), 0.18, 0.5, -0.24);
    expectVector(mover.velocity(), 5, 0, 0);
}

TEST_F(ObjectTest, ExactTouchIsNoContact) {
    TestBox a = makeBox();
    TestBox b = makeBox();
    a.setActive(true);
    b.setActive(true);
    std::vector<Object*> contacts;

    // Radii 2.5 + 2.5 apart horizontally.
    a.setPosition(0, 0.5, 0);
    b.setPosition(3, 0.5, 4);
    EXPECT_EQ(a.collect(contacts, a.position()), 0u);
    b.setPosition(3, 0.5, 3.999999);
    EXPECT_EQ(a.collect(contacts, a.position()), 1u);
    EXPECT_EQ(contacts, std::vector<Object*>{&b});

    // Half heights 0.5 + 0.5 apart vertically.
    contacts.clear();
    b.setPosition(0, 1.5, 0);
    EXPECT_EQ(a.collect(contacts, a.position()), 0u);
    b.setPosition(0, 1.499999, 0);
    EXPECT_EQ(a.collect(contacts, a.position()), 1u);
}

TEST_F(ObjectTest, CollectAppendsInRegistryOrderAndCountsWhatIsThere) {
    TestBox first = makeBox();
    TestBox self = makeBox();
    TestBox second = makeBox();
    for (TestBox* box : {&first, &self, &second}) {
        box->setActive(true);
    }
    std::vector<Object*> contacts{&self};
    EXPECT_EQ(self.collect(contacts, Vector(0, 0, 0)), 3u);
    EXPECT_EQ(contacts, (std::vector<Object*>{&self, &first, &second}));
}

TEST_F(ObjectTest, CollectSkipsInactiveAndPassiveObjectsButAPassiveObjectFindsOthers) {
    TestBox inactive = makeBox();
    TestBox passive = makeBox();
    TestBox seeker = makeBox();
    passive.passive = true;
    passive.setActive(true);
    seeker.setActive(true);
    std::vector<Object*> contacts;
    EXPECT_EQ(seeker.collect(contacts, Vector(0, 0, 0)), 0u);
    EXPECT_EQ(passive.collect(contacts, Vector(0, 0, 0)), 1u);
    EXPECT_EQ(contacts, std::vector<Object*>{&seeker});
}

TEST_F(ObjectTest, AFixedObjectNeverMovesYetOthersLandOnIt) {
    TestBox base = makeBox(&log);
    TestBox faller = makeBox(&log);
    base.fixed = true;
    base.setPosition(0, 2, 0);
    base.setActive(true);
    base.setVelocity(Vector(5, 5, 5));
    base.update(Step);
    expectVector(base.position(), 0, 2, 0);
    expectVector(base.velocity(), 5, 5, 5);

    faller.setPosition(0, 3.02, 0);
    faller.setActive(true);
    faller.update(Step);
    EXPECT_EQ(faller.position().y, 3.0);
    EXPECT_EQ(log, (HitLog{{&faller, &base}, {&base, &faller}}));
}

TEST_F(ObjectTest, AContactSwitchedOffDuringTheLoopIsSkipped) {
    TestBox first = makeBox(&log);
    TestBox second = makeBox(&log);
    TestBox mover = makeBox(&log);
    first.place(5.5, 0);
    second.place(0, 4.5);
    first.setActive(true);
    second.setActive(true);
    mover.place(0, 0);
    mover.setActive(true);
    mover.setVelocity(Vector(10, 0, 0));
    first.onHit = [&](Object*) { second.setActive(false); };

    mover.update(Step);

    EXPECT_EQ(log, (HitLog{{&mover, &first}, {&first, &mover}, {&mover, nullptr}}));
}

TEST_F(ObjectTest, AHitThatSwitchesTheObjectOffEndsTheLoopAndSkipsGroundAndEdge) {
    TestBox first = makeBox(&log);
    TestBox second = makeBox(&log);
    TestBox shot = makeBox(&log);
    // Both partners overlap the shot, which is under the ground and beyond the world edge.
    first.setPosition(12, 0.2, 0);
    second.setPosition(12, 0.2, 1);
    first.setActive(true);
    second.setActive(true);
    shot.setPosition(12, 0.2, 0.5);
    shot.setActive(true);
    shot.setVelocity(Vector(0, 0, 3));
    shot.onHit = [&](Object*) { shot.setActive(false); };

    shot.update(Step);

    EXPECT_FALSE(shot.isActive());
    EXPECT_EQ(log, (HitLog{{&shot, &first}, {&first, &shot}}));
    // The slide still ran (back to the previous place plus the slid step); no ground or edge correction.
    EXPECT_LT(shot.position().y, 0.5);
    EXPECT_NEAR(shot.position().x, 12, 1e-12);
    EXPECT_NEAR(shot.position().z, 0.5, 1e-12);
}

TEST_F(ObjectTest, AGroundHitThatSwitchesTheObjectOffSkipsTheEdge) {
    TestBox box = makeBox();
    box.setPosition(11, 0.5, 0);
    box.setActive(true);
    box.onHit = [&](Object*) { box.setActive(false); };
    box.update(Step);
    EXPECT_EQ(box.hits, std::vector<Object*>{nullptr});
    expectVector(box.position(), 11, 0.5, 0);
}

TEST_F(ObjectTest, TheWorldEdgePutsAnObjectBackInsideWithoutChangingItsVelocity) {
    TestBox box = makeBox();
    // Size 13 less radius 2.5: the edge is at 10.5 from the centre.
    box.setPosition(0.6 * 11, 5, 0.8 * 11);
    box.setActive(true);
    box.velocity().set(3, 0, 4);
    box.update(0);
    expectVector(box.position(), 0.6 * 10.5, 5, 0.8 * 10.5);
    expectVector(box.velocity(), 3, 0, 4);
    EXPECT_EQ(box.hits, std::vector<Object*>{nullptr});
}

TEST_F(ObjectTest, InsideTheWorldEdgeNothingHappens) {
    TestBox box = makeBox();
    box.setPosition(0.6 * 10.4, 5, 0.8 * 10.4);
    box.setActive(true);
    box.update(0);
    expectVector(box.position(), 0.6 * 10.4, 5, 0.8 * 10.4);
    EXPECT_TRUE(box.hits.empty());
}

TEST_F(ObjectTest, UpdateOutsideALiveSceneIsTheWrongTime) {
    TestBox box = makeBox();
    box.setActive(true);
    bindStage(nullptr);
    try {
        box.update(Step);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "wrong time");
    }
    bindStage(&stage);
}

TEST_F(ObjectTest, SwitchingOnOrOffStopsTheObjectAndKeepsItsPlace) {
    TestBox box = makeBox();
    box.setPosition(1, 2, 3);
    box.setVelocity(Vector(1, 2, 3));
    box.setActive(true);
    expectVector(box.velocity(), 0, 0, 0);
    box.setVelocity(Vector(1, 2, 3));
    box.setActive(false);
    expectVector(box.velocity(), 0, 0, 0);
    expectVector(box.position(), 1, 2, 3);
    EXPECT_TRUE(box.isAirborne());
}

TEST_F(ObjectTest, HorizontalVelocityKeepsTheVerticalSpeed) {
    TestBox box = makeBox();
    box.setVelocity(Vector(1, -7, 1));
    box.setVelocity(4, 5);
    expectVector(box.velocity(), 4, -7, 5);
}

TEST_F(ObjectTest, PlaceStandsTheObjectOnTheGround) {
    TestBox box = makeBox();
    box.place(2, -3);
    expectVector(box.position(), 2, 0.5, -3);
    EXPECT_DOUBLE_EQ(box.distance(Vector(2, 4.5, 0)), 5);
    EXPECT_EQ(box.placement().m[12], 2);
    EXPECT_EQ(box.placement().m[13], 0.5);
    EXPECT_EQ(box.placement().m[14], -3);
}

TEST_F(ObjectTest, FacesALevelDirectionWithALevelHeading) {
    TestBox box = makeBox();
    box.setPosition(1, 2, 3);
    box.face(Vector(3, 7, 4));
    const double* m = box.placement().m;
    expectVector(Vector(m[0], m[1], m[2]), 0.8, 0, -0.6);
    expectVector(Vector(m[4], m[5], m[6]), 0, 1, 0);
    expectVector(Vector(m[8], m[9], m[10]), 0.6, 0, 0.8);
    expectVector(box.position(), 1, 2, 3);
    EXPECT_EQ(m[15], 1);

    box.faceTowards(Vector(1, -5, 8));
    expectVector(box.forwardAxis(), 0, 0, 1);
    expectVector(Vector(m[0], m[1], m[2]), 1, 0, 0);
}

TEST_F(ObjectTest, FacingStraightUpOrNowhereKeepsTheLastHeading) {
    TestBox box = makeBox();
    box.face(Vector(0, 0, -2));
    for (const Vector& direction : {Vector(0, 1, 0), Vector(0, 0, 0)}) {
        box.face(direction);
        expectVector(box.forwardAxis(), 0, 0, -1);
        const double* m = box.placement().m;
        expectVector(Vector(m[0], m[1], m[2]), -1, 0, 0);
    }
}

TEST_F(ObjectTest, TellsWhatLiesAheadAndAtTheSide) {
    TestBox box = makeBox();
    box.setPosition(1, 0, 1);
    box.face(Vector(1, 0, 0));  // forward +x, side -z
    EXPECT_TRUE(box.isAhead(Vector(2, 5, -9)));
    EXPECT_TRUE(box.isAhead(Vector(1, 0, 7)));  // on the plane
    EXPECT_FALSE(box.isAhead(Vector(0.5, 0, 1)));
    EXPECT_TRUE(box.isAtSide(Vector(0, 0, 0)));
    EXPECT_FALSE(box.isAtSide(Vector(0, 0, 2)));
}

TEST_F(ObjectTest, PrintsRadiusAndHalfHeightInFieldsOfEight) {
    TestBox box = makeBox();
    std::ostringstream out;
    box.Object::print(out);
    EXPECT_EQ(out.str(), "     2.5      0.5");
}

}  // namespace
