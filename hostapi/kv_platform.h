/* The two platform functions a module calls besides the suites: load a
 * cursor from a module's resources and make it current. On Windows they are
 * the system's own (user32); elsewhere the host's platform library provides
 * them with the same meaning. */
#ifndef KAVRO_HOSTAPI_KV_PLATFORM_H
#define KAVRO_HOSTAPI_KV_PLATFORM_H

#ifdef _WIN32
#include <windows.h>
#else

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void *HINSTANCE;
typedef void *HCURSOR;

/* Makes a resource name from a 16-bit resource number. */
#define MAKEINTRESOURCEA(id) ((const char *)(uintptr_t)(uint16_t)(id))

/* Loads the cursor group `name` (a resource number from MAKEINTRESOURCEA)
 * from the module whose instance handle is `instance`. Returns null when the
 * module has no such cursor. The cursor is owned by the platform. */
HCURSOR LoadCursorA(HINSTANCE instance, const char *name);
/* Makes `cursor` current; returns the previous cursor (null for none). */
HCURSOR SetCursor(HCURSOR cursor);

#ifdef __cplusplus
}
#endif

#endif
#endif
