#include "platform/shared/embedded_resources.h"
#include "platform/resources.h"

#include <algorithm>

namespace platform {

namespace {

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

}  // namespace

std::span<const std::byte> findResource(std::string_view name) {
    for (const embedded::Resource& resource : embedded::resources) {
        if (sameIgnoringCase(resource.name, name)) {
            return std::as_bytes(std::span(resource.bytes, resource.size));
        }
    }
    return {};
}

}  // namespace platform
