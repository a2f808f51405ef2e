// The desktop program: installs the desktop host and opens the search panel.
#include <QApplication>

#include "gui/common/qt_host.h"
#include "gui/common/twips.h"
#include "gui/search/main_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUORIX"));
    quorix::gui::installFontSubstitutes();
    quorix::gui::QtHost host;
    quorix::setHost(&host);

    auto* main = new quorix::gui::MainForm;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    const int rc = QApplication::exec();
    quorix::setHost(nullptr);
    return rc;
}
