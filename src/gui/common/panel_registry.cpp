#include "gui/common/panel_registry.h"

#include <QAction>
#include <QMenu>

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

Panel* PanelRegistry::open(const QString& name, AppContext& context, QWidget* parent) const {
    const PanelEntry* e = find(name);
    if (!e || !e->create) return nullptr;
    Panel* panel = e->create(context, e->modal ? parent : nullptr);
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
    if (!e->create) {
        a->setEnabled(false);
        a->setToolTip(QStringLiteral("Not available in this version."));
        return a;
    }
    QObject::connect(a, &QAction::triggered, owner, [this, name, &context, owner] { open(name, context, owner); });
    return a;
}

}  // namespace quorix::gui
