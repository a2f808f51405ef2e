#pragma once
// The catalogue of the program's panels. Each concrete panel is registered
// once at start-up (by the program, or a test) with its own name, caption,
// the Panel Defaults character it reads, where its menu entry sits and how
// to create it. The common panel code opens panels by name through it, so
// it needs to know no concrete panel.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/storage/preferences.h"

class QAction;
class QMenu;
class QWidget;

namespace quorix::gui {

class AppContext;
class Panel;

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
    std::function<Panel*(AppContext&, QWidget* parent)> create;
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
    Panel* open(const QString& name, AppContext& context, QWidget* parent = nullptr) const;

    // Adds the entry's menu action to `menu` (its caption after the "/" of
    // the menu path), opening the panel; disabled with a tool tip when the
    // panel is not available.
    QAction* addMenuAction(QMenu* menu, const QString& name, AppContext& context, QWidget* owner) const;

    // The typed result of the choose protocol: the group list in chooser
    // mode, registered by whoever provides it.
    std::function<std::optional<int>(AppContext&, QWidget* parent)> chooser;

private:
    std::vector<PanelEntry> entries_;
};

}  // namespace quorix::gui
