// Entry point of the GUI test binaries: the application exists before any
// test object (fixtures often hold widgets as members) is constructed.
// Listing the tests (as ctest's discovery does) needs no application.
#include <gtest/gtest.h>

#include <cstring>

#include "gui/gui_test_env.h"

int main(int argc, char** argv) {
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    ::testing::InitGoogleTest(&argc, argv);
    if (!listing) quorix::testing::guiApp();
    return RUN_ALL_TESTS();
}
