#pragma once
// JSON on stdout. IDs and names come from register files and the command
// line and need not be UTF-8: invalid bytes are written as U+FFFD rather
// than ending the run.

#include <nlohmann/json.hpp>

#include <iostream>

namespace quorix::cli {

inline void PrintJson(const nlohmann::json& j, int indent = -1) {
    std::cout << j.dump(indent, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

}  // namespace quorix::cli
