#include "gui/common/browser_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/common/dialogs.h"

namespace quorix::gui {

QString HelpPagePath() {
    const QString beside = QDir(ProgramDirectory()).filePath(QStringLiteral("pp/grp/QuorixHelp.html"));
    if (QFileInfo::exists(beside) || !QFileInfo::exists(InstalledHelpPagePath())) return beside;
    return InstalledHelpPagePath();
}

BrowserPanel::BrowserPanel(AppContext& context, Kind kind, const QString& path, const QString& anchor, QWidget* parent)
    : Panel(context, kind == Kind::Help ? QStringLiteral("dlgHelp") : QStringLiteral("dlgBrowser"),
            kind == Kind::Help ? QStringLiteral("QUORIX Help") : QStringLiteral("QUORIX View"), parent),
      path_(path),
      anchor_(anchor) {
    buildStandardMenus(false, false);
    browser_ = new QTextBrowser(client());
    browser_->setObjectName(QStringLiteral("brwWebBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* fill = new QVBoxLayout(client());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(browser_);

    // Restored, it takes most of the screen; it opens maximised.
    QRect avail(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen()) avail = s->availableGeometry();
    resize(avail.width() * 9 / 10, avail.height() * 9 / 10);
    setWindowState(windowState() | Qt::WindowMaximized);

    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!QFileInfo::exists(path)) {
        browser_->setHtml(QStringLiteral("<html><body><p>The file <b>%1</b> could not be found.</p></body></html>")
                              .arg(path.toHtmlEscaped()));
    } else {
        if (!anchor.isEmpty()) url.setFragment(anchor);
        browser_->setSource(url);
        if (!anchor.isEmpty()) {
            browser_->scrollToAnchor(anchor);
            // The page is laid out again when the window takes its size (it
            // opens maximised): the section's heading stays at the top until
            // the user scrolls or follows a link.
            QScrollBar* bar = browser_->verticalScrollBar();
            auto keep = connect(bar, &QScrollBar::rangeChanged, this, [this] { browser_->scrollToAnchor(anchor_); });
            const auto release = [keep] { QObject::disconnect(keep); };
            connect(bar, &QScrollBar::actionTriggered, this, release);
            connect(browser_, &QTextBrowser::anchorClicked, this, release);
        }
    }

    auto key = [this](int k, auto fn) {
        auto* sc = new QShortcut(QKeySequence(k), this);
        sc->setContext(Qt::WindowShortcut);
        connect(sc, &QShortcut::activated, this, fn);
    };
    key(Qt::Key_F1, [this] { showHelpContents(); });
    key(Qt::Key_F2, [this] { saveScreenToClipboard(); });
    key(Qt::Key_F3, [this] { close(); });
    key(Qt::Key_F12, [this] { exitApplication(); });
}

}  // namespace quorix::gui
