#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "geometry/face.h"
#include "geometry/matrix.h"
#include "models/fokker.h"
#include "models/models_support.h"
#include "support/gl_context.h"

// The triplane as GL receives it: the airframe, then the propeller turning at its hub.

namespace {

constexpr int side = 64;

// Draws the aircraft's meshes with identity matrices: model x and y in [-1, 1] map onto the viewport.
std::vector<FeedbackPrimitive> drawn(Fokker& fokker) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushMatrix();
    auto primitives = captureFeedback([&] { fokker.drawMesh(); });
    glPopMatrix();
    return primitives;
}

double toWindow(double coordinate) {
    return (coordinate + 1) * side / 2;
}

TEST(FokkerDrawing, WithoutAHubOnlyTheAirframeIsDrawn) {
    TestGlContext gl(side, side);
    ClockStage stage;
    Fokker fokker(1.25);
    const std::size_t withPropeller = drawn(fokker).size();
    fokker.body.hub = nullptr;
    const std::size_t airframe = drawn(fokker).size();
    EXPECT_EQ(airframe, fokker.body.faces().size());
    EXPECT_EQ(withPropeller, airframe + fokker.body.prop.faces().size());
}

TEST(FokkerDrawing, PropellerTurnsFiveTimesASecondAboutTheHub) {
    TestGlContext gl(side, side);
    ClockStage stage;
    Fokker fokker(1.25);
    const Vector hub = *fokker.body.hub;
    for (double t : {0.0, 0.05, 0.13}) {
        stage.time = t;
        const auto primitives = drawn(fokker);
        const auto& faces = fokker.body.prop.faces();
        ASSERT_EQ(primitives.size(), fokker.body.faces().size() + faces.size());
        const double angle = -10 * std::numbers::pi * t;
        for (std::size_t f = 0; f < faces.size(); ++f) {
            const auto& face = static_cast<const TriangleFace&>(*faces[f]);
            const auto& got = primitives[fokker.body.faces().size() + f].vertices;
            ASSERT_EQ(got.size(), 3u);
            const Vertex* corners[] = {face.a, face.b, face.c};
            for (int k = 0; k < 3; ++k) {
                const double x = corners[k]->x * std::cos(angle) - corners[k]->y * std::sin(angle);
                const double y = corners[k]->x * std::sin(angle) + corners[k]->y * std::cos(angle);
                EXPECT_NEAR(got[k].x, toWindow(hub.x + x), 1e-3) << "t " << t;
                EXPECT_NEAR(got[k].y, toWindow(hub.y + y), 1e-3) << "t " << t;
            }
        }
    }
}

}  // namespace
