#include "geometry/rect_mesh.h"

#include <numbers>

RectMesh::RectMesh() {
    merge(copy()->rotateZ(std::numbers::pi).translate(1, 1, 0));
}
