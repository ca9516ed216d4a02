#include "geometry/mesh_culler.h"

namespace {
MeshCuller* boundCuller = nullptr;
}

MeshCuller::Binding::Binding(MeshCuller* culler) : previous_(boundCuller) {
    boundCuller = culler;
}

MeshCuller::Binding::~Binding() {
    boundCuller = previous_;
}

MeshCuller* MeshCuller::bound() {
    return boundCuller;
}
