#pragma once
// The desktop program's QApplication. It installs the picture font's
// stand-in once, and no exception ever reaches Qt's event loop: one that
// escapes an event handler is reported as a program-error message and the
// program carries on.

#include <QApplication>
#include <functional>
#include <string>

namespace quorix::gui {

// "Program error (<what>)": the text shown for a fault that escaped a handler.
QString ProgramErrorText(const std::string& what);

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Receives the program-error text of an escaped exception (the program
    // shows it through its host).
    void setErrorReporter(std::function<void(const QString&)> reporter) { reporter_ = std::move(reporter); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void(const QString&)> reporter_;
};

}  // namespace quorix::gui
