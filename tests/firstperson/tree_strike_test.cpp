#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <typeinfo>

#include "firstperson/fire.h"
#include "models/garden_tree.h"
#include "models/models_support.h"
#include "models/tanks_tree.h"

namespace {

// The player's shots and the aircraft's alike set a tree swaying, and end there.
TEST(TreeStrike, EveryKindOfShotSetsATreeSwaying) {
    std::srand(3);
    ClockStage stage;
    const std::function<std::unique_ptr<Fire>()> shots[] = {
        [] { return std::make_unique<FirstPerson::EnemyFire>(); },
        [] { return std::make_unique<FirstPerson::HeroFire>(); },
    };
    for (const auto& makeShot : shots) {
        for (const bool conifer : {false, true}) {
            std::unique_ptr<Tree> tree;
            if (conifer) {
                tree = std::make_unique<Tanks::Tree>(5, 0.1);
            } else {
                tree = std::make_unique<Garden::Tree>(5);
            }
            tree->place(0, 0);
            tree->setActive(true);
            auto shot = makeShot();
            SCOPED_TRACE(typeid(*shot).name());
            shot->setPosition(-3, 1, 0);
            shot->setActive(true);
            shot->setVelocity(Vector(30, 0, 0));
            for (int frame = 0; frame < 20 && shot->isActive(); ++frame) {
                shot->update(0.02);
            }
            EXPECT_FALSE(shot->isActive());
            EXPECT_EQ(tree->shake, 1.0);
        }
    }
}

}  // namespace
