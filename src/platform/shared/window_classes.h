#pragma once

#include "platform/window.h"

#include <string>

namespace platform::windowClasses {

// The procedure of a class that registerClass has registered; nullptr for an unknown name.
WindowProcedure procedureOf(const std::string& className);

}  // namespace platform::windowClasses
