#include "gui/common/picture_box.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "core/text/file_io.h"

#include "gui/common/twips.h"

namespace quorix::gui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), fontName_(kPictureFontName), fontSize_(kPictureFontSize) {
    setAutoFillBackground(true);
    setMouseTracking(false);
}

int PictureBox::fontIndex() const {
    const auto matches = [this](const FontEntry& e) {
        return e.size == fontSize_ && e.bold == bold_ && e.italic == italic_ && e.name == fontName_;
    };
    if (lastFont_ >= 0 && matches(fonts_[static_cast<std::size_t>(lastFont_)])) return lastFont_;
    const auto found = std::find_if(fonts_.begin(), fonts_.end(), matches);
    if (found != fonts_.end()) {
        lastFont_ = static_cast<int>(found - fonts_.begin());
    } else {
        QFont font = MakeFont(fontName_, fontSize_, bold_, italic_);
        QFontMetricsF metrics(font, const_cast<PictureBox*>(this));
        fonts_.push_back(FontEntry{fontName_, fontSize_, bold_, italic_, font, metrics});
        lastFont_ = static_cast<int>(fonts_.size()) - 1;
    }
    return lastFont_;
}

qreal PictureBox::FontEntry::advance(const QString& text) {
    const auto it = advances.constFind(text);
    if (it != advances.constEnd()) return *it;
    return *advances.insert(text, metrics.horizontalAdvance(text));
}

const PictureBox::FontEntry& PictureBox::fontEntry() const { return fonts_[static_cast<std::size_t>(fontIndex())]; }

QFont PictureBox::currentFont() const { return fontEntry().font; }

double PictureBox::textWidth(const QString& text) const {
    return PxToTwips(fonts_[static_cast<std::size_t>(fontIndex())].advance(text));
}

double PictureBox::textHeight() const { return PxToTwips(fontEntry().metrics.height()); }

void PictureBox::drawText(double x, double y, const QString& text) {
    Piece p;
    p.kind = Piece::Text;
    p.text = text;
    p.fontIndex = fontIndex();
    FontEntry& f = fonts_[static_cast<std::size_t>(p.fontIndex)];
    p.font = f.font;
    p.color = fore_;
    p.x = x;
    p.y = y;
    const double tpp = TwipsPerPixel();
    // Italic overhang and accents may reach a little beyond the advance.
    p.bounds = QRectF(x / tpp - 2, y / tpp - 2, f.advance(text) + 6, f.metrics.height() + 4);
    keep(p);
}

void PictureBox::fillRect(double x, double y, double width, double height, const QColor& fill) {
    Piece p;
    p.kind = Piece::Rect;
    p.color = fill;
    p.x = x;
    p.y = y;
    p.x2 = width;
    p.y2 = height;
    const double tpp = TwipsPerPixel();
    p.bounds = QRectF(x / tpp, y / tpp, width / tpp, height / tpp).adjusted(-1, -1, 1, 1);
    keep(p);
}

void PictureBox::fillPolygon(const std::vector<QPointF>& corners, const QColor& fill) {
    if (corners.empty()) return;
    Piece p;
    p.kind = Piece::Polygon;
    p.color = fore_;
    p.fill = fill;
    const double tpp = TwipsPerPixel();
    QRectF bounds;
    for (const QPointF& c : corners) {
        p.corners.push_back(c / tpp);
        bounds = bounds.united(QRectF(c / tpp, QSizeF(0.01, 0.01)));
    }
    p.bounds = bounds.adjusted(-2, -2, 2, 2);
    keep(p);
}

void PictureBox::drawImage(double x, double y, double width, double height, const QImage& image) {
    Piece p;
    p.kind = Piece::Image;
    p.image = image;
    p.x = x;
    p.y = y;
    p.x2 = width;
    p.y2 = height;
    const double tpp = TwipsPerPixel();
    p.bounds = QRectF(x / tpp, y / tpp, width / tpp, height / tpp);
    keep(p);
}

void PictureBox::drawLine(double x1, double y1, double x2, double y2) {
    Piece p;
    p.kind = Piece::Line;
    p.color = fore_;
    p.x = x1;
    p.y = y1;
    p.x2 = x2;
    p.y2 = y2;
    const double tpp = TwipsPerPixel();
    p.bounds = QRectF(QPointF(x1 / tpp, y1 / tpp), QPointF(x2 / tpp, y2 / tpp)).normalized().adjusted(-2, -2, 2, 2);
    keep(p);
}

void PictureBox::drawCircle(double cx, double cy, double radius) {
    Piece p;
    p.kind = Piece::Circle;
    p.color = fore_;
    p.x = cx;
    p.y = cy;
    p.x2 = radius;
    const double tpp = TwipsPerPixel();
    const double r = radius / tpp + 2;
    p.bounds = QRectF(cx / tpp - r, cy / tpp - r, 2 * r, 2 * r);
    keep(p);
}

void PictureBox::keep(Piece& p) {
    // The box grows to hold what is drawn, so that nothing lies beyond it.
    const int w = std::max(width(), static_cast<int>(std::ceil(p.bounds.right())) + 10);
    const int h = std::max(height(), static_cast<int>(std::ceil(p.bounds.bottom())) + 10);
    if (w != width() || h != height()) resize(w, h);
    dirty_ = dirty_.united(p.bounds.toAlignedRect());
    update(dirty_);
    extent_ = extent_.united(p.bounds);
    pieces_.push_back(std::move(p));
}

void PictureBox::clear() {
    pieces_.clear();
    extent_ = QRectF();
    update();
}

long PictureBox::leftTw() const { return std::lround(PxToTwips(x())); }
long PictureBox::topTw() const { return std::lround(PxToTwips(y())); }
long PictureBox::widthTw() const { return std::lround(PxToTwips(width())); }
long PictureBox::heightTw() const { return std::lround(PxToTwips(height())); }

void PictureBox::setGeometryTw(long left, long top, long width, long height) {
    setGeometry(TwipsToPx(left), TwipsToPx(top), std::max(1, TwipsToPx(width)), std::max(1, TwipsToPx(height)));
}

QString PictureBox::plainText(const QString& sep) const {
    QStringList parts;
    for (const Piece& p : pieces_)
        if (p.kind == Piece::Text) parts << p.text;
    return parts.join(sep);
}

void PictureBox::render(QPainter& painter, const QRectF& clip) const {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double tpp = TwipsPerPixel();
    int font = -1;
    for (const Piece& p : pieces_) {
        if (!p.bounds.intersects(clip)) continue;
        switch (p.kind) {
            case Piece::Text: {
                const FontEntry& f = fonts_[static_cast<std::size_t>(p.fontIndex)];
                if (font != p.fontIndex) {
                    painter.setFont(f.font);
                    font = p.fontIndex;
                }
                painter.setPen(p.color);
                painter.drawText(QPointF(p.x / tpp, p.y / tpp + f.metrics.ascent()), p.text);
                break;
            }
            case Piece::Line:
                painter.setPen(p.color);
                painter.drawLine(QPointF(p.x / tpp, p.y / tpp), QPointF(p.x2 / tpp, p.y2 / tpp));
                break;
            case Piece::Circle:
                painter.setPen(p.color);
                painter.drawEllipse(QPointF(p.x / tpp, p.y / tpp), p.x2 / tpp, p.x2 / tpp);
                break;
            case Piece::Rect:
                painter.fillRect(QRectF(p.x / tpp, p.y / tpp, p.x2 / tpp, p.y2 / tpp), p.color);
                break;
            case Piece::Polygon:
                painter.setPen(p.color);
                painter.setBrush(p.fill);
                painter.drawPolygon(p.corners.data(), static_cast<int>(p.corners.size()));
                painter.setBrush(Qt::NoBrush);
                break;
            case Piece::Image: {
                // Cells of a grid stay sharp blocks at every scale.
                const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
                painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
                painter.drawImage(QRectF(p.x / tpp, p.y / tpp, p.x2 / tpp, p.y2 / tpp), p.image);
                painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
                break;
            }
        }
    }
}

void PictureBox::paintEvent(QPaintEvent* e) {
    dirty_ = QRect();
    QPainter painter(this);
    render(painter, QRectF(e->rect()));
}

QSize PictureBox::pictureSize() const {
    const QRectF& all = extent_;
    if (all.isEmpty()) return {};
    return {static_cast<int>(std::ceil(std::max(0.0, all.right()))) + 10,
            static_cast<int>(std::ceil(std::max(0.0, all.bottom()))) + 10};
}

namespace {

// Writes a picture's bytes through the engine's checked writer.
bool WritePicture(const QString& path, const QByteArray& bytes, std::string* error) {
    try {
        text::WriteFileAtomically(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
        return true;
    } catch (const text::FileError& e) {
        if (error) *error = e.what();
        return false;
    }
}

}  // namespace

double PngScale(const QSizeF& size, double wanted) {
    const double w = std::max(1.0, size.width()), h = std::max(1.0, size.height());
    return std::min({wanted, kMaxPngSide / w, kMaxPngSide / h, std::sqrt(kMaxPngPixels / (w * h))});
}

bool WritePng(const QString& path, const QImage& image, std::string* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        if (error) *error = "cannot write " + path.toStdString() + ": the picture could not be encoded";
        return false;
    }
    return WritePicture(path, bytes, error);
}

bool PictureBox::savePng(const QString& path, std::string* error) const {
    const QSize size = pictureSize();
    if (size.isEmpty()) return false;
    // As many pixels as the most detailed image in the picture has.
    double detail = 1.0;
    for (const Piece& p : pieces_)
        if (p.kind == Piece::Image && !p.bounds.isEmpty())
            detail = std::max(detail, p.image.width() / p.bounds.width());
    const double scale = PngScale(size, detail);
    QImage image(QSize(std::max(1, static_cast<int>(size.width() * scale)),
                       std::max(1, static_cast<int>(size.height() * scale))),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        render(painter, QRectF(QPointF(0, 0), size));
    }
    return WritePng(path, image, error);
}

bool PictureBox::saveSvg(const QString& path, const QString& title, std::string* error) const {
    const QSize size = pictureSize();
    if (size.isEmpty()) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    render(painter, QRectF(QPointF(0, 0), size));
    if (!painter.end()) return false;
    return WritePicture(path, bytes, error);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    if (onMouseDown) onMouseDown(std::lround(PxToTwips(e->position().x())), std::lround(PxToTwips(e->position().y())));
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) onMouseMove(std::lround(PxToTwips(e->position().x())), std::lround(PxToTwips(e->position().y())));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseUp) onMouseUp(std::lround(PxToTwips(e->position().x())), std::lround(PxToTwips(e->position().y())));
}

}  // namespace quorix::gui
