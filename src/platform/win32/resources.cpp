#include "platform/resources.h"

#include "platform/win32/native.h"

#include <string>

namespace platform {

// The files of resources/ are the program's WAVE resources (resources/windows/studio.rc); Windows matches
// their names without regard to case.
std::span<const std::byte> findResource(std::string_view name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, std::string(name).c_str(), "WAVE");
    HGLOBAL loaded = found == nullptr ? nullptr : LoadResource(module, found);
    const void* bytes = loaded == nullptr ? nullptr : LockResource(loaded);
    if (bytes == nullptr) {
        return {};
    }
    // Resources stay mapped for the life of the program.
    return {static_cast<const std::byte*>(bytes), SizeofResource(module, found)};
}

}  // namespace platform
