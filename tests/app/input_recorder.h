#pragma once

#include "app/input.h"

#include <utility>
#include <vector>

// An Input that records every call, in order.
class InputRecorder : public Input {
  public:
    using Call = std::pair<Control, bool>;

    Input& input(int control, bool pressed) override {
        calls.emplace_back(static_cast<Control>(control), pressed);
        return *this;
    }

    std::vector<Call> calls;
};
