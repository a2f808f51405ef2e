#pragma once
// What the panels of one run of the desktop program share: the engine's
// objects (preferences, the register of generated groups, the program's
// directory), the host through which panels talk to the user, the dialog
// hooks, the state the panels share and the catalogue of panels. The
// program creates one and hands it to every panel it opens; each test
// creates its own.

#include <QObject>
#include <filesystem>

#include "core/host/host.h"
#include "core/storage/group_register.h"
#include "core/storage/preferences.h"
#include "core/workbench/workbench.h"
#include "gui/common/dialogs.h"
#include "gui/common/gui_state.h"
#include "gui/common/job_pool.h"
#include "gui/common/panel_registry.h"

namespace quorix::gui {

class AppContext {
public:
    // Defaults for the preferences and an empty register in `directory`;
    // nothing is read yet (the main panel's load does that).
    AppContext(std::filesystem::path directory, Host& host);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Host& host;
    const std::filesystem::path directory;
    storage::Preferences preferences;
    storage::GroupRegister groups;
    // The engine's caches shared by the panels: solvability and the named
    // groups compared, the catalogue.
    Workbench workbench;
    GuiState gui;
    DialogHooks dialogs;
    PanelRegistry panels;
    // The panels' workers; last, so that it stops and waits for them before
    // anything they read goes.
    JobPool jobs;
};

// The register positions a panel listed, and a cheap test whether the
// register still holds exactly those groups: a panel that keeps positions
// checks it before it acts on one, and rebuilds its lists when the register
// changed under it (groups deleted or registered elsewhere).
class RegisterSnapshot {
public:
    void take(const storage::GroupRegister& groups) { groups_ = groups.Groups(); }
    bool current(const storage::GroupRegister& groups) const { return groups_ == groups.Groups(); }

private:
    std::vector<GroupPtr> groups_;
};

}  // namespace quorix::gui
