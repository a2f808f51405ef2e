#pragma once
// A scripted host for tests: records every message and question and answers
// questions from a queue (default No).

#include <deque>
#include <string>
#include <vector>

#include "core/host/host.h"

namespace quorix::testing {

class FakeHost : public Host {
public:
    FakeHost() = default;
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        questions.push_back(title + ": " + text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

}  // namespace quorix::testing
