/* Basic types shared by the host and the plug-in: error codes, handles,
 * points, rectangles and matrices. C-compatible, fixed-width, no exceptions. */
#ifndef KAVRO_HOSTAPI_KV_TYPES_H
#define KAVRO_HOSTAPI_KV_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Every function pointer of a suite uses the C calling convention of the
 * platform, so a module built by one compiler works with a host built by
 * another. */
#if defined(_WIN32) && !defined(_WIN64)
#define KV_CALL __cdecl
#else
#define KV_CALL
#endif

/* Marks the module's entry point as its one exported symbol. */
#if defined(_WIN32)
#define KV_EXPORT __declspec(dllexport)
#else
#define KV_EXPORT __attribute__((visibility("default")))
#endif

/* A host error code: 0 for success. Codes of four characters hold the first
 * character in the most significant byte. */
typedef int32_t KvError;

#define KV_FOUR_CHAR(a, b, c, d)                                               \
  ((KvError)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
             ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

#define kvNoErr ((KvError)0)
/* The options dialog was cancelled; never shown to the user. */
#define kvCancelledErr ((KvError)0x53544F50) /* 'STOP' */
/* Returned to the host without being reported. */
#define kvSilentErr ((KvError)0x53214664) /* 'S!Fd' */
/* A tool icon cannot be loaded. */
#define kvIconErr ((KvError)0x2169636F) /* '!ico' */
/* Not enough memory. */
#define kvOutOfMemoryErr ((KvError)-108)
/* A parameter the host cannot use: a null handle, an unknown object, an
 * index out of range. */
#define kvBadParameterErr ((KvError)0x5041524D) /* 'PARM' */
/* The suite asked for is unknown, or not at that version. */
#define kvSuiteNotFoundErr ((KvError)0x53214E46) /* 'S!NF' */
/* A suite released that was not held. */
#define kvSuiteNotHeldErr ((KvError)0x53214E48) /* 'S!NH' */
/* The operation is not served by this host yet. */
#define kvUnsupportedErr ((KvError)0x554E5350) /* 'UNSP' */

/* Booleans across the seam are 32-bit: 0 is false, anything else true. */
typedef int32_t KvBool;

/* Opaque handles of host objects. The plug-in never looks inside them. */
typedef struct KvPluginOpaque *KvPluginRef;
typedef struct KvAccessOpaque *KvAccessRef;
typedef struct KvDocumentOpaque *KvDocumentHandle;
typedef struct KvSymbolOpaque *KvSymbolHandle;
typedef struct KvArtOpaque *KvArtHandle;
typedef struct KvLayerOpaque *KvLayerHandle;
typedef struct KvTrackerOpaque *KvTrackerHandle;
typedef struct KvDialogOpaque *KvDialogHandle;
typedef struct KvItemOpaque *KvItemHandle;
typedef struct KvListOpaque *KvListHandle;
typedef struct KvEntryOpaque *KvEntryHandle;
typedef struct KvNotifierOpaque *KvNotifierHandle;

/* Tool handles and icon references are 32-bit numbers on every target, so
 * that the plug-in can keep them in its fixed-layout settings block. */
typedef uint32_t KvToolHandle;
typedef uint32_t KvIconRef;

/* A point in document coordinates, y up. */
typedef struct KvPoint {
  float x;
  float y;
} KvPoint;

/* A rectangle in document coordinates: top is above bottom (top >= bottom). */
typedef struct KvRect {
  float left;
  float top;
  float right;
  float bottom;
} KvRect;

/* An affine matrix [a b c d tx ty]: (x, y) maps to
 * (a*x + c*y + tx, b*x + d*y + ty), as SVG's matrix(). */
typedef struct KvMatrix {
  float a;
  float b;
  float c;
  float d;
  float tx;
  float ty;
} KvMatrix;

/* Paint-order codes: where new art goes in the current layer. */
#define kvPlaceAboveAll ((int16_t)5)
#define kvPlaceBelowAll ((int16_t)6)

#ifdef __cplusplus
}
#endif

#endif
