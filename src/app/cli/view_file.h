#pragma once
// Writing a view file for the summary and view verbs: the components from
// --components, else from the preferences in --preferences DIR, else the
// kind's default; a halted view is reported; the file and anchor are printed.

#include <functional>
#include <optional>
#include <string>

#include "core/display/views.h"
#include "cli/common.h"

namespace quorix::cli {

struct ViewFileRequest {
    ViewKind kind = ViewKind::Summary;
    std::optional<std::string> file;  // default: the kind's view file
    std::optional<std::string> components;
    std::optional<std::string> preferencesDir;
    std::string printedBefore;  // printed before "path#anchor"
};

using ViewWriterFunction = std::function<ViewResult(const std::string& path, const ViewOptions& options)>;

// The component string the request asks for; UsageError when it is not
// seven characters 0 or 1. Check it before any long work.
std::string ViewComponents(const ViewFileRequest& request);

void WriteViewFile(const ViewFileRequest& request, RunContext& run, const GroupRegistrar& registrar,
                   const ViewWriterFunction& write);

}  // namespace quorix::cli
