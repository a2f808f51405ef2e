#pragma once
// A diagram picture (core/diagram/picture.h) as items of a graphics scene:
// a node item per element that the user can drag, the edges following it,
// and the legend and notes below. The Cayley diagram and cycle graph panels
// show it in a view; the tool's drawing build renders it to PNG.

#include <QColor>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "core/diagram/picture.h"

namespace quorix::gui {

class DiagramNodeItem;
class DiagramEdgeItem;

class DiagramScene : public QGraphicsScene {
    Q_OBJECT
public:
    explicit DiagramScene(QObject* parent = nullptr);

    // Replaces the items by those of the picture.
    void setPicture(const diagram::Picture& picture);
    // The picture with the nodes where the user has dragged them.
    diagram::Picture picture() const;
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    QPointF nodePosition(int node) const;
    void moveNode(int node, const QPointF& to);

    // Fills the nodes (one colour per node; empty: the picture's own).
    void setNodeFills(const std::vector<QColor>& fills);
    QColor nodeFill(int node) const;
    // Outlines one node thickly (-1: none).
    void highlight(int node);
    int highlighted() const { return highlighted_; }

    // Called with the node index when the user clicks a node.
    std::function<void(int)> onNodeClicked;

    // The whole picture on a white background, at `scale` or less: within
    // PngScale, and with its edges' total length bounded (beyond a shorter
    // length they are drawn without smoothing), so that a picture of many
    // long edges is drawn in bounded time.
    QImage toImage(double scale = 1.0);
    // Total length of the edges, in scene units.
    double edgeLength() const;
    bool smoothEdges() const { return smoothEdges_; }

private:
    friend class DiagramNodeItem;
    void nodeMoved(int node);

    diagram::Picture picture_;
    std::vector<DiagramNodeItem*> nodes_;
    std::vector<DiagramEdgeItem*> edges_;
    std::vector<std::vector<int>> edgesOf_;  // per node
    int highlighted_ = -1;
    bool smoothEdges_ = true;
};

// The view: zoom with the buttons or Ctrl and the wheel.
class DiagramView : public QGraphicsView {
    Q_OBJECT
public:
    explicit DiagramView(QWidget* parent = nullptr);
    void zoomBy(double factor);
    double zoom() const { return zoom_; }

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    double zoom_ = 1.0;
};

// The picture as a PNG file, through the checked writer; false when it
// cannot be written (then `error`, when given, says why).
bool SavePicturePng(const diagram::Picture& picture, const QString& file, std::string* error = nullptr);

}  // namespace quorix::gui
