#pragma once

#include <vector>

class Object;

// Every live scene object, in construction order: objects append themselves when built and erase
// themselves when destroyed. The order is the order of update and drawing. Constant-initialised, so
// objects built during static initialisation find it ready.
extern constinit std::vector<Object*> registry;
