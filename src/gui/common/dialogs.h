#pragma once
// The few places where a panel waits for the user outside its own controls:
// modal panels, the input box, the file-save dialog and ending the program.
// Each goes through a replaceable function so that tests can script the
// user's answer instead of blocking.

#include <QString>
#include <functional>
#include <optional>

class QDialog;

namespace quorix::gui {

struct DialogHooks {
    // Runs a modal panel until it closes. Default: QDialog::exec().
    std::function<void(QDialog&)> runModal;
    // Input box; nullopt for Cancel. Default: QInputDialog.
    std::function<std::optional<QString>(const QString& prompt, const QString& title, const QString& proposal)>
        inputBox;
    // File-save dialog; empty for Cancel. Default: QFileDialog.
    std::function<QString(const QString& title, const QString& filter, const QString& proposedPath)> saveFile;
    // Ends the program at once. Default: quits Qt's event loop and closes
    // every window.
    std::function<void()> exitApplication;

    // Through the hook when one is set, else the default.
    void showModal(QDialog& dialog) const;
    std::optional<QString> askText(const QString& prompt, const QString& title, const QString& proposal) const;
    QString askSaveFile(const QString& title, const QString& filter, const QString& proposedPath) const;
    void endProgram() const;
};

// The program's own directory.
QString ProgramDirectory();

// Where the register, the preferences and the views live: the program's own
// directory when the program runs from where it was built or unpacked and
// may write there; the user's data directory (created when missing) when it
// is installed (its help page under ../share/quorix/) or its directory is
// not writable.
QString DataDirectory();

// Where an installed program's help page is: <prefix>/share/quorix/QuorixHelp.html
// for a program in <prefix>/bin.
QString InstalledHelpPagePath();

}  // namespace quorix::gui
