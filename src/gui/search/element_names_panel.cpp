#include "gui/search/element_names_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/host/host.h"
#include "core/search/cayley_search.h"

namespace quorix::gui {

ElementNamesPanel::ElementNamesPanel(AppContext& context, CayleySearch& search, ElementNameState& state,
                                     QWidget* parent)
    : Panel(context, QStringLiteral("dlgChangeElementNames"), QStringLiteral("Element Names"), parent),
      search_(search),
      state_(state) {
    buildStandardMenus(false, false);
    addLabel(QStringLiteral("labelNote"),
             QStringLiteral("Modified element names apply only to manually entered groups, not to groups found "
                            "through automatic search."),
             240, 120, 5600, 600);
    addLabel(QStringLiteral("labelDefault"), QStringLiteral("Default Element Name"), 240, 800, 2200, 300);
    addLabel(QStringLiteral("labelModified"), QStringLiteral("Modified Name"), 2700, 800, 2200, 300);
    // The current names become the prior names, so that a cancelled renaming
    // translates every typed name to itself.
    std::array<std::string, CayleySearch::kSize> names{};
    for (int k = 1; k <= CayleySearch::kMaxOrder; ++k) names[static_cast<std::size_t>(k)] = search_.ElementName(k);
    search_.SetElementNames(names);
    for (int k = 0; k < 15; ++k) {
        const long top = 1150 + k * 360;
        addLabel(QStringLiteral("labelCode_%1").arg(k), QString::fromStdString(CayleySearch::ElementCode(k + 1)), 900,
                 top + 30, 600, 300);
        auto* edit = addControl<QLineEdit>(QStringLiteral("Text1_%1").arg(k), 2700, top, 2000, 315);
        edit->setText(QString::fromStdString(search_.ElementName(k + 1)));
        boxes_[static_cast<std::size_t>(k)] = edit;
    }
    const long bottom = 1150 + 15 * 360 + 200;
    auto* revert = addButton(QStringLiteral("cmdRevertToDefaultNames"), QStringLiteral("Revert to Default Names"), 240,
                             bottom, 2600);
    auto* ok = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 3000, bottom, 1200);
    auto* cancel = addButton(QStringLiteral("cmdExit"), QStringLiteral("&Cancel"), 4400, bottom, 1200);
    ok->setDefault(true);
    connect(revert, &QPushButton::clicked, this, [this] {
        for (int k = 0; k < 15; ++k)
            boxes_[static_cast<std::size_t>(k)]->setText(QString::fromStdString(CayleySearch::ElementCode(k + 1)));
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (store()) {
            accept();
            close();
        }
    });
    connect(cancel, &QPushButton::clicked, this, [this] { close(); });
    setClientSizeTw(5900, bottom + 600);
}

void ElementNamesPanel::showEvent(QShowEvent* e) {
    Panel::showEvent(e);
    QTimer::singleShot(0, this, [this] { boxes_[0]->setFocus(); });
}

bool ElementNamesPanel::store() {
    int longest = 0;
    for (int k = 0; k < 15; ++k) {
        QLineEdit* edit = boxes_[static_cast<std::size_t>(k)];
        QString text = edit->text().trimmed();
        if (text.isEmpty()) text = QString::fromStdString(CayleySearch::ElementCode(k + 1));
        edit->setText(text);
        for (int m = 0; m < k; ++m) {
            if (boxes_[static_cast<std::size_t>(m)]->text().compare(text, Qt::CaseInsensitive) == 0) {
                host().Message("Duplicate element names not allowed.");
                edit->setFocus();
                return false;
            }
        }
        longest = std::max(longest, static_cast<int>(text.size()));
        if (text.contains(QStringLiteral("$%"))) {
            host().Message("$% is a prohibited combination in QUORIX.");
            edit->setFocus();
            return false;
        }
    }
    std::array<std::string, CayleySearch::kSize> names{};
    for (int k = 1; k <= CayleySearch::kMaxOrder; ++k) names[static_cast<std::size_t>(k)] = search_.ElementName(k);
    state_.customNamesInUse = false;
    for (int k = 0; k < 15; ++k) {
        names[static_cast<std::size_t>(k + 1)] = boxes_[static_cast<std::size_t>(k)]->text().toStdString();
        if (names[static_cast<std::size_t>(k + 1)] != CayleySearch::ElementCode(k + 1)) state_.customNamesInUse = true;
    }
    state_.longestNameLength = longest;
    search_.SetElementNames(names);
    return true;
}

}  // namespace quorix::gui
