#pragma once
// Conversions between twips (1440 per inch), the unit of every panel layout,
// and device-independent pixels at the screen's logical DPI.

#include <QFont>
#include <QString>

namespace quorix::gui {

// Twips per logical pixel of the primary screen (15 at 96 DPI).
double TwipsPerPixel();

int TwipsToPx(double twips);
double PxToTwips(double px);

// The family every picture box asks for. Where it is not installed a
// comparable sans-serif font stands in (see InstallFontSubstitutes).
inline const QString kPictureFontName = QStringLiteral("MS Sans Serif");
inline constexpr double kPictureFontSize = 8.25;

// Registers a sans-serif stand-in for kPictureFontName; the application
// does this once at start-up.
void InstallFontSubstitutes();

// A font of the given family, size and style (substitutes apply once
// installed).
QFont MakeFont(const QString& family, double pointSize, bool bold, bool italic);

}  // namespace quorix::gui
