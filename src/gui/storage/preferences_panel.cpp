#include "gui/storage/preferences_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/host/host.h"
#include "core/storage/preferences.h"

namespace quorix::gui {

namespace {

struct PanelDefaultSpec {
    int position;            // 1-based character of the Panel Defaults
    const char* caption;     // frame caption
    const char* firstName;   // control of the first letter
    const char* secondName;  // control of the other letter; null for the check box
    bool names;              // original/reductive names (else sequence options)
};

constexpr PanelDefaultSpec kPanelDefaults[11] = {
    {1, "Group Comparison Panel", "optCGoriginalNames", "optCGreductiveNames", true},
    {2, "Group Deletion Panel", "optDSGsequenceGenerated", "optDSGalphabeticalSequence", false},
    {3, "Generated Group List / Choose Group Panel", "optGGLsequenceGenerated", "optGGLalphabeticalSequence", false},
    {4, "Automorphism Panel", "optSAoriginalNames", "optSAreductiveNames", true},
    {5, "Composition Series Panel", "optSCSoriginalNames", "optSCSreductiveNames", true},
    {6, "Group Display Panel", "optSGoriginalNames", "optSGreductiveNames", true},
    {7, "Quotient Group Panel", "optSQGoriginalNames", "optSQGreductiveNames", true},
    {8, "Special Group Panels", "chkSGcreateViews", nullptr, false},
    {9, "Subgroup Panel", "optSLoriginalNames", "optSLreductiveNames", true},
    {10, "Conjugacy Class Panel", "optCCoriginalNames", "optCCreductiveNames", true},
    {11, "Subgroup Conjugacy Class Panel", "optSCCoriginalNames", "optSCCreductiveNames", true},
};

// Panel Defaults positions on each of the three tabs, top to bottom.
constexpr int kTabPositions[3][4] = {{4, 5, 10, 3}, {7, 1, 2, 6}, {9, 8, 11, 0}};

struct ViewTabSpec {
    const char* tab;
    const char* frame;
    const char* prefix;
};
constexpr ViewTabSpec kViewTabs[8] = {
    {"Summary View", "Summary View Output Components", "chkSumm"},
    {"Symmetric View", "Symmetric Group View Output Components", "chkSymm"},
    {"Alternating View", "Alternating Group View Output Components", "chkAlt"},
    {"Permutation View", "Permutation Group View Output Components", "chkPerm"},
    {"Additive View", "Multiplicative Group View Output Components", "chkAdd"},
    {"Multiplicative View", "Multiplicative Group View Output Components", "chkMult"},
    {"Direct Product View", "Direct Product Group View Output Components", "chkDP"},
    {"Automorphism View", "Automorphism Group View Output Components", "chkAut"},
};

const char* ComponentCaption(int view, int k) {
    switch (k) {
        case 1:
            return "ElementListing/Mapping";
        case 2:
            return "Cayley Table (original element names)";
        case 3:
            return "Cayley Table (mapped element names)";
        case 4:
            return view == 0 ? "Group Properties (including significant groups isomorphic to this one)"
                             : "Group Properties";
        case 5:
            return "Subgroups";
        case 6:
            return "Quotient Groups";
        default:
            return "Composition Series";
    }
}

}  // namespace

PreferencesPanel::PreferencesPanel(AppContext& context, QWidget* parent)
    : Panel(context, QStringLiteral("dlgPreferences"), QStringLiteral("Preferences"), parent) {
    buildStandardMenus(false, false);
    setClientSizeTw(9600, 6600);
    tabs_ = addControl<QTabWidget>(QStringLiteral("tabPreferences"), 120, 120, 9360, 5600);

    // General Defaults.
    auto* general = new QWidget;
    auto* gFrame = addControl<QGroupBox>(QStringLiteral("fraGeneralDefaults"), 200, 150, 8700, 4600, general);
    gFrame->setTitle(QStringLiteral("General System Defaults"));
    addLabel(QStringLiteral("labelNote"),
             QStringLiteral("Changes to the following default values will become effective when the application is "
                            "reopened."),
             250, 350, 8200, 560, gFrame);
    addLabel(QStringLiteral("labelGroupOrder"), QStringLiteral("Group Order:"), 250, 1100, 1700, 300, gFrame);
    txtGroupOrder_ = addControl<QLineEdit>(QStringLiteral("txtGroupOrder"), 2000, 1060, 800, 340, gFrame);
    addLabel(QStringLiteral("labelTraceOption"), QStringLiteral("Trace Option:"), 250, 1650, 1700, 300, gFrame);
    cboTrace_ = addControl<QComboBox>(QStringLiteral("cboTraceOptions"), 2000, 1600, 2600, 360, gFrame);
    for (const char* item : storage::TraceOptionItems()) cboTrace_->addItem(QString::fromLatin1(item));
    chkIsomorphisms_ = addControl<QCheckBox>(QStringLiteral("chkIncludeIsomorphisms"), 250, 2300, 5000, 300, gFrame);
    chkIsomorphisms_->setText(QStringLiteral("Include Isomorphic Equivalents"));
    chkScrolling_ = addControl<QCheckBox>(QStringLiteral("chkScrollingEnabled"), 250, 2750, 5000, 300, gFrame);
    chkScrolling_->setText(QStringLiteral("Scrolling Enabled"));
    chkAutosave_ = addControl<QCheckBox>(QStringLiteral("chkAutosave"), 250, 3200, 5000, 300, gFrame);
    chkAutosave_->setText(QStringLiteral("Autosave Generated Groups"));
    tabs_->addTab(general, QStringLiteral("General Defaults"));

    // One tab per view.
    for (int v = 0; v < 8; ++v) {
        auto* page = new QWidget;
        auto* frame = addControl<QGroupBox>(QStringLiteral("fra") + QString::fromLatin1(kViewTabs[v].prefix), 200, 150,
                                            8700, 4100, page);
        frame->setTitle(QString::fromLatin1(kViewTabs[v].frame));
        for (int k = 1; k <= 7; ++k) {
            auto* c = addControl<QCheckBox>(QString::fromLatin1(kViewTabs[v].prefix) + QString::number(k), 300,
                                            380 + (k - 1) * 480, 8200, 300, frame);
            c->setText(QString::fromLatin1(ComponentCaption(v, k)));
            views_[static_cast<std::size_t>(v)][static_cast<std::size_t>(k - 1)] = c;
        }
        tabs_->addTab(page, QString::fromLatin1(kViewTabs[v].tab));
    }

    // Panel Defaults (1) to (3).
    for (int t = 0; t < 3; ++t) {
        auto* page = new QWidget;
        long top = 150;
        for (int pos : kTabPositions[t]) {
            if (pos == 0) continue;
            const PanelDefaultSpec& spec = kPanelDefaults[pos - 1];
            auto* frame = addControl<QGroupBox>(QStringLiteral("fraPanel%1").arg(pos), 200, top, 8700, 1100, page);
            frame->setTitle(QString::fromLatin1(spec.caption));
            const QStringList readers = context.panels.panelsReading(static_cast<storage::PanelDefault>(pos));
            if (!readers.isEmpty()) frame->setToolTip(QStringLiteral("Used by: ") + readers.join(QStringLiteral(", ")));
            const auto idx = static_cast<std::size_t>(pos - 1);
            if (!spec.secondName) {
                auto* c = addControl<QCheckBox>(QString::fromLatin1(spec.firstName), 300, 420, 4000, 300, frame);
                c->setText(QStringLiteral("Create Views"));
                first_[idx] = c;
            } else {
                // "Original Element Names" before "Reductive-Mapping Names",
                // "Alphabetical sequence" before "Sequence generated".
                const long firstLeft = spec.names ? 300 : 4400;
                auto* a =
                    addControl<QRadioButton>(QString::fromLatin1(spec.firstName), firstLeft, 420, 3900, 300, frame);
                auto* b = addControl<QRadioButton>(QString::fromLatin1(spec.secondName), 4700 - firstLeft, 420, 3900,
                                                   300, frame);
                a->setText(spec.names ? QStringLiteral("Original Element Names")
                                      : QStringLiteral("Sequence generated"));
                b->setText(spec.names ? QStringLiteral("Reductive-Mapping Names")
                                      : QStringLiteral("Alphabetical sequence"));
                first_[idx] = a;
                second_[idx] = b;
            }
            top += 1250;
        }
        tabs_->addTab(page, QStringLiteral("Panel Defaults (%1)").arg(t + 1));
    }

    auto* cmdApply = addButton(QStringLiteral("cmdApply"), QStringLiteral("Apply"), 4500, 5950, 1500);
    auto* cmdCancel = addButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), 6200, 5950, 1500);
    auto* cmdOK = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 7900, 5950, 1500);
    cmdOK->setDefault(true);
    connect(cmdApply, &QPushButton::clicked, this, [this] { apply(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { close(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (apply()) {
            accept();
            close();
        }
    });
    loadControls();
}

void PreferencesPanel::loadControls() {
    const storage::PreferencesForm form = storage::PreferencesForm::FromPreferences(preferences());
    txtGroupOrder_->setText(QString::fromStdString(form.groupOrderText));
    cboTrace_->setCurrentIndex(form.traceIndex);
    chkIsomorphisms_->setChecked(form.includeIsomorphs);
    chkScrolling_->setChecked(form.scrollingEnabled);
    chkAutosave_->setChecked(form.autosave);
    for (std::size_t v = 0; v < 8; ++v)
        for (std::size_t k = 0; k < 7; ++k) views_[v][k]->setChecked(form.views[v][k]);
    for (std::size_t i = 0; i < 11; ++i) {
        const auto letters = storage::PanelDefaultLetters(static_cast<storage::PanelDefault>(i + 1));
        const bool firstOn = form.panelLetters[i] == letters.first;
        first_[i]->setChecked(firstOn);
        if (second_[i]) second_[i]->setChecked(!firstOn);
    }
}

bool PreferencesPanel::apply() {
    storage::PreferencesForm form;
    form.groupOrderText = txtGroupOrder_->text().toStdString();
    form.traceIndex = cboTrace_->currentIndex();
    form.includeIsomorphs = chkIsomorphisms_->isChecked();
    form.scrollingEnabled = chkScrolling_->isChecked();
    form.autosave = chkAutosave_->isChecked();
    for (std::size_t v = 0; v < 8; ++v)
        for (std::size_t k = 0; k < 7; ++k) form.views[v][k] = views_[v][k]->isChecked();
    for (std::size_t i = 0; i < 11; ++i) {
        const auto letters = storage::PanelDefaultLetters(static_cast<storage::PanelDefault>(i + 1));
        form.panelLetters[i] = first_[i]->isChecked() ? letters.first : letters.second;
    }
    const storage::ApplyResult result = storage::ApplyPreferencesForm(form, preferences(), context().directory);
    for (const std::string& text : result.Messages()) host().Message(text);
    return result.accepted;
}

}  // namespace quorix::gui
