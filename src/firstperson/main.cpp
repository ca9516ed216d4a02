#include "app/program.h"
#include "firstperson/arena.h"

// The first-person combat: no configuration and no saved state; it plays until its window closes.
int main() {
    return runProgram([] { return std::make_unique<FirstPerson::Arena>(); });
}
