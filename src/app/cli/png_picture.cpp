#include "cli/png_picture.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#ifdef QUORIX_REPORT_PNG
#include <QApplication>
#include <QLoggingCategory>

#include "gui/common/picture_box.h"
#include "gui/diagram/diagram_scene.h"
#include "gui/display/cayley_table.h"
#endif

namespace quorix::cli {

std::string RunDrawingBuild(const std::vector<std::string>& arguments) {
    const std::string unavailable = "PNG pictures need the build with the desktop program";
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || arguments.empty()) return unavailable;
    const std::filesystem::path dir = self.parent_path();
    for (const std::filesystem::path& candidate :
         {dir / "quorix-report-qt", dir / ".." / "libexec" / "quorix" / "quorix-report-qt"}) {
        if (!std::filesystem::exists(candidate, error)) continue;
        std::vector<char*> argv;
        std::vector<std::string> copies = arguments;
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string path = candidate.string();
        execv(path.c_str(), argv.data());
        return "cannot start " + path;
    }
    return unavailable;
}

#ifdef QUORIX_REPORT_PNG

bool PngAvailable() { return true; }

std::string WriteTablePng(const Group& g, const std::string& title, bool originalNames, bool colours,
                          const std::optional<ElementSet>& organiseBy, const std::string& file) {
    // Headless: fonts and painting come from the offscreen platform, and
    // Qt's own start-up remarks stay off the tool's stderr.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
    int argc = 1;
    char name[] = "quorix-report";
    char* argv[] = {name, nullptr};
    const QApplication app(argc, argv);
    gui::PictureBox box;
    gui::TableStyle style;
    style.colours = colours;
    style.organiseBy = organiseBy;
    gui::PrintCayleyTable(box, g, gui::TableFormat::RowAndColumn, title, originalNames, nullptr, style);
    std::string error;
    if (!box.savePng(QString::fromStdString(file), &error)) return error.empty() ? "cannot write " + file : error;
    return {};
}

std::string WritePicturePng(const diagram::Picture& picture, const std::string& file) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
    int argc = 1;
    char name[] = "quorix-report";
    char* argv[] = {name, nullptr};
    const QApplication app(argc, argv);
    std::string error;
    if (!gui::SavePicturePng(picture, QString::fromStdString(file), &error))
        return error.empty() ? "cannot write " + file : error;
    return {};
}

#else

bool PngAvailable() { return false; }

std::string WriteTablePng(const Group&, const std::string&, bool, bool, const std::optional<ElementSet>&,
                          const std::string&) {
    return "PNG pictures need the build with the desktop program";
}

std::string WritePicturePng(const diagram::Picture&, const std::string&) {
    return "PNG pictures need the build with the desktop program";
}

#endif

}  // namespace quorix::cli
