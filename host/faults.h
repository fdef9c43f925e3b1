// Planned failures of host operations, for tests and scripts. A fault fails
// the `onCall`-th call of its operation counted from when it is armed and,
// with `every`, each later call too; a fault that fires once is then spent.
// When nothing is armed a check is one test of a counter.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/operations.h"

namespace kavro::host {

class FaultTable {
 public:
  // Throws HostError for an unknown or unfaultable operation, a zero code,
  // a call number below 1, or a suite filter on an operation other than
  // acquiring or releasing a suite.
  void Arm(const Fault &fault);
  void Clear();

  // Counts one call of `op` (of suite `suite` for acquire and release) and
  // returns the code it must fail with, or 0.
  KvError Check(Op op, const char *suite = nullptr) {
    return armedCount_ == 0 ? kvNoErr : CheckArmed(op, suite);
  }

 private:
  struct Armed {
    KvError code;
    int onCall;
    bool every;
    std::string suite;  // empty: any suite
    int calls = 0;
  };
  KvError CheckArmed(Op op, const char *suite);

  std::array<std::vector<Armed>, kOperationCount> armed_;
  int armedCount_ = 0;
};

// "<suite name>.<op>" of every operation a fault can be armed for, in suite
// order.
std::vector<std::string> FaultableOperationNames();

}  // namespace kavro::host
