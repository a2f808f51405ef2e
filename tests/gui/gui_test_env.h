#pragma once
// Shared set-up of the GUI tests: one application per test binary, and a
// fixture that gives each test its own program context (a scratch program
// directory, a scripted host, the panels registered, modal panels answered
// by script), plus PNG snapshots of panels when QUORIX_GRAB_DIR is set.

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QTest>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <vector>

#include "core/group/group_spec.h"
#include "gui/common/app_context.h"
#include "gui/common/application.h"
#include "gui/common/panel.h"
#include "gui/panels.h"
#include "support/fake_host.h"

namespace quorix::testing {

// An exception that reaches the event loop fails the running test.
inline void failOnEscapedExceptions(gui::Application& app) {
    app.setErrorReporter([](const QString& text) { ADD_FAILURE() << text.toStdString(); });
}

// The test binary's application.
inline gui::Application& guiApp() {
    static int argc = 1;
    static char name[] = "quorix-gui-test";
    static char* argv[] = {name, nullptr};
    static gui::Application* app = [] {
        auto* a = new gui::Application(argc, argv);
        failOnEscapedExceptions(*a);
        return a;
    }();
    return *app;
}

// Saves a picture of the widget as <QUORIX_GRAB_DIR>/<name>.png.
inline void snapshot(QWidget& w, const QString& name) {
    const char* dir = std::getenv("QUORIX_GRAB_DIR");
    if (!dir || !*dir) return;
    // What the window shows once it has settled (scroll bars included).
    QCoreApplication::processEvents();
    w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png")));
}

// Lets a panel's deferred start and its job run to their end (at most a
// minute): the loop sleeps until an event comes, such as the end of the
// job's worker, and wakes every 50 ms to look at the clock.
inline bool settle(gui::Panel& panel) {
    QDeadlineTimer deadline(60000);
    QTimer wake;
    wake.start(50);
    while (panel.startPending() || panel.jobRunning()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

class GuiTest : public ::testing::Test {
protected:
    GuiTest() {
        guiApp();
        gui::RegisterAllPanels(ctx.panels);
        ctx.dialogs.runModal = [this](QDialog& d) {
            modal.push_back(d.objectName());
            if (script) script(d);
        };
    }

    // Registers a group built from a spec ("S3", "Z2xZ4") under an ID.
    void add(const char* spec, const std::string& id) { ctx.groups.RegisterGroup(MakeGroupFromSpec(spec), id); }
    // The input of a panel opened on the group at a register position.
    gui::PanelInput on(int position) const {
        gui::PanelInput input;
        input.group = ctx.groups.At(position);
        return input;
    }

    QTemporaryDir dir;
    FakeHost host;
    gui::AppContext ctx{dir.path().toStdString(), host};
    std::vector<QString> modal;            // object names of the modal panels run
    std::function<void(QDialog&)> script;  // plays the user in each of them
};

}  // namespace quorix::testing
