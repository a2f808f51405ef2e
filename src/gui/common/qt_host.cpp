#include "gui/common/qt_host.h"

#include <QApplication>
#include <QMessageBox>

namespace quorix::gui {

void QtHost::Message(const std::string& text) {
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("QUORIX"), QString::fromStdString(text));
}

bool QtHost::AskYesNo(const std::string& text, const std::string& title) {
    return QMessageBox::question(QApplication::activeWindow(), QString::fromStdString(title),
                                 QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace quorix::gui
