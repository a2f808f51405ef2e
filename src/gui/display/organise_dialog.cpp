#include "gui/display/organise_dialog.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "core/analysis/subgroups.h"
#include "core/text/markup.h"
#include "gui/common/panel.h"

namespace quorix::gui {

namespace {

std::optional<ElementSet> AskOrganisingSubgroup(Panel& panel, const GroupPtr& g, bool originalNames,
                                                SubgroupLogic& logic) {
    const std::vector<std::string> ids = SubgroupIDs(logic.Subgroups(), g->GroupID());

    QDialog dialog(&panel);
    dialog.setObjectName(QStringLiteral("dlgOrganiseBy"));
    dialog.setWindowTitle(QStringLiteral("Organise by Subgroup"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstSubgroups"));
    list->addItem(QStringLiteral("None: the group's own order"));
    for (int s = 1; s <= logic.SubgroupCount(); ++s) {
        const std::string text = markup::StripMarkup(ShortSubgroupName(ids[static_cast<std::size_t>(s - 1)])) +
                                 (logic.IsNormal(s) ? " (normal) " : " ") +
                                 markup::StripMarkup(FormatSubgroupElements(*logic.Subgroup(s), *g, originalNames));
        list->addItem(QString::fromStdString(text));
    }
    list->setCurrentRow(0);
    auto* ok = new QPushButton(QStringLiteral("&OK"), &dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    Panel::placeTw(list, 120, 120, 7000, 3600);
    Panel::placeTw(ok, 3800, 3850, 1500, 375);
    Panel::placeTw(cancel, 5620, 3850, 1500, 375);
    dialog.resize(ok->x() + 2 * ok->width() + 40, ok->y() + ok->height() + 10);
    panel.runModal(dialog);
    if (dialog.result() != QDialog::Accepted) return std::nullopt;
    const int row = list->currentRow();
    if (row <= 0) return ElementSet{};
    return logic.Memberships()[static_cast<std::size_t>(row - 1)];
}

}  // namespace

void ChooseOrganisingSubgroup(Panel& panel, const GroupPtr& g, bool originalNames,
                              std::function<void(std::optional<ElementSet>)> done) {
    if (!g) return done(std::nullopt);
    auto logic = std::make_shared<SubgroupLogic>();
    const bool started = panel.runJob(
        QStringLiteral("Finding subgroups..."),
        [g, logic](Progress& progress) { return !logic->FindAllSubgroups(g, progress).halted; },
        [&panel, g, originalNames, logic, done](bool complete) {
            done(complete ? AskOrganisingSubgroup(panel, g, originalNames, *logic) : std::nullopt);
        });
    if (!started) done(std::nullopt);
}

}  // namespace quorix::gui
