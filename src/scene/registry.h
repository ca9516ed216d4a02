#pragma once

#include <vector>

class Object;

// Constant initialisation where the standard library allows it: Emscripten's libc++ 14 has no constant
// vector yet, but its empty vector is the zeroed memory that every static object starts as.
#if defined(__cpp_lib_constexpr_vector)
#define REGISTRY_CONSTINIT constinit
#else
#define REGISTRY_CONSTINIT
#endif

// Every live scene object, in construction order: objects append themselves when built and erase
// themselves when destroyed. The order is the order of update and drawing. Constant-initialised, so
// objects built during static initialisation find it ready.
extern REGISTRY_CONSTINIT std::vector<Object*> registry;
