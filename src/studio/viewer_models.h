#pragma once

#include <span>
#include <string_view>

class MeshObject;

// One model the viewer can show: the name that asks for it on the command line, and how to build it.
struct ViewerModel {
    std::string_view name;
    // Builds the model, registered in the scene and switched off; null for a model not built yet, which
    // is named but cannot be asked for.
    MeshObject* (*make)();
};

// Every model, the default first.
std::span<const ViewerModel> viewerModels();
