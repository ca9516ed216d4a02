#include "geometry/grid_mesh.h"

GridMesh::GridMesh(unsigned columns, unsigned rows) {
    auto cell = copy();
    for (unsigned i = 1; i < columns; ++i) {
        merge(cell->translate(AxisX));
    }
    auto strip = copy();
    for (unsigned i = 1; i < rows; ++i) {
        merge(strip->translate(AxisY));
    }
}
