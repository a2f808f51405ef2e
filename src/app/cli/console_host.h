#pragma once
// The command-line tool's host: messages go to stderr, questions are
// answered No.

#include <iostream>

#include "core/host/host.h"

namespace quorix::cli {

class ConsoleHost : public Host {
public:
    void Message(const std::string& text) override { std::cerr << text << "\n"; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

}  // namespace quorix::cli
