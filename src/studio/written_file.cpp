#include "studio/written_file.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

void writeWholeFile(const std::string& path, const std::function<bool(const std::string& partial)>& write) {
    // Beside the file, so that the rename stays on its file system and replaces it in one step.
    const std::string partial = path + ".partial";
    std::error_code error;
    bool written = false;
    try {
        written = write(partial);
    } catch (...) {
        std::filesystem::remove(partial, error);
        throw;
    }
    if (!written || (std::filesystem::rename(partial, path, error), error)) {
        std::filesystem::remove(partial, error);
        throw std::runtime_error("can't write " + path);
    }
}
