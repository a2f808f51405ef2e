#include "gui/common/app_context.h"

#include "gui/common/dialogs.h"

namespace quorix::gui {

AppContext& appContext() {
    static AppContext ctx = [] {
        AppContext c;
        c.directory = programDirectory().toStdString();
        c.groups = std::make_unique<storage::GroupRegister>(c.directory, c.preferences.Autosave());
        return c;
    }();
    return ctx;
}

void resetAppContext(const std::filesystem::path& directory) {
    AppContext& c = appContext();
    c.directory = directory;
    c.preferences = storage::Preferences();
    c.groups = std::make_unique<storage::GroupRegister>(directory, c.preferences.Autosave());
}

}  // namespace quorix::gui
