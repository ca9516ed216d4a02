#include <iostream>

#include "app/program.h"
#include "app/standard_options.h"
#include "studio/command_line.h"
#include "studio/studio.h"

// The model viewer: the command line may name the model to show; there is no configuration and no saved
// state. It shows the model until its window closes.
int main(int argc, char* argv[]) {
    const auto arguments = std::span<const char* const>(argv, argc).subspan(argc > 0 ? 1 : 0);
    if (const std::optional<int> status = answerStandardOption(arguments, "studio", help())) {
        return *status;
    }
    const ViewerModel* model = chooseModel(arguments);
    if (model == nullptr) {
        std::cerr << usage() << std::endl;
        return 2;
    }
    return runProgram([model] { return std::make_unique<Studio>(*model); });
}
