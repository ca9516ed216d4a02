#pragma once

#include <cstddef>
#include <span>

// The files of resources/ compiled into the program, where the system keeps no resources of its own
// (SDL, the web); embedded_resources.cpp finds them for findResource.
namespace platform::embedded {

struct Resource {
    const char* name;
    const unsigned char* bytes;
    std::size_t size;
};

// Written into the build tree by tools/embed_resources.cmake.
extern const std::span<const Resource> resources;

}  // namespace platform::embedded
