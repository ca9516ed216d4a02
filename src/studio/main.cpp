#include <iostream>

#include "app/program.h"
#include "app/settings.h"
#include "app/standard_options.h"
#include "platform/user_files.h"
#include "studio/command_line.h"
#include "studio/studio.h"

// The model viewer: the command line may name the model to show, and the player's settings file those of
// its settings that apply to it. It shows the model until its window closes.
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
    const Settings settings = loadSettings(platform::UserFiles(platform::UserShelf::Config), std::cerr);
    return runProgram([model, &settings] {
        auto studio = std::make_unique<Studio>(*model);
        studio->applySettings(settings);
        return studio;
    });
}
