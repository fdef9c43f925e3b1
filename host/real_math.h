// Single-precision math as the host serves it: every function computes in
// double with the standard functions and rounds once to float, so that each
// build gets the same numbers. Matrix appends work in float arithmetic.
#pragma once

#include "hostapi/kv_types.h"

namespace kavro::host {

float DegreesToRadians(float degrees);
// Direction of the vector from p1 to p2, -pi to pi; 0 for a zero vector.
float PointAngle(KvPoint p1, KvPoint p2);
float Sqrt(float value);
float Sin(float radians);
float Cos(float radians);

// Each appends an operation: the matrix then applies it after the ones it
// already held.
void AppendTranslate(KvMatrix &m, float tx, float ty);
void AppendScale(KvMatrix &m, float sx, float sy);
void AppendRotate(KvMatrix &m, float radians);

}  // namespace kavro::host
