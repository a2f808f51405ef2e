#include "gui/common/picture_box.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "gui/common/twips.h"

namespace quorix::gui {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), fontName_(kPictureFontName), fontSize_(kPictureFontSize) {
    setAutoFillBackground(true);
    setMouseTracking(false);
}

QFont PictureBox::currentFont() const { return makeFont(fontName_, fontSize_, bold_, italic_); }

double PictureBox::textWidth(const QString& text) const {
    QFontMetricsF fm(currentFont(), const_cast<PictureBox*>(this));
    return pxToTwips(fm.horizontalAdvance(text));
}

double PictureBox::textHeight() const {
    QFontMetricsF fm(currentFont(), const_cast<PictureBox*>(this));
    return pxToTwips(fm.height());
}

void PictureBox::drawText(double x, double y, const QString& text) {
    Piece p;
    p.kind = Piece::Text;
    p.text = text;
    p.font = currentFont();
    p.color = fore_;
    p.x = x;
    p.y = y;
    pieces_.push_back(std::move(p));
    update();
}

void PictureBox::drawLine(double x1, double y1, double x2, double y2) {
    Piece p;
    p.kind = Piece::Line;
    p.color = fore_;
    p.x = x1;
    p.y = y1;
    p.x2 = x2;
    p.y2 = y2;
    pieces_.push_back(std::move(p));
    update();
}

void PictureBox::drawCircle(double cx, double cy, double radius) {
    Piece p;
    p.kind = Piece::Circle;
    p.color = fore_;
    p.x = cx;
    p.y = cy;
    p.x2 = radius;
    pieces_.push_back(std::move(p));
    update();
}

void PictureBox::clear() {
    pieces_.clear();
    update();
}

long PictureBox::leftTw() const { return std::lround(pxToTwips(x())); }
long PictureBox::topTw() const { return std::lround(pxToTwips(y())); }
long PictureBox::widthTw() const { return std::lround(pxToTwips(width())); }
long PictureBox::heightTw() const { return std::lround(pxToTwips(height())); }

void PictureBox::setGeometryTw(long left, long top, long width, long height) {
    setGeometry(twipsToPx(left), twipsToPx(top), std::max(1, twipsToPx(width)), std::max(1, twipsToPx(height)));
}

QString PictureBox::plainText(const QString& sep) const {
    QStringList parts;
    for (const Piece& p : pieces_)
        if (p.kind == Piece::Text) parts << p.text;
    return parts.join(sep);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double tpp = twipsPerPixel();
    for (const Piece& p : pieces_) {
        painter.setPen(p.color);
        switch (p.kind) {
            case Piece::Text: {
                painter.setFont(p.font);
                QFontMetricsF fm(p.font, this);
                painter.drawText(QPointF(p.x / tpp, p.y / tpp + fm.ascent()), p.text);
                break;
            }
            case Piece::Line:
                painter.drawLine(QPointF(p.x / tpp, p.y / tpp), QPointF(p.x2 / tpp, p.y2 / tpp));
                break;
            case Piece::Circle:
                painter.drawEllipse(QPointF(p.x / tpp, p.y / tpp), p.x2 / tpp, p.x2 / tpp);
                break;
        }
    }
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    if (onMouseDown)
        onMouseDown(std::lround(pxToTwips(e->position().x())), std::lround(pxToTwips(e->position().y())));
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove)
        onMouseMove(std::lround(pxToTwips(e->position().x())), std::lround(pxToTwips(e->position().y())));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseUp)
        onMouseUp(std::lround(pxToTwips(e->position().x())), std::lround(pxToTwips(e->position().y())));
}

}  // namespace quorix::gui
