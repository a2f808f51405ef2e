#include "gui/storage/group_list_panel.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <cmath>

#include "core/catalogue/catalogue.h"
#include "core/text/markup.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/sort_box.h"
#include "gui/common/twips.h"
#include "gui/storage/delete_list_panel.h"
#include "gui/storage/group_order.h"
#include "gui/storage/notice_panel.h"
#include "gui/storage/preferences_panel.h"

namespace quorix::gui {

namespace {

constexpr long kListLeft = 350;  // the list lines up with the heading
constexpr int kNoteRole = GroupListPanel::kNoteRole;

// Lays a markup note out from `origin` (on the baseline) in the font of fm:
// subscripts lowered and exponents raised by a third of the ascent, stacked
// exponents over the piece before. Draws when a painter is given; returns
// the width.
int LayOutNote(const QFontMetrics& fm, const std::string& note, QPainter* painter = nullptr, QPoint origin = {}) {
    const int shift = fm.ascent() / 3;
    int x = 0, last = 0;
    for (const markup::Token& t : markup::Tokenize(note)) {
        if (t.kind != markup::TokenKind::Text) continue;
        const bool stacked = t.placement == markup::Placement::Stacked;
        const int dy = t.placement == markup::Placement::Lowered    ? shift
                       : t.placement == markup::Placement::Baseline ? 0
                                                                    : -shift;
        const QString text = QString::fromStdString(t.text);
        const int at = stacked ? last : x;
        if (painter) painter->drawText(origin.x() + at, origin.y() + dy, text);
        last = at;
        if (!stacked) x += fm.horizontalAdvance(text);
    }
    return x;
}

// Draws an entry's text (the group's ID, which the list searches and sorts
// by), then the catalogue note kept under kNoteRole.
class NoteDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const std::string note = index.data(kNoteRole).toString().toStdString();
        if (note.empty()) return;
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QFontMetrics fm(opt.font);
        const QPoint origin(text.left() + margin + fm.horizontalAdvance(opt.text),
                            text.top() + (text.height() - fm.height()) / 2 + fm.ascent());
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(
            opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        LayOutNote(fm, note, painter, origin);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += LayOutNote(QFontMetrics(option.font), index.data(kNoteRole).toString().toStdString());
        return size;
    }
};

}  // namespace

GroupListPanel::GroupListPanel(AppContext& context, Mode mode, QWidget* parent)
    : Panel(context, QStringLiteral("dlgGroupList"), QStringLiteral("Generated Group List"), parent),
      chooser_(mode == Mode::Choose) {
    buildStandardMenus(true, true);
    setClientSizeTw(8400, 6000);
    createPictureBox();

    sort_ = new SortBox(preferences().SequenceGenerated(storage::PanelDefault::GroupList), client());
    placeTw(sort_, 5200, 100, 2900, 900);
    connect(sort_, &SortBox::changed, this, [this] { reload(); });

    list_ = addControl<QListWidget>(QStringLiteral("lstGroups"), kListLeft, 950, 3000, 3000);
    list_->setItemDelegate(new NoteDelegate(list_));
    createProcessingFrame(kListLeft, 950, 5000, 900);
    cmdChoose_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 0, 0, 1600);
    cmdShow_ = addButton(QStringLiteral("cmdShowGroup"), QStringLiteral("&Show Group"), 0, 0, 1600);
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 0, 0, 1600);
    connect(cmdShow_, &QPushButton::clicked, this, [this] { showGroup(); });

    if (chooser_) {
        setWindowTitle(QStringLiteral("Choose Group"));
        cmdOK_->setText(QStringLiteral("&Cancel"));
    }
    connect(cmdChoose_, &QPushButton::clicked, this, [this] { choose(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (chooser_) choose();
    });
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        chosen_.reset();
        close();
    });
    reload();
}

void GroupListPanel::nameGroups() {
    std::map<GroupPtr, std::string> kept;
    std::vector<GroupPtr> missing;
    Catalogue& catalogue = context().workbench.catalogue;
    bool searching = false;
    for (const GroupPtr& g : groupRegister().Groups()) {
        if (g->Order() > Catalogue::kMaxOrder) continue;
        if (const auto it = notes_.find(g); it != notes_.end()) {
            kept.insert(*it);
        } else {
            missing.push_back(g);
            searching = searching || !catalogue.Searched(g->Order());
        }
    }
    notes_ = std::move(kept);
    if (missing.empty()) return;
    if (!searching) {
        // The orders are searched already: the notes are at hand.
        Progress unstoppable;
        const std::vector<std::string> notes = CatalogueNotes(catalogue, missing, unstoppable);
        for (std::size_t i = 0; i < missing.size(); ++i)
            if (!notes[i].empty()) notes_[missing[i]] = notes[i];
        return;
    }
    // An order's first search as a job; the list is drawn again with the
    // notes when it ends (a reload meanwhile draws it without them).
    if (jobRunning()) return;
    std::vector<std::pair<QPushButton*, bool>> commands;
    for (QPushButton* b : {cmdChoose_, cmdShow_, cmdOK_})
        if (b) commands.emplace_back(b, b->isEnabled());
    runJob(
        {}, [&catalogue, missing](Progress& progress) { return CatalogueNotes(catalogue, missing, progress); },
        [this, missing](const std::vector<std::string>& notes) {
            for (std::size_t i = 0; i < missing.size(); ++i)
                if (!notes[i].empty()) notes_[missing[i]] = notes[i];
            reload();
        });
    // The notes are extras: the list stays usable while they come.
    for (const auto& [b, enabled] : commands) b->setEnabled(enabled);
}

void GroupListPanel::reload() {
    nameGroups();
    undoScrolling();
    PictureBox& box = *pictureBox();
    box.clear();
    list_->clear();
    PrintState& ps = box.printState();
    ps.x = 350;
    ps.y = 350;
    ps.bold = true;
    PrintMarkup(box, chooser_ ? "Choose a group:" : "GENERATED GROUP LIST:");
    ps.bold = false;
    ps.y += 600;
    ps.x = kListLeft;

    const storage::GroupRegister& reg = groupRegister();
    listed_.take(reg);
    if (reg.Empty()) {
        PrintMarkup(box, "No groups have been generated.");
        list_->hide();
        cmdChoose_->hide();
        cmdShow_->hide();
        moveTw(cmdOK_, 350, ps.y + 600);
        return;
    }
    bool complete = true;
    const std::vector<int> positions = ListedPositions(reg, sort_->sequenceGenerated(), complete);
    if (!complete) host().Message("Program Error dlgGroupList");
    long widest = 0;
    for (int p : positions) {
        const GroupPtr& g = reg.At(p);
        const QString text = QString::fromStdString(markup::StripMarkup(g->GroupID()));
        auto* item = new QListWidgetItem(text, list_);
        item->setData(Qt::UserRole, p);
        int width = list_->fontMetrics().horizontalAdvance(text);
        if (const auto it = notes_.find(g); it != notes_.end()) {
            item->setData(kNoteRole, QString::fromStdString(it->second));
            width += LayOutNote(list_->fontMetrics(), it->second);
        }
        widest = std::max(widest, std::lround(PxToTwips(width)));
    }
    const long rowH = std::lround(PxToTwips(list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : 16));
    const long width = std::max(2000L, widest + 600);
    const long height = std::min<long>(static_cast<long>(positions.size()), 16) * rowH + 120;
    placeTw(list_, ps.x, ps.y, width, height);
    list_->show();
    list_->setCurrentRow(0);

    const long bx = ps.x + width + 300;
    long by = ps.y;
    if (chooser_) {
        cmdChoose_->show();
        moveTw(cmdChoose_, bx, by);
        by += 500;
    } else {
        cmdChoose_->hide();
    }
    cmdShow_->show();
    moveTw(cmdShow_, bx, by);
    moveTw(cmdOK_, bx, by + 500);
    const long needW = std::max(clientWidthTw(), bx + 1600 + 300);
    const long needH = std::max(clientHeightTw(), ps.y + height + 400);
    if (needW != clientWidthTw() || needH != clientHeightTw()) setClientSizeTw(needW, needH);
}

void GroupListPanel::changeEvent(QEvent* e) {
    Panel::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !listed_.current(groupRegister())) reload();
}

void GroupListPanel::choose() {
    // A list the register changed under is shown again before anything is chosen.
    if (!listed_.current(groupRegister())) {
        reload();
        return;
    }
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    chosen_ = item->data(Qt::UserRole).toInt();
    close();
}

void GroupListPanel::showGroup() {
    if (!listed_.current(groupRegister())) {
        reload();
        return;
    }
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    PanelInput input;
    input.group = groupRegister().At(item->data(Qt::UserRole).toInt());
    openPanel(QStringLiteral("dlgShowGroup"), input);
}

std::optional<int> ChooseGroup(AppContext& context, QWidget* parent) {
    GroupListPanel panel(context, GroupListPanel::Mode::Choose, parent);
    context.dialogs.showModal(panel);
    return panel.chosen();
}

void RegisterStoragePanels(PanelRegistry& registry) {
    using storage::PanelDefault;
    registry.add({QStringLiteral("dlgGroupList"), QStringLiteral("Generated Group List"), PanelDefault::GroupList,
                  QStringLiteral("&Analysis Tools/&List Generated Groups..."), QStringLiteral("mnuListGeneratedGroups"),
                  false,
                  [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
                      return new GroupListPanel(c, GroupListPanel::Mode::List, parent);
                  },
                  QString(), 10});
    registry.add(
        {QStringLiteral("dlgDeleteList"), QStringLiteral("Delete Selected Groups"), PanelDefault::GroupDeletion,
         QStringLiteral("&File/Delete Selected Groups..."), QStringLiteral("mnuDeleteSelectedGroups"), false,
         [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new DeleteListPanel(c, parent); }});
    registry.add(
        {QStringLiteral("dlgPreferences"), QStringLiteral("Preferences"), std::nullopt, QStringLiteral("&Preferences"),
         QStringLiteral("mnuPreferences"), true,
         [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new PreferencesPanel(c, parent); }});
    registry.add({QStringLiteral("dlgError"), QStringLiteral("Error"), std::nullopt, QString(), QString(), true,
                  [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
                      return new NoticePanel(c, NoticePanel::Kind::Error, parent);
                  }});
    registry.chooser = [](AppContext& c, QWidget* parent) { return ChooseGroup(c, parent); };
}

}  // namespace quorix::gui
