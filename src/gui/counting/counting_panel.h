#pragma once
// dlgCountingColourings: an object (necklace, bracelet, polygon, a solid's
// faces, vertices or edges) or a permutation group, a number of colours and
// optionally the numbers of each colour; shows the Burnside table, the
// lemma's sum, the cycle index and the count, and draws one colouring of
// each orbit (beads on a circle, the corners of a polygon, the net of a
// solid) with its orbit and stabilizer.

#include <QString>
#include <optional>

#include "core/counting/burnside.h"
#include "core/counting/colouring_list.h"
#include "core/counting/symmetry_object.h"
#include "gui/common/panel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QTextBrowser;

namespace quorix::gui {

class PanelRegistry;

class CountingPanel : public Panel {
    Q_OBJECT
public:
    CountingPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);

    // Sets the controls and counts.
    void count(const QString& object, int colours, const QString& weights = {}, bool reflections = false);
    // Counts what the controls say (cmdCount).
    void countFromControls();

    const std::optional<counting::SymmetryObject>& object() const { return object_; }
    const std::optional<counting::BurnsideTable>& table() const { return table_; }
    const counting::ColouringList& colourings() const { return list_; }
    // The results as plain text (for tests).
    QString resultsText() const;

private:
    void showResults();
    void draw();
    // One colouring in a cell; without colours, the points' numbers.
    void drawColouring(const std::vector<int>* colours, double left, double top, double size);

    QComboBox* cboObject_ = nullptr;
    QCheckBox* chkReflections_ = nullptr;
    QLineEdit* txtColours_ = nullptr;
    QLineEdit* txtWeights_ = nullptr;
    QPushButton* cmdCount_ = nullptr;
    QTextBrowser* txtResults_ = nullptr;
    QLabel* lblColourings_ = nullptr;
    QScrollArea* scroll_ = nullptr;

    std::optional<counting::SymmetryObject> object_;
    std::optional<counting::BurnsideTable> table_;
    counting::ColouringList list_;
    int colours_ = 0;
};

// Registers dlgCountingColourings under Analysis Tools.
void RegisterCountingPanels(PanelRegistry& registry);

}  // namespace quorix::gui
