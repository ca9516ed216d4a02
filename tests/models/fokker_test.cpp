#include "models/fokker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

namespace {

constexpr double grid = 0.01;  // the model is snapped to hundredths

bool isWing(const Vertex& v) {
    return v.r == 0 && v.g > 0;
}
// Magenta shades; the tailplane's tips, shaded to black, are left out.
bool isAirframe(const Vertex& v) {
    return v.r > 0.05 && v.g == 0;
}

TEST(Fokker, ThreeWingsEachSmallerThanTheOneAbove) {
    const Fokker::Mesh mesh(1.25);
    std::map<double, std::pair<double, double>> spans;  // height -> least and greatest x
    for (const auto& v : mesh.vertices()) {
        if (isWing(*v)) {
            auto [entry, added] = spans.try_emplace(v->y, v->x, v->x);
            entry->second.first = std::min(entry->second.first, v->x);
            entry->second.second = std::max(entry->second.second, v->x);
        }
    }
    ASSERT_EQ(spans.size(), 3u);
    const double expected[] = {0.903125, 1.0625, 1.25};  // bottom to top
    int i = 0;
    double below = -1;
    for (const auto& [height, extent] : spans) {
        EXPECT_NEAR(extent.second - extent.first, expected[i], grid + 1e-9) << "wing " << i;
        if (i > 0) {
            EXPECT_NEAR(height - below, 0.25, 1e-9);
        }
        below = height;
        ++i;
    }
}

TEST(Fokker, FuselageIsOneLongTaperedOnlyAtTheTailToAPointOnItsUpperLine) {
    const Fokker::Mesh mesh(1.25);
    // Off the centre plane x = 0 the airframe is only the fuselage's rings (6 of their 8 vertices each).
    std::map<double, int> rings;
    for (const auto& v : mesh.vertices()) {
        if (isAirframe(*v) && v->x != 0) {
            ++rings[v->z];
        }
    }
    // The nose and the middle ring; the far ring closed into the tail point.
    ASSERT_EQ(rings.size(), 2u);
    const double middle = rings.begin()->first;
    const double nose = rings.rbegin()->first;
    EXPECT_EQ(rings[middle], 6);
    EXPECT_EQ(rings[nose], 6);
    EXPECT_NEAR(nose - middle, 0.5, 1e-9);

    double upperLine = -1;
    for (const auto& v : mesh.vertices()) {
        if (isAirframe(*v) && v->z == nose) {
            upperLine = std::max(upperLine, v->y);
        }
    }
    double tail = nose;
    for (const auto& v : mesh.vertices()) {
        if (isAirframe(*v) && v->x == 0 && v->y == upperLine) {
            tail = std::min(tail, v->z);
        }
    }
    EXPECT_NEAR(nose - tail, 1.0, 1e-9);
}

TEST(Fokker, HubIsTheTipOfTheWhiteShaftInFrontOfTheNose) {
    const Fokker::Mesh mesh(1.25);
    ASSERT_NE(mesh.hub, nullptr);
    EXPECT_EQ(mesh.hub->z, mesh.bounds().max.z);
    EXPECT_EQ(mesh.hub->x, 0);
    const Vertex& hub = static_cast<const Vertex&>(*mesh.hub);
    EXPECT_EQ(hub.r, 1);
    EXPECT_EQ(hub.g, 1);
    EXPECT_EQ(hub.b, 1);
    bool ownVertex = false;
    for (const auto& v : mesh.vertices()) {
        ownVertex = ownVertex || v.get() == mesh.hub;
    }
    EXPECT_TRUE(ownVertex);
}

}  // namespace
