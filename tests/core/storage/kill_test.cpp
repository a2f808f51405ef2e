// A process registering groups is killed at random moments, again and again,
// each time on the file the previous one left behind: the file still loads,
// and every group whose registration had returned before the kill is there,
// in the order it was registered.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/group/group_spec.h"
#include "core/storage/group_register.h"
#include "temp_dir.h"

namespace quorix::storage {
namespace {

constexpr int kKillRounds = 30;
constexpr int kGroupsPerRound = 12;

// The child: loads the register as the program does at start-up, then
// registers groups, telling the parent each ID once RegisterGroup has
// returned, and now and then rewrites the whole file. When done it waits to
// be killed.
[[noreturn]] void RegisterUntilKilled(const std::filesystem::path& dir, int round, int confirmFd, int waitFd) {
    const char* specs[] = {"Z5", "S3", "S3xZ2", "perm:2341,2143", "U15"};
    try {
        GroupRegister reg(dir);
        reg.LoadGroupRegister();
        for (int i = 0; i < kGroupsPerRound; ++i) {
            const std::string id = "K" + std::to_string(round) + "-" + std::to_string(i);
            reg.RegisterGroup(MakeGroupFromSpec(specs[i % 5]), id);
            const std::string line = id + "\n";
            if (write(confirmFd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(3);
            if (i % 5 == 4) reg.RewriteRegisterFile();
        }
    } catch (const std::exception&) {
        _exit(2);
    }
    char byte = 0;
    while (read(waitFd, &byte, 1) < 0) {}
    _exit(0);
}

// Reads the child's confirmations: until `count` lines have come (or the
// pipe ends) when count >= 0, else to the end.
void ReadConfirmed(int fd, int count, std::string& pending, std::vector<std::string>& ids) {
    char buffer[4096];
    for (;;) {
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            ids.push_back(pending.substr(0, end));
            pending.erase(0, end + 1);
            if (--count == 0) return;
        }
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) return;
        pending.append(buffer, static_cast<std::size_t>(n));
    }
}

TEST(RegisterKill, NothingRegisteredIsLostWhenTheWriterIsKilled) {
    const quorix::testing::TempDir dir;
    std::mt19937 random(17);
    // The kill comes a random moment after a random number of registrations
    // (none: during the start-up load).
    std::uniform_int_distribution<int> registrations(0, kGroupsPerRound - 1);
    std::uniform_int_distribution<int> delayMicroseconds(0, 2000);
    std::vector<std::string> confirmed;
    int damagedLoads = 0;

    for (int round = 0; round < kKillRounds; ++round) {
        int confirmPipe[2];
        int waitPipe[2];
        ASSERT_EQ(pipe(confirmPipe), 0);
        ASSERT_EQ(pipe(waitPipe), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(confirmPipe[0]);
            close(waitPipe[1]);
            RegisterUntilKilled(dir.path(), round, confirmPipe[1], waitPipe[0]);
        }
        close(confirmPipe[1]);
        close(waitPipe[0]);
        std::string pending;
        const int before = registrations(random);
        if (before > 0) ReadConfirmed(confirmPipe[0], before, pending, confirmed);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself with status " << WEXITSTATUS(status);
        ReadConfirmed(confirmPipe[0], -1, pending, confirmed);
        close(confirmPipe[0]);
        close(waitPipe[1]);

        GroupRegister reg(dir.path());
        const LoadReport report = reg.LoadGroupRegister();
        ASSERT_FALSE(report.writeError) << *report.writeError;
        damagedLoads += report.damaged ? 1 : 0;
        int previous = 0;
        for (const std::string& id : confirmed) {
            const int position = reg.RegisterIndex(id);
            ASSERT_GT(position, previous) << "round " << round << ": " << id << " lost or out of order";
            previous = position;
        }
    }
    EXPECT_GT(confirmed.size(), 0u);
    RecordProperty("damagedLoads", damagedLoads);
}

}  // namespace
}  // namespace quorix::storage
