#pragma once

#include <string_view>

namespace platform {

// Where the program runs in a web page, whose address stands for its command line: sets name=value in the
// address without loading the page again, so that reloading or sharing it shows the same. Elsewhere
// nothing.
void setAddressArgument(std::string_view name, std::string_view value);

}  // namespace platform
