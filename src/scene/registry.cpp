#include "scene/registry.h"

REGISTRY_CONSTINIT std::vector<Object*> registry;
