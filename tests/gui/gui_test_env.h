#pragma once
// Shared set-up of the GUI tests: one QApplication per test binary, a
// scratch program directory, scripted dialogs, and PNG snapshots of panels
// when QUORIX_GRAB_DIR is set.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>

namespace quorix::testing {

inline QApplication& guiApp() {
    static int argc = 1;
    static char name[] = "quorix-gui-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Saves a picture of the widget as <QUORIX_GRAB_DIR>/<name>.png.
inline void snapshot(QWidget& w, const QString& name) {
    const char* dir = std::getenv("QUORIX_GRAB_DIR");
    if (!dir || !*dir) return;
    w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png")));
}

}  // namespace quorix::testing
