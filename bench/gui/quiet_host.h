#pragma once
// A host for the panel benchmarks: no message is shown, every question is
// answered No.

#include <string>

#include "core/host/host.h"

namespace quorix::bench {

struct QuietHost : Host {
    void Message(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

}  // namespace quorix::bench
