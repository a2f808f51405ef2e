#pragma once
// A scripted host for tests: records every message and question, answers
// questions from a queue (default No), and can raise the halt flag after a
// given number of event pumps.

#include <deque>
#include <string>
#include <vector>

#include "core/host/host.h"

namespace quorix::testing {

class FakeHost : public Host {
public:
    FakeHost() { setHost(this); }
    ~FakeHost() override { setHost(nullptr); }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    void pumpEvents() override {
        ++pumps;
        if (haltAfterPumps >= 0 && pumps >= haltAfterPumps) halt = true;
    }
    bool haltRequested() const override { return halt; }
    void setHaltRequested(bool h) override { halt = h; }
    void message(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text, const std::string& title) override {
        questions.push_back(title + ": " + text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void setProcessingText(const std::string& text) override { processing.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> processing;
    std::deque<bool> answers;
    bool halt = false;
    long pumps = 0;
    long haltAfterPumps = -1;
};

}  // namespace quorix::testing
