#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <unordered_set>

#include "geometry/box_mesh.h"
#include "geometry/cone_mesh.h"
#include "geometry/cylinder_mesh.h"
#include "geometry/dot_mesh.h"
#include "geometry/grid_mesh.h"
#include "geometry/line_mesh.h"
#include "geometry/rect_mesh.h"
#include "geometry/ring_mesh.h"
#include "geometry/sphere_mesh.h"
#include "geometry/triangle_mesh.h"
#include "mesh_checks.h"

namespace {

constexpr double pi = std::numbers::pi;
using Faces = std::vector<std::vector<long>>;

Vector cross(const Vector& u, const Vector& v) {
    return Vector(u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x);
}

Vector normal(const TriangleFace& face) {
    return cross(Vector(*face.b).subtract(*face.a), Vector(*face.c).subtract(*face.a));
}

// Every triangle's (b - a) x (c - a) points away from the centre of the bounds.
void expectFacingOutward(const Mesh& mesh) {
    Vector center = mesh.bounds().center();
    for (std::size_t i = 0; i < mesh.faces().size(); ++i) {
        const auto* triangle = dynamic_cast<const TriangleFace*>(mesh.faces()[i].get());
        ASSERT_NE(triangle, nullptr);
        Vector middle = Vector(*triangle->a).add(*triangle->b).add(*triangle->c).divide(3);
        EXPECT_GT(normal(*triangle).dot(middle.subtract(center)), 1e-9) << "face " << i;
    }
}

// No NaN, every face refers to its own mesh's vertices, no two vertices as close as merging welds,
// and every vertex is white.
void expectSound(const Mesh& mesh) {
    std::unordered_set<const Vertex*> own;
    for (const auto& v : mesh.vertices()) {
        own.insert(v.get());
        EXPECT_FALSE(std::isnan(v->x) || std::isnan(v->y) || std::isnan(v->z));
        EXPECT_TRUE(v->r == 1 && v->g == 1 && v->b == 1);
    }
    for (const auto& face : mesh.faces()) {
        face->forEachVertex([&](Vertex*& v) { EXPECT_TRUE(own.contains(v)); });
        EXPECT_FALSE(face->degenerate());
    }
    const auto& vs = mesh.vertices();
    for (std::size_t i = 0; i < vs.size(); ++i) {
        for (std::size_t j = i + 1; j < vs.size(); ++j) {
            EXPECT_GE(vs[i]->distance(*vs[j]), 0.001) << i << " and " << j;
        }
    }
}

void expectEmpty(const Mesh& mesh) {
    EXPECT_TRUE(mesh.vertices().empty());
    EXPECT_TRUE(mesh.faces().empty());
}

TEST(FlatMeshes, DotLineAndTriangle) {
    DotMesh dot;
    EXPECT_EQ(positions(dot), (std::vector<Vector>{Origin}));
    EXPECT_EQ(faceIndices(dot), (Faces{{0}}));
    LineMesh line(0, 0, 0, 1, 2, 3);
    EXPECT_EQ(positions(line), (std::vector<Vector>{{1, 2, 3}, {0, 0, 0}}));
    EXPECT_EQ(faceIndices(line), (Faces{{1, 0}}));
    EXPECT_NE(dynamic_cast<const LineFace*>(line.faces()[0].get()), nullptr);
    TriangleMesh triangle;
    EXPECT_EQ(positions(triangle), (std::vector<Vector>{{1, 0, 0}, {0, 1, 0}, {0, 0, 0}}));
    EXPECT_EQ(faceIndices(triangle), (Faces{{2, 1, 0}}));
    EXPECT_EQ(normal(static_cast<const TriangleFace&>(*triangle.faces()[0])), Vector(0, 0, -1));
    for (const Mesh* mesh : std::initializer_list<const Mesh*>{&dot, &line, &triangle}) {
        expectSound(*mesh);
    }
}

TEST(FlatMeshes, RectIsExactUnitSquare) {
    RectMesh rect;
    EXPECT_EQ(positions(rect), (std::vector<Vector>{{1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1, 1, 0}}));
    EXPECT_EQ(faceIndices(rect), (Faces{{2, 1, 0}, {3, 0, 1}}));
    for (const auto& face : rect.faces()) {
        Vector n = normal(static_cast<const TriangleFace&>(*face));
        EXPECT_EQ(n.x, 0);
        EXPECT_EQ(n.y, 0);
        EXPECT_LT(n.z, 0);
    }
}

TEST(FlatMeshes, RingCornersRunFromXTowardMinusZ) {
    RingMesh four(4);
    expectPositionsNear(four, {{0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 0, 1}}, 1e-15);
    EXPECT_EQ(faceIndices(four), (Faces{{1, 0}, {0, 2}, {2, 3}, {3, 1}}));
    for (unsigned n = 3; n <= 40; ++n) {
        SCOPED_TRACE(n);
        RingMesh ring(n);
        ASSERT_EQ(ring.vertices().size(), n);
        ASSERT_EQ(ring.faces().size(), n);
        expectSound(ring);
        for (unsigned k = 0; k < n; ++k) {
            const auto& line = static_cast<const LineFace&>(*ring.faces()[k]);
            double angle = 2 * pi * k / n, next = 2 * pi * (k + 1) / n;
            EXPECT_TRUE(near(*line.a, Vector(std::cos(angle), 0, -std::sin(angle)), 1e-9));
            EXPECT_TRUE(near(*line.b, Vector(std::cos(next), 0, -std::sin(next)), 1e-9));
        }
    }
}

TEST(FlatMeshes, SmallRings) {
    RingMesh one(1);
    ASSERT_EQ(one.vertices().size(), 2u);
    ASSERT_EQ(one.faces().size(), 1u);
    EXPECT_GT(one.vertices()[0]->distance(*one.vertices()[1]), 0);
    EXPECT_LT(one.vertices()[0]->distance(*one.vertices()[1]), 1e-15);
    RingMesh two(2);
    expectPositionsNear(two, {{-1, 0, 0}, {1, 0, 0}}, 1e-15);
    EXPECT_EQ(faceIndices(two), (Faces{{1, 0}, {0, 1}}));
    expectEmpty(RingMesh(0));
}

TEST(FlatMeshes, GridOrderAndCounts) {
    GridMesh grid(2, 3);
    EXPECT_EQ(positions(grid), (std::vector<Vector>{{1, 0, 0},
                                                    {0, 1, 0},
                                                    {0, 0, 0},
                                                    {1, 1, 0},
                                                    {2, 0, 0},
                                                    {2, 1, 0},
                                                    {0, 2, 0},
                                                    {1, 2, 0},
                                                    {2, 2, 0},
                                                    {0, 3, 0},
                                                    {1, 3, 0},
                                                    {2, 3, 0}}));
    EXPECT_EQ(grid.faces().size(), 12u);
    EXPECT_EQ(grid.bounds().min, Origin);
    EXPECT_EQ(grid.bounds().max, Vector(2, 3, 0));
    EXPECT_EQ(positions(GridMesh(1, 1)), positions(RectMesh()));
    EXPECT_EQ(faceIndices(GridMesh(1, 1)), faceIndices(RectMesh()));
    for (unsigned rows = 0; rows < 4; ++rows) {
        EXPECT_EQ(positions(GridMesh(0, rows)), positions(GridMesh(1, rows)));
        EXPECT_EQ(faceIndices(GridMesh(0, rows)), faceIndices(GridMesh(1, rows)));
    }
    for (unsigned columns = 1; columns <= 6; ++columns) {
        for (unsigned rows = 1; rows <= 6; ++rows) {
            SCOPED_TRACE(::testing::Message() << columns << " x " << rows);
            GridMesh g(columns, rows);
            EXPECT_EQ(g.vertices().size(), (columns + 1) * (rows + 1));
            EXPECT_EQ(g.faces().size(), 2 * columns * rows);
            expectSound(g);
            for (const auto& face : g.faces()) {
                EXPECT_LT(normal(static_cast<const TriangleFace&>(*face)).z, 0);
            }
        }
    }
}

TEST(SolidMeshes, UnitBoxOrder) {
    std::vector<Vector> corners{{1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1, 1, 0},
                                {1, 1, 1}, {0, 0, 1}, {0, 1, 1}, {1, 0, 1}};
    BoxMesh closed(true, 1, 1, 1);
    EXPECT_EQ(positions(closed), corners);
    EXPECT_EQ(closed.faces().size(), 12u);
    BoxMesh open(false, 1, 1, 1);
    EXPECT_EQ(positions(open), corners);
    EXPECT_EQ(open.faces().size(), 8u);
}

TEST(SolidMeshes, BoxFacesComeSideBySide) {
    BoxMesh box(true, 2, 3, 4);
    EXPECT_EQ(box.vertices().size(), 54u);
    EXPECT_EQ(box.faces().size(), 104u);
    EXPECT_EQ(box.bounds().min, Origin);
    EXPECT_EQ(box.bounds().max, Vector(2, 3, 4));
    // z = 0, z = d, x = w, x = 0, y = h, y = 0: 12, 12, 24, 24, 16, 16 triangles.
    struct Side {
        double Vector::*axis;
        double value;
        std::size_t count;
    };
    std::vector<Side> sides{{&Vector::z, 0, 12}, {&Vector::z, 4, 12}, {&Vector::x, 2, 24},
                            {&Vector::x, 0, 24}, {&Vector::y, 3, 16}, {&Vector::y, 0, 16}};
    std::size_t i = 0;
    for (const Side& side : sides) {
        for (std::size_t k = 0; k < side.count; ++k, ++i) {
            const auto& t = static_cast<const TriangleFace&>(*box.faces()[i]);
            EXPECT_EQ(t.a->*side.axis, side.value) << "face " << i;
            EXPECT_EQ(t.b->*side.axis, side.value) << "face " << i;
            EXPECT_EQ(t.c->*side.axis, side.value) << "face " << i;
        }
    }
}

TEST(SolidMeshes, BoxCountsAndShape) {
    for (unsigned w = 1; w <= 4; ++w) {
        for (unsigned h = 1; h <= 4; ++h) {
            for (unsigned d = 1; d <= 4; ++d) {
                SCOPED_TRACE(::testing::Message() << w << " x " << h << " x " << d);
                BoxMesh closed(true, w, h, d);
                EXPECT_EQ(closed.vertices().size(),
                          (w + 1) * (h + 1) * (d + 1) - (w - 1) * (h - 1) * (d - 1));
                EXPECT_EQ(closed.faces().size(), 4 * (w * h + w * d + h * d));
                expectSound(closed);
                expectFacingOutward(closed);
                BoxMesh open(false, w, h, d);
                EXPECT_EQ(open.vertices().size(),
                          (w + 1) * (h + 1) * (d + 1) - (w - 1) * (h - 1) * (d - 1) - 2 * (w - 1) * (d - 1));
                EXPECT_EQ(open.faces().size(), 4 * (w * h + h * d));
                expectSound(open);
                expectFacingOutward(open);
                for (const auto& v : closed.vertices()) {
                    EXPECT_EQ(v->x, std::round(v->x));
                    EXPECT_EQ(v->y, std::round(v->y));
                    EXPECT_EQ(v->z, std::round(v->z));
                }
                for (const auto& face : open.faces()) {
                    Vector n = normal(static_cast<const TriangleFace&>(*face));
                    EXPECT_EQ(n.y, 0) << "an open box has no face across Y";
                }
            }
        }
    }
}

TEST(SolidMeshes, ConeOrder) {
    ConeMesh open(4, 2, false);
    expectPositionsNear(open, {{0, 2, 0}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 0, 1}}, 1e-15);
    EXPECT_EQ(faceIndices(open), (Faces{{0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 1}}));
    ConeMesh closed(4, 2, true);
    expectPositionsNear(closed, {{0, 2, 0}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 0, 1}, {0, 0, 0}}, 1e-15);
    EXPECT_EQ(
        faceIndices(closed),
        (Faces{{0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 1}, {5, 1, 4}, {5, 4, 3}, {5, 3, 2}, {5, 2, 1}}));
}

TEST(SolidMeshes, ConeShapes) {
    for (unsigned n = 3; n <= 24; ++n) {
        for (double height : {0.5, 1.0, 2.0, 7.0}) {
            SCOPED_TRACE(::testing::Message() << n << " segments, height " << height);
            ConeMesh open(n, height, false);
            EXPECT_EQ(open.vertices().size(), n + 1);
            EXPECT_EQ(open.faces().size(), n);
            expectSound(open);
            ConeMesh closed(n, height, true);
            EXPECT_EQ(closed.vertices().size(), n + 2);
            EXPECT_EQ(closed.faces().size(), 2 * n);
            expectSound(closed);
            expectFacingOutward(closed);
        }
        ConeMesh disc(n, 0, false);
        for (const auto& face : disc.faces()) {
            EXPECT_GT(normal(static_cast<const TriangleFace&>(*face)).y, 0);
        }
        // A flat closed cone welds the base centre onto the apex.
        ConeMesh flat(n, 0, true);
        EXPECT_EQ(flat.vertices().size(), n + 1);
        EXPECT_EQ(flat.faces().size(), 2 * n);
    }
}

TEST(SolidMeshes, SmallCones) {
    ConeMesh one(1, 3, false);
    EXPECT_EQ(one.vertices().size(), 2u);
    EXPECT_TRUE(one.faces().empty());
    ConeMesh two(2, 3, false);
    EXPECT_EQ(two.vertices().size(), 3u);
    EXPECT_EQ(faceIndices(two), (Faces{{0, 1, 2}, {0, 2, 1}}));
}

TEST(SolidMeshes, CylinderCounts) {
    CylinderMesh plain(4, 1, false, false);
    EXPECT_EQ(plain.vertices().size(), 8u);
    EXPECT_EQ(plain.faces().size(), 8u);
    CylinderMesh ends(4, 1, true, true);
    EXPECT_EQ(ends.vertices().size(), 10u);
    EXPECT_EQ(ends.faces().size(), 16u);
    EXPECT_TRUE(near(*ends.vertices()[8], Vector(0, 1, 0)));
    EXPECT_TRUE(near(*ends.vertices()[9], Vector(0, 0, 0)));
    CylinderMesh wheel(8, 2, true, true);
    EXPECT_EQ(wheel.vertices().size(), 26u);
    EXPECT_EQ(wheel.faces().size(), 48u);
    for (unsigned n = 3; n <= 16; ++n) {
        for (unsigned rows = 1; rows <= 5; ++rows) {
            for (int ends = 0; ends < 4; ++ends) {
                bool top = ends & 1, bottom = ends & 2;
                SCOPED_TRACE(::testing::Message() << n << " segments, " << rows << " rows, ends " << ends);
                CylinderMesh c(n, rows, top, bottom);
                EXPECT_EQ(c.vertices().size(), n * (rows + 1) + top + bottom);
                EXPECT_EQ(c.faces().size(), 2 * n * rows + n * (top + bottom));
                EXPECT_EQ(c.bounds().max.y, rows);
                EXPECT_EQ(c.bounds().min.y, 0);
                expectSound(c);
                if (top && bottom) {
                    expectFacingOutward(c);
                }
                for (const auto& v : c.vertices()) {
                    double radius = std::hypot(v->x, v->z);
                    EXPECT_TRUE(std::abs(radius - 1) < 1e-12 || radius < 1e-12);
                }
            }
        }
    }
}

TEST(SolidMeshes, CylinderWallFacesOutward) {
    for (unsigned n = 3; n <= 16; ++n) {
        CylinderMesh c(n, 3, false, false);
        for (const auto& face : c.faces()) {
            const auto& t = static_cast<const TriangleFace&>(*face);
            Vector middle = Vector(*t.a).add(*t.b).add(*t.c);
            middle.y = 0;
            EXPECT_GT(normal(t).dot(middle), 0);
        }
    }
}

TEST(SolidMeshes, SphereOrderAndCounts) {
    SphereMesh small(4, 2);
    expectPositionsNear(
        small, {{0, 0, 0}, {0, 0.5, -0.5}, {0.5, 0.5, 0}, {-0.5, 0.5, 0}, {0, 0.5, 0.5}, {0, 1, 0}}, 1e-15);
    EXPECT_EQ(small.faces().size(), 8u);
    SphereMesh ball(8, 4);
    EXPECT_EQ(ball.vertices().size(), 26u);
    EXPECT_EQ(ball.faces().size(), 48u);
    for (unsigned n = 3; n <= 16; ++n) {
        for (unsigned rows = 2; rows <= 8; ++rows) {
            SCOPED_TRACE(::testing::Message() << n << " segments, " << rows << " rows");
            SphereMesh s(n, rows);
            EXPECT_EQ(s.vertices().size(), n * (rows - 1) + 2);
            EXPECT_EQ(s.faces().size(), 2 * n * (rows - 1));
            expectSound(s);
            expectFacingOutward(s);
            for (const auto& v : s.vertices()) {
                EXPECT_NEAR(Vector(*v).subtract(Vector(0, 0.5, 0)).length(), 0.5, 1e-12);
            }
        }
    }
}

TEST(SolidMeshes, OneRowSphereCollapses) {
    for (unsigned n = 1; n <= 8; ++n) {
        expectEmpty(SphereMesh(n, 1));
    }
}

TEST(SolidMeshes, NoSegmentsOrRowsGiveEmptyMeshes) {
    expectEmpty(ConeMesh(0, 2, false));
    expectEmpty(ConeMesh(0, 2, true));
    expectEmpty(CylinderMesh(0, 3, true, true));
    expectEmpty(CylinderMesh(0, 1, false, false));
    expectEmpty(SphereMesh(0, 4));
    expectEmpty(SphereMesh(8, 0));
    expectEmpty(SphereMesh(0, 0));
}

}  // namespace
