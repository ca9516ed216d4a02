#include "studio/command_line.h"

#include <string_view>

const ViewerModel* chooseModel(std::span<const char* const> arguments) {
    const auto models = viewerModels();
    if (arguments.empty()) {
        return &models.front();
    }
    if (arguments.size() > 1) {
        return nullptr;
    }
    for (const ViewerModel& model : models) {
        if (model.name == std::string_view(arguments.front())) {
            return model.make != nullptr ? &model : nullptr;
        }
    }
    return nullptr;
}

std::string usage() {
    std::string line = "usage: studio [";
    const char* separator = "";
    for (const ViewerModel& model : viewerModels()) {
        line.append(separator).append(model.name);
        separator = " | ";
    }
    return line.append("]");
}
