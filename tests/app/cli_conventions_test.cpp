// How quorix-report treats its command line and its output streams: usage
// errors, numbers, bytes that are not UTF-8, long jobs.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/storage/temp_dir.h"
#include "run_tool.h"

namespace {

using quorix::testing::runTool;
namespace fs = std::filesystem;

bool OneLine(const std::string& err) { return !err.empty() && err.find('\n') == err.size() - 1; }

TEST(ToolUsage, EveryUsageErrorIsOneLineAndExitTwo) {
    for (const char* args : {"",
                             "nosuchverb",
                             "search",
                             "search 6 --nosuchoption",
                             "facts",
                             "search 0x10",
                             "search ten",
                             "search 0",
                             "search 21",
                             "search 6 --rules 1111",
                             "search 6 --rules 11121",
                             "search 6 --max-solutions 0",
                             "search 6 --max-solutions -1",
                             "summary 1e1",
                             "summary 21",
                             "group S9",
                             "group Q9",
                             "group Z2xS5xS5",
                             "group perm:1123",
                             "facts S3 Q9",
                             "compare S3 Q9",
                             "table S3 --by ''",
                             "table S3 --original=2",
                             "view S3 --preferences /nonexistent-quorix-dir"}) {
        const auto r = runTool(args);
        EXPECT_EQ(r.exitCode, 2) << args << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_TRUE(OneLine(r.err)) << args << ": " << r.err;
        EXPECT_EQ(r.err.rfind("quorix-report: ", 0), 0u) << r.err;
    }
    // The message names the real problem.
    EXPECT_NE(runTool("view 'Aut('").err.find("closing parenthesis"), std::string::npos);
    EXPECT_NE(runTool("group 'perm:1\xC3\xA9'").err.find("holds '\xC3\xA9'"), std::string::npos);
    for (const char* big : {"D99999999999999999999", "S99999999999", "'GL(2,99999999999)'"})
        EXPECT_NE(runTool(std::string("group ") + big).err.find("is too large"), std::string::npos) << big;
    EXPECT_NE(runTool("group 'Aut(S3)'").err.find("view verb only"), std::string::npos);
    // Decimal only: a leading zero is not octal.
    const auto ten = runTool("search 010 --json");
    ASSERT_EQ(ten.exitCode, 0) << ten.err;
    EXPECT_EQ(nlohmann::json::parse(ten.out)["order"], 10);
    EXPECT_EQ(runTool("--help").exitCode, 0);
    EXPECT_EQ(runTool("--version").out.rfind("quorix-report ", 0), 0u);
}

TEST(ToolUsage, LongOrManyFactoredDescriptionsAreRefusedAtOnce) {
    std::string product = "Z1";
    for (int i = 0; i < 6; ++i) product += "xZ1";  // seven factors
    auto r = runTool("facts " + product);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(OneLine(r.err)) << r.err;
    EXPECT_EQ(runTool("facts Z1xZ1xZ1xZ2xZ2xZ3").exitCode, 0);

    for (int i = 0; i < 30000; ++i) product += "xZ1";  // 90 KB
    r = runTool("group " + product);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(OneLine(r.err)) << r.err.substr(0, 200);
    EXPECT_LT(r.err.size(), 200u);
}

class ToolRegister : public ::testing::Test {
protected:
    void write(const std::string& text) const { quorix::testing::writeFile(dir.path() / "QuorixObjects.bas", text); }
    std::string reg() const { return "--register '" + dir.path().string() + "'"; }

    quorix::testing::TempDir dir;
};

TEST_F(ToolRegister, JsonSurvivesIdsThatAreNotUtf8) {
    write("2!!4!!Z\xff\xfe!!Y\n4\n");
    const std::string id = " \"$(printf 'Z\\377\\376')\"";
    const auto json = runTool("facts " + reg() + " --json" + id);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out)["id"], "Z\xEF\xBF\xBD\xEF\xBF\xBD");
    const auto text = runTool("facts " + reg() + id);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Group Z\xff\xfe (ID Z\xff\xfe)\n", 0), 0u);
}

TEST_F(ToolRegister, IdsBeginningWithADashFollowTwoDashes) {
    write("2!!4!!-Z4!!Y\n4\n");
    EXPECT_EQ(runTool("list " + reg() + " -Z4").exitCode, 2);
    const auto r = runTool("list " + reg() + " -- -Z4");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "-Z4\t2\t4\n");
}

TEST(SearchVerbJobs, MaxSolutionsEndsTheSearchEarly) {
    auto j = nlohmann::json::parse(runTool("search 8 --include-isomorphs --max-solutions 3 --json").out);
    EXPECT_EQ(j["solutions"].size(), 3u);
    EXPECT_EQ(j["stopped"], "max-solutions");
    const auto text = runTool("search 8 --max-solutions 2");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Solutions: 2 (stopped at --max-solutions)\n"), std::string::npos) << text.out;
}

TEST(SearchVerbJobs, CtrlCStopsCleanlyWithWhatWasFound) {
    const quorix::testing::TempDir temp;
    const std::string out = (temp.path() / "out").string(), err = (temp.path() / "err").string();
    const fs::path registerFile = temp.path() / "QuorixObjects.bas";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGINT, SIG_DFL);
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        execl(QUORIX_REPORT_EXE, QUORIX_REPORT_EXE, "search", "16", "--include-isomorphs", "--register",
              temp.path().c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Ctrl+C once the first solution is registered, while the search goes on.
    std::error_code ec;
    int status = 0;
    pid_t ended = 0;
    while ((fs::file_size(registerFile, ec) == 0 || ec) && (ended = waitpid(child, &status, WNOHANG)) == 0)
        std::this_thread::yield();
    ASSERT_EQ(ended, 0) << "the search ended before its first solution was registered";
    kill(child, SIGINT);
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 130);
    std::ifstream o(out), e(err);
    const std::string printed((std::istreambuf_iterator<char>(o)), {}),
        complained((std::istreambuf_iterator<char>(e)), {});
    EXPECT_NE(printed.find("Group #16(1)\n"), std::string::npos) << printed.substr(0, 300);
    EXPECT_NE(printed.find(" (search halted)\n"), std::string::npos);
    EXPECT_EQ(complained, "Search halted.\n");
}

TEST(SearchVerbJobs, ProgressOnlyWhenStderrIsATerminal) {
    EXPECT_EQ(runTool("search 8 --max-solutions 1").err, "");
    if (!fs::exists("/usr/bin/script")) GTEST_SKIP() << "no script(1) to give the tool a terminal";
    const std::string cmd =
        "/usr/bin/script -qec '" + std::string(QUORIX_REPORT_EXE) + " search 8 --max-solutions 1' /dev/null </dev/null";
    std::string screen;
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    for (int c; (c = fgetc(p)) != EOF;) screen += static_cast<char>(c);
    pclose(p);
    EXPECT_NE(screen.find("searching order 8: "), std::string::npos) << screen;
    EXPECT_NE(screen.find(" complete tables, 1 solutions (Ctrl+C stops)"), std::string::npos) << screen;
}

}  // namespace
