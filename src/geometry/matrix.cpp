#include "geometry/matrix.h"

#include <cmath>

Matrix& Matrix::identity() {
    for (int i = 0; i < 16; ++i) {
        m[i] = i % 5 == 0 ? 1 : 0;
    }
    return *this;
}

Matrix& Matrix::rotationX(double angle) {
    identity();
    m[5] = std::cos(angle);
    m[6] = std::sin(angle);
    m[9] = -std::sin(angle);
    m[10] = std::cos(angle);
    return *this;
}

Matrix& Matrix::rotationY(double angle) {
    identity();
    m[0] = std::cos(angle);
    m[2] = -std::sin(angle);
    m[8] = std::sin(angle);
    m[10] = std::cos(angle);
    return *this;
}

Matrix& Matrix::rotationZ(double angle) {
    identity();
    m[0] = std::cos(angle);
    m[1] = std::sin(angle);
    m[4] = -std::sin(angle);
    m[5] = std::cos(angle);
    return *this;
}

Matrix& Matrix::translation(double x, double y, double z) {
    identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return *this;
}

Matrix& Matrix::multiply(const Matrix& b) {
    double product[16];
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += m[4 * k + r] * b.m[4 * c + k];
            }
            product[4 * c + r] = sum;
        }
    }
    for (int i = 0; i < 16; ++i) {
        m[i] = product[i];
    }
    return *this;
}
