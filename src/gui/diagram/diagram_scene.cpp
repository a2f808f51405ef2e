#include "gui/diagram/diagram_scene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/display/html.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace {

QColor ToQColor(const diagram::Rgb& c) { return QColor(c.red, c.green, c.blue); }

constexpr double kHead = 9;  // arrowhead length
// Edge length in image pixels beyond which toImage draws edges unsmoothed,
// and beyond which it draws the picture smaller (about a second each).
constexpr double kSmoothEdgePixels = 4e6;
constexpr double kEdgePixels = 1.5e7;
const QColor kHighlight(220, 0, 0);

QGraphicsTextItem* MarkupText(const std::string& markup, QGraphicsItem* parent, int pointSize) {
    auto* t = new QGraphicsTextItem(parent);
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(pointSize);
    t->setFont(f);
    t->setHtml(QString::fromStdString(MarkupToHtml(markup)));
    t->document()->setDocumentMargin(0);
    t->setAcceptedMouseButtons(Qt::NoButton);
    return t;
}

// The arrowhead at `tip`, pointing along `direction`.
QPolygonF Head(const QPointF& tip, const QPointF& direction) {
    const double len = std::max(1e-9, std::hypot(direction.x(), direction.y()));
    const QPointF u(direction.x() / len, direction.y() / len), n(-u.y(), u.x());
    const QPointF back = tip - u * kHead;
    return QPolygonF({tip, back + n * (kHead * 0.45), back - n * (kHead * 0.45)});
}

}  // namespace

class DiagramNodeItem : public QGraphicsEllipseItem {
public:
    DiagramNodeItem(DiagramScene* scene, int index, double radius)
        : QGraphicsEllipseItem(-radius, -radius, 2 * radius, 2 * radius), scene_(scene), index_(index) {
        setFlags(ItemIsMovable | ItemSendsGeometryChanges);
        setCursor(Qt::OpenHandCursor);
        setZValue(1);
    }

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override {
        if (change == ItemPositionHasChanged) scene_->nodeMoved(index_);
        return QGraphicsEllipseItem::itemChange(change, value);
    }
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override {
        if (scene_->onNodeClicked) scene_->onNodeClicked(index_);
        QGraphicsEllipseItem::mousePressEvent(event);
    }

private:
    DiagramScene* scene_;
    int index_;
};

class DiagramEdgeItem : public QGraphicsItem {
public:
    DiagramEdgeItem(const DiagramScene& scene, const diagram::PictureEdge& edge, double radius)
        : scene_(scene), edge_(edge), radius_(radius) {
        update();
    }
    void refresh() {
        prepareGeometryChange();
        const QPointF a = scene_.nodePosition(edge_.from), b = scene_.nodePosition(edge_.to);
        const diagram::Point c = diagram::ControlPoint({a.x(), a.y()}, {b.x(), b.y()}, edge_.bend);
        const QPointF control(c.x, c.y);
        auto towards = [](const QPointF& from, const QPointF& to, double d) {
            const QPointF v = to - from;
            const double len = std::max(1e-9, std::hypot(v.x(), v.y()));
            return from + v * (d / len);
        };
        const QPointF start = towards(a, control, radius_);
        const QPointF tip = towards(b, control, radius_ + 1);
        const QPointF end = edge_.directed ? towards(tip, control, kHead * 0.8) : tip;
        path_ = QPainterPath(start);
        path_.quadTo(control, end);
        head_ = edge_.directed ? Head(tip, tip - control) : QPolygonF();
        bounds_ = path_.boundingRect().united(head_.boundingRect()).adjusted(-3, -3, 3, 3);
    }
    QRectF boundingRect() const override { return bounds_; }
    double length() const { return path_.length(); }
    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override {
        const QColor colour = ToQColor(edge_.colour);
        p->setRenderHint(QPainter::Antialiasing, scene_.smoothEdges());
        p->setPen(QPen(colour, 1.6));
        p->setBrush(Qt::NoBrush);
        p->drawPath(path_);
        if (!head_.isEmpty()) {
            p->setPen(Qt::NoPen);
            p->setBrush(colour);
            p->drawPolygon(head_);
        }
    }

private:
    const DiagramScene& scene_;
    diagram::PictureEdge edge_;
    double radius_;
    QPainterPath path_;
    QPolygonF head_;
    QRectF bounds_;
};

DiagramScene::DiagramScene(QObject* parent) : QGraphicsScene(parent) { setBackgroundBrush(Qt::white); }

void DiagramScene::setPicture(const diagram::Picture& picture) {
    clear();
    nodes_.clear();
    edges_.clear();
    highlighted_ = -1;
    picture_ = picture;
    edgesOf_.assign(picture.nodes.size(), {});
    const double r = picture.nodeRadius;
    QGraphicsTextItem* title = MarkupText(picture.title, nullptr, 15);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setPos(20, 8);
    addItem(title);
    for (std::size_t i = 0; i < picture.nodes.size(); ++i) {
        const diagram::PictureNode& n = picture.nodes[i];
        auto* item = new DiagramNodeItem(this, static_cast<int>(i), r);
        item->setBrush(ToQColor(n.fill));
        item->setPen(QPen(Qt::black, 1));
        QGraphicsTextItem* label = MarkupText(n.label, item, 12);
        const QRectF box = label->boundingRect();
        label->setPos(-box.width() / 2, -box.height() / 2);
        addItem(item);
        item->setPos(n.at.x, n.at.y);
        nodes_.push_back(item);
    }
    for (std::size_t e = 0; e < picture.edges.size(); ++e) {
        auto* item = new DiagramEdgeItem(*this, picture.edges[e], r);
        addItem(item);
        item->refresh();
        edges_.push_back(item);
        edgesOf_[static_cast<std::size_t>(picture.edges[e].from)].push_back(static_cast<int>(e));
        edgesOf_[static_cast<std::size_t>(picture.edges[e].to)].push_back(static_cast<int>(e));
    }
    double y = picture.legendTop;
    for (const diagram::LegendEntry& l : picture.legend) {
        const QColor colour = ToQColor(l.colour);
        addLine(20, y, l.directed ? 42 : 50, y, QPen(colour, 1.6));
        if (l.directed) addPolygon(Head({50, y}, {1, 0}), Qt::NoPen, colour);
        QGraphicsTextItem* label = MarkupText(l.label, nullptr, 12);
        label->setPos(60, y - label->boundingRect().height() / 2);
        addItem(label);
        y += 20;
    }
    for (const std::string& note : picture.notes) {
        QGraphicsTextItem* t = addText(QString::fromStdString(note));
        QFont f(QStringLiteral("Sans Serif"));
        f.setPixelSize(11);
        t->setFont(f);
        t->setPos(18, y - 6);
        y += 18;
    }
    setSceneRect(0, 0, picture.width, picture.height);
}

diagram::Picture DiagramScene::picture() const {
    diagram::Picture p = picture_;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        p.nodes[i].at = {nodes_[i]->pos().x(), nodes_[i]->pos().y()};
        const QColor c = nodes_[i]->brush().color();
        p.nodes[i].fill = {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                           static_cast<std::uint8_t>(c.blue())};
    }
    return p;
}

QPointF DiagramScene::nodePosition(int node) const { return nodes_[static_cast<std::size_t>(node)]->pos(); }

void DiagramScene::moveNode(int node, const QPointF& to) {
    if (node >= 0 && node < nodeCount()) nodes_[static_cast<std::size_t>(node)]->setPos(to);
}

void DiagramScene::nodeMoved(int node) {
    if (node >= nodeCount() || static_cast<std::size_t>(node) >= edgesOf_.size()) return;  // still being built
    for (int e : edgesOf_[static_cast<std::size_t>(node)])
        if (static_cast<std::size_t>(e) < edges_.size()) edges_[static_cast<std::size_t>(e)]->refresh();
    // Keep the picture large enough for a node dragged outwards.
    setSceneRect(
        sceneRect().united(nodes_[static_cast<std::size_t>(node)]->sceneBoundingRect().adjusted(-20, -20, 20, 20)));
}

void DiagramScene::setNodeFills(const std::vector<QColor>& fills) {
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        nodes_[i]->setBrush(i < fills.size() ? fills[i] : ToQColor(picture_.nodes[i].fill));
}

QColor DiagramScene::nodeFill(int node) const { return nodes_[static_cast<std::size_t>(node)]->brush().color(); }

void DiagramScene::highlight(int node) {
    if (highlighted_ >= 0 && highlighted_ < nodeCount())
        nodes_[static_cast<std::size_t>(highlighted_)]->setPen(QPen(Qt::black, 1));
    highlighted_ = node >= 0 && node < nodeCount() ? node : -1;
    if (highlighted_ >= 0) nodes_[static_cast<std::size_t>(highlighted_)]->setPen(QPen(kHighlight, 4));
}

double DiagramScene::edgeLength() const {
    double total = 0;
    for (const DiagramEdgeItem* e : edges_) total += e->length();
    return total;
}

QImage DiagramScene::toImage(double scale) {
    const QRectF rect = sceneRect();
    scale = PngScale(rect.size(), scale);
    const double length = edgeLength();
    if (length * scale > kEdgePixels) scale = kEdgePixels / length;
    smoothEdges_ = length * scale <= kSmoothEdgePixels;
    // Rounded down, so that the bounds hold.
    QImage image(QSize(std::max(1, static_cast<int>(rect.width() * scale)),
                       std::max(1, static_cast<int>(rect.height() * scale))),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    render(&painter, QRectF(0, 0, image.width(), image.height()), rect);
    smoothEdges_ = true;
    return image;
}

DiagramView::DiagramView(QWidget* parent) : QGraphicsView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
}

void DiagramView::zoomBy(double factor) {
    const double next = std::clamp(zoom_ * factor, 0.1, 8.0);
    scale(next / zoom_, next / zoom_);
    zoom_ = next;
}

void DiagramView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        zoomBy(event->angleDelta().y() > 0 ? 1.2 : 1 / 1.2);
        event->accept();
        return;
    }
    QGraphicsView::wheelEvent(event);
}

bool SavePicturePng(const diagram::Picture& picture, const QString& file, std::string* error) {
    DiagramScene scene;
    scene.setPicture(picture);
    return WritePng(file, scene.toImage(2.0), error);
}

}  // namespace quorix::gui
