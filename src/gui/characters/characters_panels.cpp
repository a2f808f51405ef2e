#include "gui/characters/characters_panels.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>

#include "core/characters/character_text.h"
#include "core/storage/group_register.h"
#include "core/text/markup.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace {

constexpr long kCharacterToolbarHeight = 900;
constexpr long kCharacterLeft = 200;
constexpr long kCharacterRowStep = 330;
constexpr long kColumnGap = 400;
const QColor kSelection(255, 240, 170);
const QColor kPass(0, 120, 0);
const QColor kFail(200, 0, 0);

QString Q(const std::string& s) { return QString::fromStdString(s); }

// An element name in markup ("A|2|B", "S|@4|") as LaTeX ("A^{2}B", "S_{4}").
std::string MarkupLatex(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    bool code = false;
    while (start <= text.size()) {
        const std::size_t bar = std::min(text.find('|', start), text.size());
        const std::string piece = text.substr(start, bar - start);
        if (!code)
            out += piece;
        else if (!piece.empty() && piece[0] == '@')
            out += "_{" + piece.substr(1) + "}";
        else if (!piece.empty() && piece[0] == '^')
            out += "^{" + piece.substr(1) + "}";
        else if (piece == ".")
            out += "\\cdot ";
        else if (!piece.empty() && piece[0] != '%' && piece[0] != '/')
            out += "^{" + piece + "}";
        code = !code;
        start = bar + 1;
    }
    return out;
}

}  // namespace

// ---- character table ---------------------------------------------------------------------

CharacterTablePanel::CharacterTablePanel(AppContext& context, GroupPtr group, QWidget* parent)
    : Panel(context, QStringLiteral("dlgCharacterTable"), QStringLiteral("Character Table"), parent) {
    buildStandardMenus(false, false);
    setClientSizeTw(12000, 8600);
    cmdChooseGroup_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 100, 100, 1600);
    cmdShowKernel_ = addButton(QStringLiteral("cmdShowKernel"), QStringLiteral("Show &Kernel"), 1850, 100, 1700);
    cmdCopyLatex_ = addButton(QStringLiteral("cmdCopyLatex"), QStringLiteral("Copy Table as &LaTeX"), 3700, 100, 2500);
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 6350, 100, 1000);
    createProcessingFrame(7500, 0, 4400, 850);
    cmdShowKernel_->setToolTip(QStringLiteral("Click a character, then show its kernel in the group display"));

    scroll_ = createScrolledPictureBox(QStringLiteral("scrTable"), 100, kCharacterToolbarHeight, 11800, 7600);
    followWindow(scroll_, FollowWidth | FollowHeight);

    connect(cmdChooseGroup_, &QPushButton::clicked, this, [this] {
        if (const std::optional<int> chosen = chooseGroup()) showGroup(groupRegister().At(*chosen));
    });
    connect(cmdShowKernel_, &QPushButton::clicked, this, [this] { showKernel(); });
    connect(cmdCopyLatex_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(Q(latex())); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });
    pictureBox()->onMouseDown = [this](long x, long y) { selectCharacter(characterAt(x, y)); };

    selectCharacter(-1);
    if (group) startWhenShown([this, group] { showGroup(group); });
}

void CharacterTablePanel::showGroup(const GroupPtr& g) {
    runJob(
        QStringLiteral("Splitting the class algebra..."),
        [g](Progress& progress) { return ComputeCharacterTable(*g, progress); },
        [this, g](CharacterTable table) {
            group_ = g;
            table_ = std::move(table);
            setWindowTitle(Q(markup::StripMarkup(group_->GroupID())) + QStringLiteral(" Character Table"));
            selectCharacter(-1);
            // The whole table where the screen has room for it.
            growToShow(scroll_);
        });
}

int CharacterTablePanel::characterAt(long, long y) const {
    if (y < rowsTop_ || y >= rowsBottom_) return -1;
    return static_cast<int>((y - rowsTop_) / kCharacterRowStep);
}

void CharacterTablePanel::selectCharacter(int index) {
    selected_ = index >= 0 && index < static_cast<int>(table_.characters.size()) ? index : -1;
    cmdShowKernel_->setEnabled(selected_ >= 0);
    cmdCopyLatex_->setEnabled(group_ && !table_.halted);
    draw();
}

std::string CharacterTablePanel::latex() const {
    if (!group_ || table_.halted) return {};
    std::vector<std::string> representatives;
    for (const CharacterClass& c : table_.classes)
        representatives.push_back(MarkupLatex(group_->name(c.representative)));
    return CharacterTableLatex(table_, representatives);
}

void CharacterTablePanel::draw() {
    PictureBox& box = *pictureBox();
    box.clear();
    box.printState() = PrintState{};
    rowsTop_ = rowsBottom_ = 0;
    const double size = box.fontSize();
    PrintState& ps = box.printState();
    if (!group_ || table_.halted) {
        box.drawText(kCharacterLeft, 200,
                     group_ ? QStringLiteral("Calculation halted.") : QStringLiteral("Choose a group."));
        box.setFixedSize(600, 200);
        box.update();
        return;
    }
    long y = 150;
    box.setFontSize(size * 1.3);
    ps.x = kCharacterLeft;
    ps.y = y;
    ps.bold = true;
    PrintMarkup(box, "Character table of " + group_->GroupID());
    ps.bold = false;
    box.setFontSize(size);
    y += 450;
    box.drawText(kCharacterLeft, y,
                 QStringLiteral("|G| = %1, %2 classes by element order and size; characters by degree")
                     .arg(table_.groupOrder)
                     .arg(table_.classes.size()));
    y += 450;

    // Cells: the head column, the class columns, then the columns about each character.
    const std::size_t k = table_.classes.size();
    const std::vector<QString> heads{QStringLiteral("class"), QStringLiteral("representative x"),
                                     QStringLiteral("|x^G|"), QStringLiteral("o(x)"), QStringLiteral("|C_G(x)|")};
    std::vector<std::vector<QString>> values(table_.characters.size());
    for (std::size_t c = 0; c < values.size(); ++c)
        for (const Cyclotomic& v : table_.characters[c].values) values[c].push_back(Q(ValueUnicode(v.Text())));
    const std::vector<QString> extraHeads{QStringLiteral("degree"), QStringLiteral("ν"), QStringLiteral("|ker|"),
                                          QStringLiteral("real"), QStringLiteral("rational")};
    auto extraCell = [&](std::size_t c, std::size_t e) {
        const Character& chi = table_.characters[c];
        switch (e) {
            case 0:
                return QString::number(chi.degree);
            case 1:
                return Q(IndicatorText(chi.indicator));
            case 2:
                return QString::number(chi.kernelOrder);
            case 3:
                return chi.real ? QStringLiteral("yes") : QStringLiteral("no");
            default:
                return chi.rational ? QStringLiteral("yes") : QStringLiteral("no");
        }
    };
    auto classCell = [&](std::size_t j, std::size_t row) {
        const CharacterClass& cls = table_.classes[j];
        switch (row) {
            case 0:
                return Q(cls.label);
            case 2:
                return QString::number(cls.size);
            case 3:
                return QString::number(cls.elementOrder);
            default:
                return QString::number(cls.centralizerOrder);
        }
    };
    long headWidth = 0;
    for (const QString& h : heads) headWidth = std::max(headWidth, static_cast<long>(box.textWidth(h)));
    std::vector<long> widths(k, 0);
    for (std::size_t j = 0; j < k; ++j) {
        long w = MarkupTextWidth(box, group_->name(table_.classes[j].representative));
        for (std::size_t row : {0, 2, 3, 4}) w = std::max(w, static_cast<long>(box.textWidth(classCell(j, row))));
        for (const auto& row : values) w = std::max(w, static_cast<long>(box.textWidth(row[j])));
        widths[j] = w + kColumnGap;
    }
    std::vector<long> extraWidths;
    for (std::size_t e = 0; e < extraHeads.size(); ++e) {
        long w = static_cast<long>(box.textWidth(extraHeads[e]));
        for (std::size_t c = 0; c < values.size(); ++c)
            w = std::max(w, static_cast<long>(box.textWidth(extraCell(c, e))));
        extraWidths.push_back(w + kColumnGap);
    }
    const long valuesLeft = kCharacterLeft + headWidth + kColumnGap;
    long extrasLeft = valuesLeft;
    for (long w : widths) extrasLeft += w;
    extrasLeft += kColumnGap / 2;
    long right = extrasLeft;
    for (long w : extraWidths) right += w;
    auto centred = [&](long left, long width, const QString& text, long top) {
        box.drawText(left + (width - static_cast<long>(box.textWidth(text))) / 2.0, top, text);
    };

    const long tableTop = y;
    for (std::size_t row = 0; row < heads.size(); ++row, y += kCharacterRowStep) {
        box.setFontBold(row == 0);
        box.drawText(kCharacterLeft, y, heads[row]);
        long x = valuesLeft;
        for (std::size_t j = 0; j < k; x += widths[j], ++j) {
            if (row == 1) {
                const std::string name = group_->name(table_.classes[j].representative);
                ps.x = x + (widths[j] - MarkupTextWidth(box, name)) / 2;
                ps.y = y;
                PrintMarkup(box, name);
            } else {
                centred(x, widths[j], classCell(j, row), y);
            }
        }
        box.setFontBold(false);
    }
    box.setFontBold(true);
    long x = extrasLeft;
    for (std::size_t e = 0; e < extraHeads.size(); x += extraWidths[e], ++e)
        centred(x, extraWidths[e], extraHeads[e], tableTop);
    box.setFontBold(false);
    box.drawLine(kCharacterLeft, y + 20, right, y + 20);
    y += 80;
    rowsTop_ = y;
    for (std::size_t c = 0; c < values.size(); ++c, y += kCharacterRowStep) {
        if (static_cast<int>(c) == selected_)
            box.fillRect(kCharacterLeft - 60, y - 20, right - kCharacterLeft + 120, kCharacterRowStep, kSelection);
        box.drawText(kCharacterLeft, y, QStringLiteral("χ") + Q(ValueUnicode("_" + std::to_string(c + 1))));
        x = valuesLeft;
        for (std::size_t j = 0; j < k; x += widths[j], ++j) centred(x, widths[j], values[c][j], y);
        x = extrasLeft;
        for (std::size_t e = 0; e < extraHeads.size(); x += extraWidths[e], ++e)
            centred(x, extraWidths[e], extraCell(c, e), y);
    }
    rowsBottom_ = y;
    box.drawLine(valuesLeft - kColumnGap / 2, tableTop, valuesLeft - kColumnGap / 2, y);
    box.drawLine(extrasLeft - kColumnGap / 4, tableTop, extrasLeft - kColumnGap / 4, y);

    y += 300;
    box.setFontBold(true);
    box.drawText(kCharacterLeft, y, QStringLiteral("Legend"));
    box.setFontBold(false);
    y += 300;
    for (const std::string& line : CharacterLegend(table_)) {
        box.drawText(kCharacterLeft + 200, y, Q(ValueUnicode(line)));
        y += 280;
    }
    box.drawText(kCharacterLeft + 200, y,
                 QStringLiteral("ν = Frobenius–Schur indicator (+ real, 0 not real, − quaternionic)"));
    y += 380;
    box.setFontBold(true);
    box.drawText(kCharacterLeft, y, QStringLiteral("Checks"));
    box.setFontBold(false);
    y += 300;
    const std::vector<std::string> checks = CharacterCheckLines(table_);
    const bool pass[] = {table_.checks.sumOfSquaredDegrees == table_.groupOrder, table_.checks.rowOrthogonality,
                         table_.checks.columnOrthogonality};
    for (std::size_t i = 0; i < checks.size(); ++i, y += 280) {
        box.setForeColor(pass[i] ? kPass : kFail);
        box.drawText(kCharacterLeft + 200, y, (pass[i] ? QStringLiteral("✓ ") : QStringLiteral("✗ ")) + Q(checks[i]));
    }
    box.setForeColor(Qt::black);
    const QSize picture = box.pictureSize();
    box.setFixedSize(std::max(picture.width() + 20, static_cast<int>(right / 15) + 30), picture.height() + 20);
    box.update();
}

void CharacterTablePanel::showKernel() {
    if (selected_ < 0 || !stillRegistered(group_)) return;
    const Character& chi = table_.characters[static_cast<std::size_t>(selected_)];
    GroupPtr h = Group::Create();
    h->GenerateSubgroup(group_, chi.kernel);
    const std::string id = "Kernel" + std::to_string(selected_ + 1) + "(" + group_->GroupID() + ")";
    h->SetGroupID(id);
    groupRegister().RegisterGroup(h, id);
    PanelInput input;
    input.group = h;
    openPanel(QStringLiteral("dlgShowGroup"), input);
}

// ---- Sylow subgroups ---------------------------------------------------------------------

SylowPanel::SylowPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : StructurePanel(context, input, QStringLiteral("dlgSylowSubgroups"), QStringLiteral("Sylow Subgroups"), true,
                     parent) {
    chkAllConjugates_ = addControl<QCheckBox>(QStringLiteral("chkAllConjugates"), 3500, 340, 3800, 330);
    chkAllConjugates_->setText(QStringLiteral("List all conjugates"));
    connect(chkAllConjugates_, &QCheckBox::toggled, this, [this] {
        if (group_) analyse();
    });
    redraw();
}

void SylowPanel::analyse() {
    setWindowTitle(Q(markup::StripMarkup(group_->GroupID())) + QStringLiteral(" Sylow Subgroups"));
    using Found = std::pair<SylowResult, std::vector<std::string>>;
    runJob(
        QStringLiteral("Finding the Sylow subgroups..."), {chkAllConjugates_},
        [group = group_, all = chkAllConjugates_->isChecked(),
         &catalogue = context().workbench.catalogue](Progress& progress) {
            Found out{ComputeSylowSubgroups(*group, progress, all), {}};
            for (const SylowSubgroups& s : out.first.primes)
                out.second.push_back(SubgroupCatalogueNote(catalogue, group, s.subgroup, progress));
            return out;
        },
        [this](Found found) {
            // Halted: the primes finished before the stop are shown.
            sylow_ = std::move(found.first.primes);
            notes_ = std::move(found.second);
            redraw();
        });
}

// The title at the size of the other analysis panels' titles.
std::vector<TextItem> SylowPanel::layout(bool originalNames) {
    std::vector<TextItem> items = TextPanel::layout(originalNames);
    if (group_ && !items.empty()) items.front().kind = TextItem::Kind::Title;
    return items;
}

std::vector<std::string> SylowPanel::lines(bool originalNames) {
    if (!group_) return {emptyFormText()};
    const Group& g = *group_;
    auto set = [&](const ElementSet& members) {
        std::string text;
        for (int x = 1; x <= g.order(); ++x)
            if (members.test(static_cast<std::size_t>(x)))
                text += (text.empty() ? "" : ", ") + (originalNames ? g.sourceName(g.sourceOf(x)) : g.name(x));
        return "{" + text + "}";
    };
    const std::string n = std::to_string(g.order());
    std::string factors;
    for (const SylowSubgroups& s : sylow_)
        factors += (factors.empty() ? "" : " · ") + std::to_string(s.prime) +
                   (s.exponent > 1 ? "|" + std::to_string(s.exponent) + "|" : "");
    std::vector<std::string> out{"|%b|Sylow Subgroups of " + g.GroupID() + "|/b|", "",
                                 "o(G) = " + n + (sylow_.empty() ? "" : " = " + factors) +
                                     (sylow_.empty() ? ": no prime divides the order." : "")};
    for (std::size_t i = 0; i < sylow_.size(); ++i) {
        const SylowSubgroups& s = sylow_[i];
        const std::string p = std::to_string(s.prime);
        std::string count = SylowCountText(s, g.order());
        count.replace(0, 2 + p.size(), "n|@" + p + "|");
        out.push_back("");
        out.push_back("|%b|p = " + p + "|/b|: a Sylow " + p + "-subgroup has order " + p +
                      (s.exponent > 1 ? "|" + std::to_string(s.exponent) + "|" : "") + " = " + std::to_string(s.order) +
                      ".");
        out.push_back("     " + count + ".");
        out.push_back(s.normal ? "     It is normal: the only Sylow " + p + "-subgroup."
                               : "     Not normal: its normalizer has order " + std::to_string(s.normalizerOrder) +
                                     " and index " + std::to_string(s.count) + ".");
        out.push_back("     One of them: " + set(s.subgroup) + notes_[i]);
        for (std::size_t c = 0; c < s.conjugates.size(); ++c)
            out.push_back("          " + std::to_string(c + 1) + ".  " + set(s.conjugates[c]));
    }
    return out;
}

void SylowPanel::drawMore(bool originalNames) {
    StructurePanel::drawMore(originalNames);
    chkAllConjugates_->setVisible(group_ != nullptr);
}

void RegisterCharactersPanels(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgCharacterTable"), QStringLiteral("Character Table"), std::nullopt,
                  QStringLiteral("&Analysis Tools/Character &Table..."), QStringLiteral("mnuCharacterTable"), false,
                  [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new CharacterTablePanel(c, in.group, parent);
                  },
                  QString(), 70});
    registry.add(
        {QStringLiteral("dlgSylowSubgroups"), QStringLiteral("Sylow Subgroups"), std::nullopt,
         QStringLiteral("&Analysis Tools/S&ylow Subgroups..."), QStringLiteral("mnuSylowSubgroups"), false,
         [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* { return new SylowPanel(c, in, parent); },
         QString(), 80});
}

}  // namespace quorix::gui
