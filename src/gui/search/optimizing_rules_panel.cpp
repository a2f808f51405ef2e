#include "gui/search/optimizing_rules_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "core/host/host.h"
#include "core/search/cayley_search.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace {
const char* const kRuleCaptions[5] = {
    "The order of each group element must be a divisor of the group order.",
    "A group of even order must contain an element of order 2.",
    "Cyclic groups of the same order must be isomorphic to each other.",
    "If n is a power of a prime and n divides the order of a group, then that group must contain a subgroup "
    "of order n.",
    "If the order of a group is 2p, where p is prime, then that group must be isomorphic to either the cyclic "
    "group or the dihedral group of that order.",
};
const char* const kRuleMarks[5] = {"", "", "*", "*   **", "*"};

// The text broken at blanks into lines no wider than `width` pixels.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}
}  // namespace

OptimizingRulesPanel::OptimizingRulesPanel(AppContext& context, CayleySearch& search, QWidget* parent)
    : Panel(context, QStringLiteral("dlgOptimizingRules"), QStringLiteral("Optimizing Rules"), parent),
      search_(search) {
    buildStandardMenus(false, false);
    setClientSizeTw(9000, 6900);
    addLabel(QStringLiteral("Label1"),
             QStringLiteral("In order to optimize the search for valid groups, possible configurations and sets of "
                            "configurations are eliminated not only when they directly conflict the definition of "
                            "a group, but also when they contradict certain properties of groups that can be "
                            "deduced mathematically.  By default, all of the conditions below are used to refine "
                            "the search, but the effect on the search of relaxing particular condition(s) can be "
                            "determined by unchecking the corresponding box(es)."),
             240, 150, 8500, 1500);
    long top = 1800;
    for (int k = 0; k < 5; ++k) {
        addLabel(QStringLiteral("labelMark_%1").arg(k), QString::fromLatin1(kRuleMarks[k]), 120, top + 150, 700, 300);
        // The rule text is the box's own caption (clicking it toggles the
        // box), broken into lines that fit beside the box.
        auto* box = addControl<QCheckBox>(QStringLiteral("chkOptRule_%1").arg(k), 800, top, 7950, 600);
        box->setChecked(search_.RuleEnabled(k));
        const int textWidth = TwipsToPx(7950) - box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
                              box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) - 4;
        box->setText(Wrapped(QString::fromLatin1(kRuleCaptions[k]), box->fontMetrics(), textWidth));
        box->setAccessibleName(QString::fromLatin1(kRuleCaptions[k]));
        boxes_[static_cast<std::size_t>(k)] = box;
        top += 700;
    }
    addLabel(QStringLiteral("labelNote1"),
             QStringLiteral("*  Not applied if \"Include Isomorphic Equivalents\" is checked."), 240, top + 100, 8500,
             300);
    addLabel(QStringLiteral("labelNote2"),
             QStringLiteral("**  Applied only to automatic searches, not to manually entered groups."), 240, top + 400,
             8500, 300);
    auto* ok = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 5400, top + 900);
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 7200, top + 900);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (!host().AskYesNo("Updating the Optimizing Rules will require restarting any search in progress.  "
                             "Do you wish to proceed?",
                             "Optimizing Rules")) {
            rulesChanged_ = false;
            return;
        }
        for (int k = 0; k < 5; ++k) search_.SetRuleEnabled(k, boxes_[static_cast<std::size_t>(k)]->isChecked());
        rulesChanged_ = true;
        accept();
        close();
    });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    setClientSizeTw(9000, top + 1500);
}

}  // namespace quorix::gui
