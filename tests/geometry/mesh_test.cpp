#include "geometry/mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>
#include <typeinfo>

#include "geometry/grid_mesh.h"
#include "geometry/line_mesh.h"
#include "geometry/rect_mesh.h"
#include "mesh_checks.h"

namespace {

Vertex* addVertex(Mesh& mesh, double x, double y, double z) {
    return mesh.addVertex(std::make_unique<Vertex>(x, y, z, 1, 1, 1));
}

// Welding done literally: every close pair in order, each replacing in every face, then the clean-up.
struct Skeleton {
    std::vector<Vector> vertices;
    std::vector<std::vector<long>> faces;
};

Skeleton referenceWeld(Skeleton s, double tolerance) {
    for (std::size_t a = 0; a < s.vertices.size(); ++a) {
        for (std::size_t b = a + 1; b < s.vertices.size(); ++b) {
            if (s.vertices[a].distance(s.vertices[b]) < tolerance) {
                for (auto& face : s.faces) {
                    for (long& corner : face) {
                        if (corner == static_cast<long>(b)) {
                            corner = static_cast<long>(a);
                        }
                    }
                }
            }
        }
    }
    std::erase_if(s.faces, [](const std::vector<long>& f) {
        return (f.size() >= 2 && f[0] == f[1]) || (f.size() == 3 && (f[2] == f[0] || f[2] == f[1]));
    });
    std::vector<long> renumbered(s.vertices.size(), -1);
    std::vector<Vector> kept;
    for (std::size_t i = 0; i < s.vertices.size(); ++i) {
        bool used = false;
        for (const auto& face : s.faces) {
            used = used || std::find(face.begin(), face.end(), static_cast<long>(i)) != face.end();
        }
        if (used) {
            renumbered[i] = static_cast<long>(kept.size());
            kept.push_back(s.vertices[i]);
        }
    }
    for (auto& face : s.faces) {
        for (long& corner : face) {
            corner = renumbered[corner];
        }
    }
    s.vertices = kept;
    return s;
}

Mesh build(const Skeleton& s) {
    Mesh mesh;
    std::vector<Vertex*> vs;
    for (const auto& p : s.vertices) {
        vs.push_back(addVertex(mesh, p.x, p.y, p.z));
    }
    for (const auto& f : s.faces) {
        if (f.size() == 1) {
            mesh.addFace(std::make_unique<Face>(vs[f[0]]));
        } else if (f.size() == 2) {
            mesh.addFace(std::make_unique<LineFace>(vs[f[0]], vs[f[1]]));
        } else {
            mesh.addFace(std::make_unique<TriangleFace>(vs[f[0]], vs[f[1]], vs[f[2]]));
        }
    }
    return mesh;
}

void expectWeldMatchesReference(const Skeleton& s, double tolerance) {
    Mesh mesh = build(s);
    mesh.weld(tolerance);
    Skeleton expected = referenceWeld(s, tolerance);
    auto actualPositions = positions(mesh);
    ASSERT_EQ(actualPositions.size(), expected.vertices.size());
    for (std::size_t i = 0; i < actualPositions.size(); ++i) {
        // NaN never equals itself; compare bit-for-bit through the stream form instead.
        std::ostringstream a, e;
        a << actualPositions[i];
        e << expected.vertices[i];
        ASSERT_EQ(a.str(), e.str()) << "vertex " << i;
    }
    ASSERT_EQ(faceIndices(mesh), expected.faces);
}

Skeleton randomSkeleton(std::mt19937& random, std::size_t vertexCount, std::size_t faceCount,
                        double spacing) {
    Skeleton s;
    std::uniform_int_distribution<int> lattice(0, 5);
    std::uniform_real_distribution<double> noise(-0.3, 0.3);
    for (std::size_t i = 0; i < vertexCount; ++i) {
        // Few lattice points plus noise make close pairs, chains and far pairs all common.
        s.vertices.emplace_back((lattice(random) + noise(random)) * spacing, (lattice(random) % 2) * spacing,
                                noise(random) * spacing);
    }
    std::uniform_int_distribution<long> pick(0, static_cast<long>(vertexCount) - 1);
    std::uniform_int_distribution<int> kind(1, 3);
    for (std::size_t i = 0; i < faceCount; ++i) {
        std::vector<long> face;
        for (int k = kind(random); k > 0; --k) {
            face.push_back(pick(random));
        }
        s.faces.push_back(face);
    }
    return s;
}

TEST(Mesh, EmptyBoundsAreZero) {
    Bounds box = Mesh().bounds();
    EXPECT_EQ(box.min, Origin);
    EXPECT_EQ(box.max, Origin);
}

TEST(Mesh, BoundsCoverEveryVertex) {
    Mesh mesh;
    addVertex(mesh, 1, -2, 3);
    addVertex(mesh, -1, 5, 0.5);
    addVertex(mesh, 0, 0, 7);
    Bounds box = mesh.bounds();
    EXPECT_EQ(box.min, Vector(-1, -2, 0.5));
    EXPECT_EQ(box.max, Vector(1, 5, 7));
}

TEST(Mesh, NearestVertexPrefersEarliestOnTies) {
    Mesh mesh;
    EXPECT_THROW(mesh.nearestVertex(Origin), std::runtime_error);
    try {
        mesh.moveNearestVertex(Origin, AxisX);
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Zero size Mesh::vertices");
    }
    EXPECT_THROW(mesh.paintNearestVertex(0, 0, 0, White), std::runtime_error);
    Vertex* right = addVertex(mesh, 1, 0, 0);
    Vertex* left = addVertex(mesh, -1, 0, 0);
    Vertex* up = addVertex(mesh, 0, 0.9, 0);
    EXPECT_EQ(&mesh.nearestVertex(Origin), up);
    EXPECT_EQ(&mesh.nearestVertex(Vector(0, -5, 0)), right);
    EXPECT_EQ(&mesh.nearestVertex(Vector(-0.2, 0, 0)), left);
    mesh.moveNearestVertex(-1, 0, 0, 4, 4, 4).paintNearestVertex(Vector(4, 4, 3), Magenta);
    EXPECT_EQ(static_cast<Vector&>(*left), Vector(4, 4, 4));
    EXPECT_EQ(left->g, 0);
    EXPECT_EQ(right->g, 1);
}

TEST(Mesh, TransformsApplyToEveryVertex) {
    RectMesh mesh;
    auto before = positions(mesh);
    mesh.translate(1, 2, 3).scale(2).rotateY(0.7).scale(Vector(1, -1, 0.5)).translateY(-4);
    for (std::size_t i = 0; i < before.size(); ++i) {
        Vector expected = Vector(before[i]).add(Vector(1, 2, 3)).scale(2).rotateY(0.7);
        expected.multiply(Vector(1, -1, 0.5)).add(Vector(0, -4, 0));
        EXPECT_EQ(static_cast<Vector&>(*mesh.vertices()[i]), expected);
    }
    mesh.center();
    Bounds box = mesh.bounds();
    EXPECT_TRUE(near(box.center(), Origin));
}

TEST(Mesh, PaintAndShade) {
    GridMesh mesh(1, 2);
    mesh.paint(Cyan);
    for (const auto& v : mesh.vertices()) {
        EXPECT_EQ(v->r, 0);
        EXPECT_EQ(v->g, 1);
    }
    mesh.shade(Magenta);
    for (const auto& v : mesh.vertices()) {
        double t = v->y / 2;
        EXPECT_DOUBLE_EQ(v->r, (0 - 1) * t + 1);
        EXPECT_DOUBLE_EQ(v->g, (1 - 0) * t + 0);
        EXPECT_DOUBLE_EQ(v->b, (1 - 1) * t + 1);
    }
    // A flat mesh has no height to blend over and keeps its colours.
    RectMesh flat;
    flat.rotateX(std::numbers::pi / 2).scale(1, 0, 1).paint(Cyan).shade(Black);
    for (const auto& v : flat.vertices()) {
        EXPECT_EQ(v->g, 1);
        EXPECT_FALSE(std::isnan(v->r));
    }
}

TEST(Mesh, JitterMovesOnlyAcross) {
    std::srand(1);
    GridMesh mesh(3, 3);
    auto before = positions(mesh);
    mesh.jitter(0.2);
    bool moved = false;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Vertex& v = *mesh.vertices()[i];
        EXPECT_EQ(v.y, before[i].y);
        EXPECT_LE(std::abs(v.x - before[i].x), 0.1 + 1e-12);
        EXPECT_LE(std::abs(v.z - before[i].z), 0.1 + 1e-12);
        moved = moved || v.x != before[i].x;
    }
    EXPECT_TRUE(moved);
}

TEST(Mesh, WeldDropsDegenerateFaceAndItsVertices) {
    Mesh mesh;
    Vertex* a = addVertex(mesh, 0, 0, 0);
    Vertex* b = addVertex(mesh, 0.05, 0, 0);
    Vertex* c = addVertex(mesh, 0, 1, 0);
    mesh.addFace(std::make_unique<TriangleFace>(a, b, c));
    mesh.weld(0.1);
    EXPECT_TRUE(mesh.faces().empty());
    EXPECT_TRUE(mesh.vertices().empty());
}

TEST(Mesh, WeldDoesNotChainAcrossReplacedVertices) {
    // a-b and b-c are close, a-c is not: references to b go to a, references to c go to b, which stays.
    Mesh mesh;
    Vertex* a = addVertex(mesh, 0, 0, 0);
    Vertex* b = addVertex(mesh, 0.06, 0, 0);
    Vertex* c = addVertex(mesh, 0.12, 0, 0);
    Vertex* far = addVertex(mesh, 5, 0, 0);
    mesh.addFace(std::make_unique<LineFace>(b, far));
    mesh.addFace(std::make_unique<LineFace>(c, far));
    mesh.addFace(std::make_unique<LineFace>(a, c));
    mesh.weld(0.1);
    ASSERT_EQ(mesh.vertices().size(), 3u);
    EXPECT_EQ(mesh.vertices()[0].get(), a);
    EXPECT_EQ(mesh.vertices()[1].get(), b);
    EXPECT_EQ(mesh.vertices()[2].get(), far);
    EXPECT_EQ(faceIndices(mesh), (std::vector<std::vector<long>>{{0, 2}, {1, 2}, {0, 1}}));
}

TEST(Mesh, WeldRemovesUnusedVerticesEvenWithoutClosePairs) {
    Mesh mesh;
    addVertex(mesh, 0, 0, 0);
    Vertex* used = addVertex(mesh, 1, 0, 0);
    mesh.addFace(std::make_unique<Face>(used));
    mesh.weld(0);
    ASSERT_EQ(mesh.vertices().size(), 1u);
    EXPECT_EQ(mesh.vertices()[0].get(), used);
}

TEST(Mesh, WeldMatchesPairwiseReplacement) {
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        std::size_t vertexCount = 1 + round % 40;
        Skeleton s = randomSkeleton(random, vertexCount, vertexCount, 0.1);
        for (double tolerance : {0.0, 0.02, 0.05, 0.1, 0.15, 1.0}) {
            SCOPED_TRACE(::testing::Message() << "round " << round << " tolerance " << tolerance);
            expectWeldMatchesReference(s, tolerance);
        }
    }
}

TEST(Mesh, WeldMatchesPairwiseReplacementForAwkwardCoordinates) {
    std::mt19937 random(8);
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    for (int round = 0; round < 50; ++round) {
        Skeleton s = randomSkeleton(random, 20, 25, 0.1);
        s.vertices[3] = Vector(nan, 0, 0);
        s.vertices[7] = Vector(infinity, 0, 0);
        s.vertices[9] = Vector(infinity, 0, 0);
        expectWeldMatchesReference(s, 0.1);
        expectWeldMatchesReference(s, infinity);
        // Coordinates far larger than the tolerance.
        Skeleton far = randomSkeleton(random, 20, 25, 1e-10);
        for (auto& v : far.vertices) {
            v.add(Vector(1e6, -1e6, 3e6));
        }
        expectWeldMatchesReference(far, 1e-10);
        expectWeldMatchesReference(far, 3e-10);
    }
}

TEST(Mesh, MergeKeepsExistingVerticesAndColours) {
    RectMesh square;
    square.paint(Cyan);
    auto moved = square.copy();
    moved->translate(AxisX).paint(Magenta);
    square.merge(*moved);
    EXPECT_EQ(square.vertices().size(), 6u);
    EXPECT_EQ(square.faces().size(), 4u);
    for (const auto& v : square.vertices()) {
        bool shared = v->x == 1;
        EXPECT_EQ(v->r, shared || v->x == 0 ? 0 : 1) << v->x;
    }
    // The other mesh is unchanged and no face of this one refers to it.
    EXPECT_EQ(moved->vertices().size(), 4u);
    EXPECT_EQ(moved->faces().size(), 2u);
    for (const auto& face : faceIndices(square)) {
        for (long corner : face) {
            EXPECT_GE(corner, 0);
        }
    }
}

TEST(Mesh, MergeIsWeldOfTheJoinedLists) {
    std::mt19937 random(99);
    for (int round = 0; round < 100; ++round) {
        Skeleton first = randomSkeleton(random, 12, 10, 0.001);
        Skeleton second = randomSkeleton(random, 9, 8, 0.001);
        Mesh mesh = build(first);
        Mesh other = build(second);
        mesh.merge(other);
        Skeleton joined = first;
        for (auto& face : second.faces) {
            for (long& corner : face) {
                corner += static_cast<long>(first.vertices.size());
            }
            joined.faces.push_back(face);
        }
        joined.vertices.insert(joined.vertices.end(), second.vertices.begin(), second.vertices.end());
        Skeleton expected = referenceWeld(joined, 0.001);
        ASSERT_EQ(positions(mesh), expected.vertices);
        ASSERT_EQ(faceIndices(mesh), expected.faces);
    }
}

TEST(Mesh, MergeWithItselfDoublesTheFaces) {
    GridMesh mesh(2, 1);
    mesh.merge(mesh);
    EXPECT_EQ(mesh.vertices().size(), 6u);
    EXPECT_EQ(mesh.faces().size(), 8u);
    auto faces = faceIndices(mesh);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(faces[i], faces[i + 4]);
    }
}

TEST(Mesh, CopyIsAPlainMeshWithTheSameLists) {
    GridMesh grid(3, 2);
    grid.paint(Cyan);
    std::unique_ptr<Mesh> copy = grid.copy();
    EXPECT_EQ(typeid(*copy), typeid(Mesh));
    EXPECT_EQ(positions(*copy), positions(grid));
    EXPECT_EQ(faceIndices(*copy), faceIndices(grid));
    for (std::size_t i = 0; i < grid.vertices().size(); ++i) {
        EXPECT_NE(copy->vertices()[i].get(), grid.vertices()[i].get());
        EXPECT_EQ(copy->vertices()[i]->g, 1);
        EXPECT_EQ(copy->vertices()[i]->r, 0);
    }
}

TEST(Mesh, SnapRoundsAndWelds) {
    Mesh mesh;
    Vertex* a = addVertex(mesh, 0.04, 0.96, -0.5);
    Vertex* b = addVertex(mesh, 1.2, 0, 0.3);
    Vertex* c = addVertex(mesh, 0.45, 1.02, -0.6);
    Vertex* d = addVertex(mesh, 2.5, 2, 0);
    mesh.addFace(std::make_unique<TriangleFace>(a, b, d));
    mesh.addFace(std::make_unique<TriangleFace>(c, b, d));
    mesh.addFace(std::make_unique<TriangleFace>(a, c, d));
    mesh.snap(1);
    EXPECT_EQ(positions(mesh), (std::vector<Vector>{{0, 1, -1}, {1, 0, 0}, {3, 2, 0}}));
    EXPECT_EQ(faceIndices(mesh), (std::vector<std::vector<long>>{{0, 1, 2}, {0, 1, 2}}));
    // Finer grids weld within a tenth of their step.
    Mesh fine;
    Vertex* e = addVertex(fine, 0.26, 0, 0);
    Vertex* f = addVertex(fine, 0.24, 0, 0);
    Vertex* g = addVertex(fine, 0.5, 0, 0);
    fine.addFace(std::make_unique<LineFace>(e, g));
    fine.addFace(std::make_unique<LineFace>(f, g));
    fine.snap(4);
    EXPECT_EQ(positions(fine), (std::vector<Vector>{{0.25, 0, 0}, {0.5, 0, 0}}));
    EXPECT_EQ(fine.faces().size(), 2u);
}

TEST(Mesh, SnapBelowOneWeldsLikeWholeNumbers) {
    // Steps of 0 or less still round to whole numbers; neighbours one apart must not weld.
    for (double steps : {0.0, -2.0, 0.05}) {
        GridMesh grid(2, 2);
        grid.snap(steps);
        EXPECT_EQ(grid.vertices().size(), 9u) << steps;
        EXPECT_EQ(grid.faces().size(), 8u) << steps;
    }
}

TEST(Mesh, StreamListsVerticesThenCounts) {
    std::ostringstream out;
    out << LineMesh(0, 0, 0, 1, 2, 3);
    EXPECT_EQ(out.str(),
              "       0:        1        2        3\n"
              "       1:        0        0        0\n"
              "\n"
              "        2        1");
}

TEST(Mesh, MovedMeshKeepsItsFaces) {
    GridMesh grid(2, 2);
    auto faces = faceIndices(grid);
    Mesh moved = std::move(grid);
    EXPECT_EQ(faceIndices(moved), faces);
}

}  // namespace
