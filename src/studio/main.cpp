#include <iostream>

#include "app/program.h"
#include "app/settings.h"
#include "app/standard_options.h"
#include "platform/user_files.h"
#include "studio/command_line.h"
#include "studio/file_output.h"
#include "studio/studio.h"

// The model viewer: the command line may name the model to show, or ask for a picture or the model's
// meshes instead of a window; the player's settings file gives those of its settings that apply to it. It
// shows the model until its window closes.
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
    const Settings settings = loadSettings(platform::UserFiles(platform::UserShelf::Config), std::cerr);
    return runProgram([model, &settings] {
        auto studio = std::make_unique<Studio>(*model);
        studio->applySettings(settings);
        return studio;
    });
}
