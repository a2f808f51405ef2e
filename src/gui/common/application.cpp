#include "gui/common/application.h"

#include <exception>

#include "gui/common/twips.h"

namespace quorix::gui {

QString ProgramErrorText(const std::string& what) {
    return QStringLiteral("Program error (%1)").arg(QString::fromStdString(what));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("QUORIX"));
    installFontSubstitutes();
}

bool Application::notify(QObject* receiver, QEvent* event) {
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
