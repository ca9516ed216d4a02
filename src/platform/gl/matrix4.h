#pragma once

#include <array>

namespace platform::gl {

// a * b for 4 x 4 matrices in GL's column-major order: element (row r, column c) is [4c + r].
template <typename T>
std::array<T, 16> product(const std::array<T, 16>& a, const T* b) {
    std::array<T, 16> result{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            T sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a[k * 4 + row] * b[column * 4 + k];
            }
            result[column * 4 + row] = sum;
        }
    }
    return result;
}

}  // namespace platform::gl
