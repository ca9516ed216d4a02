#include "app/toml_number.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

std::string tomlNumber(double value) {
    char text[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) {
            break;
        }
    }
    std::string number(text);
    if (number.find_first_of(".eEn") == std::string::npos) {
        number += ".0";
    }
    return number;
}
