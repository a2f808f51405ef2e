#pragma once
// How a program talks to its user: message boxes and Yes/No questions. The
// engine never calls it; panels and the command-line tool own one each (the
// desktop's shows Qt message boxes, the tool's writes to stderr, the tests'
// records what it was asked). Long jobs report and stop through a Progress
// object instead.

#include <string>

namespace quorix {

class Host {
public:
    virtual ~Host() = default;

    // A message box with only an OK button.
    virtual void Message(const std::string& text) = 0;

    // A Yes/No question with a window title; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
};

}  // namespace quorix
