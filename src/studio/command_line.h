#pragma once

#include <span>
#include <string>

#include "studio/viewer_models.h"

// The model the arguments after the program's name ask for: none means the default, one names a model.
// Null for an unknown or unavailable name and for more than one argument.
const ViewerModel* chooseModel(std::span<const char* const> arguments);

// The one line that tells how to call the viewer, naming every model.
std::string usage();

// The answer to `--help`: the usage, the controls and the exit statuses.
std::string help();
