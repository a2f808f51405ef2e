#pragma once
// The browser panels: dlgBrowser shows a view file at its anchor (the newest
// view of a file that views are appended to), dlgHelp the help page at a
// panel's section. They open maximised and the browser fills them; F1 opens the help contents,
// F2 saves the screen to the clipboard, F3 closes the panel, F12 ends the
// program.

#include <QString>

#include "gui/common/panel.h"

class QTextBrowser;

namespace quorix::gui {

// The help page beside the program (<program directory>/pp/grp/QuorixHelp.html),
// else the installed one (InstalledHelpPagePath()); the first when neither exists.
QString HelpPagePath();

class BrowserPanel : public Panel {
    Q_OBJECT
public:
    enum class Kind { View, Help };
    // `anchor` without "#"; empty shows the top of the file.
    BrowserPanel(AppContext& context, Kind kind, const QString& path, const QString& anchor, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    QString path() const { return path_; }
    QString anchor() const { return anchor_; }

private:
    QTextBrowser* browser_ = nullptr;
    QString path_;
    QString anchor_;
};

}  // namespace quorix::gui
