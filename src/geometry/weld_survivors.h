#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "geometry/vertex.h"

// Which vertex each vertex of a weld ends up as: the index of the earliest vertex before it that lies closer
// than tolerance, or its own index when there is none. Large lists are sorted into a spatial hash of cells
// twice the tolerance wide, so that only neighbouring cells are compared; the result is the same as
// comparing every pair.
std::vector<std::size_t> weldSurvivors(const std::vector<std::unique_ptr<Vertex>>& vertices,
                                       double tolerance);
