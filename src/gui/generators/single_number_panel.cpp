#include "gui/generators/single_number_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/group/families.h"

namespace quorix::gui {

namespace {

struct FamilyText {
    const char* name;
    const char* caption;
    ViewKind view;
    const char* input;     // object name of the text box
    const char* prompt;    // %1: the range
    const char* idPrefix;  // "Group ID:  S"
    const char* button;    // object name and caption
    const char* buttonCaption;
    const char* notNumeric;
    const char* outOfRange;  // %1: the range
    int high;
    int low = 1;
    const char* viewFile = nullptr;  // the view kind's own when null
};

const FamilyText& textOf(SingleNumberPanel::Family f) {
    static constexpr FamilyText kTexts[] = {
        {"dlgSymmetricGroups", "Symmetric Group Analyzer", ViewKind::Symmetric, "txtDegree",
         "Enter degree (%1) for the desired symmetric group:", "Group ID:  S", "cmdGenerate",
         "&Generate Symmetric Group", "Degree must be numeric.", "Degree must be in range %1.", kMaxTableDegree},
        {"dlgAlternatingGroups", "Alternating Group Analyzer", ViewKind::Alternating, "txtDegree",
         "Enter degree (%1) for the desired Alternating group:", "Group ID:  A", "cmdGenerate",
         "&Generate Alternating Group", "Degree must be numeric.", "Degree must be in range %1.", kMaxTableDegree},
        {"dlgAdditiveGroups", "Additive Integer Modulo n Group Analyzer", ViewKind::Additive, "txtParam",
         "Enter modulus (%1):", "Group ID:  Z", "cmdCompute", "&Generate Additive Group", "Modulus must be numeric.",
         "Modulus must be in range %1.", kMaxGroupOrder},
        {"dlgDihedralGroups", "Dihedral Group Analyzer", ViewKind::DirectProduct, "txtParam",
         "Enter n (%1) for the symmetries of the n-gon:", "Group ID:  D", "cmdGenerate", "&Generate Dihedral Group",
         "n must be numeric.", "n must be in range %1.", kMaxDihedralN, 1, "DihedralGroupView.html"},
        {"dlgDicyclicGroups", "Dicyclic Group Analyzer", ViewKind::DirectProduct, "txtParam",
         "Enter n (%1) for the dicyclic group of order 4n:", "Group ID:  Dic", "cmdGenerate",
         "&Generate Dicyclic Group", "n must be numeric.", "n must be in range %1.", kMaxDicyclicN, 2,
         "DicyclicGroupView.html"},
    };
    return kTexts[static_cast<int>(f)];
}

QString RangeOf(const FamilyText& t) { return QStringLiteral("%1-%2").arg(t.low).arg(t.high); }

}  // namespace

SingleNumberPanel::SingleNumberPanel(AppContext& context, Family family, QWidget* parent)
    : GeneratorPanel(context, QString::fromLatin1(textOf(family).name), QString::fromLatin1(textOf(family).caption),
                     textOf(family).view, parent),
      family_(family) {
    const FamilyText& t = textOf(family);
    if (t.viewFile) setViewFileName(t.viewFile);
    buildStandardMenus(true, false);
    const bool halt = family != Family::Alternating;
    setClientSizeTw(6600, halt ? 4100 : 3000);

    addLabel(QStringLiteral("lblPrompt"), QString::fromLatin1(t.prompt).arg(RangeOf(t)), 300, 330, 5000, 300);
    input_ = addControl<QLineEdit>(QString::fromLatin1(t.input), 5400, 270, 800, 360);
    QLabel* id = addLabel(QStringLiteral("lblID"), QString::fromLatin1(t.idPrefix), 300, 900, 1400, 300);
    id->adjustSize();
    lblID2_ = addLabel(QStringLiteral("lblID2"), QString(), 300, 900, 2000, 300);
    lblID2_->move(id->x() + id->width(), lblID2_->y());
    connect(input_, &QLineEdit::textChanged, lblID2_, &QLabel::setText);

    addCreateViewBox(300, 1450);
    generate_ = addButton(QString::fromLatin1(t.button), QString::fromLatin1(t.buttonCaption), 300, 2100, 3200);
    generate_->setDefault(true);
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 3800, 2100, 1500);
    connect(generate_, &QPushButton::clicked, this, [this] { generateGroup(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    if (halt) createProcessingFrame(300, 2800);
    input_->setFocus();
}

void SingleNumberPanel::generateGroup() {
    const FamilyText& t = textOf(family_);
    const std::string outOfRange = QString::fromLatin1(t.outOfRange).arg(RangeOf(t)).toStdString();
    const std::optional<int> n = checkedNumber(input_->text(), t.low, t.high, t.notNumeric, outOfRange.c_str());
    if (!n) return;
    GroupPtr g = Group::Create();
    const bool built = generate([&] {
        switch (family_) {
            case Family::Symmetric:
                g->GenerateSymmetric(*n);
                break;
            case Family::Alternating:
                g->GenerateAlternating(*n);
                break;
            case Family::Additive:
                g->GenerateAdditive(*n);
                break;
            case Family::Dihedral:
                g = MakeDihedralGroup(*n);
                break;
            case Family::Dicyclic:
                g = MakeDicyclicGroup(*n);
                break;
        }
    });
    if (built) registerAndPresent(g);
}

}  // namespace quorix::gui
