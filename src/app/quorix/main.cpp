// The desktop program.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("QUORIX"),
                             QStringLiteral("The main window is not built yet; use quorix-report."));
    return 0;
}
