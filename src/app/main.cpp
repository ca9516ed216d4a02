#include <iostream>
#include <memory>
#include <stdexcept>

#include "studio/studio.h"

namespace {

// The program has no arguments, no configuration and no saved state: it shows the model viewer until
// its window closes. A fatal start-up failure is reported as one line on standard error.
int body() {
    try {
        // Destroyed on the way out of a failing loop too, so the window and context are always released.
        auto scene = std::make_unique<Studio>();
        scene->run();
    } catch (std::runtime_error& error) {
        std::cerr << error.what() << std::endl;
    }
    return 0;
}

}  // namespace

int main() {
    return body();
}
