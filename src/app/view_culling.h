#pragma once

#include <memory>

#include "geometry/mesh_culler.h"

// A culler that skips the meshes wholly outside the clip volume of the GL context current when it is made,
// under the projection and model-view matrices in force as each mesh is drawn; none where GL cannot be
// asked for them (the web's, whose batched layer keeps its matrices to itself).
std::unique_ptr<MeshCuller> makeViewCulling();
