#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "geometry/mesh.h"

// Views of a mesh as plain values, for comparing meshes in tests.

inline std::vector<Vector> positions(const Mesh& mesh) {
    std::vector<Vector> result;
    for (const auto& v : mesh.vertices()) {
        result.push_back(*v);
    }
    return result;
}

// Each face as the list indices of its vertices, in drawing order; -1 for a vertex not in the mesh.
inline std::vector<std::vector<long>> faceIndices(const Mesh& mesh) {
    std::unordered_map<const Vertex*, long> index;
    for (std::size_t i = 0; i < mesh.vertices().size(); ++i) {
        index.emplace(mesh.vertices()[i].get(), static_cast<long>(i));
    }
    std::vector<std::vector<long>> result;
    for (const auto& face : mesh.faces()) {
        std::vector<long> corners;
        face->forEachVertex([&](Vertex*& v) {
            auto found = index.find(v);
            corners.push_back(found == index.end() ? -1 : found->second);
        });
        result.push_back(corners);
    }
    return result;
}

inline ::testing::AssertionResult near(const Vector& actual, const Vector& expected,
                                       double tolerance = 1e-12) {
    if (actual.distance(expected) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not near (" << expected.x
           << ", " << expected.y << ", " << expected.z << ")";
}

inline void expectPositionsNear(const Mesh& mesh, const std::vector<Vector>& expected,
                                double tolerance = 1e-12) {
    ASSERT_EQ(mesh.vertices().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(near(*mesh.vertices()[i], expected[i], tolerance)) << "vertex " << i;
    }
}
