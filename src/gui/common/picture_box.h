#pragma once
// A picture area that keeps what was drawn: every piece of text, line and
// circle is stored in twips and repainted on demand, so drawings survive
// being covered, scrolled or resized. The current font (name, size, bold,
// italic) and colour apply to the next piece, as on a drawing surface.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace quorix::gui {

// PNG pictures are at most this many pixels a side and in all: a larger
// picture is scaled down to fit, so that drawing and encoding stay short.
inline constexpr int kMaxPngSide = 8000;
inline constexpr double kMaxPngPixels = 12e6;
// The scale at which a picture of `size` pixels is written as PNG: `wanted`,
// or less to stay within the bounds above.
double PngScale(const QSizeF& size, double wanted = 1.0);
// The PNG bytes of an image, or the checked writer's error.
bool WritePng(const QString& path, const QImage& image, std::string* error);

// Where the markup renderer prints next in a picture box, in twips.
struct PrintState {
    long x = 0;                     // where the next text starts
    long y = 0;                     // top of the current line
    bool bold = false;              // switched by "%b"/"/b", kept between calls
    bool italicCorrection = false;  // the italic font needs no gap after "/i"
    long breakColumn = 29000;       // a broken text breaks once past this x
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Font of the next piece.
    QString fontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }
    double fontSize() const { return fontSize_; }
    void setFontSize(double pt) { fontSize_ = pt; }
    bool fontBold() const { return bold_; }
    void setFontBold(bool b) { bold_ = b; }
    bool fontItalic() const { return italic_; }
    void setFontItalic(bool i) { italic_ = i; }
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& c) { fore_ = c; }
    QFont currentFont() const;

    // The renderer's print position and bold state for this box.
    PrintState& printState() { return print_; }

    // Width of a text in the current font, in twips (not rounded).
    double textWidth(const QString& text) const;
    // Height of a line of the current font, in twips.
    double textHeight() const;

    // Drawing, in twips; (x, y) is the top left of the text.
    void drawText(double x, double y, const QString& text);
    void drawLine(double x1, double y1, double x2, double y2);
    void drawCircle(double cx, double cy, double radius);
    // A rectangle filled with `fill` (no outline), drawn under what follows.
    void fillRect(double x, double y, double width, double height, const QColor& fill);
    // A polygon (corners in twips) filled with `fill` and outlined in the
    // current colour; a filled circle is a polygon of many corners.
    void fillPolygon(const std::vector<QPointF>& corners, const QColor& fill);
    // An image shown in a rectangle (twips), its pixels scaled without
    // smoothing; a PNG keeps up to one pixel per image pixel (see savePng).
    void drawImage(double x, double y, double width, double height, const QImage& image);
    void clear();

    // Geometry in twips relative to the parent.
    long leftTw() const;
    long topTw() const;
    long widthTw() const;
    long heightTw() const;
    void setGeometryTw(long left, long top, long width, long height);

    struct Piece {
        enum Kind { Text, Line, Circle, Rect, Polygon, Image } kind = Text;
        QString text;
        QFont font;
        int fontIndex = -1;  // Text: its font's entry in the box's font cache
        QColor color;
        double x = 0, y = 0, x2 = 0, y2 = 0;  // Rect: x2, y2 are width and height
        QColor fill;                          // Polygon: inside (color: outline)
        std::vector<QPointF> corners;         // Polygon: pixels
        QImage image;                         // Image: shown in the rectangle x, y, x2, y2
        QRectF bounds;                        // pixels, for clipping
    };
    const std::vector<Piece>& pieces() const { return pieces_; }

    // The extent of everything drawn, in pixels from the box's top left
    // (with a small margin); empty when nothing is drawn.
    QSize pictureSize() const;
    // Paints the pieces that meet `clip` (pixels) with `painter`.
    void render(QPainter& painter, const QRectF& clip) const;
    // The whole picture on a white background, at its full size (a PNG
    // scaled up as far as an image in it has pixels, and down to PngScale), as a PNG or SVG file, replacing the file only once the whole picture is written;
    // false when there is no picture or the file cannot be written (then
    // `error`, when given, says why).
    bool savePng(const QString& path, std::string* error = nullptr) const;
    bool saveSvg(const QString& path, const QString& title, std::string* error = nullptr) const;
    // All drawn text in drawing order, joined by `sep` (for tests and copying).
    QString plainText(const QString& sep = QStringLiteral(" ")) const;

    // Mouse events in twips of the box.
    std::function<void(long, long)> onMouseDown, onMouseMove, onMouseUp;
    // Called by the renderer after printing, with the print position reached.
    std::function<void(long, long)> onPrinted;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    // The fonts pieces use, each with its metrics, built once per distinct
    // font instead of once per piece.
    struct FontEntry {
        QString name;
        double size;
        bool bold, italic;
        QFont font;
        QFontMetricsF metrics;
        // The advance of each text measured: a table repeats its names.
        QHash<QString, qreal> advances;
        qreal advance(const QString& text);
    };
    const FontEntry& fontEntry() const;
    // Stores a drawn piece and repaints it.
    void keep(Piece& p);
    int fontIndex() const;

    mutable std::vector<FontEntry> fonts_;
    mutable int lastFont_ = -1;
    QString fontName_;
    double fontSize_;
    bool bold_ = false;
    bool italic_ = false;
    QColor fore_ = Qt::black;
    std::vector<Piece> pieces_;
    QRectF extent_;  // the union of the pieces' bounds
    // What was drawn since the last paint, as one rectangle: a region of
    // thousands of separate cells (a large table) costs more to build than
    // the paint it saves.
    QRect dirty_;
    PrintState print_;
};

}  // namespace quorix::gui
