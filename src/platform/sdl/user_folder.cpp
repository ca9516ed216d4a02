#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/user_files.h"

namespace platform {

namespace {

// An environment variable's value, or empty when it is unset.
std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string userFolder(UserShelf shelf) {
    // The XDG base directories: a variable that is unset, empty or not absolute stands for its default.
    const bool config = shelf == UserShelf::Config;
    std::string base = environment(config ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
        base = environment("HOME") + (config ? "/.config" : "/.local/share");
    }
    return base + "/studio3d";
}

bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace platform
