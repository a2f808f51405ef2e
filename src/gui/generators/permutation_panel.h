#pragma once
// dlgPermutationGroups: a permutation group of degree 1..15 from elements
// typed in two-row notation. Generation checks the elements, drops
// duplicates, and either insists that the elements entered are closed under
// composition or adds the missing products (marked with a red "*") up to the
// maximum; the group is registered as "Perm<d>-<k>".

#include <QPoint>
#include <QStringList>
#include <vector>

#include "gui/generators/generator_panel.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorix::gui {

class PermutationPanel : public GeneratorPanel {
    Q_OBJECT
public:
    explicit PermutationPanel(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* degreeBox() const { return txtParam_; }
    QRadioButton* autoGenerateOn() const { return optOn_; }
    QRadioButton* autoGenerateOff() const { return optOff_; }
    int degree() const { return degree_; }
    int maximum() const { return maximum_; }
    // The element boxes (box 1, the identity, first); empty before Continue.
    const std::vector<QLineEdit*>& elementBoxes() const { return boxes_; }
    // Element numbers (1-based) marked with a red "*".
    std::vector<int> markedElements() const;

    void continueWithDegree();
    void clearElements();
    void generateGroup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool checkElements();
    void removeDuplicates();
    void showProductNotice(const QString& first, int left, int right, const std::string& product, const QString& last);
    // Top left of element box `index`'s cell (its identity row), in twips.
    QPoint cellOrigin(int index) const;
    void layoutBoxes();
    void redraw();
    std::string boxText(int index) const;

    QLineEdit* txtParam_ = nullptr;
    QRadioButton* optOff_ = nullptr;
    QRadioButton* optOn_ = nullptr;
    int degree_ = 0;
    int maximum_ = 0;
    std::vector<QLineEdit*> boxes_;
    std::vector<bool> marked_;
    bool generatedNote_ = false;
};

}  // namespace quorix::gui
