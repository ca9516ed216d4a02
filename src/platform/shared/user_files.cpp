#include "platform/user_files.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>
#include <thread>

// The desktop's files: both the SDL and the Win32 backend keep them in a folder of the user's.
namespace platform {

namespace {

namespace fs = std::filesystem;

fs::path pathOf(const std::string& folder, std::string_view name) {
    return fs::path(folder) / fs::path(name);
}

// Held while the named file is changed: a folder beside it, which only one program can make. A lock left
// by a program that died while it held it is taken over once it is clearly too old.
class FileLock {
  public:
    explicit FileLock(fs::path path) : path_(std::move(path)) {
        constexpr auto Patience = std::chrono::seconds(5);
        constexpr auto Stale = std::chrono::seconds(10);
        const auto giveUp = std::chrono::steady_clock::now() + Patience;
        std::error_code error;
        while (!fs::create_directory(path_, error)) {
            if (error || std::chrono::steady_clock::now() > giveUp) {
                return;
            }
            const auto made = fs::last_write_time(path_, error);
            if (!error && fs::file_time_type::clock::now() - made > Stale) {
                fs::remove(path_, error);
                continue;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        held_ = true;
    }
    ~FileLock() {
        if (held_) {
            std::error_code error;
            fs::remove(path_, error);
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    fs::path path_;
    bool held_ = false;
};

}  // namespace

std::string UserFiles::where(std::string_view name) const {
    return pathOf(folder_, name).string();
}

std::optional<std::string> UserFiles::read(std::string_view name) const {
    std::ifstream file(pathOf(folder_, name), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad()) {
        return std::nullopt;
    }
    return std::move(contents).str();
}

bool UserFiles::write(std::string_view name, std::string_view contents) const {
    std::error_code error;
    fs::create_directories(fs::path(folder_), error);
    const fs::path target = pathOf(folder_, name);
    // A name of its own, so that two programs writing at once do not write into one temporary file.
    std::random_device entropy;
    fs::path temporary = target;
    temporary += ".new" + std::to_string(entropy());
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        file.close();
        if (!file) {
            fs::remove(temporary, error);
            return false;
        }
    }
    if (!replaceFile(temporary.string(), target.string())) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

bool UserFiles::setAside(std::string_view name, std::string_view suffix) const {
    const fs::path path = pathOf(folder_, name);
    fs::path aside = path;
    aside += fs::path(suffix);
    return replaceFile(path.string(), aside.string());
}

bool UserFiles::update(std::string_view name, const Change& change) const {
    std::error_code error;
    fs::create_directories(fs::path(folder_), error);
    fs::path lockPath = pathOf(folder_, name);
    lockPath += ".lock";
    const FileLock lock(lockPath);
    const std::optional<std::string> changed = change(read(name));
    return !changed || write(name, *changed);
}

}  // namespace platform
