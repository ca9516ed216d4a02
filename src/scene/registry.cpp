#include "scene/registry.h"

constinit std::vector<Object*> registry;
