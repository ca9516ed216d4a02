#include "studio/file_output.h"

#include <iostream>

// Pictures and exports draw off screen through EGL, which only the Linux build has.
int writeViewerFiles(const ViewerCommand&) {
    std::cerr << "studio: --screenshot and --export are in the Linux build only" << std::endl;
    return 1;
}
