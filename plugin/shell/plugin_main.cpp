#include "plugin/shell/plugin_main.h"

#include <span>

#include "plugin/options/options_dialog.h"
#include "plugin/patterns/tool_handlers.h"
#include "plugin/shell/about_box.h"
#include "plugin/shell/globals_lifecycle.h"
#include "plugin/shell/host_suites.h"
#include "plugin/shell/report_error.h"

namespace kavro {

namespace {

using Handler = KvError (*)(void *message);

struct Route {
  const char *selector;
  Handler handler;
};

template <KvError (*Handle)(KvMessage *)>
KvError OnMessage(void *message) {
  return Handle(static_cast<KvMessage *>(message));
}

template <KvError (*Handle)(KvToolMessage *)>
KvError OnToolMessage(void *message) {
  return Handle(static_cast<KvToolMessage *>(message));
}

// Messages the plug-in answers with success and nothing else: selecting and
// deselecting a tool.
KvError Acknowledge(void * /*message*/) { return kvNoErr; }

// Each table lists its selectors in the order they are compared.
constexpr Route kAccessRoutes[] = {
    {kvSelectorUnload, OnMessage<HandleUnload>},
    {kvSelectorReload, OnMessage<HandleReload>},
};

constexpr Route kInterfaceRoutes[] = {
    {kvSelectorStartup, OnMessage<HandleStartup>},
    {kvSelectorAbout, OnMessage<ShowAboutBox>},
    {kvSelectorShutdown, OnMessage<HandleShutdown>},
};

constexpr Route kToolRoutes[] = {
    {kvSelectorEditOptions, OnToolMessage<EditToolOptions>},
    {kvSelectorTrackCursor, OnToolMessage<TrackCursor>},
    {kvSelectorMouseDown, OnToolMessage<MouseDown>},
    {kvSelectorMouseDrag, OnToolMessage<MouseDrag>},
    {kvSelectorMouseUp, OnToolMessage<MouseUp>},
    {kvSelectorSelect, Acknowledge},
    {kvSelectorDeselect, Acknowledge},
};

// Runs the handler of the first route whose selector equals `selector`; a
// selector of none of them is answered with 0.
KvError Dispatch(std::span<const Route> routes, const KvBasicSuite &basic, const char *selector,
                 void *message) {
  for (const Route &route : routes) {
    if (basic.IsEqual(selector, route.selector)) return route.handler(message);
  }
  return kvNoErr;
}

// Routes a message that needs the suites; they are held by the caller.
KvError DispatchWithSuites(const KvBasicSuite &basic, const char *caller, const char *selector,
                           void *message) {
  if (basic.IsEqual(caller, kvCallerInterface)) {
    return Dispatch(kInterfaceRoutes, basic, selector, message);
  }
  if (basic.IsEqual(caller, kvCallerTool)) return Dispatch(kToolRoutes, basic, selector, message);
  return kvNoErr;
}

// Every failure is shown to the user except the one code meant to reach the
// host silently.
bool IsReported(KvError code) { return code != kvNoErr && code != kvSilentErr; }

KvError HandleMessage(const char *caller, const char *selector, void *message) {
  auto *const record = static_cast<KvMessage *>(message);
  const KvBasicSuite &basic = *record->basic;

  // Unloading and reloading move the settings block only, with no suite held
  // and nothing shown.
  if (basic.IsEqual(caller, kvCallerAccess)) {
    return Dispatch(kAccessRoutes, basic, selector, message);
  }

  KvError result = AcquireSuites(&basic);
  if (result == kvNoErr) result = DispatchWithSuites(basic, caller, selector, message);
  if (IsReported(result)) ReportError(record, result);
  static_cast<void>(ReleaseSuites(&basic));
  return result;
}

}  // namespace

}  // namespace kavro

extern "C" KV_EXPORT KvError KV_CALL PluginMain(const char *caller, const char *selector,
                                                void *message) {
  return kavro::HandleMessage(caller, selector, message);
}
