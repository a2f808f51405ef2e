// The tool against files that are shared, full, planted or not files at all:
// two runs registering at once lose nothing, a failed write is one message
// and exit 1 with the old file intact, links and permissions are respected,
// and nothing hangs.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "core/storage/group_register.h"
#include "core/storage/temp_dir.h"
#include "run_tool.h"

namespace {

namespace fs = std::filesystem;
using quorix::testing::readFile;
using quorix::testing::runTool;
using quorix::testing::writeFile;

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

// Runs a shell command line in which $Q is the tool; the exit code.
int shell(const std::string& line) {
    const int status = std::system(("Q=" + std::string(QUORIX_REPORT_EXE) + "; " + line).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HostileFiles, TwoRunsRegisteringAtOnceLoseNothing) {
    quorix::testing::TempDir temp;
    const fs::path alone = temp.path() / "alone", shared = temp.path() / "shared";
    fs::create_directory(alone);
    ASSERT_EQ(shell("$Q subgroups U15 --save --register " + quoted(alone) +
                    " >/dev/null && $Q subgroups Z2xZ4 --save "
                    "--register " +
                    quoted(alone) + " >/dev/null"),
              0);
    const auto expected = runTool("list --register " + quoted(alone));
    ASSERT_EQ(expected.exitCode, 0);
    for (int round = 0; round < 12; ++round) {
        fs::remove_all(shared);
        fs::create_directory(shared);
        ASSERT_EQ(shell("($Q subgroups U15 --save --register " + quoted(shared) +
                        " >/dev/null & $Q subgroups Z2xZ4 "
                        "--save --register " +
                        quoted(shared) + " >/dev/null; wait $!)"),
                  0);
        const auto list = runTool("list --register " + quoted(shared));
        ASSERT_EQ(list.err, "") << "round " << round;
        // Both runs' groups, in either interleaving.
        EXPECT_EQ(list.out.size(), expected.out.size()) << list.out;
        if (round != 11) continue;  // contents once: the engine's test checks every round
        for (const char* id : {"Subgroup8-1(Z2xZ4)", "Subgroup4-3(Z_15^*)"}) {
            const auto a = runTool("group --json --register " + quoted(alone) + " '" + id + "'");
            const auto b = runTool("group --json --register " + quoted(shared) + " '" + id + "'");
            ASSERT_EQ(b.exitCode, 0) << b.err;
            EXPECT_EQ(a.out, b.out) << id;
        }
    }
}

TEST(HostileFiles, FailedWritesAreOneMessageAndKeepTheOldFile) {
    quorix::testing::TempDir temp;
    for (const char* verb : {"view S3", "summary 4", "lattice S3 --svg", "table S3 --svg"}) {
        const auto r = runTool(std::string(verb) + (std::string(verb).find("--svg") == std::string::npos ? " -o" : "") +
                               " /dev/full");
        EXPECT_EQ(r.exitCode, 1) << verb;
        EXPECT_EQ(r.out, "") << verb;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(shell("$Q table S3 --latex >/dev/full 2>/dev/null"), 1);  // standard output too
    // A full disk: the view does not fit, the file keeps what it held.
    const fs::path view = temp.path() / "view.html";
    writeFile(view, "<html>earlier view</html>\n");
    chmod(view.c_str(), 0640);
    EXPECT_EQ(shell("trap '' XFSZ; ulimit -f 1; $Q view S4 -o " + quoted(view) + " >/dev/null 2>&1"), 1);
    EXPECT_EQ(readFile(view), "<html>earlier view</html>\n");
    EXPECT_EQ(shell("$Q view S3 -o " + quoted(view) + " >/dev/null"), 0);
    EXPECT_EQ(readFile(view).rfind("<html>earlier view</html>\n", 0), 0u);
    struct stat st {};
    ASSERT_EQ(stat(view.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
}

// Every verb that writes a file refuses the same paths the same way: an
// empty name is a usage error; a FIFO, a device and a link that loops are
// one message and exit 1 at once; a write that fails keeps the old file.
TEST(HostileFiles, EveryWriterRefusesTheSamePaths) {
    quorix::testing::TempDir temp;
    const fs::path fifo = temp.path() / "fifo", loop = temp.path() / "loop", old = temp.path() / "old";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(loop, loop);
    for (const char* verb :
         {"view S3 -o", "summary 4 -o", "lattice S3 --svg", "lattice S3 --dot", "table S3 --svg", "table S3 --png",
          "diagram S3 --svg", "diagram S3 --png", "cyclegraph S3 --svg", "cyclegraph S3 --png"}) {
        std::string v = verb;
        if (!QUORIX_TOOL_DRAWS_PNG && v.find("--png") != std::string::npos) continue;
        auto r = runTool(v + " ''");
        EXPECT_EQ(r.exitCode, 2) << v;
        EXPECT_NE(r.err.find("needs a file name"), std::string::npos) << v << r.err;
        for (const fs::path& bad : {fifo, loop, fs::path("/dev/full")}) {
            r = runTool(v + " " + quoted(bad));
            EXPECT_EQ(r.exitCode, 1) << v << " " << bad;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << v << r.err;
        }
        EXPECT_TRUE(fs::is_symlink(loop));
        if (v.rfind("view", 0) == 0 || v.rfind("summary", 0) == 0) continue;  // appended to
        writeFile(old, "earlier\n");
        EXPECT_EQ(shell("trap '' XFSZ; ulimit -f 1; $Q " + v.replace(v.find("S3"), 2, "A5") + " " + quoted(old) +
                        " >/dev/null 2>&1"),
                  1)
            << v;
        EXPECT_EQ(readFile(old), "earlier\n") << v;
    }
}

TEST(HostileFiles, PlantedLinksAndOtherFilesAreLeftAlone) {
    quorix::testing::TempDir temp;
    const fs::path dir = temp.path() / "reg", victim = temp.path() / "victim";
    fs::create_directory(dir);
    writeFile(victim, "precious\n");
    for (const char* name : {"QuorixObjects.bas.tmp", "QuorixObjectsBackup.bas.tmp", "QuorixPreferences.bas.tmp"})
        fs::create_symlink(victim, dir / name);
    // A damaged register of mode 600: backed up and rebuilt, still private.
    const fs::path file = dir / quorix::storage::kRegisterFileName;
    writeFile(file, "2!!5!!Z|@5|!!Y\n5\n9!!1!!bad!!Y\n");
    chmod(file.c_str(), 0600);
    const auto r = runTool("subgroups S3 --save --register " + quoted(dir));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("the record at line 3 was left out"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(victim), "precious\n");
    for (const fs::path& p : {file, dir / quorix::storage::kRegisterBackupFileName}) {
        struct stat st {};
        ASSERT_EQ(stat(p.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << p;
    }

    // A FIFO or a device in place of the register or the preferences: one
    // message, exit 1, at once.
    fs::remove(file);
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    auto fifo = runTool("list --register " + quoted(dir));
    EXPECT_EQ(fifo.exitCode, 1);
    EXPECT_NE(fifo.err.find("not a regular file"), std::string::npos) << fifo.err;
    fs::remove(file);
    fs::create_symlink("/dev/zero", file);
    fifo = runTool("subgroups S3 --save --register " + quoted(dir));
    EXPECT_EQ(fifo.exitCode, 1);
    EXPECT_EQ(std::count(fifo.err.begin(), fifo.err.end(), '\n'), 1) << fifo.err;
    const fs::path prefs = dir / "QuorixPreferences.bas";
    ASSERT_EQ(mkfifo(prefs.c_str(), 0600), 0);
    const auto view = runTool("view S3 --preferences " + quoted(dir) + " -o " + quoted(temp.path() / "v.html"));
    EXPECT_EQ(view.exitCode, 1);
    EXPECT_NE(view.err.find("not a regular file"), std::string::npos) << view.err;
}

}  // namespace
