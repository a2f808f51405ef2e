#include "report/png_picture.h"

#ifdef QUORIX_REPORT_PNG
#include <QApplication>
#include <QLoggingCategory>

#include "gui/common/picture_box.h"
#include "gui/display/cayley_table.h"
#endif

namespace quorix::report {

#ifdef QUORIX_REPORT_PNG

bool PngAvailable() { return true; }

std::string WriteTablePng(const Group& g, const std::string& title, bool originalNames, bool colours,
                          const std::optional<ElementSet>& organiseBy, const std::string& file) {
    // The tool is headless: fonts and painting come from the offscreen
    // platform, and Qt's own start-up remarks stay off the tool's stderr.
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
    if (!box.savePng(QString::fromStdString(file))) return "cannot write " + file;
    return {};
}

#else

bool PngAvailable() { return false; }

std::string WriteTablePng(const Group&, const std::string&, bool, bool, const std::optional<ElementSet>&,
                          const std::string&) {
    return kPngUnavailable;
}

#endif

}  // namespace quorix::report
