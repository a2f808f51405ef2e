#pragma once
// The catalogue of the program's panels. Each concrete panel is registered
// once at start-up (by the program, or a test) with its own name, caption,
// the Panel Defaults character it reads, where its menu entry sits and how
// to create it. The common panel code opens panels by name through it, so
// it needs to know no concrete panel.

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/group/group.h"
#include "core/storage/preferences.h"

class QAction;
class QMenu;
class QWidget;

namespace quorix {
class SubgroupLogic;
}

namespace quorix::gui {

class AppContext;
class Panel;

// What a panel works on, handed to it when it is created. A panel opened
// from a menu gets none and waits for its Choose Group button; a panel
// opened by another panel gets the group (and what else it needs) itself,
// never a register position that a deletion could move.
struct PanelInput {
    GroupPtr group;
    // A second group: the normal subgroup of a quotient, the second group of
    // an isomorphism or homomorphism display.
    GroupPtr other;
    // The subgroup list of `group` the panel reads (the quotient and
    // subgroup-class panels read the list of the subgroup panel that opened
    // them).
    std::shared_ptr<SubgroupLogic> subgroups;
    // Show Group: rows and columns ordered by the cosets of this subgroup
    // (positions in `group`).
    std::optional<ElementSet> organiseBy;
    // A mapping display's mapping: the images joined by commas, or an
    // automorphism's code.
    std::string mapping;
};

struct PanelEntry {
    QString name;     // object name, also the help anchor ("dlgSubgroups")
    QString caption;  // window caption
    // The Panel Defaults character the panel starts from, if any.
    std::optional<storage::PanelDefault> panelDefault;
    // Menu entry that opens the panel: "<menu title>/<entry caption>" and the
    // entry's object name; empty when no menu opens it directly.
    QString menuPath;
    QString menuAction;
    bool modal = false;  // shown modally (and deleted afterwards)
    // Creates the panel; empty for a panel not available in this version.
    std::function<Panel*(AppContext&, const PanelInput&, QWidget* parent)> create;
    // The accelerator of its menu entry, if any.
    QString shortcut;
    // Where the entry stands in its menu: entries come in ascending order
    // (equal ones in the order they were added).
    int menuOrder = 0;
};

class PanelRegistry {
public:
    // Adds an entry; an entry with the same name is replaced.
    void add(PanelEntry entry);
    const PanelEntry* find(const QString& name) const;
    const std::vector<PanelEntry>& entries() const { return entries_; }
    // The captions of the registered panels that start from `position`.
    QStringList panelsReading(storage::PanelDefault position) const;

    // Opens a registered panel: a modal one (over `parent`) runs through the
    // context's dialog hooks and is gone when this returns (nullptr); a
    // modeless one is a window of its own, shown, deleted on close and
    // returned. Unknown names and
    // panels without a factory open nothing.
    Panel* open(const QString& name, AppContext& context, QWidget* parent = nullptr,
                const PanelInput& input = {}) const;

    // Adds the entry's menu action to `menu` (its caption after the "/" of
    // the menu path), opening the panel with no input; disabled with a tool
    // tip when the panel is not available.
    QAction* addMenuAction(QMenu* menu, const QString& name, AppContext& context, QWidget* owner) const;
    // The entries whose menu path starts with `menu` + "/", in menu order.
    std::vector<const PanelEntry*> menuEntries(const QString& menu) const;

    // The typed result of the choose protocol: the group list in chooser
    // mode, registered by whoever provides it.
    std::function<std::optional<int>(AppContext&, QWidget* parent)> chooser;

private:
    std::vector<PanelEntry> entries_;
};

}  // namespace quorix::gui
