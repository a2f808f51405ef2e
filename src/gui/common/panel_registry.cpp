#include "gui/common/panel_registry.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>

#include "gui/common/app_context.h"
#include "gui/common/panel.h"

namespace quorix::gui {

void PanelRegistry::add(PanelEntry entry) {
    for (PanelEntry& e : entries_)
        if (e.name == entry.name) {
            e = std::move(entry);
            return;
        }
    entries_.push_back(std::move(entry));
}

const PanelEntry* PanelRegistry::find(const QString& name) const {
    for (const PanelEntry& e : entries_)
        if (e.name == name) return &e;
    return nullptr;
}

QStringList PanelRegistry::panelsReading(storage::PanelDefault position) const {
    QStringList out;
    for (const PanelEntry& e : entries_)
        if (e.panelDefault == position) out << e.caption;
    return out;
}

Panel* PanelRegistry::open(const QString& name, AppContext& context, QWidget* parent, const PanelInput& input) const {
    const PanelEntry* e = find(name);
    if (!e || !e->create) return nullptr;
    Panel* panel = e->create(context, input, e->modal ? parent : nullptr);
    if (e->modal) {
        context.dialogs.showModal(*panel);
        delete panel;
        return nullptr;
    }
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->show();
    return panel;
}

QAction* PanelRegistry::addMenuAction(QMenu* menu, const QString& name, AppContext& context, QWidget* owner) const {
    const PanelEntry* e = find(name);
    Q_ASSERT(e);
    QAction* a = menu->addAction(e->menuPath.section(QLatin1Char('/'), 1));
    a->setObjectName(e->menuAction);
    if (!e->shortcut.isEmpty()) a->setShortcut(QKeySequence(e->shortcut));
    if (!e->create) {
        a->setEnabled(false);
        a->setToolTip(QStringLiteral("Not available in this version."));
        return a;
    }
    QObject::connect(a, &QAction::triggered, owner, [this, name, &context, owner] { open(name, context, owner); });
    return a;
}

std::vector<const PanelEntry*> PanelRegistry::menuEntries(const QString& menu) const {
    std::vector<const PanelEntry*> out;
    const QString prefix = menu + QLatin1Char('/');
    for (const PanelEntry& e : entries_)
        if (e.menuPath.startsWith(prefix)) out.push_back(&e);
    std::stable_sort(out.begin(), out.end(),
                     [](const PanelEntry* a, const PanelEntry* b) { return a->menuOrder < b->menuOrder; });
    return out;
}

}  // namespace quorix::gui
