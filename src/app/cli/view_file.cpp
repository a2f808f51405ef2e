#include "cli/view_file.h"

#include <filesystem>
#include <iostream>

#include "core/storage/preferences.h"
#include "core/storage/text_file.h"
#include "cli/verb.h"

namespace quorix::cli {

std::string ViewComponents(const ViewFileRequest& request) {
    std::string defaults = DefaultViewComponents(request.kind);
    if (request.preferencesDir) {
        std::error_code ec;
        if (!std::filesystem::is_directory(*request.preferencesDir, ec))
            throw UsageError("preferences directory '" + *request.preferencesDir + "' does not exist");
        storage::Preferences prefs;
        prefs.Load(*request.preferencesDir);
        if (!prefs.LoadProblem().empty()) throw storage::StorageError(prefs.LoadProblem());
        defaults = prefs.String(ViewComponentPreference(request.kind) - 1);
    }
    const std::string components = request.components.value_or(defaults);
    if (components.size() != 7 || components.find_first_not_of("01") != std::string::npos)
        throw UsageError("--components takes seven characters 0 or 1, such as " + DefaultViewComponents(request.kind));
    return components;
}

void WriteViewFile(const ViewFileRequest& request, RunContext& run, const GroupRegistrar& registrar,
                   const ViewWriterFunction& write) {
    const std::string components = ViewComponents(request);
    const std::string path = request.file.value_or(DefaultViewFileName(request.kind));
    ViewResult result;
    try {
        result = write(path, run.workbench.MakeViewOptions(components, registrar));
    } catch (const InvalidArgument& e) {
        throw UsageError(e.what());
    }
    if (!result.complete) {
        std::cerr << kViewHaltedMessage << "\n";
        run.exitCode = 1;
    }
    std::cout << request.printedBefore << path << "#" << result.anchor << "\n";
}

}  // namespace quorix::cli
