#include <gtest/gtest.h>

#include <cmath>

#include "geometry/dot_mesh.h"
#include "geometry/line_mesh.h"
#include "geometry/mesh.h"
#include "geometry/rect_mesh.h"
#include "support/gl_context.h"

namespace {

constexpr float colourTolerance = 1.0f / 255;

class MeshDrawing : public ::testing::Test {
  protected:
    TestGlContext context{64, 64};

    void SetUp() override {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_CULL_FACE);
    }

    // Window position of a point given in normalised device coordinates.
    float window(double ndc) const { return static_cast<float>((ndc + 1) * 32); }

    void expectVertex(const FeedbackVertex& actual, const Vertex& expected) const {
        EXPECT_NEAR(actual.x, window(expected.x), 0.01);
        EXPECT_NEAR(actual.y, window(expected.y), 0.01);
        EXPECT_NEAR(actual.r, expected.r, colourTolerance);
        EXPECT_NEAR(actual.g, expected.g, colourTolerance);
        EXPECT_NEAR(actual.b, expected.b, colourTolerance);
    }
};

TEST_F(MeshDrawing, ColorSetsTheCurrentColour) {
    Color(0.25, 0.5, 0.75).draw();
    GLdouble current[4];
    glGetDoublev(GL_CURRENT_COLOR, current);
    EXPECT_NEAR(current[0], 0.25, colourTolerance);
    EXPECT_NEAR(current[1], 0.5, colourTolerance);
    EXPECT_NEAR(current[2], 0.75, colourTolerance);
}

TEST_F(MeshDrawing, MeshEmitsOnePrimitivePerFaceInOrder) {
    Mesh mesh;
    Vertex* a = mesh.addVertex(std::make_unique<Vertex>(-0.5, -0.5, 0, 1, 0, 0));
    Vertex* b = mesh.addVertex(std::make_unique<Vertex>(0.5, -0.5, 0, 0, 1, 0));
    Vertex* c = mesh.addVertex(std::make_unique<Vertex>(0, 0.5, 0, 0, 0, 1));
    Vertex* d = mesh.addVertex(std::make_unique<Vertex>(0.25, 0.25, 0, 0.5, 0.5, 0.25));
    mesh.addFace(std::make_unique<TriangleFace>(a, b, c));
    mesh.addFace(std::make_unique<Face>(d));
    mesh.addFace(std::make_unique<LineFace>(c, a));
    mesh.addFace(std::make_unique<TriangleFace>(d, c, b));
    auto primitives = captureFeedback([&] { mesh.draw(); });
    ASSERT_EQ(primitives.size(), 4u);
    EXPECT_EQ(primitives[0].kind, static_cast<GLenum>(GL_POLYGON_TOKEN));
    ASSERT_EQ(primitives[0].vertices.size(), 3u);
    expectVertex(primitives[0].vertices[0], *a);
    expectVertex(primitives[0].vertices[1], *b);
    expectVertex(primitives[0].vertices[2], *c);
    EXPECT_EQ(primitives[1].kind, static_cast<GLenum>(GL_POINT_TOKEN));
    expectVertex(primitives[1].vertices[0], *d);
    EXPECT_TRUE(primitives[2].kind == GL_LINE_TOKEN || primitives[2].kind == GL_LINE_RESET_TOKEN);
    ASSERT_EQ(primitives[2].vertices.size(), 2u);
    expectVertex(primitives[2].vertices[0], *c);
    expectVertex(primitives[2].vertices[1], *a);
    ASSERT_EQ(primitives[3].vertices.size(), 3u);
    expectVertex(primitives[3].vertices[0], *d);
    expectVertex(primitives[3].vertices[1], *c);
    expectVertex(primitives[3].vertices[2], *b);
}

TEST_F(MeshDrawing, PrimitivesDrawTheirFacesWithVertexColours) {
    RectMesh rect;
    rect.translate(-0.5, -0.5, 0).scale(0.5).paint(Cyan).paintNearestVertex(0.25, 0.25, 0, Magenta);
    auto primitives = captureFeedback([&] { rect.draw(); });
    ASSERT_EQ(primitives.size(), 2u);
    const auto& vs = rect.vertices();
    expectVertex(primitives[0].vertices[0], *vs[2]);
    expectVertex(primitives[0].vertices[1], *vs[1]);
    expectVertex(primitives[0].vertices[2], *vs[0]);
    expectVertex(primitives[1].vertices[0], *vs[3]);
    EXPECT_NEAR(primitives[1].vertices[0].r, 1, colourTolerance);

    LineMesh line(-0.5, 0, 0, 0.5, 0, 0);
    line.paintNearestVertex(0.5, 0, 0, Magenta);
    auto lines = captureFeedback([&] { line.draw(); });
    ASSERT_EQ(lines.size(), 1u);
    expectVertex(lines[0].vertices[0], *line.vertices()[1]);
    expectVertex(lines[0].vertices[1], *line.vertices()[0]);
    EXPECT_NEAR(lines[0].vertices[1].g, 0, colourTolerance);
    EXPECT_NEAR(lines[0].vertices[0].g, 1, colourTolerance);

    auto points = captureFeedback([] { DotMesh().draw(); });
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].kind, static_cast<GLenum>(GL_POINT_TOKEN));
    EXPECT_NEAR(points[0].vertices[0].x, 32, 0.01);
}

}  // namespace
