#include "gui/common/dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdlib>

#include "gui/common/qt_host.h"

namespace quorix::gui {

DialogHooks& dialogHooks() {
    static DialogHooks hooks;
    return hooks;
}

void runModal(QDialog& dialog) {
    if (dialogHooks().runModal) {
        dialogHooks().runModal(dialog);
        return;
    }
    dialog.exec();
}

std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& proposal) {
    if (dialogHooks().inputBox) return dialogHooks().inputBox(prompt, title, proposal);
    bool ok = false;
    QString s = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, proposal, &ok);
    if (!ok) return std::nullopt;
    return s;
}

QString saveFileDialog(const QString& title, const QString& filter, const QString& proposedPath) {
    if (dialogHooks().saveFile) return dialogHooks().saveFile(title, filter, proposedPath);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, proposedPath, filter);
}

void exitApplication() {
    if (dialogHooks().exitApplication) {
        dialogHooks().exitApplication();
        return;
    }
    std::exit(0);
}

void showTitledMessage(const QString& title, const QString& text) {
    if (dynamic_cast<QtHost*>(&host())) {
        QMessageBox::information(QApplication::activeWindow(), title, text);
        return;
    }
    host().message(text.toStdString());
}

QString programDirectory() { return QCoreApplication::applicationDirPath(); }

}  // namespace quorix::gui
