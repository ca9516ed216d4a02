#include "scene/stage.h"

#include <stdexcept>

namespace {
Stage* liveStage = nullptr;
}

Stage& stage() {
    if (liveStage == nullptr) {
        throw std::runtime_error("wrong time");
    }
    return *liveStage;
}

void bindStage(Stage* live) {
    liveStage = live;
}
