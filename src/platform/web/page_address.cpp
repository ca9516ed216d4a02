#include "platform/page_address.h"

#include <emscripten.h>

#include <string>

namespace {

// clang-format off
EM_JS(void, replaceAddressArgument, (const char* name, const char* value), {
    var address = new URL(location.href);
    address.searchParams.set(UTF8ToString(name), UTF8ToString(value));
    history.replaceState(history.state, "", address.href);
});
// clang-format on

}  // namespace

namespace platform {

void setAddressArgument(std::string_view name, std::string_view value) {
    replaceAddressArgument(std::string(name).c_str(), std::string(value).c_str());
}

}  // namespace platform
