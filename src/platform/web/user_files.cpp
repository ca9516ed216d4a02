#include "platform/user_files.h"

#include <emscripten.h>

#include <cstddef>

// The page's files are entries of the browser's local storage for the site, under a prefix. A page runs on
// one thread and each entry is set in one step, so neither a temporary copy nor a lock is needed.
namespace platform {

namespace {

// clang-format off
// The length in bytes of the entry's value, or -1 when there is none or storage is barred.
EM_JS(int, storageLength, (const char* key), {
    try {
        var value = globalThis.localStorage.getItem(UTF8ToString(key));
        return value === null ? -1 : lengthBytesUTF8(value);
    } catch (error) {
        return -1;
    }
});

// Copies the value into buffer, which has room for its bytes and a terminating zero.
EM_JS(void, storageCopy, (const char* key, char* buffer, int size), {
    try {
        stringToUTF8(globalThis.localStorage.getItem(UTF8ToString(key)) || "", buffer, size);
    } catch (error) {
    }
});

EM_JS(int, storageWrite, (const char* key, const char* value, int length), {
    try {
        globalThis.localStorage.setItem(UTF8ToString(key), UTF8ToString(value, length));
        return 1;
    } catch (error) {
        return 0;
    }
});

EM_JS(int, storageMove, (const char* from, const char* to), {
    try {
        var value = globalThis.localStorage.getItem(UTF8ToString(from));
        if (value === null) {
            return 0;
        }
        globalThis.localStorage.setItem(UTF8ToString(to), value);
        globalThis.localStorage.removeItem(UTF8ToString(from));
        return 1;
    } catch (error) {
        return 0;
    }
});
// clang-format on

}  // namespace

std::string userFolder(UserShelf /*shelf*/) {
    return "studio3d/";
}

std::string UserFiles::where(std::string_view name) const {
    return folder_ + std::string(name);
}

std::optional<std::string> UserFiles::read(std::string_view name) const {
    const std::string key = where(name);
    const int length = storageLength(key.c_str());
    if (length < 0) {
        return std::nullopt;
    }
    std::string contents(static_cast<std::size_t>(length) + 1, '\0');
    storageCopy(key.c_str(), contents.data(), length + 1);
    contents.resize(static_cast<std::size_t>(length));
    return contents;
}

bool UserFiles::write(std::string_view name, std::string_view contents) const {
    const std::string text(contents);
    return storageWrite(where(name).c_str(), text.c_str(), static_cast<int>(text.size())) != 0;
}

bool UserFiles::setAside(std::string_view name, std::string_view suffix) const {
    return storageMove(where(name).c_str(), (where(name) + std::string(suffix)).c_str()) != 0;
}

bool UserFiles::update(std::string_view name, const Change& change) const {
    const std::optional<std::string> changed = change(read(name));
    return !changed || write(name, *changed);
}

bool replaceFile(const std::string& /*from*/, const std::string& /*to*/) {
    return false;
}

}  // namespace platform
