#include "gui/common/twips.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace quorix::gui {

double TwipsPerPixel() {
    double dpi = 96.0;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        double d = s->logicalDotsPerInchX();
        if (d > 1.0) dpi = d;
    }
    return 1440.0 / dpi;
}

int TwipsToPx(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel())); }

double PxToTwips(double px) { return px * TwipsPerPixel(); }

void InstallFontSubstitutes() {
    const QStringList families = QFontDatabase::families();
    if (families.contains(kPictureFontName)) return;
    QStringList candidates = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                              QStringLiteral("Noto Sans"), QStringLiteral("FreeSans")};
    for (const QString& c : candidates) {
        if (families.contains(c)) {
            QFont::insertSubstitution(kPictureFontName, c);
            return;
        }
    }
    QFont::insertSubstitution(kPictureFontName, QStringLiteral("Sans Serif"));
}

QFont MakeFont(const QString& family, double pointSize, bool bold, bool italic) {
    QFont f(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize > 0 ? pointSize : kPictureFontSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

}  // namespace quorix::gui
