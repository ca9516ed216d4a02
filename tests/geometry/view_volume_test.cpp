#include "geometry/view_volume.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <utility>

#include "geometry/matrix.h"
#include "geometry/mesh.h"

namespace {

// A square window's projection seeing 90 degrees upward and across, from 1 to 10 ahead: at a distance d
// ahead it shows d to either side.
Matrix projection() {
    Matrix p;
    p.m[10] = (10.0 + 1.0) / (1.0 - 10.0);
    p.m[11] = -1;
    p.m[14] = 2 * 10.0 * 1.0 / (1.0 - 10.0);
    p.m[15] = 0;
    return p;
}

bool shows(const Matrix& clip, const Vector& centre, double radius, double margin = 0) {
    return ViewVolume(clip.m, margin).mayShow(Sphere{centre, radius});
}

}  // namespace

TEST(ViewVolume, KeepsWhatReachesIntoViewAndDropsWhatLiesWhollyOutsideAnyPlane) {
    const Matrix eyeAtOrigin = projection();
    EXPECT_TRUE(shows(eyeAtOrigin, Vector(0, 0, -5), 0.1));
    // Behind the eye, nearer than the near plane, beyond the far one.
    EXPECT_FALSE(shows(eyeAtOrigin, Vector(0, 0, 5), 1));
    EXPECT_FALSE(shows(eyeAtOrigin, Vector(0, 0, -0.5), 0.1));
    EXPECT_FALSE(shows(eyeAtOrigin, Vector(0, 0, -12), 1));
    EXPECT_TRUE(shows(eyeAtOrigin, Vector(0, 0, -10.5), 1));
    // Beside each edge: 2 / sqrt(2) outside the side planes, so a radius of 1.5 reaches in and 1.4 does not.
    for (const Vector& beside : {Vector(7, 0, -5), Vector(-7, 0, -5), Vector(0, 7, -5), Vector(0, -7, -5)}) {
        SCOPED_TRACE(::testing::Message() << beside.x << ", " << beside.y);
        EXPECT_FALSE(shows(eyeAtOrigin, beside, 1.4));
        EXPECT_TRUE(shows(eyeAtOrigin, beside, 1.5));
    }
    // A margin widens every side by its fraction of the distance ahead.
    EXPECT_FALSE(shows(eyeAtOrigin, Vector(5.04, 0, -5), 0));
    EXPECT_TRUE(shows(eyeAtOrigin, Vector(5.04, 0, -5), 0, 0.01));

    // With a model-view in the product the planes are in the model's coordinates: an eye at x = 5 looking
    // along the model's -X.
    Matrix turned = projection();
    turned.multiply(Matrix().rotationY(-std::numbers::pi / 2)).multiply(Matrix().translation(-5, 0, 0));
    EXPECT_TRUE(shows(turned, Vector(0, 0, 0), 0.1));
    EXPECT_FALSE(shows(turned, Vector(10, 0, 0), 0.1));
    EXPECT_FALSE(shows(turned, Vector(0, 0, -7), 0.5));
}

TEST(ViewVolume, AMeshsSphereHoldsEveryVertexAndFollowsAnEdit) {
    Mesh mesh;
    for (const Vector& corner : {Vector(0, 0, 0), Vector(4, 0, 0), Vector(0, 2, 0), Vector(1, 1, 6)}) {
        mesh.addVertex(std::make_unique<Vertex>(corner, Color(1, 1, 1)));
    }
    const Sphere first = mesh.boundingSphere();
    EXPECT_DOUBLE_EQ(first.centre.x, 2);
    EXPECT_DOUBLE_EQ(first.centre.y, 1);
    EXPECT_DOUBLE_EQ(first.centre.z, 3);
    for (const auto& vertex : std::as_const(mesh).vertices()) {
        EXPECT_LE(vertex->distance(first.centre), first.radius);
    }
    EXPECT_DOUBLE_EQ(first.radius, Vector(2, 1, 3).length());

    mesh.translate(10, 0, 0).scale(2);
    const Sphere moved = mesh.boundingSphere();
    EXPECT_DOUBLE_EQ(moved.centre.x, 24);
    EXPECT_DOUBLE_EQ(moved.radius, 2 * first.radius);
}
