#include "platform/page_address.h"

namespace platform {

// A desktop program's command line is fixed once it runs.
void setAddressArgument(std::string_view, std::string_view) {}

}  // namespace platform
