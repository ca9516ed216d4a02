#pragma once

#include "scene/stage.h"

// A live scene of size 13 whose clock the test sets.
class ClockStage final : public Stage {
  public:
    ClockStage() { bindStage(this); }
    ~ClockStage() { bindStage(nullptr); }
    double stageSize() const override { return 13; }
    double stageTime() const override { return time; }

    double time = 0;
};
