#pragma once

#include "studio/command_line.h"

// Does what a command line that opens no window asks: the model's meshes written out, a picture taken,
// both drawn with no display where the system allows it. Failures are reported as one line on standard
// error. Returns the program's exit status: 0 when every file is written, 1 otherwise.
int writeViewerFiles(const ViewerCommand& command);
