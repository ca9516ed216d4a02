#include "platform/shared/window_classes.h"

#include <map>

namespace platform::windowClasses {

namespace {

std::map<std::string, WindowProcedure>& classes() {
    static std::map<std::string, WindowProcedure> registered;
    return registered;
}

}  // namespace

bool add(const std::string& className, WindowProcedure procedure,
         const std::function<bool()>& registerWithSystem) {
    if (procedure == nullptr) {
        return false;
    }
    if (auto registered = classes().find(className); registered != classes().end()) {
        return registered->second == procedure;
    }
    if (registerWithSystem && !registerWithSystem()) {
        return false;
    }
    classes().emplace(className, procedure);
    return true;
}

WindowProcedure procedureOf(const std::string& className) {
    auto registered = classes().find(className);
    return registered == classes().end() ? nullptr : registered->second;
}

}  // namespace platform::windowClasses
