#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <algorithm>
#include <exception>

#include "core/storage/text_file.h"
#include "core/group/errors.h"
#include "core/display/views.h"
#include "core/storage/group_register.h"
#include "gui/common/browser_panel.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/view_job.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/compare/compare_panels.h"
#include "gui/storage/notice_panel.h"

namespace quorix::gui {

namespace {

// A bold heading with its words underlined and the colon not.
void PrintUnderlinedHeading(PictureBox& box, const std::string& text) {
    PrintState& ps = box.printState();
    ps.bold = true;
    const long left = ps.x;
    PrintMarkup(box, text);
    const double under = static_cast<double>(ps.y) + box.textHeight() - 10;
    box.drawLine(static_cast<double>(left), under, static_cast<double>(ps.x), under);
    PrintMarkup(box, ":");
    ps.bold = false;
}

}  // namespace

AutomorphismGroupsPanel::AutomorphismGroupsPanel(AppContext& context, QWidget* parent)
    : Panel(context, QStringLiteral("dlgAutomorphismGroups"), QStringLiteral("Automorphism Group Analyzer"), parent) {
    buildStandardMenus(true, true);
    setClientSizeTw(12000, 3000);
    createPictureBox();
    cmdChooseGroup_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("Choose Group"), 0, 0, 1600);
    connect(cmdChooseGroup_, &QPushButton::clicked, this, [this] {
        const std::optional<int> chosen = chooseGroup();
        if (chosen) setGroup(*chosen);
    });
    cmdGenerateAuto_ =
        addButton(QStringLiteral("cmdGenerateAuto"), QStringLiteral("Generate &Automorphism Group"), 0, 0, 3000);
    connect(cmdGenerateAuto_, &QPushButton::clicked, this, [this] { generate(AutomorphismKind::Auto); });
    cmdGenerateInner_ =
        addButton(QStringLiteral("cmdGenerateInner"), QStringLiteral("Generate &Inner Automorphism Group"), 0, 0, 3400);
    connect(cmdGenerateInner_, &QPushButton::clicked, this, [this] { generate(AutomorphismKind::Inner); });
    chkCreateAutoView_ = addControl<QCheckBox>(QStringLiteral("chkCreateAutoView"), 0, 0, 1400, 300);
    chkCreateInnerView_ = addControl<QCheckBox>(QStringLiteral("chkCreateInnerView"), 0, 0, 1400, 300);
    for (QCheckBox* c : {chkCreateAutoView_, chkCreateInnerView_}) {
        c->setText(QStringLiteral("Create View"));
        c->setChecked(preferences().CreateViews());
    }
    for (QPushButton* b : {cmdGenerateAuto_, cmdGenerateInner_})
        b->resize(std::max(b->width(), b->sizeHint().width()), b->height());
    cmdExit_ = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 0, 0, 1200);
    connect(cmdExit_, &QPushButton::clicked, this, [this] { close(); });
    printHeader();
}

void AutomorphismGroupsPanel::printHeader() {
    clearPanel();
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdGenerateAuto_, cmdGenerateInner_, chkCreateAutoView_, chkCreateInnerView_})
        w->hide();
    for (QPushButton* b : buttons_) b->hide();
    shown_.clear();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 120;
    ps.y = 120;
    ps.bold = false;
    PrintMarkup(box, "Choose group on which automorphisms are to be computed:");
    moveTw(cmdChooseGroup_, box.leftTw() + ps.x + 150, box.topTw() + ps.y - 100);
    ps.x += 1600 + 350;
    PrintMarkup(box, "(limit of " + std::to_string(kAutomorphismListLimit) + " automorphisms)");
    moveTw(cmdExit_, box.leftTw() + ps.x + 300, box.topTw() + ps.y - 100);
}

bool AutomorphismGroupsPanel::setGroup(int position) {
    if (position < 1 || position > groupRegister().Count()) return false;
    const GroupPtr g = groupRegister().At(position);
    if (g->order() > kAutomorphismOrderLimit) {
        host().Message(kAutomorphismOrderMessage);
        return false;
    }
    group_ = g;
    list_ = ComputeAutomorphisms(*g);
    if (list_.markingFailed) host().Message(kAutomorphismMarkingError);
    printHeader();
    printList();
    return true;
}

QPushButton* AutomorphismGroupsPanel::showButton(int index) {
    while (static_cast<int>(buttons_.size()) <= index) {
        const int i = static_cast<int>(buttons_.size());
        QPushButton* b = addButton(QStringLiteral("cmdShowAutomorphism_%1").arg(i), QStringLiteral("Show Automorphism"),
                                   0, 0, 1800, 330);
        b->resize(std::max(b->width(), b->sizeHint().width()), b->height());
        connect(b, &QPushButton::clicked, this, [this, b] { showAutomorphism(b->property("tag").toString()); });
        buttons_.push_back(b);
    }
    return buttons_[static_cast<std::size_t>(index)];
}

void AutomorphismGroupsPanel::printAutomorphism(const std::string& code) {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    PrintAutomorphismCode(box, code);
    const int index = static_cast<int>(shown_.size());
    if (index > kAutomorphismListLimit) return;
    QPushButton* b = showButton(index);
    b->setProperty("tag", QString::fromStdString(code));
    const long left = ps.x + 200;
    moveTw(b, box.leftTw() + left, box.topTw() + ps.y);
    b->show();
    shown_.push_back(b);
    ps.x = left + static_cast<long>(PxToTwips(b->width()));
    // The panel grows to hold the button as it does for text.
    if (box.onPrinted) box.onPrinted(ps.x, ps.y + static_cast<long>(PxToTwips(b->height())));
}

void AutomorphismGroupsPanel::printList() {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    const Group& g = *group_;
    const std::string id = g.GroupID();
    ps.y += 500;
    ps.x = 120;
    ps.bold = false;
    PrintMarkup(box, (list_.Complete() ? "The " + std::to_string(list_.Count())
                                       : "The first " + std::to_string(kAutomorphismListLimit)) +
                         " automorphisms of |%b|" + id + "|/b| are shown below.");
    ps.y += 250;
    ps.x = 120;
    PrintMarkup(box,
                "Each automorphism corresponds to a permutation on the elements of the group.  Therefore the "
                "automorphisms are represented in QUORIX");
    ps.y += 250;
    ps.x = 120;
    PrintMarkup(box, "as permutations.");
    ps.y += 400;
    ps.x = 1000;
    ps.bold = true;

    const auto block = [&](QPushButton* generate, QCheckBox* view, const std::string& kind) {
        const long start = ps.x;
        moveTw(generate, box.leftTw() + ps.x, box.topTw() + ps.y + 300);
        generate->show();
        long x = ps.x + static_cast<long>(PxToTwips(generate->width())) + 150;
        moveTw(view, box.leftTw() + x, box.topTw() + ps.y + 350);
        view->show();
        const long end = x + 1400 + 300;
        if (box.onPrinted) box.onPrinted(end, ps.y + 300 + static_cast<long>(PxToTwips(generate->height())));
        ps.x = start;
        PrintMarkup(box, "Group ID:  " + kind + "(" + id + ")");
        ps.x = ps.x + 500 > end ? ps.x + 500 : end;
    };
    if (list_.Complete()) block(cmdGenerateAuto_, chkCreateAutoView_, "Aut");
    block(cmdGenerateInner_, chkCreateInnerView_, "Inn");
    ps.bold = false;

    // The inner automorphisms, each with the element inducing it.
    ps.y += 900;
    ps.x = 120;
    PrintUnderlinedHeading(box, "Inner Automorphisms");
    ps.y += 300;
    int k = 0;
    for (const AutomorphismEntry& e : list_.entries) {
        if (!e.inner) continue;
        ps.x = 320;
        printAutomorphism(e.code);
        ps.x += 200;
        PrintMarkup(box, "--maps each element |%i|x|/i| into |%i|zxz");
        ps.x -= 20;
        PrintMarkup(box, "|-1|");
        ps.x -= 20;
        const std::string rep = k < static_cast<int>(list_.representatives.size())
                                    ? list_.representatives[static_cast<std::size_t>(k)]
                                    : std::string();
        PrintMarkup(box, "|/i|, where |%i|z|/i| is the fixed element " + rep + ".");
        ++k;
        ps.y += 400;
    }

    // The others, three to a row.
    ps.y += 400;
    ps.x = 120;
    PrintUnderlinedHeading(box, "Other Automorphisms");
    ps.x = 120;
    ps.y += 300;
    if (list_.Count() == list_.innerCount) {
        PrintMarkup(box, "No other automorphisms found.");
    } else {
        int column = 1;
        for (const AutomorphismEntry& e : list_.entries) {
            if (e.inner) continue;
            ps.x = column == 1 ? 320 : ps.x + 500;
            printAutomorphism(e.code);
            if (column == 3) {
                ps.y += 400;
                column = 1;
            } else {
                ++column;
            }
        }
        if (column != 1) ps.y += 400;
    }
    const long needH = ps.y + 800;
    if (clientHeightTw() < needH) setClientSizeTw(clientWidthTw(), needH);
}

GroupPtr AutomorphismGroupsPanel::generate(AutomorphismKind kind) {
    if (!group_ || (kind == AutomorphismKind::Auto && !list_.Complete())) return nullptr;
    // A register file that cannot be written is reported; the group stays registered for this run.
    const GroupRegistrar registrar =
        storage::RegistrarOf(groupRegister(), [this](const std::string& text) { host().Message(text); });
    const GroupPtr built = GenerateAutomorphismGroup(*group_, list_, kind, registrar);
    QCheckBox* view = kind == AutomorphismKind::Auto ? chkCreateAutoView_ : chkCreateInnerView_;
    if (!view->isChecked()) {
        ShowGroupGeneratedNotice(context(), *built);
        return built;
    }
    const QString proposed = QDir(QString::fromStdString(context().directory.string()))
                                 .filePath(QString::fromStdString(DefaultViewFileName(ViewKind::Permutation)));
    const QString path = saveFileDialog(windowTitle(), QStringLiteral("*.html (*.html)"), proposed);
    if (path.isEmpty()) {
        ShowGroupGeneratedNotice(context(), *built);
        return built;
    }
    ViewKind viewKind = ViewKind::Permutation;
    ViewKindOfGroup(*built, viewKind);
    RunViewJob(*this, path, preferences().String(ViewComponentPreference(viewKind) - 1),
               [viewKind, built, target = path.toStdString()](const ViewOptions& options) {
                   return WriteGroupView(viewKind, built, target, options);
               });
    return built;
}

void AutomorphismGroupsPanel::showAutomorphism(const QString& code) {
    if (!group_) return;
    PanelInput in;
    in.group = group_;
    in.other = group_;
    in.mapping = code.toStdString();
    openPanel(QStringLiteral("dlgShowAutomorphism"), in);
    applyScrollingState();
}

}  // namespace quorix::gui
