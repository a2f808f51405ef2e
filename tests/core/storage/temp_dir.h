#pragma once
// A fresh, empty directory per test, removed afterwards.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quorix::testing {

class TempDir {
public:
    // A name of its own (mkdtemp): two runs of the tests never meet.
    TempDir() {
        std::string pattern = (std::filesystem::path(::testing::TempDir()) / "quorix-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "no temporary directory under " << ::testing::TempDir();
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeFile(const std::filesystem::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace quorix::testing
