/* "AI Real Math Suite" 1: single-precision math done by the host, so every
 * build of a module gets the same numbers. */
#ifndef KAVRO_HOSTAPI_AI_REAL_MATH_SUITE_H
#define KAVRO_HOSTAPI_AI_REAL_MATH_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIRealMathSuiteName "AI Real Math Suite"
#define kvAIRealMathSuiteVersion 1

typedef struct KvAIRealMathSuite {
  /* Degrees to radians. */
  float(KV_CALL *DegreesToRadians)(float degrees);
  /* Direction angle of the vector from *p1 to *p2, in radians, -pi to pi;
   * 0 for a zero vector. */
  float(KV_CALL *PointAngle)(const KvPoint *p1, const KvPoint *p2);
  float(KV_CALL *Sqrt)(float value);
  float(KV_CALL *Sin)(float radians);
  float(KV_CALL *Cos)(float radians);
  /* Append an operation to *matrix: the matrix then applies the new operation
   * after the ones it already held. */
  void(KV_CALL *MatrixConcatTranslate)(KvMatrix *matrix, float tx, float ty);
  void(KV_CALL *MatrixConcatScale)(KvMatrix *matrix, float sx, float sy);
  void(KV_CALL *MatrixConcatRotate)(KvMatrix *matrix, float radians);
} KvAIRealMathSuite;

#ifdef __cplusplus
}
#endif

#endif
