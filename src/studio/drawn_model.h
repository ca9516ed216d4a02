#pragma once

#include <array>
#include <cstdint>
#include <vector>

class Logic;

// The triangles and lines a scene draws, in world coordinates with their vertices' colours. Vertices that
// coincide exactly, in place and colour, are one: a mesh drawn once keeps its own vertex count.
struct DrawnModel {
    using Triple = std::array<float, 3>;

    std::vector<Triple> positions;
    std::vector<Triple> colours;
    // Three vertex indices a triangle, front where (b - a) x (c - a) points.
    std::vector<std::uint32_t> triangles;
    // Two vertex indices a line.
    std::vector<std::uint32_t> lines;

    Triple lowest() const;
    Triple highest() const;
};

// Draws the scene's active objects as they stand, each part placed as its own drawing places it, and
// catches what GL is given. Everything drawn must lie within extent of the origin on every axis.
DrawnModel captureDrawnModel(Logic& scene, double extent);
