/* The message record the host passes with every call of the plug-in's entry
 * point, and the entry point's signature. */
#ifndef KAVRO_HOSTAPI_KV_MESSAGE_H
#define KAVRO_HOSTAPI_KV_MESSAGE_H

#include "hostapi/kv_types.h"
#include "hostapi/sp_basic_suite.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Owned by the host and valid for the length of one call of the entry point.
 * The plug-in only reads it, except for `globals`, which the plug-in writes
 * when it hands its settings block to the host (unload) and clears at
 * shut-down. On 32-bit targets the fields sit at byte offsets 0, 4, 8, 12. */
typedef struct KvMessage {
  uint32_t header;           /* not read by the plug-in */
  KvPluginRef plugin;        /* identifies the calling plug-in to the host */
  void *globals;             /* kept by the host while the module is unloaded */
  const KvBasicSuite *basic; /* acquire and release suites, compare strings */
} KvMessage;

/* Messages of caller "AI Tool" carry the tool and the cursor as well; on
 * 32-bit targets at byte offsets 16, 20 and 24. */
typedef struct KvToolMessage {
  KvMessage base;
  KvToolHandle tool; /* the host's handle of the tool the message is for */
  float cursorX;     /* cursor in document coordinates */
  float cursorY;
} KvToolMessage;

#if defined(__cplusplus)
#define KV_STATIC_ASSERT static_assert
#else
#define KV_STATIC_ASSERT _Static_assert
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
KV_STATIC_ASSERT(sizeof(KvMessage) == 16, "message record is 16 bytes");
KV_STATIC_ASSERT(sizeof(KvToolMessage) == 28, "tool message record is 28 bytes");
#endif

/* The caller and selector strings the host sends. */
#define kvCallerAccess "SP Access"
#define kvSelectorUnload "Unload"
#define kvSelectorReload "Reload"
#define kvCallerInterface "SP Interface"
#define kvSelectorStartup "Startup"
#define kvSelectorAbout "About"
#define kvSelectorShutdown "Shutdown"
#define kvCallerTool "AI Tool"
#define kvSelectorEditOptions "AI Edit Options"
#define kvSelectorTrackCursor "AI Track Cursor"
#define kvSelectorMouseDown "AI Mouse Down"
#define kvSelectorMouseDrag "AI Mouse Drag"
#define kvSelectorMouseUp "AI Mouse Up"
#define kvSelectorSelect "AI Select"
#define kvSelectorDeselect "AI Deselect"

/* The module's only export. `message` points to a KvMessage, or to a
 * KvToolMessage for caller "AI Tool". Returns a host error code. */
typedef KvError(KV_CALL *KvPluginMainProc)(const char *caller, const char *selector, void *message);
#define kvPluginMainName "PluginMain"

#ifdef __cplusplus
}
#endif

#endif
