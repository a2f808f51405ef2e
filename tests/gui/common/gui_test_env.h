#pragma once
// A QApplication for the GUI tests, created once per test binary.

#include <QApplication>

namespace quorix::testing {

inline QApplication& guiApp() {
    static int argc = 1;
    static char name[] = "quorix-gui-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace quorix::testing
