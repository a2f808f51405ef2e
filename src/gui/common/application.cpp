#include "gui/common/application.h"

#include <exception>

#include "gui/common/twips.h"

namespace quorix::gui {

QString ProgramErrorText(const std::string& what) {
    return QStringLiteral("Program error (%1)").arg(QString::fromStdString(what));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("QUORIX"));
    InstallFontSubstitutes();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    // The panels report bad input and file failures themselves: what comes
    // here is a ProgramError, or anything else no panel expected.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        const QString text = ProgramErrorText(e.what());
        if (reporter_)
            reporter_(text);
        else
            qCritical("%s", qPrintable(text));
        return false;
    }
}

}  // namespace quorix::gui
