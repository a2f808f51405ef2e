#include "gui/counting/counting_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>

#include "core/group/errors.h"
#include "core/text/text.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace {

using namespace quorix::counting;

// The most colourings drawn; the list may hold up to kMaxListedOrbits.
constexpr std::size_t kMaxDrawn = 300;
constexpr double kCell = 1700;     // twips per drawn colouring, caption included
constexpr double kDrawing = 1350;  // the drawing inside its cell
constexpr double kPi = 3.14159265358979323846;

QColor ColourOf(int c) {
    static constexpr int kColours[][3] = {{220, 40, 40},  {40, 90, 220},  {250, 200, 30}, {40, 160, 70},
                                          {150, 60, 190}, {250, 130, 20}, {30, 190, 200}, {240, 110, 180},
                                          {130, 85, 40},  {150, 150, 150}};
    if (c < 10) return QColor(kColours[c][0], kColours[c][1], kColours[c][2]);
    return QColor::fromHsv((c * 47) % 360, 160 + (c * 13) % 80, 200);
}

std::vector<QPointF> Disc(double cx, double cy, double r) {
    std::vector<QPointF> corners;
    for (int i = 0; i < 24; ++i)
        corners.emplace_back(cx + r * std::cos(2 * kPi * i / 24), cy + r * std::sin(2 * kPi * i / 24));
    return corners;
}

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

}  // namespace

CountingPanel::CountingPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : Panel(context, QStringLiteral("dlgCountingColourings"), QStringLiteral("Counting Colourings"), parent) {
    buildStandardMenus(false, false);
    setClientSizeTw(11600, 8200);
    addLabel(QStringLiteral("lblObject"), QStringLiteral("Object:"), 100, 150, 800, 300);
    cboObject_ = addControl<QComboBox>(QStringLiteral("cboObject"), 900, 100, 2500, 375);
    cboObject_->setEditable(true);
    cboObject_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* o : {"necklace(6)", "bracelet(6)", "polygon(5)", "necklace(8)", "bracelet(10)",
                          "tetrahedron-faces", "cube-faces", "cube-vertices", "cube-edges", "octahedron-faces",
                          "dodecahedron-faces", "icosahedron-faces", "S4", "D6", "perm:2134,2341"})
        cboObject_->addItem(QString::fromLatin1(o));
    cboObject_->setToolTip(QString::fromLatin1(kObjectHelp) +
                           QStringLiteral("; or a group given as permutations: S<d>, A<d>, perm:..., D<n>, Z<n>"));
    chkReflections_ = addControl<QCheckBox>(QStringLiteral("chkReflections"), 3500, 120, 1400, 330);
    chkReflections_->setText(QStringLiteral("&Reflections"));
    chkReflections_->setToolTip(QStringLiteral("The full symmetry group: necklaces turned over, solids reflected"));
    addLabel(QStringLiteral("lblColours"), QStringLiteral("Colours:"), 5000, 150, 800, 300);
    txtColours_ = addControl<QLineEdit>(QStringLiteral("txtColours"), 5800, 100, 600, 375);
    txtColours_->setText(QStringLiteral("2"));
    addLabel(QStringLiteral("lblWeights"), QStringLiteral("Numbers of each colour:"), 6550, 150, 2250, 300);
    txtWeights_ = addControl<QLineEdit>(QStringLiteral("txtWeights"), 8800, 100, 1100, 375);
    txtWeights_->setPlaceholderText(QStringLiteral("e.g. 3,3"));
    txtWeights_->setToolTip(QStringLiteral("Optional: how many points get each colour (Polya's count)"));
    cmdCount_ = addButton(QStringLiteral("cmdCount"), QStringLiteral("&Count"), 10050, 100, 1050);
    createProcessingFrame(100, 600, 5500, 900);

    txtResults_ = addControl<QTextBrowser>(QStringLiteral("txtResults"), 100, 600, 5600, 7500);
    lblColourings_ = addLabel(QStringLiteral("lblColourings"), QString(), 5800, 620, 5700, 400);
    scroll_ = createScrolledPictureBox(QStringLiteral("scrColourings"), 5800, 1050, 5700, 7050);
    pictureBox()->onPrinted = nullptr;

    for (QLineEdit* e : {txtColours_, txtWeights_})
        connect(e, &QLineEdit::returnPressed, this, [this] { countFromControls(); });
    connect(cboObject_->lineEdit(), &QLineEdit::returnPressed, this, [this] { countFromControls(); });
    connect(cmdCount_, &QPushButton::clicked, this, [this] { countFromControls(); });
    (void)input;
    startWhenShown([this] { countFromControls(); });
}

void CountingPanel::count(const QString& object, int colours, const QString& weights, bool reflections) {
    cboObject_->setEditText(object);
    txtColours_->setText(QString::number(colours));
    txtWeights_->setText(weights);
    chkReflections_->setChecked(reflections);
    countFromControls();
}

void CountingPanel::countFromControls() {
    const std::string text = cboObject_->currentText().trimmed().toStdString();
    const std::string weights = txtWeights_->text().trimmed().toStdString();
    std::vector<int> numbers;
    for (std::size_t start = 0; !weights.empty();) {
        const std::size_t comma = weights.find(',', start);
        const std::optional<int> a =
            text::ParseInteger(weights.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!a || *a < 0) {
            host().Message("The numbers of each colour are whole numbers separated by commas, such as 3,2,1.");
            return;
        }
        numbers.push_back(*a);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    const std::optional<int> colours = text::ParseInteger(txtColours_->text().trimmed().toStdString());
    if (numbers.empty() && (!colours || *colours < 1 || *colours > 1000)) {
        host().Message("The number of colours must be a whole number from 1 to 1000.");
        return;
    }
    if (!numbers.empty()) txtColours_->setText(QString::number(numbers.size()));
    struct Counted {
        SymmetryObject object;
        BurnsideTable table;
        ColouringList list;
        int colours = 0;
        QString note;
    };
    runJob(
        QStringLiteral("Counting..."), {cboObject_, chkReflections_, txtColours_, txtWeights_},
        [text, reflections = chkReflections_->isChecked(), numbers, colours](Progress& progress) {
            SymmetryObject object = MakeSymmetryObject(text, reflections);
            BurnsideTable table = numbers.empty() ? CountColourings(*object.group, *colours)
                                                  : CountColouringsWithNumbers(*object.group, numbers);
            const int k = numbers.empty() ? *colours : static_cast<int>(numbers.size());
            Counted out{std::move(object), std::move(table), {}, k, {}};
            if (out.table.count <= static_cast<unsigned long>(kMaxListedOrbits)) {
                try {
                    out.list = ListColourings(*out.object.group, k, numbers, progress);
                } catch (const InvalidArgument& e) {
                    out.note = QString::fromStdString(e.what());
                }
            } else {
                out.note = QStringLiteral("More than %1 different colourings: too many to draw.").arg(kMaxListedOrbits);
            }
            return out;
        },
        [this](Counted out) {
            object_ = std::move(out.object);
            table_ = std::move(out.table);
            list_ = std::move(out.list);
            colours_ = out.colours;
            QString note = out.note;
            if (note.isEmpty()) {
                note = list_.halted ? QStringLiteral("Halted: %1 colourings drawn.").arg(list_.colourings.size())
                                    : QStringLiteral("One colouring of each orbit: orbit x stabilizer = |G|");
                if (list_.colourings.size() > kMaxDrawn) note += QStringLiteral(" (the first %1 drawn)").arg(kMaxDrawn);
            }
            lblColourings_->setText(note);
            setWindowTitle(QString::fromStdString(object_->name) + QStringLiteral(" Counting Colourings"));
            showResults();
            draw();
        });
}

void CountingPanel::showResults() {
    const BurnsideTable& t = *table_;
    const EnumeratedGroup& g = *object_->group;
    QString html = QStringLiteral("<p><b>%1</b>: %2.<br>Group of order %3 on %4 points; %5 colour%6.</p>")
                       .arg(Html(object_->name), Html(object_->description))
                       .arg(g.order())
                       .arg(g.degree())
                       .arg(colours_)
                       .arg(colours_ == 1 ? "" : "s");
    html += QStringLiteral(
        "<table border=1 cellspacing=0 cellpadding=3 style=\"white-space:nowrap\"><tr><th>class<br>size</th>"
        "<th>cycle<br>type</th><th>fixed<br>colourings</th><th>representative</th></tr>");
    const std::size_t shown = std::min<std::size_t>(t.rows.size(), 200);
    for (std::size_t i = 0; i < shown; ++i) {
        const BurnsideRow& row = t.rows[i];
        html += QStringLiteral("<tr><td align=right>%1</td><td>%2</td><td align=right>%3</td><td>%4</td></tr>")
                    .arg(row.classSize)
                    .arg(Html(CycleTypeText(row.cycleType)), Html(row.fixed.get_str()),
                         Html(CycleNotation(g.element(row.representative))));
    }
    html += QStringLiteral("</table>");
    if (shown < t.rows.size()) html += QStringLiteral("<p>(%1 more classes)</p>").arg(t.rows.size() - shown);
    html += QStringLiteral(
                "<p><b>Burnside's lemma</b>: the number of orbits is the average number of fixed "
                "colourings:<br>%1</p>")
                .arg(shown < t.rows.size()
                         ? Html(t.total.get_str() + "/" + std::to_string(t.groupOrder) + " = " + t.count.get_str())
                         : Html(BurnsideSumText(t)));
    html += QStringLiteral("<p><b>Cycle index</b>: Z = %1</p>").arg(Html(CycleIndexText(CycleIndex(g), g.order())));
    html += QStringLiteral("<p><b>%1 different colouring%2</b></p>")
                .arg(Html(t.count.get_str()), t.count == 1 ? QString() : QStringLiteral("s"));
    txtResults_->setHtml(html);
}

QString CountingPanel::resultsText() const { return txtResults_->toPlainText(); }

void CountingPanel::draw() {
    PictureBox& box = *pictureBox();
    box.clear();
    box.printState() = PrintState{};
    const std::size_t cells = std::min(list_.colourings.size(), kMaxDrawn);
    const int columns = std::max(1, static_cast<int>((PxToTwips(scroll_->viewport()->width()) - 100) / kCell));
    const auto perRow = static_cast<std::size_t>(columns);
    const int rows = static_cast<int>((cells + perRow - 1) / perRow);
    // The legend of the colours on top, then the points numbered as the
    // table's cycles number them (larger for the solids of many faces).
    const double legend = colours_ <= 12 ? 400 : 0;
    const bool numbering = object_ && object_->group->degree() <= 60;
    const double keySize = !numbering ? 0
                           : object_->solid && object_->solid->faces.size() > 6
                               ? std::min(3000.0, columns * kCell - 200)
                               : kDrawing;
    const double gridTop = legend + 100 + (numbering ? keySize + kCell - kDrawing : 0);
    box.setFixedSize(std::max(100, TwipsToPx(columns * kCell + 100)),
                     std::max(100, TwipsToPx(gridTop + rows * kCell + 100)));
    box.setFontSize(8);
    box.setForeColor(Qt::black);
    if (legend > 0)
        for (int c = 0; c < colours_; ++c) {
            const double x = 100 + c * 600;
            box.fillPolygon(Disc(x + 90, 190, 80), ColourOf(c));
            box.drawText(x + 200, 100, QString::number(c + 1));
        }
    auto caption = [&box](const QString& text, double left, double top, double size) {
        box.setFontSize(8);
        box.setForeColor(QColor(80, 80, 80));
        box.drawText(left + (size - box.textWidth(text)) / 2, top + size + 40, text);
        box.setForeColor(Qt::black);
    };
    if (numbering) {
        const double left = 100 + (columns * kCell - keySize) / 2;
        drawColouring(nullptr, left, legend + 100, keySize);
        caption(QStringLiteral("the points"), left, legend + 100, keySize);
    }
    for (std::size_t i = 0; i < cells; ++i) {
        const double left = 100 + static_cast<double>(i % perRow) * kCell;
        const double top = gridTop + static_cast<double>(i / perRow) * kCell;
        const ListedColouring& c = list_.colourings[i];
        drawColouring(&c.colours, left, top, kDrawing);
        caption(QStringLiteral("%1 x %2 = %3").arg(c.orbitSize).arg(c.stabilizerOrder).arg(object_->group->order()),
                left, top, kDrawing);
    }
}

void CountingPanel::drawColouring(const std::vector<int>* colours, double left, double top, double size) {
    PictureBox& box = *pictureBox();
    const int n = object_->group->degree();
    const QColor blank(255, 255, 255);
    auto colourOf = [&](int point) { return colours ? ColourOf((*colours)[static_cast<std::size_t>(point)]) : blank; };
    // A point's number centred at (x, y), on the numbering cell only.
    box.setFontSize(7);
    auto number = [&](int point, double x, double y) {
        if (colours) return;
        const QString text = QString::number(point + 1);
        box.setForeColor(Qt::black);
        box.drawText(x - box.textWidth(text) / 2, y - box.textHeight() / 2, text);
    };
    if (object_->shape != ObjectShape::Solid) {
        // Beads on a circle (or the corners of a polygon), point 1 on top,
        // numbered clockwise.
        const double cx = left + size / 2, cy = top + size / 2, r = size * 0.38;
        const double bead = std::clamp(r * kPi / std::max(n, 1) * 0.8, 25.0, 140.0);
        std::vector<QPointF> at;
        for (int i = 0; i < n; ++i) {
            const double a = -kPi / 2 + 2 * kPi * i / n;
            at.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
        }
        box.setForeColor(QColor(120, 120, 120));
        if (object_->shape == ObjectShape::Polygon && n >= 2) {
            for (int i = 0; i < n; ++i) {
                const QPointF& p = at[static_cast<std::size_t>(i)];
                const QPointF& q = at[static_cast<std::size_t>((i + 1) % n)];
                box.drawLine(p.x(), p.y(), q.x(), q.y());
            }
        } else if (object_->shape == ObjectShape::Beads) {
            box.drawCircle(cx, cy, r);
        }
        for (int i = 0; i < n; ++i) {
            const QPointF& p = at[static_cast<std::size_t>(i)];
            box.setForeColor(Qt::black);
            if (colours || bead >= 90) {
                box.fillPolygon(Disc(p.x(), p.y(), bead), colourOf(i));
                number(i, p.x(), p.y());
            } else {
                // Small beads: the numbers stand outside the circle.
                box.fillPolygon(Disc(p.x(), p.y(), bead), blank);
                number(i, cx + (p.x() - cx) * 1.28, cy + (p.y() - cy) * 1.28);
            }
        }
        return;
    }
    // The net of the solid, scaled into the cell.
    const Solid& solid = *object_->solid;
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const NetFace& f : solid.net)
        for (const Vec2& p : f.corners) {
            x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
        }
    const double scale = size / std::max(x1 - x0, y1 - y0);
    const double ox = left + (size - (x1 - x0) * scale) / 2, oy = top + (size - (y1 - y0) * scale) / 2;
    auto place = [&](const Vec2& p) { return QPointF(ox + (p.x - x0) * scale, oy + (p.y - y0) * scale); };
    const double dot = std::clamp(scale * 0.22, 40.0, 70.0);
    const bool faces = object_->part == SolidPart::Faces;
    for (const NetFace& f : solid.net) {
        std::vector<QPointF> corners;
        QPointF centre(0, 0);
        for (const Vec2& p : f.corners) {
            corners.push_back(place(p));
            centre += corners.back() / static_cast<double>(f.corners.size());
        }
        box.setForeColor(QColor(60, 60, 60));
        box.fillPolygon(corners, faces ? colourOf(f.face) : QColor(245, 245, 245));
        if (faces) number(f.face, centre.x(), centre.y());
    }
    if (faces) return;
    for (const NetFace& f : solid.net) {
        const std::size_t m = f.corners.size();
        for (std::size_t i = 0; i < m; ++i) {
            QPointF p = place(f.corners[i]);
            int point = f.vertices[i];
            if (object_->part == SolidPart::Edges) {
                p = (p + place(f.corners[(i + 1) % m])) / 2;
                point = f.edges[i];
            }
            box.setForeColor(Qt::black);
            if (colours) {
                box.fillPolygon(Disc(p.x(), p.y(), dot), colourOf(point));
            } else {
                number(point, p.x(), p.y());
            }
        }
    }
}

void RegisterCountingPanels(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgCountingColourings"), QStringLiteral("Counting Colourings"), std::nullopt,
                  QStringLiteral("&Analysis Tools/Counting C&olourings..."), QStringLiteral("mnuCountingColourings"),
                  false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new CountingPanel(c, in, parent);
                  }});
}

}  // namespace quorix::gui
