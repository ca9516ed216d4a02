#pragma once

#include <functional>
#include <memory>

#include "app/graphics.h"

// The body of every program: builds its one scene, runs the window's message loop until the window has
// closed, and destroys the scene. A fatal start-up failure is reported as one line on standard error.
// Returns the program's exit status: 0 after a normal close, 1 after a failure.
int runProgram(const std::function<std::unique_ptr<Graphics>()>& makeScene);
