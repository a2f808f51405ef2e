#include "gui/common/app_context.h"

namespace quorix::gui {

AppContext::AppContext(std::filesystem::path dir, Host& h)
    : host(h), directory(std::move(dir)), groups(directory, preferences.Autosave()) {}

}  // namespace quorix::gui
