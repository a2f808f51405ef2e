#pragma once
#include <stdexcept>
#include <string>

namespace quorix {

// The engine's errors, two kinds:
//
// InvalidArgument: input from a user or a file that the engine refuses (a
// group description, a table that is no group, a damaged record). Its text
// names the input and is shown to the user; nothing has changed.
class InvalidArgument : public std::invalid_argument {
public:
    explicit InvalidArgument(const std::string& what) : std::invalid_argument(what) {}
};

// ProgramError: a routine called against its own preconditions by the
// program itself (no group generated yet, a list entry that does not
// exist). It is a fault of the program, never of the input; the desktop
// program reports it as "Program error (<text>)", the command-line tool as a
// program error with its own exit code. The text names the routine.
class ProgramError : public std::logic_error {
public:
    explicit ProgramError(const std::string& what) : std::logic_error(what) {}
};

}  // namespace quorix
