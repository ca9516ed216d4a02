#pragma once

#include "platform/window.h"

#include <functional>
#include <string>

// The window classes registered so far, each with its procedure, as registerClass and Window::create
// of every backend keep them.
namespace platform::windowClasses {

// Registers a class under a new name, or agrees when the name has this procedure already. The system's
// own registration, where there is one, runs for a new name only and can refuse it.
bool add(const std::string& className, WindowProcedure procedure,
         const std::function<bool()>& registerWithSystem = {});
// The procedure of a registered class; nullptr for an unknown name.
WindowProcedure procedureOf(const std::string& className);

}  // namespace platform::windowClasses
