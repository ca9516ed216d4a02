#include "geometry/face.h"

#include <gtest/gtest.h>

#include <vector>

#include "geometry/color.h"
#include "geometry/matrix.h"
#include "geometry/vertex.h"

namespace {

std::vector<Vertex*> corners(Face& face) {
    std::vector<Vertex*> result;
    face.forEachVertex([&](Vertex*& v) { result.push_back(v); });
    return result;
}

TEST(Color, ScaleAndDivide) {
    Color c(1, 0.5, 0);
    c.divide(2);
    EXPECT_EQ(c.r, 0.5);
    EXPECT_EQ(c.g, 0.25);
    EXPECT_EQ(c.b, 0);
    c.divide(0);
    EXPECT_EQ(c.r, 0.5);
    EXPECT_EQ(c.g, 0.25);
    c.scale(4);
    EXPECT_EQ(c.r, 2);
    EXPECT_EQ(c.g, 1);
}

TEST(Color, Constants) {
    auto rgb = [](const Color& c) { return std::vector<double>{c.r, c.g, c.b}; };
    EXPECT_EQ(rgb(White), (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(rgb(Black), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(rgb(Cyan), (std::vector<double>{0, 1, 1}));
    EXPECT_EQ(rgb(Magenta), (std::vector<double>{1, 0, 1}));
}

TEST(Vertex, PositionAndColourOperations) {
    Vertex v(1, 2, 3, 0.1, 0.2, 0.3);
    Vertex copy = v;
    EXPECT_EQ(static_cast<Vector&>(copy), Vector(1, 2, 3));
    EXPECT_EQ(copy.b, 0.3);
    EXPECT_EQ(&v.translate(Vector(1, 1, 1)), &v);
    EXPECT_EQ(static_cast<Vector&>(v), Vector(2, 3, 4));
    v.transform(Matrix().translation(0, 0, -4));
    EXPECT_EQ(static_cast<Vector&>(v), Vector(2, 3, 0));
    v.set(Vector(7, 8, 9));
    EXPECT_EQ(static_cast<Vector&>(v), Vector(7, 8, 9));
    static_cast<Color&>(v) = Cyan;
    EXPECT_EQ(v.r, 0);
    EXPECT_EQ(v.g, 1);
    EXPECT_EQ(v.x, 7);
}

class Faces : public ::testing::Test {
  protected:
    Vertex v{0, 0, 0, 1, 1, 1};
    Vertex w{0, 0, 0, 1, 1, 1};
    Vertex x{1, 0, 0, 1, 1, 1};
    Vertex y{0, 1, 0, 1, 1, 1};
};

TEST_F(Faces, DegenerateMeansSharedVertexNotEqualCoordinates) {
    EXPECT_FALSE(Face(&v).degenerate());
    EXPECT_TRUE(LineFace(&v, &v).degenerate());
    EXPECT_FALSE(LineFace(&v, &w).degenerate());
    EXPECT_TRUE(TriangleFace(&v, &x, &v).degenerate());
    EXPECT_TRUE(TriangleFace(&v, &v, &x).degenerate());
    EXPECT_TRUE(TriangleFace(&x, &v, &v).degenerate());
    Vertex same1(2, 2, 2, 1, 1, 1), same2(2, 2, 2, 1, 1, 1), same3(2, 2, 2, 1, 1, 1);
    EXPECT_FALSE(TriangleFace(&same1, &same2, &same3).degenerate());
}

TEST_F(Faces, UsesComparesIdentity) {
    TriangleFace t(&v, &x, &y);
    EXPECT_TRUE(t.uses(&v));
    EXPECT_TRUE(t.uses(&x));
    EXPECT_TRUE(t.uses(&y));
    EXPECT_FALSE(t.uses(&w));
    LineFace l(&v, &x);
    EXPECT_TRUE(l.uses(&x));
    EXPECT_FALSE(l.uses(&y));
    EXPECT_FALSE(Face(&v).uses(&w));
}

TEST_F(Faces, ReplaceRepointsEveryReference) {
    TriangleFace t(&v, &x, &v);
    EXPECT_EQ(&t.replace(&v, &w), &t);
    EXPECT_EQ(corners(t), (std::vector<Vertex*>{&w, &x, &w}));
    EXPECT_FALSE(t.uses(&v));
    LineFace l(&x, &y);
    l.replace(&y, &v);
    EXPECT_EQ(corners(l), (std::vector<Vertex*>{&x, &v}));
    Face f(&y);
    f.replace(&x, &v);
    EXPECT_EQ(f.a, &y);
    f.replace(&y, &v);
    EXPECT_EQ(f.a, &v);
}

TEST_F(Faces, ClonesShareVerticesAndKeepTheirClass) {
    TriangleFace t(&v, &x, &y);
    auto clone = t.clone();
    ASSERT_NE(dynamic_cast<TriangleFace*>(clone.get()), nullptr);
    EXPECT_EQ(corners(*clone), (std::vector<Vertex*>{&v, &x, &y}));
    clone->replace(&x, &w);
    EXPECT_EQ(t.b, &x);
    auto line = LineFace(&v, &x).clone();
    EXPECT_EQ(dynamic_cast<TriangleFace*>(line.get()), nullptr);
    ASSERT_NE(dynamic_cast<LineFace*>(line.get()), nullptr);
    EXPECT_EQ(corners(*line), (std::vector<Vertex*>{&v, &x}));
    auto point = Face(&y).clone();
    EXPECT_EQ(dynamic_cast<LineFace*>(point.get()), nullptr);
    EXPECT_EQ(point->a, &y);
}

}  // namespace
