#include "geometry/vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <sstream>

#include "geometry/bounds.h"
#include "geometry/line.h"
#include "geometry/matrix.h"
#include "geometry/plane.h"
#include "mesh_checks.h"

namespace {

constexpr double pi = std::numbers::pi;

TEST(Vector, ArithmeticChainsInPlace) {
    Vector v(1, 2, 3);
    Vector& result = v.add(Vector(1, 1, 1)).multiply(Vector(2, 3, 4)).subtract(Vector(1, 1, 1)).scale(2);
    EXPECT_EQ(&result, &v);
    EXPECT_EQ(v, Vector(6, 16, 30));
    EXPECT_EQ(Vector(6, 16, 30).divide(2), Vector(3, 8, 15));
    EXPECT_EQ(Vector(1, -2, 3).negate(), Vector(-1, 2, -3));
    EXPECT_EQ(Vector(1, 2, 3).zero(), Origin);
    EXPECT_EQ(Vector().set(4, 5, 6), Vector(4, 5, 6));
}

TEST(Vector, ProductsAndLengths) {
    EXPECT_EQ(Vector(1, 2, 3).dot(Vector(4, -5, 6)), 12);
    EXPECT_EQ(Vector(2, 3, 6).lengthSquared(), 49);
    EXPECT_EQ(Vector(2, 3, 6).length(), 7);
    EXPECT_EQ(Vector(1, 1, 1).distance(Vector(3, 4, 7)), 7);
}

TEST(Vector, NormalizeKeepsZeroVector) {
    EXPECT_EQ(Vector(0, 0, 0).normalize(), Origin);
    EXPECT_EQ(Vector(0, 0, 2).normalize(), AxisZ);
    EXPECT_NEAR(Vector(3, -4, 12).normalize().length(), 1, 1e-15);
}

TEST(Vector, EqualityIsExact) {
    EXPECT_TRUE(Vector(1, 2, 3) == Vector(1, 2, 3));
    EXPECT_FALSE(Vector(1, 2, 3) == Vector(1, 2, 3 + 1e-15));
    EXPECT_TRUE(Vector(0, 0, 0) == Vector(-0.0, 0, 0));
}

TEST(Vector, Constants) {
    EXPECT_EQ(AxisX, Vector(1, 0, 0));
    EXPECT_EQ(AxisY, Vector(0, 1, 0));
    EXPECT_EQ(AxisZ, Vector(0, 0, 1));
    EXPECT_EQ(Origin, Vector(0, 0, 0));
    EXPECT_EQ(Gravity, Vector(0, -9.8, 0));
}

TEST(Vector, SnapRoundsHalvesAwayFromZero) {
    EXPECT_EQ(Vector(0.5, -0.5, 1.49).snap(1), Vector(1, -1, 1));
    EXPECT_EQ(Vector(0.3, 0.12, -0.2).snap(4), Vector(0.25, 0.0, -0.25));
    EXPECT_EQ(Vector(2.5, -2.5, 0.49).snap(0), Vector(3, -3, 0));
    EXPECT_EQ(Vector(0.125, -0.375, 0.3).snap(4), Vector(0.25, -0.5, 0.25));
}

TEST(Vector, RotationSigns) {
    EXPECT_TRUE(near(Vector(1, 0, 0).rotateY(pi / 2), Vector(0, 0, 1)));
    EXPECT_TRUE(near(Vector(1, 0, 0).rotateZ(pi / 2), Vector(0, -1, 0)));
    EXPECT_TRUE(near(Vector(0, 1, 0).rotateX(pi / 2), Vector(0, 0, -1)));
    EXPECT_TRUE(near(Vector(AxisX).rotateY(-2 * pi / 6), Vector(std::cos(pi / 3), 0, -std::sin(pi / 3))));
    for (double a = -7; a < 7; a += 0.37) {
        double c = std::cos(a), s = std::sin(a);
        Vector p(0.3, -1.7, 2.9);
        EXPECT_TRUE(near(Vector(p).rotateX(a), Vector(p.x, p.y * c + p.z * s, -p.y * s + p.z * c)));
        EXPECT_TRUE(near(Vector(p).rotateY(a), Vector(p.x * c - p.z * s, p.y, p.x * s + p.z * c)));
        EXPECT_TRUE(near(Vector(p).rotateZ(a), Vector(p.x * c + p.y * s, -p.x * s + p.y * c, p.z)));
    }
}

TEST(Vector, TransformReadsTranslationAndRowsOfTheBlock) {
    Matrix m;
    for (int i = 0; i < 16; ++i) {
        m.m[i] = i + 1;
    }
    EXPECT_EQ(Vector(1, 10, 100).transform(m),
              Vector(1 + 20 + 300 + 13, 5 + 60 + 700 + 14, 9 + 100 + 1100 + 15));
    EXPECT_EQ(Vector(1, 2, 3).transform(Matrix().translation(Vector(10, 20, 30))), Vector(11, 22, 33));
}

TEST(Vector, StreamsFieldsOfWidthEight) {
    std::ostringstream out;
    out << Vector(1, -2.5, 1234567.25);
    EXPECT_EQ(out.str(), "       1     -2.5 1.23457e+06");
}

TEST(Matrix, ColumnMajorProduct) {
    Matrix a, b;
    for (int i = 0; i < 16; ++i) {
        a.m[i] = i;
        b.m[i] = 16 - i;
    }
    Matrix product = a;
    product.multiply(b);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[4 * k + r] * b.m[4 * c + k];
            }
            EXPECT_EQ(product.m[4 * c + r], sum);
        }
    }
    Matrix square = a;
    square.multiply(square);
    Matrix expected = a;
    expected.multiply(a);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(square.m[i], expected.m[i]);
    }
}

TEST(Matrix, ProductsComposeTransforms) {
    Matrix t = Matrix().translation(1, 2, 3);
    t.multiply(Matrix().translation(4, 5, 6));
    EXPECT_EQ(Vector().transform(t), Vector(5, 7, 9));
    Matrix r = Matrix().rotationZ(0.3);
    r.multiply(Matrix().rotationZ(0.4));
    Matrix sum = Matrix().rotationZ(0.7);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(r.m[i], sum.m[i], 1e-15);
    }
    // The point transform reads rotations transposed, so a product applies its factors in order.
    Matrix xy = Matrix().rotationX(0.3);
    xy.multiply(Matrix().rotationY(1.1));
    Vector p(0.5, -2, 3);
    EXPECT_TRUE(near(Vector(p).transform(xy), Vector(p).rotateX(0.3).rotateY(1.1)));
}

TEST(Line, StoresUnitDirection) {
    Line line(Vector(0, 3, 4), Vector(1, 2, 3));
    EXPECT_TRUE(near(line.direction, Vector(0, 0.6, 0.8), 1e-15));
    EXPECT_EQ(line.point, Vector(1, 2, 3));
}

TEST(Plane, EvaluatesProjectsAndIntersects) {
    Plane ground(AxisY, Vector(0, 2, 0));
    EXPECT_EQ(ground.offset, -2);
    EXPECT_EQ(ground.project(Vector(3, 7, -1)), Vector(3, 2, -1));
    EXPECT_TRUE(ground.inFront(Vector(0, 2, 0)));
    EXPECT_TRUE(ground.inFront(Vector(5, 3, 5)));
    EXPECT_FALSE(ground.inFront(Vector(5, 1.9, 5)));
    Plane tilted(Vector(0, 0, 2), Vector(0, 0, 1));
    EXPECT_EQ(tilted.evaluate(Vector(7, 7, 3)), 4);
    EXPECT_TRUE(near(tilted.intersect(Line(Vector(1, 0, 1), Vector(0, 0, 0))), Vector(1, 0, 1)));
    EXPECT_TRUE(near(tilted.intersect(Line(Vector(-1, 0, -1), Vector(0, 0, 3))), Vector(-2, 0, 1)));
}

TEST(Bounds, SizeAndCenter) {
    Bounds box{Origin, Vector(2, 4, 6)};
    EXPECT_EQ(box.center(), Vector(1, 2, 3));
    EXPECT_EQ(box.size(), Vector(2, 4, 6));
    EXPECT_EQ((Bounds{Vector(-3, 1, 1), Vector(1, 1, 2)}.center()), Vector(-1, 1, 1.5));
}

TEST(Random, DrawsFifteenBitStepsInUnitRangeWithBothEnds) {
    std::srand(7);
    double lowest = 1, highest = 0;
    for (int i = 0; i < 2000000; ++i) {
        double r = random(0);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 1);
        double steps = r * 32767.0;
        ASSERT_NEAR(steps, std::round(steps), 1e-6);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 1);
    std::srand(11);
    double first = random(0);
    std::srand(11);
    EXPECT_EQ(random(2.5), 2.5 + first);
}

TEST(Random, ChanceUsesOneDraw) {
    std::srand(3);
    std::vector<double> draws;
    for (int i = 0; i < 100000; ++i) {
        draws.push_back(random(0));
    }
    std::srand(3);
    for (double draw : draws) {
        // chance(2) is capped at 1, so only the top draw fails it.
        ASSERT_EQ(chance(2.0), draw < 1.0);
    }
    std::srand(3);
    for (double draw : draws) {
        ASSERT_EQ(chance(0.25), 0.25 > draw);
    }
    for (int i = 0; i < 100000; ++i) {
        ASSERT_FALSE(chance(0));
        ASSERT_FALSE(chance(-1));
    }
}

TEST(Vector, JitterStaysWithinHalfOfEachComponent) {
    std::srand(5);
    double largestX = 0;
    for (int i = 0; i < 20000; ++i) {
        Vector v(1, 2, 3);
        v.jitter(Vector(0.4, 0, -0.4));
        ASSERT_EQ(v.y, 2);
        ASSERT_LE(std::abs(v.x - 1), 0.2 + 1e-15);
        ASSERT_LE(std::abs(v.z - 3), 0.2 + 1e-15);
        largestX = std::max(largestX, std::abs(v.x - 1));
    }
    EXPECT_GT(largestX, 0.19);
    // Three draws, x first: the y draw is made even though it moves nothing.
    std::srand(9);
    double dx = random(0), dy = random(0), dz = random(0), next = random(0);
    std::srand(9);
    Vector v(0, 0, 0);
    v.jitter(Vector(2, 0, 4));
    EXPECT_DOUBLE_EQ(v.x, dx * 2 - 1);
    EXPECT_DOUBLE_EQ(v.z, dz * 4 - 2);
    (void)dy;
    EXPECT_EQ(random(0), next);
}

}  // namespace
