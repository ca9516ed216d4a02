#include "models/tree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "geometry/vertex.h"
#include "models/garden_tree.h"
#include "models/models_support.h"
#include "models/tanks_tree.h"
#include "scene/projectile.h"
#include "scene/registry.h"
#include "scene/scene_support.h"

namespace {

// A shot of our own: anything that is a projectile sets a tree swaying.
class TestShot : public MeshObject, public Projectile {
  public:
    TestShot() {
        mesh_.addVertex(std::make_unique<Vertex>(-0.05, -0.05, -0.05, 1, 1, 1));
        mesh_.addVertex(std::make_unique<Vertex>(0.05, 0.05, 0.05, 1, 1, 1));
    }
    const Mesh& mesh() const override { return mesh_; }

  private:
    Mesh mesh_;
};

// A tree that looks like a box 1 wide, 4 high and 1 deep, centred on its position.
class BoxTree : public Tree {
  public:
    BoxTree() {
        mesh_.addVertex(std::make_unique<Vertex>(-0.5, -2, -0.5, 1, 1, 1));
        mesh_.addVertex(std::make_unique<Vertex>(0.5, 2, 0.5, 1, 1, 1));
    }
    const Mesh& mesh() const override { return mesh_; }

  private:
    Mesh mesh_;
};

// The point m takes v to when GL draws under it (column-major, v as a column).
Vector drawnAt(const Matrix& matrix, const Vector& v) {
    const double* m = matrix.m;
    return Vector(m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12], m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13],
                  m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14]);
}

class TreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(registry.size(), 1u);  // the tree alone
        tree.place(0, 0);
        tree.setActive(true);
    }

    ClockStage stage;
    BoxTree tree;
};

TEST_F(TreeTest, AShotSetsItSwayingForOneSecondThatASecondShotDoesNotStartOver) {
    TestShot shot;
    EXPECT_FALSE(tree.usesTransform());
    EXPECT_EQ(&tree.hit(&shot), &tree);
    EXPECT_EQ(tree.shake, 1.0);
    EXPECT_TRUE(tree.usesTransform());
    const double expected[] = {0.75, 0.5, 0.25, 0};
    for (const double left : expected) {
        tree.update(0.25);
        EXPECT_EQ(tree.shake, left);
        if (left == 0.5) {
            tree.hit(&shot);
            EXPECT_EQ(tree.shake, 0.5);
        }
    }
    EXPECT_FALSE(tree.usesTransform());
    // Still again, it sways at the next shot.
    tree.hit(&shot);
    EXPECT_EQ(tree.shake, 1.0);
}

TEST_F(TreeTest, SwayTurnsTheTreeAboutItsBaseAndPassesThroughUprightHalfway) {
    TestShot shot;
    tree.hit(&shot);
    tree.update(0.1);
    const Matrix& sway = tree.modelTransform();
    EXPECT_NEAR(drawnAt(sway, Vector(0, -2, 0)).distance(Vector(0, -2, 0)), 0, 1e-12);
    EXPECT_GT(drawnAt(sway, Vector(0, 2, 0)).distance(Vector(0, 2, 0)), 0.1);
    // At half a second left the 3 Hz shake is at a zero: upright up to rounding.
    tree.update(0.4);
    EXPECT_NEAR(tree.shake, 0.5, 1e-15);
    EXPECT_NEAR(drawnAt(tree.modelTransform(), Vector(0, 2, 0)).distance(Vector(0, 2, 0)), 0, 1e-12);
}

TEST_F(TreeTest, NothingButAProjectileSetsItSwaying) {
    TestBox box(1, 1, 1);
    tree.hit(&box);
    tree.hit(nullptr);
    EXPECT_EQ(tree.shake, 0);
    EXPECT_FALSE(tree.usesTransform());
}

TEST_F(TreeTest, SwitchingOnStopsTheSwayAndASwitchedOffTreeDoesNotCountDown) {
    TestShot shot;
    tree.hit(&shot);
    tree.setActive(false);
    tree.update(0.25);
    EXPECT_EQ(tree.shake, 1.0);
    tree.setActive(true);
    EXPECT_EQ(tree.shake, 0);
    EXPECT_FALSE(tree.usesTransform());
}

TEST_F(TreeTest, AShotFlyingIntoItSetsItSwaying) {
    TestShot shot;
    shot.setPosition(-1, 2, 0);
    shot.setActive(true);
    shot.setVelocity(Vector(10, 0, 0));
    for (int frame = 0; frame < 10 && tree.shake == 0; ++frame) {
        shot.update(0.02);
    }
    EXPECT_GT(tree.shake, 0);
}

TEST_F(TreeTest, NeverMovesWhileOthersLandOnItAndSlideAlongIt) {
    tree.setVelocity(Vector(3, 4, 5));
    const Vector standing = tree.position();
    // One box dropped onto it, another pushed against its side.
    TestBox lander(0.5, 0.5, 0.5);
    lander.setPosition(0, 5, 0);
    lander.setActive(true);
    TestBox pusher(0.5, 0.5, 0.5);
    pusher.setPosition(-1.5, 0.25, 0.3);
    pusher.setActive(true);
    for (int frame = 0; frame < 100; ++frame) {
        tree.update(0.02);
        lander.update(0.02);
        pusher.setVelocity(Vector(1, pusher.velocity().y, 0));
        pusher.update(0.02);
    }
    EXPECT_EQ(tree.position(), standing);
    EXPECT_DOUBLE_EQ(lander.position().y, 4 + 0.25);
    EXPECT_FALSE(lander.isAirborne());
    // The pusher's step toward the tree's centre is taken away: it slides round the trunk, never into it.
    EXPECT_FALSE(pusher.hits.empty());
    EXPECT_GT(std::hypot(pusher.position().x, pusher.position().z), tree.radius() + pusher.radius() - 0.02);
    EXPECT_GT(pusher.position().z, 0.5);
}

TEST(GardenTreeLeaf, IsADarkDiamondDrawnOutToABrightTipBentForward) {
    Garden::Tree::Mesh::Leaf leaf;
    ASSERT_EQ(leaf.vertices().size(), 4u);
    const Vertex& tip = leaf.nearestVertex(Vector(0, 2.125, 0.5));
    EXPECT_EQ(static_cast<const Vector&>(tip), Vector(0, 2.125, 0.5));
    EXPECT_EQ(tip.g, 1);
    EXPECT_EQ(tip.b, 1);
    for (const auto& v : leaf.vertices()) {
        if (v.get() != &tip) {
            EXPECT_EQ(v->g, 0.25);
            EXPECT_NEAR(v->z, 0, 1e-15);
        }
    }
    EXPECT_NEAR(leaf.bounds().min.y, 0, 1e-15);
}

TEST(GardenTreeMesh, OneLevelIsTheVOfTwoTwigsAndEveryLevelAddsATrunkSegmentAndAV) {
    std::srand(7);
    const double oneLevelHeight = Garden::Tree::Mesh(1).bounds().size().y;
    const struct {
        unsigned levels;
        std::size_t vertices;
        std::size_t faces;
    } cases[] = {{1, 9, 6}, {2, 18, 13}, {3, 27, 20}, {5, 45, 34}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.levels);
        Garden::Tree::Mesh tree(c.levels);
        EXPECT_EQ(tree.vertices().size(), c.vertices);
        EXPECT_EQ(tree.faces().size(), c.faces);
        const Bounds b = tree.bounds();
        EXPECT_NEAR(b.min.x + b.max.x, 0, 1e-12);
        EXPECT_NEAR(b.min.y + b.max.y, 0, 1e-12);
        EXPECT_NEAR(b.min.z + b.max.z, 0, 1e-12);
        EXPECT_NEAR(b.size().y, oneLevelHeight + c.levels - 1, 1e-9);
    }
}

TEST(GardenTreeMesh, OneLevelHasNoTrunkOnlyTwoTwigsFromOneNodeLeaningApart) {
    std::srand(7);
    Garden::Tree::Mesh v(1);
    int lines = 0;
    const Vertex& node = v.nearestVertex(Vector(0, v.bounds().min.y, 0));
    for (const auto& face : v.faces()) {
        const auto* line = dynamic_cast<const LineFace*>(face.get());
        if (line == nullptr || dynamic_cast<const TriangleFace*>(face.get()) != nullptr) {
            continue;
        }
        ++lines;
        // Each twig starts at the node and leans 45 degrees out, give or take the jitter.
        const Vertex* end = line->a == &node ? line->b : line->a;
        EXPECT_TRUE(line->a == &node || line->b == &node);
        EXPECT_NEAR(std::abs(end->x - node.x), end->y - node.y, 0.0625 * 2 + 1e-9);
        EXPECT_GT(end->y - node.y, 0.3);
    }
    EXPECT_EQ(lines, 2);
}

TEST(GardenTreeMesh, ZeroLevelsBuildsTheLowestVAlone) {
    EXPECT_EQ(Garden::Tree::Mesh(0).vertices().size(), 9u);
}

TEST(TanksTreeMesh, ThreeLayersNarrowUpwardAThirdApartAboveATrunkTwoHigh) {
    Tanks::Tree::Mesh tree(3, 0);
    const Bounds b = tree.bounds();
    const double base = b.min.y;
    EXPECT_NEAR(b.max.y - base, 1.5 + 2.0 / 3, 1e-12);
    EXPECT_NEAR(base + b.max.y, 0, 1e-12);
    // Apexes on the axis: the trunk's, then the three layers'.
    const struct {
        double apex;
        double rimRadius;  // 0 for the trunk, whose rim lies at the base
    } parts[] = {{2.0, 0}, {1.5, 1.0}, {1.5 + 1.0 / 3, 0.8}, {1.5 + 2.0 / 3, 1 / 1.5}};
    for (const auto& part : parts) {
        SCOPED_TRACE(part.apex);
        const Vertex& apex = tree.nearestVertex(Vector(0, base + part.apex, 0));
        EXPECT_NEAR(apex.distance(Vector(0, base + part.apex, 0)), 0, 1e-12);
        if (part.rimRadius > 0) {
            // Each layer is 0.9 high.
            const Vertex& rim = tree.nearestVertex(Vector(part.rimRadius, base + part.apex - 0.9, 0));
            EXPECT_NEAR(rim.y, base + part.apex - 0.9, 1e-12);
            EXPECT_NEAR(std::hypot(rim.x, rim.z), part.rimRadius, 1e-12);
        }
    }
    EXPECT_EQ(tree.vertices().size(), 4u * 8);
}

TEST(TanksTreeMesh, ZeroLevelsIsAPlainTrunkOneHigh) {
    Tanks::Tree::Mesh trunk(0, 0);
    EXPECT_EQ(trunk.vertices().size(), 8u);
    EXPECT_NEAR(trunk.bounds().size().y, 1.0, 1e-12);
}

TEST(Trees, PlacedOnTheGroundStandOnTheBaseOfTheirMesh) {
    std::srand(11);
    ClockStage stage;
    Garden::Tree garden(5);
    Tanks::Tree conifer(5, 0.1);
    for (Tree* tree : {static_cast<Tree*>(&garden), static_cast<Tree*>(&conifer)}) {
        tree->place(2, 3);
        EXPECT_NEAR(tree->position().y + tree->mesh().bounds().min.y, 0, 1e-12);
        EXPECT_TRUE(tree->isFixed());
    }
}

}  // namespace
