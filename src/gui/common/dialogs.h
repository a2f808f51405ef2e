#pragma once
// The few places where a panel waits for the user outside its own controls:
// modal panels, the input box, the file-save dialog and titled message
// boxes. Each goes through a replaceable function so that tests can script
// the user's answer instead of blocking.

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
    // Ends the program at once. Default: std::exit(0).
    std::function<void()> exitApplication;
};

DialogHooks& dialogHooks();

void runModal(QDialog& dialog);
std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& proposal);
QString saveFileDialog(const QString& title, const QString& filter, const QString& proposedPath);
void exitApplication();

// A message box with its own title. With the desktop host installed this is
// a real box; with any other host the text goes to Host::message.
void showTitledMessage(const QString& title, const QString& text);

// The program's own directory (for the register, preferences, views, help).
QString programDirectory();

}  // namespace quorix::gui
