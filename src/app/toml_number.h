#pragma once

#include <string>

// A number as the files of this system write it in TOML: the shortest text that reads back as the same
// double (0.9 rather than 0.90000000000000002), always with a decimal point or an exponent, so that it
// reads back as a float.
std::string tomlNumber(double value);
