#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <exception>

#include "core/catalogue/catalogue.h"
#include "core/compare/homomorphism.h"
#include "core/storage/group_register.h"
#include "core/text/markup.h"
#include "gui/common/deferred_registrar.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/compare/compare_panels.h"

namespace quorix::gui {

namespace {

constexpr const char* kReductiveNote =
    "NOTE:  Element names in a subgroup's reductive mapping may differ from the names on the Subgroup List and "
    "Composition Series panels, which use the parent group's reductive mapping.";

std::string JoinImages(const std::vector<int>& images) {
    std::string text;
    for (int v : images) {
        if (!text.empty()) text += ' ';
        text += std::to_string(v);
    }
    return text;
}

}  // namespace

CompareGroupsPanel::CompareGroupsPanel(AppContext& context, QWidget* parent)
    : Panel(context, QStringLiteral("dlgCompareGroups"), QStringLiteral("Group Comparison"), parent) {
    addFileMenu();
    QMenu* names = menuBar()->addMenu(QStringLiteral("&Names"));
    names->setObjectName(QStringLiteral("mnuNames"));
    mnuOriginal_ = names->addAction(QStringLiteral("&Original Element Names"));
    mnuOriginal_->setObjectName(QStringLiteral("mnuOriginal"));
    mnuReductive_ = names->addAction(QStringLiteral("&Reductive-Mapping Names"));
    mnuReductive_->setObjectName(QStringLiteral("mnuReductive"));
    for (QAction* a : {mnuOriginal_, mnuReductive_}) a->setCheckable(true);
    connect(mnuOriginal_, &QAction::triggered, this, [this] { setOriginalNames(true); });
    connect(mnuReductive_, &QAction::triggered, this, [this] {
        if (jobRunning()) return syncMenus();
        host().Message(kReductiveNote);
        setOriginalNames(false);
    });
    addPreferencesMenu();
    addScrollingMenu();
    addHelpMenu();

    setClientSizeTw(10500, 6500);
    createPictureBox();
    createProcessingFrame(5200, 1000, 5000, 900);
    for (int i = 0; i < 2; ++i) {
        cmdChooseGroup_[i] =
            addButton(QStringLiteral("cmdChooseGroup_%1").arg(i), QStringLiteral("Choose Group"), 0, 0, 1600);
        connect(cmdChooseGroup_[i], &QPushButton::clicked, this, [this, i] { chooseSlot(i); });
    }
    for (int i = 0; i <= kMaxIsomorphicSubgroupsShown; ++i) {
        cmdShowIsomorphism_[i] =
            addButton(QStringLiteral("cmdShowIsomorphism_%1").arg(i), QStringLiteral("Show &Isomorphism"), 0, 0, 1900);
        connect(cmdShowIsomorphism_[i], &QPushButton::clicked, this, [this, i] { showIsomorphism(i); });
    }
    cmdShowHomomorphism_ =
        addButton(QStringLiteral("cmdShowHomomorphism"), QStringLiteral("Show &Homomorphism"), 0, 0, 2100);
    connect(cmdShowHomomorphism_, &QPushButton::clicked, this, [this] { showHomomorphism(); });
    cmdNextHomomorphism_ =
        addButton(QStringLiteral("cmdNextHomomorphism"), QStringLiteral("&Next Homomorphism"), 0, 0, 2100);
    connect(cmdNextHomomorphism_, &QPushButton::clicked, this, [this] { nextHomomorphism(); });
    cmdRestart_ = addButton(QStringLiteral("cmdRestart"), QStringLiteral("&Restart"), 150, 50, 1000);
    connect(cmdRestart_, &QPushButton::clicked, this, [this] { restart(); });
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 1250, 50, 1000);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });

    original_ = !preferences().ReductiveNames(storage::PanelDefault::GroupComparison);
    syncMenus();
    layoutHeader();
    printTitle();
}

void CompareGroupsPanel::syncMenus() {
    mnuOriginal_->setChecked(original_);
    mnuReductive_->setChecked(!original_);
}

void CompareGroupsPanel::setOriginalNames(bool original) {
    if (jobRunning()) return syncMenus();
    original_ = original;
    syncMenus();
    redisplay();
}

void CompareGroupsPanel::restart() {
    if (jobRunning()) return;
    initPictureBox();
    slots_[0] = slots_[1] = nullptr;
    result_ = {};
    layoutHeader();
    printTitle();
}

void CompareGroupsPanel::layoutHeader() {
    clearPanel();
    for (QPushButton* b : cmdShowIsomorphism_) b->hide();
    cmdShowHomomorphism_->hide();
    cmdNextHomomorphism_->hide();
    nextStarted_ = false;
    homomorphismsShown_ = 1;
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 2500;
    ps.y = 200;
    ps.bold = true;
    PrintMarkup(box, "Compare... ");
    moveTw(cmdChooseGroup_[0], box.leftTw() + ps.x, box.topTw() + 50);
    ps.x += 1600 + 200;
    PrintMarkup(box, "vs.  ");
    moveTw(cmdChooseGroup_[1], box.leftTw() + ps.x, box.topTw() + 50);
    ps.bold = false;
}

void CompareGroupsPanel::printTitle() {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.x = 50;
    ps.y = 700;
    ps.bold = true;
    const double size = box.fontSize();
    box.setFontSize(size * 1.5);
    PrintMarkup(box, "Comparison of " + (slots_[0] ? slots_[0]->GroupID() : std::string("...")) + " vs. " +
                         (slots_[1] ? slots_[1]->GroupID() : std::string("... ")) + ":");
    box.setFontSize(size);
    ps.bold = false;
}

void CompareGroupsPanel::chooseSlot(int index) {
    const std::optional<int> chosen = chooseGroup();
    if (!chosen || *chosen < 1 || *chosen > groupRegister().Count()) return;
    setSlot(index + 1, *chosen);
}

void CompareGroupsPanel::setSlot(int slot, int position) {
    if (jobRunning() || slot < 1 || slot > 2 || position < 1 || position > groupRegister().Count()) return;
    slots_[slot - 1] = groupRegister().At(position);
    redisplay();
}

void CompareGroupsPanel::redisplay() {
    result_ = {};
    layoutHeader();
    printTitle();
    if (slots_[0] && slots_[1]) compare();
}

void CompareGroupsPanel::compare() {
    struct Outcome {
        ComparisonResult result;
        SharedHomomorphism homomorphism;
        std::string note;
    };
    // The job's own subgroup list, search state and registrations: another
    // panel's job that runs meanwhile works on its own.
    auto deferred = DeferredRegistrations::Of(groupRegister());
    runJob(
        QStringLiteral(" "),
        [g1 = slots_[0], g2 = slots_[1], homomorphism = homomorphism_, deferred, original = original_,
         &catalogue = context().workbench.catalogue](Progress& progress) mutable {
            Outcome out;
            EngineStructure structure;
            out.result = CompareGroups(g1, g2, structure, homomorphism, deferred->registrar(), progress, original);
            out.homomorphism = std::move(homomorphism);
            // The isomorphic subgroups are all isomorphic to the smaller group:
            // its catalogue note follows each of them.
            if (out.result.listing.Found() > 0 && !progress.Stopped())
                out.note = CatalogueNote(catalogue, *out.result.target, progress);
            return out;
        },
        [this, deferred](Outcome out) {
            // A register file that cannot be written is reported; the group
            // stays registered for this run.
            deferred->carryOut(
                storage::RegistrarOf(groupRegister(), [this](const std::string& text) { host().Message(text); }));
            result_ = std::move(out.result);
            homomorphism_ = std::move(out.homomorphism);
            showComparison(out.note);
        });
}

void CompareGroupsPanel::showComparison(const std::string& note) {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    const std::vector<std::string>& lines = result_.lines;
    std::size_t next = 0;
    auto print = [&](long x) {
        ps.x = x;
        if (next < lines.size()) PrintMarkup(box, lines[next++]);
    };
    ps.y += 600;
    print(50);
    ps.y += 350;
    print(50);
    box.drawLine(50, ps.y + 350, 3000, ps.y + 350);
    ps.y += 500;
    if (result_.equalOrders) {
        if (next < lines.size()) {
            print(50);
            if (result_.isomorphic) {
                cmdShowIsomorphism_[0]->setProperty("tag", QString());
                moveTw(cmdShowIsomorphism_[0], box.leftTw() + ps.x + 200, box.topTw() + ps.y - 50);
                cmdShowIsomorphism_[0]->show();
            }
        }
    } else if (next < lines.size()) {
        print(50);
        if (result_.homomorphism) {
            cmdShowHomomorphism_->setProperty("tag", QString::fromStdString(result_.homomorphismText));
            moveTw(cmdShowHomomorphism_, box.leftTw() + ps.x + 200, box.topTw() + ps.y - 100);
            cmdShowHomomorphism_->show();
            moveTw(cmdNextHomomorphism_, box.leftTw() + ps.x + 2400, box.topTw() + ps.y - 100);
            cmdNextHomomorphism_->show();
        }
        if (next < lines.size()) {
            box.drawLine(50, ps.y + 350, 3000, ps.y + 350);
            ps.y += 500;
            const SubgroupListing& listing = result_.listing;
            for (int k = 0; k < listing.Found(); ++k) {
                if (k == 0) {
                    print(50);
                    ps.y += 300;
                }
                if (k == kMaxIsomorphicSubgroupsShown) {
                    print(300);
                    ps.y += 300;
                }
                if (k < kMaxIsomorphicSubgroupsShown) {
                    print(300);
                    PrintMarkup(box, note);
                    QPushButton* b = cmdShowIsomorphism_[k + 1];
                    b->setProperty("tag", QString::fromStdString(listing.isomorphic[static_cast<std::size_t>(k)].tag));
                    moveTw(b, box.leftTw() + 600, box.topTw() + ps.y + 300);
                    b->show();
                    ps.y += 800;
                }
            }
            while (next < lines.size()) {  // the halted and the none-found sentences
                print(300);
                ps.y += 300;
            }
        }
    }
    const long needH = ps.y + 1200;
    if (clientHeightTw() < needH) setClientSizeTw(clientWidthTw(), needH);
    if (result_.halted) host().Message(kCompareHaltedMessage);
}

void CompareGroupsPanel::showIsomorphism(int index) {
    PanelInput in;
    if (index == 0) {
        if (!result_.isomorphic) return;
        in.group = slots_[0];
        in.other = slots_[1];
        // Above the table limit the display reads the mapping text: this
        // comparison's mapping.
        if (slots_[0]->Order() > kMaxTableOrder) in.mapping = JoinImages(result_.isomorphism);
    } else {
        if (index > result_.listing.Found()) return;
        const IsomorphicSubgroup& m = result_.listing.isomorphic[static_cast<std::size_t>(index - 1)];
        const std::string tag = cmdShowIsomorphism_[index]->property("tag").toString().toStdString();
        const std::size_t cut = tag.find("!!");
        GroupPtr sub = groupRegister().FindRegisteredGroup(tag.substr(0, cut));
        if (!sub) sub = m.subgroup;  // deleted from the register meanwhile
        in.group = result_.target;
        in.other = sub;
        if (sub->Order() > kMaxTableOrder && cut != std::string::npos) in.mapping = tag.substr(cut + 2);
    }
    openPanel(QStringLiteral("dlgShowIsomorphism"), in);
    applyScrollingState();
}

void CompareGroupsPanel::showHomomorphism() {
    if (!result_.homomorphism) return;
    PanelInput in;
    in.group = result_.source;
    in.other = result_.target;
    in.mapping = cmdShowHomomorphism_->property("tag").toString().toStdString();
    openPanel(QStringLiteral("dlgShowHomomorphism"), in);
    applyScrollingState();
}

bool CompareGroupsPanel::nextHomomorphism() {
    if (!result_.homomorphism || !result_.source || !result_.target) return false;
    struct Outcome {
        SharedHomomorphism next;
        std::string text;
        bool found = false;
        bool halted = false;
    };
    return runJob(
        QStringLiteral("checking for homomorphism..."),
        [source = result_.source, target = result_.target, next = next_, started = nextStarted_,
         shown = homomorphismsShown_](Progress& progress) mutable {
            Outcome out;
            if (!started) {
                // Catch up with the mappings shown so far, then go one further.
                out.found = FindHomomorphism(next, *source, *target, out.text, false, &progress);
                for (int i = 0; out.found && i < shown; ++i)
                    out.found = FindHomomorphism(next, *source, *target, out.text, true, &progress);
            } else {
                out.found = FindHomomorphism(next, *source, *target, out.text, true, &progress);
            }
            out.next = std::move(next);
            out.halted = progress.Stopped();
            return out;
        },
        [this](Outcome out) {
            next_ = std::move(out.next);
            nextStarted_ = true;
            showNextHomomorphism(out.found, out.halted, out.text);
        });
}

bool CompareGroupsPanel::showNextHomomorphism(bool found, bool halted, const std::string& text) {
    if (halted) {
        nextStarted_ = false;  // the search state is cut short; start over next time
        host().Message(kCompareHaltedMessage);
        return false;
    }
    if (!found) {
        cmdNextHomomorphism_->hide();
        host().Message("There is no further homomorphism.");
        return false;
    }
    ++homomorphismsShown_;
    result_.homomorphismText = text;
    cmdShowHomomorphism_->setProperty("tag", QString::fromStdString(text));
    showHomomorphism();
    return true;
}

}  // namespace quorix::gui
