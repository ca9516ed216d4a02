#include "firstperson/fire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/sound.h"
#include "firstperson/combat_support.h"

// The cue functions of this test program: they record instead of playing, so that tests see exactly which
// cues an object asked for. Defining all of them keeps the real ones out of the link.
std::vector<std::string>& cueLog() {
    static std::vector<std::string> log;
    return log;
}
void playSound(const char* name) {
    cueLog().emplace_back(name != nullptr ? name : "");
}
void alarm() {
    playSound("alarm");
}
void bang() {
    playSound("bang");
}
void fire() {
    playSound("fire");
}
void life() {
    playSound("life");
}

namespace {

struct DartCase {
    const Fire::ConeMesh& mesh;
    Color tip;
    Color base;
};

// The tip trails: it lies at the back (-Z), the open base ring at the front.
TEST(Dart, IsAQuarterLongHalfAcrossDarkAtItsBaseAndFullAtItsTip) {
    for (const DartCase& c : {DartCase{Fire::dart(), Magenta, Color(0.25, 0, 0.25)},
                              DartCase{FirstPerson::HeroFire::dart(), Cyan, Color(0, 0.25, 0.25)}}) {
        const Bounds b = c.mesh.bounds();
        EXPECT_NEAR(b.size().z, 0.25, 1e-12);
        EXPECT_NEAR(b.size().x, 0.5, 1e-12);
        EXPECT_NEAR(b.size().y, 0.5, 1e-12);
        int tips = 0;
        for (const auto& v : c.mesh.vertices()) {
            const Color expected = v->z == b.min.z ? c.tip : v->z == b.max.z ? c.base : Color(-1, -1, -1);
            if (v->z == b.min.z) {
                ++tips;
            }
            if (expected.r >= 0) {
                EXPECT_DOUBLE_EQ(v->r, expected.r);
                EXPECT_DOUBLE_EQ(v->g, expected.g);
                EXPECT_DOUBLE_EQ(v->b, expected.b);
            }
        }
        EXPECT_EQ(tips, 1);
    }
}

class Shots : public ::testing::Test {
  protected:
    void SetUp() override { cueLog().clear(); }

    // Launches the shot from (x, y, z) with velocity v, as a gun does.
    static void launch(Fire& shot, const Vector& at, const Vector& v) {
        shot.face(v);
        shot.setPosition(at);
        shot.setActive(true);
        shot.setVelocity(v);
    }

    FakeStage stage;
};

TEST_F(Shots, SwitchingOnPlaysFireSwitchingOffIsSilentBothResetTheSpin) {
    Fire shot;
    shot.setPosition(0, 5, 0);
    shot.update(0.1);
    EXPECT_NEAR(shot.spin, -0.3 * std::numbers::pi, 1e-12);  // it spins while idle too
    shot.setActive(true);
    EXPECT_EQ(shot.spin, 0);
    shot.update(0.1);
    EXPECT_NE(shot.spin, 0);
    shot.setActive(false);
    EXPECT_EQ(shot.spin, 0);
    EXPECT_EQ(cueLog(), std::vector<std::string>{"fire"});
}

TEST_F(Shots, SwitchOffInTheUpdateThatTouchesTheGroundOrTheEdge) {
    Fire shot;
    launch(shot, Vector(0, 0.2, 0), Vector(1, -5, 0));
    shot.update(0.1);
    EXPECT_FALSE(shot.isActive());

    launch(shot, Vector(12.7, 5, 0), Vector(5, 0, 0));
    shot.update(0.1);
    EXPECT_FALSE(shot.isActive());
}

TEST_F(Shots, AreNeverFoundByOthersButFindWhatTheyFlyInto) {
    FakeCombat combat;
    Dummy player;
    combat.hero = &player;
    player.setPosition(-5, 0.5, 0);
    FirstPerson::EnemyFire a;
    FirstPerson::EnemyFire b;
    launch(a, Vector(0, 5, 0), Vector(1, 0, 0));
    launch(b, Vector(0.05, 5, 0), Vector(1, 0, 0));
    b.update(0.01);
    EXPECT_TRUE(b.isActive());  // a overlaps it, but a shot is never a partner

    Dummy box;
    box.setPosition(0, 5, 0);
    std::vector<Object*> found;
    EXPECT_EQ(box.collect(found, box.position()), 0u);
    a.update(0.01);
    EXPECT_FALSE(a.isActive());
    EXPECT_TRUE(box.switches.empty());  // only the player is killed by a touch
    EXPECT_TRUE(player.isActive());
}

TEST_F(Shots, EnemyFireSwitchesOffThePlayerFirstThenItself) {
    FakeCombat combat;
    Dummy player;
    combat.hero = &player;
    player.setPosition(1, 5, 0);
    FirstPerson::EnemyFire shot;
    launch(shot, Vector(0.7, 5, 0), Vector(5, 0, 0));
    bool shotFlyingAsThePlayerDied = false;
    player.onSwitch = [&](bool) { shotFlyingAsThePlayerDied = shot.isActive(); };
    shot.update(0.02);
    EXPECT_EQ(player.switches, std::vector<bool>{false});
    EXPECT_TRUE(shotFlyingAsThePlayerDied);
    EXPECT_FALSE(shot.isActive());
}

}  // namespace
