#include "gui/common/dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QInputDialog>
#include <QStandardPaths>

namespace quorix::gui {

void DialogHooks::showModal(QDialog& dialog) const {
    if (runModal) {
        runModal(dialog);
        return;
    }
    dialog.exec();
}

std::optional<QString> DialogHooks::askText(const QString& prompt, const QString& title,
                                            const QString& proposal) const {
    if (inputBox) return inputBox(prompt, title, proposal);
    bool ok = false;
    QString s = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, proposal, &ok);
    if (!ok) return std::nullopt;
    return s;
}

QString DialogHooks::askSaveFile(const QString& title, const QString& filter, const QString& proposedPath) const {
    if (saveFile) return saveFile(title, filter, proposedPath);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, proposedPath, filter);
}

void DialogHooks::endProgram() const {
    if (exitApplication) {
        exitApplication();
        return;
    }
    // Open panels are not asked; modal loops end with the windows.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

QString ProgramDirectory() { return QCoreApplication::applicationDirPath(); }

QString InstalledHelpPagePath() {
    return QDir::cleanPath(
        QDir(ProgramDirectory()).absoluteFilePath(QStringLiteral("../share/quorix/QuorixHelp.html")));
}

QString DataDirectory() {
    const QString own = ProgramDirectory();
    const bool installed = QFileInfo::exists(InstalledHelpPagePath());
    if (!installed && QFileInfo(own).isWritable()) return own;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty() || !QDir().mkpath(user)) return own;
    return user;
}

}  // namespace quorix::gui
