#pragma once
// The engine objects the desktop program holds for the whole run: the
// preferences and the register of generated groups, both kept in the
// program's directory.

#include <filesystem>
#include <memory>

#include "core/storage/group_register.h"
#include "core/storage/preferences.h"
#include "core/workbench/workbench.h"

namespace quorix::gui {

struct AppContext {
    std::filesystem::path directory;
    storage::Preferences preferences;
    std::unique_ptr<storage::GroupRegister> groups;
    std::unique_ptr<Workbench> workbench = std::make_unique<Workbench>();
};

AppContext& appContext();

// Points the program at a directory: defaults for the preferences and an
// empty register there (nothing is read yet).
void resetAppContext(const std::filesystem::path& directory);

inline storage::GroupRegister& groupRegister() { return *appContext().groups; }
inline storage::Preferences& preferences() { return appContext().preferences; }

}  // namespace quorix::gui
