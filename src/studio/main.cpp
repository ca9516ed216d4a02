#include "app/program.h"
#include "studio/studio.h"

// The model viewer: no configuration and no saved state; it shows the model until its window closes.
int main() {
    return runProgram([] { return std::make_unique<Studio>(); });
}
