#include "host/faults.h"

#include <cstring>

#include "host/suite_tables.h"

namespace kavro::host {

void FaultTable::Arm(const Fault &fault) {
  size_t index = 0;
  while (index < kOperationCount && fault.operation != kOperations[index].name) ++index;
  if (index == kOperationCount || !kOperations[index].faultable) {
    throw HostError("fault: unknown operation '" + fault.operation + "'");
  }
  if (fault.code == kvNoErr) throw HostError("fault on " + fault.operation + ": code is 0");
  if (fault.onCall < 1) {
    throw HostError("fault on " + fault.operation + ": call number " +
                    std::to_string(fault.onCall) + " is below 1");
  }
  if (!fault.suite.empty()) {
    const auto op = static_cast<Op>(index);
    if (op != Op::AcquireSuite && op != Op::ReleaseSuite) {
      throw HostError("fault on " + fault.operation +
                      ": only AcquireSuite and ReleaseSuite take a suite");
    }
    if (FindSuite(fault.suite.c_str()) == nullptr) {
      throw HostError("fault on " + fault.operation + ": unknown suite '" + fault.suite + "'");
    }
  }
  armed_[index].push_back({fault.code, fault.onCall, fault.every, fault.suite});
  ++armedCount_;
}

void FaultTable::Clear() {
  for (auto &faults : armed_) faults.clear();
  armedCount_ = 0;
}

KvError FaultTable::CheckArmed(Op op, const char *suite) {
  auto &faults = armed_[static_cast<size_t>(op)];
  KvError result = kvNoErr;
  for (auto fault = faults.begin(); fault != faults.end();) {
    if (!fault->suite.empty() && (suite == nullptr || fault->suite != suite)) {
      ++fault;
      continue;
    }
    ++fault->calls;
    const bool fires =
        fault->calls == fault->onCall || (fault->every && fault->calls > fault->onCall);
    if (fires && result == kvNoErr) result = fault->code;
    if (fires && !fault->every) {
      fault = faults.erase(fault);
      --armedCount_;
    } else {
      ++fault;
    }
  }
  return result;
}

std::vector<std::string> FaultableOperationNames() {
  std::vector<std::string> names;
  for (const OperationInfo &info : kOperations) {
    if (info.faultable) names.emplace_back(info.name);
  }
  return names;
}

}  // namespace kavro::host
