#include "gui/generators/permutation_panel.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "core/group/errors.h"
#include "core/group/math_functions.h"
#include "core/perm/permutation.h"
#include "core/group/permutation_closure.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/storage/notice_panel.h"

namespace quorix::gui {

namespace {
constexpr long kHeaderTop = 2150;
constexpr long kGridTop = 3000;
constexpr long kGridLeft = 300;
constexpr long kGridRight = 12200;
constexpr long kCellHeight = 820;
constexpr long kBoxOffset = 260;  // the box below its identity row
constexpr long kBoxHeight = 330;

QFont fixedFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

// Width of one character of the element boxes, in twips.
double charWidthTw() { return PxToTwips(QFontMetricsF(fixedFont()).horizontalAdvance(QLatin1Char('8'))); }

long boxWidthTw(int degree) { return static_cast<long>(charWidthTw() * degree) + 220; }

// "(", the identity row over the permutation, ")" at the print position;
// advances x past it.
void printTwoRow(PictureBox& box, const std::string& permutation) {
    PrintState& ps = box.printState();
    const std::string identity = MathFunctions::IdentityPermutation(static_cast<int>(permutation.size()));
    const double y = static_cast<double>(ps.y);
    const QString oldFont = box.fontName();
    box.drawText(static_cast<double>(ps.x), y + 120, QStringLiteral("("));
    const double left = static_cast<double>(ps.x) + box.textWidth(QStringLiteral("(")) + 20;
    box.setFontName(fixedFont().family());
    box.drawText(left, y, QString::fromStdString(identity));
    box.drawText(left, y + 240, QString::fromStdString(permutation));
    const double width = box.textWidth(QString::fromStdString(identity));
    box.setFontName(oldFont);
    box.drawText(left + width + 20, y + 120, QStringLiteral(")"));
    ps.x = static_cast<long>(left + width + 40 + box.textWidth(QStringLiteral(")")));
}
}  // namespace

PermutationPanel::PermutationPanel(AppContext& context, QWidget* parent)
    : GeneratorPanel(context, QStringLiteral("dlgPermutationGroups"), QStringLiteral("Permutation Group Analyzer"),
                     ViewKind::Permutation, parent) {
    buildStandardMenus(true, true);
    setClientSizeTw(12600, 3600);
    createPictureBox();

    addLabel(QStringLiteral("lblPrompt"), QStringLiteral("Enter degree (1-15):"), 300, 250, 1900, 300);
    txtParam_ = addControl<QLineEdit>(QStringLiteral("txtParam"), 2200, 200, 700, 360);
    txtParam_->installEventFilter(this);
    auto* cont = addButton(QStringLiteral("cmdContinue"), QStringLiteral("&Continue"), 3100, 190, 1500);
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 4800, 190, 1500);
    cont->setDefault(true);
    optOff_ = addControl<QRadioButton>(QStringLiteral("optAutoGenerateOff"), 300, 750, 7000, 300);
    optOff_->setText(QStringLiteral("Use only the elements entered"));
    optOn_ = addControl<QRadioButton>(QStringLiteral("optAutoGenerateOn"), 300, 1050, 7600, 300);
    optOn_->setChecked(true);
    auto* generate =
        addButton(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate Permutation Group"), 300, 1500, 3300);
    auto* clear = addButton(QStringLiteral("cmdClearElements"), QStringLiteral("Clear Elements"), 3800, 1500, 1800);
    addCreateViewBox(5900, 1530);
    createProcessingFrame(8100, 600, 4300);
    for (QWidget* w : {static_cast<QWidget*>(optOff_), static_cast<QWidget*>(optOn_), static_cast<QWidget*>(generate),
                       static_cast<QWidget*>(clear), static_cast<QWidget*>(createViewBox())})
        w->hide();
    connect(cont, &QPushButton::clicked, this, [this] { continueWithDegree(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    connect(generate, &QPushButton::clicked, this, [this] { generateGroup(); });
    connect(clear, &QPushButton::clicked, this, [this] { clearElements(); });
    txtParam_->setFocus();
}

std::vector<int> PermutationPanel::markedElements() const {
    std::vector<int> out;
    for (std::size_t i = 0; i < marked_.size(); ++i)
        if (marked_[i]) out.push_back(static_cast<int>(i) + 1);
    return out;
}

std::string PermutationPanel::boxText(int index) const {
    return boxes_[static_cast<std::size_t>(index)]->text().toStdString();
}

void PermutationPanel::continueWithDegree() {
    const std::optional<int> d =
        checkedNumber(txtParam_->text(), 1, 15, "Degree must be numeric.", "Degree must be in range 1-15.");
    if (!d) return;
    degree_ = *d;
    maximum_ = static_cast<int>(std::min<std::int64_t>(MathFunctions::Factorial(degree_), kMaxGroupOrder));
    optOn_->setText(
        QStringLiteral("Generate additional elements as necessary (up to maximum of %1 elements)").arg(maximum_));
    for (QLineEdit* b : boxes_) {
        b->hide();
        b->deleteLater();
    }
    boxes_.clear();
    const QFont font = fixedFont();
    for (int i = 0; i < maximum_; ++i) {
        auto* b = addControl<QLineEdit>(QStringLiteral("txtElement%1").arg(i + 1), 0, 0, 100, kBoxHeight);
        b->setFont(font);
        // Room for cycle notation: (1,2)(3,4) is longer than 2143.
        b->setMaxLength(4 * degree_ + 2);
        b->setTextMargins(0, 0, 0, 0);
        b->installEventFilter(this);
        connect(b, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (text.size() >= degree_ && !text.startsWith(QLatin1Char('(')) && i + 1 < static_cast<int>(boxes_.size()))
                boxes_[static_cast<std::size_t>(i) + 1]->setFocus();
        });
        b->show();
        boxes_.push_back(b);
    }
    boxes_[0]->setReadOnly(true);
    for (const char* name :
         {"optAutoGenerateOff", "optAutoGenerateOn", "cmdGenerate", "cmdClearElements", "chkCreateView"})
        client()->findChild<QWidget*>(QString::fromLatin1(name))->show();
    // From now on Enter in an element box generates instead of starting over.
    client()->findChild<QPushButton*>(QStringLiteral("cmdContinue"))->setDefault(false);
    client()->findChild<QPushButton*>(QStringLiteral("cmdGenerate"))->setDefault(true);
    clearElements();
}

void PermutationPanel::clearElements() {
    if (boxes_.empty()) return;
    for (QLineEdit* b : boxes_) b->clear();
    boxes_[0]->setText(QString::fromStdString(MathFunctions::IdentityPermutation(degree_)));
    marked_.assign(boxes_.size(), false);
    generatedNote_ = false;
    redraw();
    if (boxes_.size() > 1) boxes_[1]->setFocus();
}

QPoint PermutationPanel::cellOrigin(int index) const {
    const long cell = boxWidthTw(degree_) + 700;
    const long columns = std::max(1L, (kGridRight - kGridLeft) / cell);
    return {static_cast<int>(kGridLeft + index % columns * cell),
            static_cast<int>(kGridTop + index / columns * kCellHeight)};
}

void PermutationPanel::layoutBoxes() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QPoint o = cellOrigin(static_cast<int>(i));
        placeTw(boxes_[i], o.x() + 150, o.y() + kBoxOffset, boxWidthTw(degree_), kBoxHeight);
    }
}

void PermutationPanel::redraw() {
    clearPanel();
    layoutBoxes();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 300;
    ps.y = kHeaderTop;
    ps.bold = false;
    PrintMarkup(box, "Enter group elements below:");
    ps.x = 300;
    ps.y = kHeaderTop + 350;
    ps.bold = true;
    PrintMarkup(
        box, "Group ID:  Perm" + std::to_string(degree_) + "-" + std::to_string(groupRegister().LastPermNumber() + 1));
    ps.bold = false;
    if (generatedNote_) {
        ps.x = 5000;
        box.setForeColor(Qt::red);
        PrintMarkup(box, "* indicates generated elements");
        box.setForeColor(Qt::black);
    }
    const QString identity = QString::fromStdString(MathFunctions::IdentityPermutation(degree_));
    const QString oldFont = box.fontName();
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QPoint o = cellOrigin(static_cast<int>(i));
        const long x = o.x(), y = o.y();
        const long w = boxWidthTw(degree_);
        box.drawText(static_cast<double>(x), static_cast<double>(y + kBoxOffset + 20), QStringLiteral("("));
        box.drawText(static_cast<double>(x + 150 + w + 30), static_cast<double>(y + kBoxOffset + 20),
                     QStringLiteral(")"));
        box.setFontName(fixedFont().family());
        box.drawText(static_cast<double>(x + 150 + 75), static_cast<double>(y), identity);
        box.setFontName(oldFont);
        if (marked_[i]) {
            box.setForeColor(Qt::red);
            box.setFontBold(true);
            box.drawText(static_cast<double>(x + 150 + w + 160), static_cast<double>(y + kBoxOffset + 20),
                         QStringLiteral("*"));
            box.setFontBold(false);
            box.setForeColor(Qt::black);
        }
    }
    if (!boxes_.empty()) {
        const long bottom = cellOrigin(static_cast<int>(boxes_.size()) - 1).y() + kCellHeight + 200;
        // The panel scrolls where the boxes run past the screen.
        if (bottom > clientHeightTw()) setClientSizeTw(clientWidthTw(), bottom);
    }
}

bool PermutationPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return GeneratorPanel::eventFilter(watched, event);
    if (watched == txtParam_) {
        // Enter in the degree box means Continue, whatever the default button.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        continueWithDegree();
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (!edit || text.isEmpty() || text.at(0) < QLatin1Char(' ') || text.at(0) == QChar(0x7f)) return false;
    QChar c = text.at(0);
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) c = c.toUpper();
    // One-line digits, or cycle notation: (1,2,3)(4,5), with 0 for points such as 10.
    const QString allowed =
        QString::fromLatin1(MathFunctions::kPermutationDigits).left(degree_) + QStringLiteral("(),0");
    if (allowed.contains(c) && !edit->isReadOnly()) {
        edit->insert(QString(c));
        emit edit->textEdited(edit->text());
    }
    return true;
}

bool PermutationPanel::checkElements() {
    const int d = degree_;
    const QString allowed = QString::fromLatin1(MathFunctions::kPermutationDigits).left(d);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QString t = boxes_[i]->text();
        if (t.isEmpty()) continue;
        if (perm::IsCycleNotation(t.toStdString())) {
            // Cycle notation becomes the one-line form of the panel's degree.
            try {
                const perm::Perm p = perm::ParseCycles(t.toStdString(), d);
                if (static_cast<int>(p.size()) == d) {
                    t.clear();
                    for (perm::Point x : p) t += QChar::fromLatin1(MathFunctions::kPermutationDigits[x]);
                    boxes_[i]->setText(t);
                }
            } catch (const InvalidArgument&) {
                t.clear();
            }
        }
        bool valid = t.size() == d;
        for (int c = 0; valid && c < d; ++c) valid = allowed.contains(t.at(c)) && t.left(c).indexOf(t.at(c)) < 0;
        if (!valid) {
            marked_[i] = true;
            redraw();
            host().Message("Element #" + std::to_string(i + 1) + " is invalid.");
            return false;
        }
    }
    return true;
}

void PermutationPanel::removeDuplicates() {
    const std::string identity = MathFunctions::IdentityPermutation(degree_);
    for (std::size_t i = 1; i < boxes_.size(); ++i) {
        const std::string t = boxText(static_cast<int>(i));
        if (t.empty()) continue;
        bool duplicate = t == identity;
        for (std::size_t j = 1; !duplicate && j < i; ++j) duplicate = boxText(static_cast<int>(j)) == t;
        if (!duplicate) continue;
        host().Message("Duplicate Element #" + std::to_string(i + 1) + " will be eliminated.");
        boxes_[i]->clear();
    }
}

void PermutationPanel::showProductNotice(const QString& first, int left, int right, const std::string& product,
                                         const QString& last) {
    NoticePanel notice(context());
    notice.setWindowTitle(windowTitle());
    PictureBox& box = *notice.picbox();
    PrintState& ps = box.printState();
    long y = 300;
    ps.bold = false;
    if (!first.isEmpty()) {
        ps.x = 300;
        ps.y = y;
        PrintMarkup(box, first.toStdString());
        y += 450;
    }
    ps.x = 300;
    ps.y = y;
    PrintMarkup(box, "Element ");
    printTwoRow(box, boxText(left - 1));
    PrintMarkup(box, " . ");
    printTwoRow(box, boxText(right - 1));
    PrintMarkup(box, " = ");
    printTwoRow(box, product);
    const long width = std::max(5000L, ps.x + 400);
    ps.x = 300;
    ps.y = y + 600;
    PrintMarkup(box, last.toStdString());
    const long height = y + 1900;
    notice.setPanelSizeTw(width, height);
    moveTw(notice.okButton(), width / 2 - 600, y + 1100);
    runModal(notice);
}

GroupPtr PermutationPanel::buildGroup() {
    if (!checkElements()) return nullptr;
    removeDuplicates();
    if (progress().StopRequested()) return nullptr;
    // Close the gaps.
    std::vector<std::string> elements;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (!boxes_[i]->text().isEmpty()) elements.push_back(boxText(static_cast<int>(i)));
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setText(i < elements.size() ? QString::fromStdString(elements[i]) : QString());
    if (progress().StopRequested()) return nullptr;

    const ClosureResult closed = ClosePermutations(elements, optOn_->isChecked(), maximum_);
    for (std::size_t i = 0; i < closed.elements.size() && i < boxes_.size(); ++i) {
        boxes_[i]->setText(QString::fromStdString(closed.elements[i]));
        if (closed.generated[i]) {
            marked_[i] = true;
            generatedNote_ = true;
        }
    }
    redraw();
    switch (closed.status) {
        case ClosureResult::Status::Missing:
            showProductNotice({}, closed.left, closed.right, closed.product,
                              QStringLiteral("is not among the elements."));
            return nullptr;
        case ClosureResult::Status::MaximumReached:
            showProductNotice(QStringLiteral("Maximum of %1 elements reached.").arg(maximum_), closed.left,
                              closed.right, closed.product, QStringLiteral("could not be written."));
            return nullptr;
        case ClosureResult::Status::Closed:
            break;
    }
    if (progress().StopRequested()) return nullptr;
    GroupPtr g = Group::Create();
    if (!generate([&] { g->GeneratePermutational(closed.elements); })) return nullptr;
    progress().StopRequested();
    return g;
}

void PermutationPanel::generateGroup() {
    if (boxes_.empty()) return;
    if (jobRunning()) return;
    marked_.assign(boxes_.size(), false);
    generatedNote_ = false;
    redraw();
    GroupPtr g;
    bool halted = false;
    {
        // The boxes stay as checked while the job yields to the event loop.
        std::vector<QWidget*> boxes(boxes_.begin(), boxes_.end());
        Job job(*this, QStringLiteral("processing . . ."));
        for (QWidget* b : boxes) b->setEnabled(false);
        g = buildGroup();
        for (QWidget* b : boxes) b->setEnabled(true);
        halted = progress().Stopped();
        if (job.abandoned()) return;
    }
    if (halted) {
        host().Message("Generate process halted.");
        return;
    }
    if (!g) return;
    const int number = groupRegister().LastPermNumber() + 1;
    groupRegister().SetLastPermNumber(number);
    registerAndPresent(g, "Perm" + std::to_string(degree_) + "-" + std::to_string(number));
    redraw();
}

}  // namespace quorix::gui
