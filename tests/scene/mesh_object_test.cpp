#include "scene/mesh_object.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "geometry/face.h"
#include "scene/registry.h"
#include "scene/scene_support.h"
#include "support/gl_context.h"

namespace {

TEST(MeshObjectSize, ComesFromTheBoundingBox) {
    TestBox box(2, 1, 2);
    EXPECT_DOUBLE_EQ(box.radius(), std::sqrt(8.0) / 2);
    EXPECT_DOUBLE_EQ(box.halfHeight(), 0.5);
}

TEST(MeshObjectSize, IsMeasuredOnceAndKept) {
    TestBox box(2, 1, 2);
    EXPECT_DOUBLE_EQ(box.radius(), std::sqrt(8.0) / 2);
    EXPECT_DOUBLE_EQ(box.halfHeight(), 0.5);
    box.addCorners(10, 10, 10);
    EXPECT_DOUBLE_EQ(box.radius(), std::sqrt(8.0) / 2);
    EXPECT_DOUBLE_EQ(box.halfHeight(), 0.5);
}

TEST(MeshObjectSize, AFlatSizeIsMeasuredAgainOnEveryCall) {
    TestBox flat(0, 1, 0);
    EXPECT_EQ(flat.radius(), 0);
    EXPECT_DOUBLE_EQ(flat.halfHeight(), 0.5);
    flat.addCorners(6, 4, 8);
    EXPECT_DOUBLE_EQ(flat.radius(), 5);
    EXPECT_DOUBLE_EQ(flat.halfHeight(), 0.5);
}

TEST(MeshObjectSize, AnEmptyMeshHasNoSize) {
    class Empty : public MeshObject {
      public:
        const Mesh& mesh() const override { return mesh_; }

      private:
        Mesh mesh_;
    } empty;
    EXPECT_EQ(empty.radius(), 0);
    EXPECT_EQ(empty.halfHeight(), 0);

    std::ostringstream expected;
    expected << empty.mesh() << "\n\n"
             << "       0        0";
    std::ostringstream out;
    out << static_cast<const Object&>(empty);
    EXPECT_EQ(out.str(), expected.str());
}

TEST(MeshObjectPrint, WritesTheMeshABlankLineAndTheSize) {
    TestBox box(3, 1, 4);
    std::ostringstream mesh;
    mesh << box.mesh();
    std::ostringstream out;
    box.print(out);
    EXPECT_EQ(out.str(), mesh.str() + "\n\n     2.5      0.5");
}

TEST(MeshObjectRegistry, ComesAndGoesWithTheObject) {
    ASSERT_TRUE(registry.empty());
    {
        TestBox box(1, 1, 1);
        EXPECT_EQ(registry, std::vector<Object*>{&box});
        EXPECT_FALSE(box.isActive());
    }
    EXPECT_TRUE(registry.empty());
}

// One point at the mesh origin, to see where drawing puts it.
class Marker : public MeshObject {
  public:
    Marker() {
        mesh_.addFace(std::make_unique<Face>(mesh_.addVertex(std::make_unique<Vertex>(0, 0, 0, 1, 1, 1))));
    }
    const Mesh& mesh() const override { return mesh_; }
    bool isFixed() const override { return fixed; }
    bool fixed = false;

  private:
    Mesh mesh_;
};

class MeshObjectDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        marker.placement().translation(0.25, 0, 0);
        marker.modelTransform().translation(0.25, 0.5, 0);
    }

    // Draws the marker the way a frame does and returns where its point lands in the 64 x 64 window.
    FeedbackVertex drawnPoint() {
        auto primitives = captureFeedback([&] {
            glPushMatrix();
            glMultMatrixd(marker.placement().m);
            marker.draw();
            glPopMatrix();
        });
        EXPECT_EQ(primitives.size(), 1u);
        EXPECT_EQ(primitives.at(0).kind, static_cast<GLenum>(GL_POINT_TOKEN));
        return primitives.at(0).vertices.at(0);
    }

    TestGlContext context;
    Marker marker;
};

TEST_F(MeshObjectDraw, AppliesTheModelTransformAfterThePlacement) {
    FeedbackVertex point = drawnPoint();
    EXPECT_FLOAT_EQ(point.x, 48);
    EXPECT_FLOAT_EQ(point.y, 48);
}

TEST_F(MeshObjectDraw, AFixedObjectDrawsWithoutTheModelTransform) {
    marker.fixed = true;
    FeedbackVertex point = drawnPoint();
    EXPECT_FLOAT_EQ(point.x, 40);
    EXPECT_FLOAT_EQ(point.y, 32);
}

TEST_F(MeshObjectDraw, LeavesTheTransformOnTheCurrentMatrixWithoutPushing) {
    GLint depthBefore = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    marker.draw();
    GLint depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    GLdouble current[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, current);
    for (int i = 0; i < 16; ++i) {
        EXPECT_DOUBLE_EQ(current[i], marker.modelTransform().m[i]) << i;
    }
}

}  // namespace

// A triangle over the middle of the window that turns its back to the viewer (clockwise on screen).
class BackFacing : public MeshObject {
  public:
    explicit BackFacing(bool culls) : culls_(culls) {
        Vertex* a = mesh_.addVertex(std::make_unique<Vertex>(-0.5, -0.5, 0, 1, 1, 1));
        Vertex* b = mesh_.addVertex(std::make_unique<Vertex>(0, 0.5, 0, 1, 1, 1));
        Vertex* c = mesh_.addVertex(std::make_unique<Vertex>(0.5, -0.5, 0, 1, 1, 1));
        mesh_.addFace(std::make_unique<TriangleFace>(a, b, c));
    }
    const Mesh& mesh() const override { return mesh_; }
    bool cullsBackFaces() const override { return culls_; }

  private:
    bool culls_;
    Mesh mesh_;
};

TEST(MeshObjectCulling, OnlyAnObjectThatCullsLosesItsBackFacesAndCullingStaysAsItWas) {
    TestGlContext context;
    struct Case {
        bool culling;
        bool objectCulls;
        bool shown;
    };
    for (const Case& c : {Case{true, false, true}, Case{true, true, false}, Case{false, false, true},
                          Case{false, true, true}}) {
        SCOPED_TRACE(::testing::Message() << "culling " << c.culling << ", object culls " << c.objectCulls);
        BackFacing triangle(c.objectCulls);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (c.culling) {
            glEnable(GL_CULL_FACE);
        } else {
            glDisable(GL_CULL_FACE);
        }
        glDrawBuffer(GL_BACK);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        triangle.draw();
        EXPECT_EQ(glIsEnabled(GL_CULL_FACE), c.culling ? GL_TRUE : GL_FALSE);
        GLubyte centre[4] = {};
        glReadBuffer(GL_BACK);
        glReadPixels(32, 32, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre);
        EXPECT_EQ(centre[0], c.shown ? 255 : 0);
    }
    glDisable(GL_CULL_FACE);
}
