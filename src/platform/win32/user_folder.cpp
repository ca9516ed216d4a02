#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/user_files.h"

namespace platform {

std::string userFolder(UserShelf /*shelf*/) {
    // Settings and records both roam with the user, in the application data folder.
    const char* appData = std::getenv("APPDATA");
    std::string base = appData != nullptr && *appData != '\0' ? appData : ".";
    return base + "\\studio3d";
}

bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace platform
