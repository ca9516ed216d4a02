#include "platform/shared/window_classes.h"

#include <map>

namespace platform {

namespace {

std::map<std::string, WindowProcedure>& classes() {
    static std::map<std::string, WindowProcedure> registered;
    return registered;
}

}  // namespace

// The system learns of a class, where it keeps classes (Win32), when the first window of it is made.
bool registerClass(const std::string& className, WindowProcedure procedure) {
    if (procedure == nullptr) {
        return false;
    }
    auto [entry, added] = classes().emplace(className, procedure);
    return added || entry->second == procedure;
}

WindowProcedure windowClasses::procedureOf(const std::string& className) {
    auto registered = classes().find(className);
    return registered == classes().end() ? nullptr : registered->second;
}

}  // namespace platform
