#pragma once
// An HTML view written as a panel's job: composed on the worker (over view
// options of the workbench whose registrar only records), then, on the GUI
// thread, the groups it derived are registered, the file is written
// (replacing it: the save dialog asked) and the browser opens it.

#include <QString>
#include <functional>
#include <string>

#include "core/display/views.h"

namespace quorix::gui {

class BrowserPanel;
class Panel;

// `compose` gets the options (components, registrar, progress, deferred
// writing) and returns what WriteGroupView or WriteSummaryView returns;
// `shown` gets the browser opened. False when the panel already runs a job.
bool RunViewJob(Panel& panel, const QString& path, const std::string& components,
                std::function<ViewResult(const ViewOptions&)> compose, std::function<void(BrowserPanel*)> shown = {});

}  // namespace quorix::gui
