#pragma once

#include "geometry/vector.h"

// A 4x4 transform in the column-major order glMultMatrixd takes; element (row r, column c) is m[4c + r].
// Operations reset or change the matrix in place and return it.
class Matrix {
  public:
    double m[16];

    Matrix() { identity(); }

    Matrix& identity();
    Matrix& rotationX(double angle);
    Matrix& rotationY(double angle);
    Matrix& rotationZ(double angle);
    Matrix& translation(double x, double y, double z);
    Matrix& translation(const Vector& v) { return translation(v.x, v.y, v.z); }
    // this := this x b
    Matrix& multiply(const Matrix& b);
};
