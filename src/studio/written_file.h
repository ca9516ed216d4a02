#pragma once

#include <functional>
#include <string>

// Writes a file whole or not at all: write(partial) writes it under a name beside path and returns whether
// that worked; the file then takes its place. Throws std::runtime_error("can't write PATH") otherwise,
// leaving neither file behind.
void writeWholeFile(const std::string& path, const std::function<bool(const std::string& partial)>& write);
