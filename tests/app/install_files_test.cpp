// The files installed for desktops pass their validators (when these are
// installed).

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

bool HaveTool(const std::string& name) { return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0; }

int ExitStatus(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(InstallFiles, DesktopEntryAndMetainfoValidate) {
    bool checked = false;
    if (HaveTool("desktop-file-validate")) {
        EXPECT_EQ(ExitStatus("desktop-file-validate " QUORIX_SOURCE_DIR "/src/app/share/org.quorix.Quorix.desktop"), 0);
        checked = true;
    }
    if (HaveTool("appstreamcli")) {
        EXPECT_EQ(
            ExitStatus("appstreamcli validate --no-net " QUORIX_BINARY_DIR "/src/app/org.quorix.Quorix.metainfo.xml"),
            0);
        checked = true;
    }
    if (!checked) GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
}

// What a package needs besides the programs: the man page gzipped, the
// copyright file where the packaging tools look for it.
TEST(InstallFiles, ManPageIsGzippedAndTheCopyrightIsInstalled) {
    char pattern[] = "/tmp/quorix-install-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string prefix = pattern;
    ASSERT_EQ(ExitStatus("cmake --install " QUORIX_BINARY_DIR " --prefix " + prefix), 0);
    EXPECT_EQ(ExitStatus("gzip -t " + prefix + "/share/man/man1/quorix-report.1.gz"), 0);
    EXPECT_NE(ExitStatus("test -e " + prefix + "/share/man/man1/quorix-report.1"), 0);
    EXPECT_EQ(ExitStatus("grep -q '^Format: ' " + prefix + "/share/doc/quorix/copyright"), 0);
    std::system(("rm -rf " + prefix).c_str());
}

}  // namespace
