#include "app/program.h"

#include <iostream>
#include <stdexcept>

int runProgram(const std::function<std::unique_ptr<Graphics>()>& makeScene) {
    try {
        // Destroyed on the way out of a failing loop too, so the window and context are always released.
        std::unique_ptr<Graphics> scene = makeScene();
        scene->run();
    } catch (std::runtime_error& error) {
        std::cerr << error.what() << std::endl;
        // Scripts and launchers tell a failed start from a normal close by the exit status.
        return 1;
    }
    return 0;
}
