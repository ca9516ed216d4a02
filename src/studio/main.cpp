#include <iostream>

#include "app/program.h"
#include "app/standard_options.h"
#include "studio/command_line.h"
#include "studio/file_output.h"
#include "studio/studio.h"

// The model viewer: the command line may name the model to show, or ask for a picture or the model's
// meshes instead of a window; there is no configuration and no saved state. It shows the model until its
// window closes.
int main(int argc, char* argv[]) {
    const auto arguments = std::span<const char* const>(argv, argc).subspan(argc > 0 ? 1 : 0);
    if (const std::optional<int> status = answerStandardOption(arguments, "studio", help())) {
        return *status;
    }
    ViewerCommand command;
    try {
        command = parseCommandLine(arguments);
    } catch (CommandLineError& error) {
        std::cerr << error.what() << std::endl;
        return 2;
    }
    if (command.model == nullptr) {
        std::cerr << usage() << std::endl;
        return 2;
    }
    if (!command.opensWindow()) {
        return writeViewerFiles(command);
    }
    const ViewerModel* model = command.model;
    return runProgram([model] { return std::make_unique<Studio>(*model); });
}
