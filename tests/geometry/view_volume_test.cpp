#include "geometry/view_volume.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "geometry/matrix.h"
#include "geometry/mesh.h"

namespace {

// Seeing 90 degrees upward and across, from 1 to 10 ahead: at d ahead it shows d to either side.
Matrix projection() {
    Matrix p;
    p.m[10] = -11.0 / 9;
    p.m[11] = -1;
    p.m[14] = -20.0 / 9;
    p.m[15] = 0;
    return p;
}

bool shows(const Matrix& clip, const Vector& centre, double radius, double margin = 0) {
    return ViewVolume(clip.m, margin).mayShow(Sphere{centre, radius});
}

}  // namespace

TEST(ViewVolume, KeepsWhatReachesIntoViewInTheModelsCoordinatesAndAMeshsSphereFollowsItsEdits) {
    const Matrix eye = projection();
    EXPECT_TRUE(shows(eye, Vector(0, 0, -5), 0.1));
    // Behind, nearer than the near plane, beyond the far one; reaching in past the far one.
    EXPECT_FALSE(shows(eye, Vector(0, 0, 5), 1));
    EXPECT_FALSE(shows(eye, Vector(0, 0, -0.5), 0.1));
    EXPECT_FALSE(shows(eye, Vector(0, 0, -12), 1));
    EXPECT_TRUE(shows(eye, Vector(0, 0, -10.5), 1));
    // Beside each edge, 2 / sqrt(2) outside it.
    for (const Vector& beside : {Vector(7, 0, -5), Vector(-7, 0, -5), Vector(0, 7, -5), Vector(0, -7, -5)}) {
        EXPECT_FALSE(shows(eye, beside, 1.4));
        EXPECT_TRUE(shows(eye, beside, 1.5));
    }
    // A margin widens every side by its fraction of the distance ahead.
    EXPECT_FALSE(shows(eye, Vector(5.04, 0, -5), 0));
    EXPECT_TRUE(shows(eye, Vector(5.04, 0, -5), 0, 0.01));
    // With a model-view in the product: an eye at x = 5 looking along -X.
    Matrix turned = projection();
    turned.multiply(Matrix().rotationY(-std::numbers::pi / 2)).multiply(Matrix().translation(-5, 0, 0));
    EXPECT_TRUE(shows(turned, Vector(0, 0, 0), 0.1));
    EXPECT_FALSE(shows(turned, Vector(10, 0, 0), 0.1));
    EXPECT_FALSE(shows(turned, Vector(0, 0, -7), 0.5));

    Mesh mesh;
    for (const Vector& corner : {Vector(0, 0, 0), Vector(4, 0, 0), Vector(0, 2, 0), Vector(1, 1, 6)}) {
        mesh.addVertex(std::make_unique<Vertex>(corner, Color(1, 1, 1)));
    }
    const Sphere first = mesh.boundingSphere();
    EXPECT_DOUBLE_EQ(first.centre.distance(Vector(2, 1, 3)), 0);
    EXPECT_DOUBLE_EQ(first.radius, Vector(2, 1, 3).length());
    mesh.translate(10, 0, 0).scale(2);
    EXPECT_DOUBLE_EQ(mesh.boundingSphere().centre.x, 24);
    EXPECT_DOUBLE_EQ(mesh.boundingSphere().radius, 2 * first.radius);
}
