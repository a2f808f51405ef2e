#pragma once
#include <stdexcept>
#include <string>

namespace quorix {

// Raised by engine routines that refuse their arguments or are used before the
// object they belong to is ready. Callers report it; nothing has changed.
class InvalidArgument : public std::invalid_argument {
public:
    explicit InvalidArgument(const std::string& what) : std::invalid_argument(what) {}
};

}  // namespace quorix
