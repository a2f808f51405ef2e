// The desktop program: creates the context every panel shares, registers the
// panels and opens the search panel.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <iostream>

#include "gui/common/app_context.h"
#include "gui/common/application.h"
#include "gui/common/dialogs.h"
#include "gui/common/qt_host.h"
#include "gui/search/main_form.h"
#include "gui/panels.h"
#include "gui/solution/analyze_solution_panel.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "quorix " << QUORIX_VERSION << "\n";
        return 0;
    }
    // --quit-when-shown: start as usual (preferences, register, main window),
    // then quit once the window is shown; a check that the program starts.
    bool quitWhenShown = false;
    for (int i = 1; i < argc; ++i) quitWhenShown = quitWhenShown || std::strcmp(argv[i], "--quit-when-shown") == 0;
    quorix::gui::Application app(argc, argv);
    quorix::gui::QtHost host;
    quorix::gui::AppContext context(quorix::gui::DataDirectory().toStdString(), host);
    quorix::gui::RegisterAllPanels(context.panels);
    app.setErrorReporter([&host](const QString& text) { host.Message(text.toStdString()); });

    auto* main = new quorix::gui::MainForm(context);
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->setAnalysisOpener(quorix::gui::OpenSolutionAnalysis);
    main->show();
    if (quitWhenShown) QTimer::singleShot(0, main, [main] { main->close(); });
    const int rc = quorix::gui::Application::exec();
    // The windows still open go before the context they refer to.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : quorix::gui::Application::topLevelWidgets()) windows << w;
    for (const QPointer<QWidget>& w : windows)
        if (w && !w->parent()) delete w.data();
    return rc;
}
