#pragma once

#include "app/input.h"

#include <utility>
#include <vector>

// An Input that records every call, in order.
class InputRecorder : public Input {
  public:
    using Call = std::pair<int, bool>;

    Input& input(int control, bool pressed) override {
        calls.emplace_back(control, pressed);
        return *this;
    }

    std::vector<Call> calls;
};
