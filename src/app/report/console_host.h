#pragma once
// The command-line tool's host: messages go to stderr, questions are
// answered No, there are no events to pump and nobody presses Halt.

#include <iostream>

#include "core/host/host.h"

namespace quorix::report {

class ConsoleHost : public Host {
public:
    void pumpEvents() override {}
    bool haltRequested() const override { return halt_; }
    void setHaltRequested(bool halt) override { halt_ = halt; }
    void message(const std::string& text) override { std::cerr << text << "\n"; }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    void setProcessingText(const std::string&) override {}

private:
    bool halt_ = false;
};

}  // namespace quorix::report
