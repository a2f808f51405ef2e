#include "gui/generators/presentation_panel.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/presentation/presented_group.h"
#include "core/storage/group_register.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace {

constexpr long kPresentationTop = 3000;
constexpr long kPresentationLine = 330;
constexpr long kColumnWidth = 1150;
constexpr long kWordGap = 300;
constexpr long kWordsLeft = 500;

}  // namespace

PresentationPanel::PresentationPanel(AppContext& context, QWidget* parent)
    : GeneratorPanel(context, QStringLiteral("dlgPresentationGroups"),
                     QStringLiteral("Group from Generators and Relations"), ViewKind::DirectProduct, parent) {
    setViewFileName("PresentationGroupView.html");
    buildStandardMenus(true, true);
    setClientSizeTw(9900, 4400);
    createPictureBox();

    addLabel(QStringLiteral("lblPrompt"), QStringLiteral("Enter a presentation  < generators | relations > :"), 300,
             250, 9000, 300);
    txtPresentation_ = addControl<QLineEdit>(QStringLiteral("txtPresentation"), 300, 600, 9300, 380);
    txtPresentation_->setPlaceholderText(QStringLiteral("<a,b | a^4, b^2, (ab)^2>"));
    addLabel(QStringLiteral("lblExamples"),
             QStringLiteral("For example   <a,b | a^4, b^2, (ab)^2>      <a,b | a^7 = b^3 = 1, bab^-1 = a^2>"), 300,
             1080, 9300, 300);
    addLabel(QStringLiteral("lblSyntax"),
             QStringLiteral("Generators are single letters; a^-1 is the inverse of a, [a,b] = a^-1 b^-1 a b; "
                            "blanks are ignored."),
             300, 1380, 9300, 300);
    addLabel(QStringLiteral("lblExpected"), QStringLiteral("Expected order (optional):"), 300, 1900, 2600, 300);
    txtExpectedOrder_ = addControl<QLineEdit>(QStringLiteral("txtExpectedOrder"), 2900, 1840, 800, 360);
    addCreateViewBox(4200, 1900);
    generate_ = addButton(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate Group"), 300, 2400, 2600);
    generate_->setDefault(true);
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 3100, 2400, 1500);
    connect(generate_, &QPushButton::clicked, this, [this] { generateGroup(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    createProcessingFrame(5100, 2250, 4500, 700);
    drawPrompt();
    txtPresentation_->setFocus();
}

void PresentationPanel::drawPrompt(bool refused) {
    clearPanel();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 300;
    ps.y = kPresentationTop + 100;
    ps.bold = false;
    if (refused) {
        // The result of an earlier presentation must not stand under text
        // that was not accepted.
        PrintMarkup(box, "No group: the presentation above was not accepted.");
        ps.x = 300;
        ps.y += kPresentationLine;
    }
    PrintMarkup(box, "The order of the group and its elements appear here.");
}

GroupPtr PresentationPanel::enumerate(const std::string& text) {
    GroupPtr g;
    bool halted = false;
    const bool built = generateAsJob(
        [&] {
            PresentedGroup r = MakeGroupFromPresentation(text, progress());
            g = r.group;
            halted = r.halted;
        },
        {txtPresentation_}, QStringLiteral("coset enumeration . . ."));
    if (!built || halted) return nullptr;
    return g;
}

void PresentationPanel::generateGroup() {
    if (jobRunning()) return;
    // Whatever the outcome, the result shown belongs to this attempt.
    drawPrompt();
    const std::string text = txtPresentation_->text().trimmed().toStdString();
    if (text.empty()) {
        host().Message("Enter a presentation such as <a,b | a^4, b^2, (ab)^2>.");
        return;
    }
    std::optional<int> expected;
    if (!txtExpectedOrder_->text().trimmed().isEmpty()) {
        const std::string range = "Expected order must be in range 1-" + std::to_string(kMaxGroupOrder) + ".";
        expected = checkedNumber(txtExpectedOrder_->text(), 1, kMaxGroupOrder, "Expected order must be numeric.",
                                 range.c_str());
        if (!expected) return drawPrompt(true);
    }
    if (!IsPresentation(text)) {
        host().Message("A presentation starts with '<', as in <a,b | a^4, b^2, (ab)^2>.");
        return drawPrompt(true);
    }
    const GroupPtr g = enumerate(text);
    if (!g) return drawPrompt(true);
    drawResult(*g, expected);
    const std::string prefix = "Pres" + std::to_string(g->order()) + "-";
    int number = 1;
    while (groupRegister().RegisterIndex(prefix + std::to_string(number)) >= 0) ++number;
    registerAndPresent(g, prefix + std::to_string(number));
}

void PresentationPanel::drawResult(const Group& g, std::optional<int> expected) {
    clearPanel();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 300;
    ps.y = kPresentationTop + 100;
    ps.bold = true;
    PrintMarkup(box, "Order " + std::to_string(g.order()));
    ps.bold = false;
    if (expected && *expected != g.order()) {
        box.setForeColor(QColor(200, 0, 0));
        PrintMarkup(box, "   (you expected " + std::to_string(*expected) + ": " +
                             (g.order() > *expected ? "is a relation missing or mistyped?"
                                                    : "is a relation too strong or mistyped?") +
                             ")");
        box.setForeColor(Qt::black);
    } else if (expected) {
        PrintMarkup(box, "   (as expected)");
    }
    ps.x = 300;
    ps.y += kPresentationLine + 90;
    PrintMarkup(box, "Elements, each as its shortest word in the generators:");
    // Columns as wide as the longest word, as many as the visible width holds.
    long column = kColumnWidth;
    for (int i = 1; i <= g.order(); ++i) column = std::max(column, MarkupTextWidth(box, g.sourceName(i)) + kWordGap);
    // Room for a vertical scroll bar, which a long list brings.
    const long visible = visibleWidthTw() - 300;
    const int columns = static_cast<int>(std::max(1L, (visible - kWordsLeft - 200) / column));
    for (int i = 1; i <= g.order(); ++i) {
        const int slot = i - 1;
        if (slot % columns == 0) ps.y += kPresentationLine + 60;
        ps.x = kWordsLeft + (slot % columns) * column;
        PrintMarkup(box, g.sourceName(i));
    }
}

}  // namespace quorix::gui
