#include "gui/generators/multiplicative_panel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/group/math_functions.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace {
constexpr long kResultTop = 2300;
constexpr long kLineHeight = 420;
constexpr long kButtonLeft = 2600;

std::string unitsId(int n) { return "Z|@" + std::to_string(n) + "|^*|"; }
}  // namespace

MultiplicativePanel::MultiplicativePanel(AppContext& context, QWidget* parent)
    : GeneratorPanel(context, QStringLiteral("dlgMultiplicativeGroups"),
                     QStringLiteral("Multiplicative Integer Modulo n Group Analyzer"), ViewKind::Multiplicative,
                     parent) {
    buildStandardMenus(true, true);
    setClientSizeTw(9200, 4200);
    createPictureBox();

    optModulus_ = addControl<QRadioButton>(QStringLiteral("optModulus"), 300, 650, 1300, 330);
    optModulus_->setText(QStringLiteral("Modulus"));
    optModulus_->setChecked(true);
    optOrder_ = addControl<QRadioButton>(QStringLiteral("optOrder"), 1650, 650, 1200, 330);
    optOrder_->setText(QStringLiteral("Order"));
    txtParam_ = addControl<QLineEdit>(QStringLiteral("txtParam"), 3000, 630, 900, 360);
    auto* compute = addButton(QStringLiteral("cmdCompute"), QStringLiteral("&Compute"), 4100, 620, 1500);
    compute->setDefault(true);
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 5800, 620, 1500);
    addCreateViewBox(300, 1250)->hide();
    createProcessingFrame(4100, 1150);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = addButton(QStringLiteral("cmdGenerate%1").arg(i), QStringLiteral("Generate Group"), kButtonLeft, 0,
                            1800, 360);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { generateGroup(i); });
        cmdGenerate_[static_cast<std::size_t>(i)] = b;
    }
    connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    drawPrompt();
    txtParam_->setFocus();
}

void MultiplicativePanel::drawPrompt() {
    clearPanel();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 300;
    ps.y = 200;
    ps.bold = false;
    PrintMarkup(box, "Enter modulus (2-" + std::to_string(kMaxUnitsModulus) + ") or group order (1-" +
                         std::to_string(kMaxGroupOrder) + "):");
}

void MultiplicativePanel::hideResults() {
    for (int i = 0; i < kButtons; ++i) {
        cmdGenerate_[static_cast<std::size_t>(i)]->hide();
        moduli_[static_cast<std::size_t>(i)] = 0;
    }
    createViewBox()->hide();
}

void MultiplicativePanel::offer(int index, int modulus, long y) {
    QPushButton* b = cmdGenerate_[static_cast<std::size_t>(index)];
    moveTw(b, kButtonLeft, y - 40);
    b->show();
    b->raise();
    moduli_[static_cast<std::size_t>(index)] = modulus;
    createViewBox()->show();
}

void MultiplicativePanel::compute() {
    const bool byModulus = optModulus_->isChecked();
    const std::string modulusRange = "Modulus must be in range 1-" + std::to_string(kMaxUnitsModulus) + ".";
    const std::string orderRange = "Group order must be in range 1-" + std::to_string(kMaxGroupOrder) + ".";
    const std::optional<int> n =
        byModulus
            ? checkedNumber(txtParam_->text(), 2, kMaxUnitsModulus, "Modulus must be numeric.", modulusRange.c_str())
            : checkedNumber(txtParam_->text(), 1, kMaxGroupOrder, "Group order must be numeric.", orderRange.c_str());
    if (!n) return;
    hideResults();
    drawPrompt();
    if (byModulus)
        showModulus(*n);
    else
        showOrder(*n);
}

void MultiplicativePanel::showModulus(int n) {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    const int phi = MathFunctions::EulerPhi(n);
    ps.x = 300;
    ps.y = kResultTop;
    ps.bold = true;
    PrintMarkup(box, unitsId(n));
    ps.bold = false;
    PrintMarkup(box, " has ");
    // phi: a small circle crossed by a vertical line, as high as the text.
    const double middle = static_cast<double>(ps.y) + box.textHeight() / 2;
    const double cx = static_cast<double>(ps.x) + 70;
    box.drawCircle(cx, middle, 55);
    box.drawLine(cx, middle - 110, cx, middle + 110);
    ps.x += 150;
    PrintMarkup(box, "(" + std::to_string(n) + ")=" + std::to_string(phi) + " elements.");
    if (phi <= kMaxGroupOrder) offer(0, n, kResultTop + 2 * kLineHeight);
}

void MultiplicativePanel::showOrder(int k) {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 300;
    ps.y = kResultTop;
    ps.bold = false;
    int hits = 0;
    for (int n = 1; n <= 4 * k + 10 && hits < 20; ++n) {
        if (MathFunctions::EulerPhi(n) != k) continue;
        if (hits == 0) PrintMarkup(box, "The following groups have " + std::to_string(k) + " elements:");
        ++hits;
        const long y = kResultTop + hits * kLineHeight;
        ps.x = 600;
        ps.y = y;
        ps.bold = true;
        PrintMarkup(box, unitsId(n));
        ps.bold = false;
        offer(hits, n, y);
    }
    if (hits == 0) PrintMarkup(box, "No multiplicative groups found.");
}

void MultiplicativePanel::generateGroup(int index) {
    int modulus = moduli_[static_cast<std::size_t>(index)];
    if (modulus == 0) return;
    if (index == 0) {
        // Button 0 builds the modulus as typed now, which may differ from
        // the one last computed.
        const std::optional<int> typed =
            checkedNumber(txtParam_->text(), 2, 1000, "Modulus must be numeric.", "Modulus must be in range 1-1000.");
        if (!typed) return;
        if (*typed != modulus) {
            hideResults();
            drawPrompt();
            showModulus(*typed);
            if (moduli_[0] == 0) return;  // too many elements: the panel says so
        }
        modulus = *typed;
    }
    GroupPtr g = Group::Create();
    if (generateAsJob([&] { g->GenerateMultiplicative(modulus); })) registerAndPresent(g);
}

}  // namespace quorix::gui
