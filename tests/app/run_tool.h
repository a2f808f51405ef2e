#pragma once
// Runs quorix-report with arguments and captures what it prints.

#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace quorix::testing {

struct ToolResult {
    int exitCode = -1;
    std::string out;  // stdout
    std::string err;  // stderr
};

inline ToolResult runTool(const std::string& args) {
    std::string errFile = std::string(::testing::TempDir()) + "quorix-tool-err-XXXXXX";
    const int fd = mkstemp(errFile.data());
    if (fd < 0) return {};
    close(fd);
    const std::string cmd = std::string(QUORIX_REPORT_EXE) + " " + args + " 2>" + errFile;
    ToolResult r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* e = fopen(errFile.c_str(), "r")) {
        while ((n = fread(buf.data(), 1, buf.size(), e)) > 0) r.err.append(buf.data(), n);
        fclose(e);
    }
    std::remove(errFile.c_str());
    return r;
}

// The JSON objects of output that holds one per line.
inline std::vector<nlohmann::json> jsonLines(const std::string& out) {
    std::vector<nlohmann::json> objects;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) objects.push_back(nlohmann::json::parse(line));
    return objects;
}

}  // namespace quorix::testing
