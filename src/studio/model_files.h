#pragma once

#include <string>
#include <string_view>

#include "studio/drawn_model.h"

// Writes model to path in the format its ending names: .glb (glTF binary: one mesh of triangles and
// lines with vertex colours), .obj (vertices with their colours, faces and lines) or .stl (binary, its
// triangles only, each with its vertices' mean colour). name labels the file where the format has room.
// The file appears whole or not at all: it is written under another name first. Throws
// std::runtime_error("can't write PATH") when that fails.
void writeModelFile(const DrawnModel& model, const std::string& path, std::string_view name);
