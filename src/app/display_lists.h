#pragma once

#include <memory>

#include "geometry/mesh_recorder.h"

// A recorder that keeps meshes as GL 1.1 display lists of the context current when it is made; none where
// the GL has no display lists (the web's, which gathers each frame's faces itself).
std::unique_ptr<MeshRecorder> makeDisplayLists();
