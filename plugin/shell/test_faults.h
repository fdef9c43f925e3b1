// For the plug-in's tests: the host faults they arm.
#pragma once

#include "host/host.h"

namespace kavro::testing {

// The `onCall`-th call of `operation` from when it is armed fails with `code`.
inline host::Fault FaultOn(const char *operation, KvError code, int onCall = 1) {
  host::Fault fault;
  fault.operation = operation;
  fault.code = code;
  fault.onCall = onCall;
  return fault;
}

// Suite `suite` cannot be acquired: its next acquisition fails with `code`.
inline host::Fault SuiteUnavailable(const char *suite, KvError code) {
  host::Fault fault = FaultOn("SP Basic Suite.AcquireSuite", code);
  fault.suite = suite;
  return fault;
}

}  // namespace kavro::testing
