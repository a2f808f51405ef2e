// The files installed for desktops pass their validators (when these are
// installed).

#include <gtest/gtest.h>

#include <sys/wait.h>

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

}  // namespace
