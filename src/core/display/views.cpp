#include "core/display/views.h"

#include "core/analysis/subgroups.h"
#include "core/compare/solution_analysis.h"
#include "core/group/math_functions.h"
#include "core/display/html.h"
#include "core/text/markup.h"

namespace quorix {

std::string DefaultViewFileName(ViewKind kind) {
    switch (kind) {
        case ViewKind::Summary:
            return "GroupSummary.html";
        case ViewKind::Symmetric:
            return "SymmetricGroupView.html";
        case ViewKind::Alternating:
            return "AlternatingGroupView.html";
        case ViewKind::Permutation:
            return "PermutationGroupView.html";
        case ViewKind::Additive:
            return "AdditiveGroupView.html";
        case ViewKind::Multiplicative:
            return "MultiplicativeGroupView.html";
        case ViewKind::DirectProduct:
            return "DirectProductGroupView.html";
        case ViewKind::Automorphism:
            return "PermutationGroupView.html";
    }
    return "GroupView.html";
}

std::string DefaultViewComponents(ViewKind kind) {
    switch (kind) {
        case ViewKind::Summary:
        case ViewKind::Additive:
        case ViewKind::Multiplicative:
            return "1011000";
        default:
            return "1011001";
    }
}

int ViewComponentPreference(ViewKind kind) { return 3 + static_cast<int>(kind); }

bool ViewKindOfGroup(const Group& g, ViewKind& kind) {
    const std::string& id = g.GroupID();
    if (id.rfind("Aut(", 0) == 0 || id.rfind("Inn(", 0) == 0) {
        kind = ViewKind::Automorphism;
        return g.MethodOfGeneration() == GenerationMethod::Permutational;
    }
    switch (g.MethodOfGeneration()) {
        case GenerationMethod::Symmetric:
            kind = ViewKind::Symmetric;
            return true;
        case GenerationMethod::Additive:
            kind = ViewKind::Additive;
            return true;
        case GenerationMethod::Multiplicative:
            kind = ViewKind::Multiplicative;
            return true;
        case GenerationMethod::Alternating:
            kind = ViewKind::Alternating;
            return true;
        case GenerationMethod::Permutational:
            kind = ViewKind::Permutation;
            return true;
        case GenerationMethod::DirectProduct:
        case GenerationMethod::Described:  // shares the special groups' view settings
            kind = ViewKind::DirectProduct;
            return true;
        default:
            return false;
    }
}

namespace {

constexpr const char* kTableOpen = "<table border='1' cellpadding='3' cellspacing='0'>";
constexpr const char* kIndentTable = "<table border='0'><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;<td>";

std::string Str(int v) { return std::to_string(v); }

// "{1, A, A<sup>2</sup>}": a group's elements in its own reductive order.
std::string ElementSetHtml(const Group& g) {
    std::string s = "{";
    for (int k = 1; k <= g.order(); ++k) {
        if (k > 1) s += ", ";
        s += g.name(k);
    }
    return MarkupToHtml(s + "}");
}

class ViewWriter {
public:
    ViewWriter(const std::string& path, const ViewOptions& options, bool summary = false)
        : file_(path, options.replace, options.deferWrite), options_(options), summary_(summary) {
        components_ = options.components;
        components_.resize(7, '0');
    }

    bool Wants(int component) const { return components_[static_cast<std::size_t>(component - 1)] == '1'; }
    void Line(const std::string& s) { file_.WriteLine(s); }

    void SetGroup(const GroupPtr& g) {
        group_ = g;
        name_ = MarkupToHtml(g->GroupID());
        bold_ = "<b>" + name_ + "</b>";
    }
    const std::string& Bold() const { return bold_; }
    const std::string& Name() const { return name_; }

    // Starts the document with its anchor.
    void Begin(const std::string& title) {
        anchor_ = AnchorNow();
        Line("<html><body>" + AnchorTag(anchor_) + title);
    }

    // Ends the document.
    ViewResult Finish(bool halted) {
        if (halted) Line("<br>Operation halted.");
        Line("<hr></html>");
        if (options_.deferWrite) return {!halted, anchor_, file_.TakeText()};
        file_.Close();
        return {!halted, anchor_, {}};
    }

    bool Halted() const { return options_.progress && options_.progress->Stopped(); }
    void Yield() {
        if (options_.progress) options_.progress->StopRequested();
    }
    void Processing(const std::string& text) {
        if (options_.progress) options_.progress->Report(text);
    }
    Progress& JobProgress() { return options_.progress ? *options_.progress : unstoppable_; }

    // ---- element listings -------------------------------------------------
    void ElementListing(const std::string& firstHeading, bool pairs) {
        const Group& g = *group_;
        Line("<table cellspacing='0' cellpadding='0'><tr>");
        Line("<td><b>" + firstHeading + "&nbsp;&nbsp;</b>");
        Line("<td><b>&nbsp;&nbsp;&nbsp;&nbsp;Order of Element</b>");
        Line("<td><b>Element Name</b>");
        for (int i = 1; i <= g.order(); ++i) {
            const std::string element = MarkupToHtml(g.sourceName(i));
            Line("<tr valign='top'><td align='center'>" + (pairs ? "(" + element + ")" : element) +
                 "<td align='center'>" + Str(g.srcOrder(i)) + "<td align='center'>" + MarkupToHtml(g.mappedName(i)));
        }
        Line("</table><p>");
    }

    void PermutationListing() {
        const Group& g = *group_;
        const int d = g.Degree();
        const std::string points =
            std::string(MathFunctions::kPermutationDigits).substr(0, static_cast<std::size_t>(d));
        Line("<center><table cellspacing='0' cellpadding='0'><tr>");
        Line("<td colspan='3'><b>Permutation&nbsp;&nbsp;</b>");
        Line("<td><b>&nbsp;&nbsp;&nbsp;&nbsp;Decomposition into Cycles</b>&nbsp;&nbsp;&nbsp;&nbsp;");
        Line("<td><b>&nbsp;&nbsp;Odd/Even</b>&nbsp;&nbsp;");
        Line("<td><b>&nbsp;&nbsp;&nbsp;&nbsp;Order of Element</b>");
        Line("<td><b>Element Name</b>");
        for (int i = 1; i <= g.order(); ++i) {
            const std::string& p = g.sourceName(i);
            const std::string cycles = options_.analysis ? options_.analysis->CycleNotation(p) : p;
            Line(
                "<tr valign='top'><td><span style='font-size:140%; '>(</span>"
                "<td align='center'><span style='font-size:70%; '>" +
                points + "<br>" + p +
                "</span>"
                "<td><span style='font-size:140%; '>)</span>"
                "<td align='center'>" +
                cycles + "<td align='center'>" + (MathFunctions::PermutationSign(p) == 1 ? "Even" : "Odd") +
                "<td align='center'>" + Str(g.srcOrder(i)) + "<td align='center'>" + MarkupToHtml(g.mappedName(i)));
        }
        Line("</table></center><p>");
    }

    void PermutationNote() {
        const auto d = static_cast<std::size_t>(group_->Degree());
        Line("<table><tr><td align='middle'>Each permutation&nbsp;");
        Line("<td><span style='font-size:140%; '>(</span>");
        Line("<td><span style='font-size:70%; '>" + std::string("123456789ABCDEF").substr(0, d) + "<br>" +
             std::string("999999999999999").substr(0, d) + "</span>");
        Line("<td><span style='font-size:140%; '>)</span>");
        Line("<td>&nbsp;is abbreviated here as " + std::string("999999999999999").substr(0, d) + ".");
        Line("</table><p>");
    }

    // ---- Cayley tables ----------------------------------------------------
    void CayleyTable(bool reductive) {
        const Group& g = *group_;
        const int n = g.order();
        // A table of n^2 names past this size would make a page no browser opens.
        constexpr int kMaxListedTableOrder = 120;
        if (n > kMaxListedTableOrder) {
            Line("<p>&nbsp;&nbsp;The Cayley table of " + name_ + " (" + Str(n) + " elements, " +
                 std::to_string(static_cast<long long>(n) * n) +
                 " products) is too large for this view: the group display shows it as a colour grid.<p>");
            return;
        }
        auto label = [&](int k) { return MarkupToHtml(reductive ? g.name(k) : g.sourceName(k)); };
        auto product = [&](int a, int b) { return reductive ? g.mul(a, b) : g.srcMul(a, b); };
        Line("<center>");
        Line(kTableOpen);
        std::string head = "<tr valign='bottom' bgcolor='#c0c0f5'><td bgcolor='#c0f5c0'><b>" + bold_ + "</b>";
        for (int j = 1; j <= n; ++j) head += "<td><b>" + label(j) + "</b>";
        Line(head);
        for (int i = 1; i <= n; ++i) {
            std::string row = "<tr valign='bottom'><td bgcolor='#c0c0f5'><b>" + label(i) + "</b>";
            for (int j = 1; j <= n; ++j) row += "<td>" + label(product(i, j));
            Line(row);
        }
        Line("</table><p>");
        Line("</center>");
    }

    // ---- properties -------------------------------------------------------
    void Properties(const std::vector<NamedGroupEntry>* isomorphisms) {
        Group& g = *group_;
        // "Group" once: the search's solutions are called "Group #8-1" already.
        const bool named = name_.rfind("Group", 0) == 0;
        Line("&nbsp;&nbsp;<b>Properties of " + std::string(summary_ && !named ? "Group " : "") + name_ + ":</b><br>");
        const std::string in = "&nbsp;&nbsp;&nbsp;&nbsp;";
        std::string line;
        line += in + "Abelian?  " + (g.Abelian() ? "Yes<br>" : "No<br>");
        const bool cyclic = g.Cyclic();
        line += in + "Cyclic?  " + (cyclic ? "Yes<br>" : "No<br>");
        line += in + "Dihedral?  " +
                (g.Dihedral() ? "Yes<br>" : (!cyclic && g.order() == 4 ? "No (Klein four-group)<br>" : "No<br>"));
        const bool solvable =
            options_.analysis && IsSolvable(group_, *options_.analysis, *options_.namedGroups, JobProgress());
        line += in + "Solvable?  " + (solvable ? "Yes<br>" : "No<br>");
        Line(line + "<br>");
        if (isomorphisms) IsomorphismList(*isomorphisms);
    }

    void IsomorphismList(const std::vector<NamedGroupEntry>& entries) {
        const std::string in = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
        Line("&nbsp;&nbsp;&nbsp;&nbsp;This group is isomorphic to the following:<br>");
        for (const auto& e : entries) {
            const std::string name = "<b>" + MarkupToHtml(e.group->GroupID()) + "</b>&nbsp;&nbsp;";
            switch (e.kind) {
                case NamedGroupKind::Symmetric:
                    Line(in + name + "Symmetric Group<br>");
                    break;
                case NamedGroupKind::Alternating:
                    Line(in + name + "Alternating Group<br>");
                    break;
                case NamedGroupKind::Additive:
                    Line(in + "<b>Z<sub>" + Str(group_->order()) + "</sub></b>&nbsp;&nbsp;Additive Integer Group<br>");
                    break;
                case NamedGroupKind::Multiplicative:
                    Line(in + name + "Multiplicative Integer Group<br>");
                    break;
                case NamedGroupKind::DirectProduct:
                    Line(in + name + "Direct Product Group<br>");
                    break;
                case NamedGroupKind::Rows:
                    Line(in + name + "Permutation Group defined by rows of Cayley table<br>");
                    break;
                case NamedGroupKind::Columns:
                    Line(in + name + "Permutation Group defined by columns of Cayley table<br>");
                    break;
            }
        }
        Line("<p>");
    }

    // ---- subgroups and quotients -------------------------------------------
    // Finds, names and registers the subgroups; false when halted.
    bool LoadSubgroups() {
        list_ = options_.analysis->FindAllSubgroups(group_, JobProgress());
        if (list_.halted || Halted()) return false;
        names_ = SubgroupIDs(list_.subgroups, group_->GroupID());
        for (std::size_t i = 0; i < list_.subgroups.size(); ++i) {
            list_.subgroups[i]->SetGroupID(names_[i]);
            options_.registrar.Register(list_.subgroups[i], names_[i]);
        }
        return true;
    }

    bool Subgroups() {
        if (!LoadSubgroups()) return false;
        const Group& g = *group_;
        Line("&nbsp;&nbsp;<b>" +
             (list_.partial ? "First " + Str(static_cast<int>(list_.subgroups.size())) + " " : std::string()) +
             "Subgroups:</b><br>");
        Line(std::string(kIndentTable) + kTableOpen);
        Line(
            "<tr><td align='center'><b>Subgroup ID</b><td align='center'><b>Order</b>"
            "<td align='center'><b>Normal?</b><td align='center'><b>Elements</b>");
        for (std::size_t i = 0; i < list_.subgroups.size(); ++i) {
            const GroupPtr& h = list_.subgroups[i];
            std::string normal = "No";
            if (options_.analysis->IsNormalSubgroup(group_, h))
                normal = options_.analysis->IsCenter(group_, h, JobProgress()) ? "Yes*" : "Yes";
            Line("<tr><td nowrap valign='top'><b>" + MarkupToHtml(names_[i]) + "</b>" +
                 "<td align='center' valign='top'>" + Str(h->order()) + "<td align = 'center' valign='top'>" + normal +
                 "<td>" + MarkupToHtml(FormatSubgroupElements(*h, g, false)));
        }
        Line("</table><br>");
        Line("*This subgroup is the center of " + bold_ + ".</td></tr></table><p>");
        return true;
    }

    bool Quotients() {
        if (!LoadSubgroups()) return false;
        const Group& g = *group_;
        Line(std::string("&nbsp;&nbsp;<b>") + (list_.partial ? "Partial List of " : "") + "Quotient Groups:</b><br>");
        Line(kIndentTable);
        bool halted = false;
        for (std::size_t i = 0; i < list_.subgroups.size(); ++i) {
            if (Halted()) {
                halted = true;
                break;
            }
            const GroupPtr& h = list_.subgroups[i];
            if (!options_.analysis->IsNormalSubgroup(group_, h)) continue;
            GroupPtr q = Group::Create();
            q->GenerateQuotientGroup(group_, h);
            options_.registrar.Register(q, q->GroupID());
            Line("For <b>G</b> = " + bold_ + " and normal subgroup <b>N</b> = <b>" + MarkupToHtml(names_[i]) +
                 "</b> = " + MarkupToHtml(FormatSubgroupElements(*h, g, false)) + ",<br>");
            Line("&nbsp;&nbsp;&nbsp;&nbsp;quotient group <b>G/N</b> has order " + Str(q->order()) +
                 " and contains as elements the following right cosets of <b>N</b>:");
            Line("<table>");
            const std::vector<int>& labels = q->CosetLabels();
            for (int c = 1; c <= q->order(); ++c) {
                std::string members = "{";
                bool first = true;
                for (int p = 1; p <= g.order() && static_cast<std::size_t>(p) < labels.size(); ++p) {
                    if (labels[static_cast<std::size_t>(p)] != c) continue;
                    if (!first) members += ", ";
                    members += g.name(p);
                    first = false;
                }
                members += "}";
                Line("<tr><td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;");
                Line("<td valign='top'>" + MarkupToHtml(q->sourceName(c)));
                Line("<td valign='top'>&nbsp;=&nbsp;");
                Line("<td valign='top'>" + MarkupToHtml(members));
            }
            Line("<tr><td><td colspan=3>");
            Line(kTableOpen);
            std::string head = "<tr valign='bottom'><td bgcolor='#e0e0e0'><b>G/N</b>";
            for (int c = 1; c <= q->order(); ++c)
                head += "<td bgcolor='#e0e0e0'><b>" + MarkupToHtml(q->sourceName(c)) + "</b>";
            Line(head);
            for (int a = 1; a <= q->order(); ++a) {
                std::string row =
                    "<tr valign='bottom'><td bgcolor='#e0e0e0'><b>" + MarkupToHtml(q->sourceName(a)) + "</b>";
                for (int b = 1; b <= q->order(); ++b) row += "<td>" + MarkupToHtml(q->sourceName(q->srcMul(a, b)));
                Line(row);
            }
            Line("</table><p>");
            Line("</table>");
        }
        Line("</table>");
        return !halted;
    }

    bool CompositionSeries() {
        std::vector<GroupPtr> series = options_.analysis->CompositionSeries(group_, JobProgress());
        if (series.empty() || Halted()) return false;
        const Group& g = *group_;
        Line("&nbsp;&nbsp;<b>Composition Series:</b><br>");
        Line(std::string(kIndentTable) + kTableOpen);
        Line("<tr><td valign='top'><b>N<sub>0</sub></b>&nbsp;=&nbsp;" + name_ +
             "<br>&nbsp;&nbsp;&nbsp;&nbsp;Order:&nbsp;&nbsp;" + Str(g.order()) +
             "<td valign='top'>Elements:&nbsp;&nbsp;" + ElementSetHtml(g));
        bool allPrime = true;
        for (std::size_t i = 1; i < series.size(); ++i) {
            const GroupPtr& ni = series[i];
            const std::string id = "N|@" + Str(static_cast<int>(i)) + "|(" + g.GroupID() + ")";
            ni->SetGroupID(id);
            options_.registrar.Register(ni, id);
            const int above = series[i - 1]->order(), below = ni->order();
            const int factor = below ? above / below : 0;
            const bool prime = MathFunctions::IsPrime(factor);
            allPrime = allPrime && prime;
            Line("<tr><td valign='top'><b>N<sub>" + Str(static_cast<int>(i)) +
                 "</sub></b>&nbsp;(maximal&nbsp;normal"
                 "&nbsp;subgroup&nbsp;of&nbsp;<b>N<sub>" +
                 Str(static_cast<int>(i) - 1) + "</sub></b>)&nbsp;=&nbsp;" + MarkupToHtml(id) +
                 "<br>&nbsp;&nbsp;&nbsp;&nbsp;Order:&nbsp;&nbsp;" + Str(below) +
                 "<br>&nbsp;&nbsp;&nbsp;&nbsp;Composition&nbsp;Factor:&nbsp;&nbsp;" + Str(above) + "/" + Str(below) +
                 "&nbsp;=&nbsp;" + Str(factor) + (prime ? "&nbsp;(prime)" : "&nbsp;(not&nbsp;prime)") +
                 "<td valign='top'>Elements:&nbsp;&nbsp;" + MarkupToHtml(FormatSubgroupElements(*ni, g, false)));
        }
        Line(std::string(allPrime ? "<tr><td colspan=2>All" : "<tr><td>Not&nbsp;all") +
             "&nbsp;the&nbsp;Composition&nbsp;Factors&nbsp;are&nbsp;prime.<br>Therefore " + name_ +
             (allPrime ? " is solvable." : " is not solvable."));
        Line("</table></td></tr></table><p>");
        return true;
    }

    // Components 2 to 7 after the element listing; false when halted.
    bool Body(bool permutationKind, bool checkHalt, const std::vector<NamedGroupEntry>* isomorphisms) {
        if (Wants(2)) {
            if (permutationKind) PermutationNote();
            CayleyTable(false);
        }
        if (Wants(3)) CayleyTable(true);
        if (Wants(4)) {
            if (checkHalt) Processing("determining group properties...");
            Properties(isomorphisms);
            if (checkHalt && Halted()) return false;
        }
        if (Wants(5)) {
            if (checkHalt) Processing("determining subgroups...");
            const bool ok = Subgroups();
            Yield();
            if (checkHalt && (!ok || Halted())) return false;
        }
        if (Wants(6)) {
            if (checkHalt) Processing("determining quotient groups...");
            const bool ok = Quotients();
            Yield();
            if (checkHalt && (!ok || Halted())) return false;
        }
        if (Wants(7)) {
            if (checkHalt) Processing("determining composition series...");
            Yield();
            if (!CompositionSeries() && checkHalt) return false;
        }
        return !(checkHalt && Halted());
    }

private:
    ViewFile file_;
    ViewOptions options_;
    bool summary_ = false;
    std::string components_;
    GroupPtr group_;
    std::string name_, bold_;
    SubgroupListResult list_;
    std::vector<std::string> names_;
    std::string anchor_;
    Progress unstoppable_;
};

// Refuses before anything is written.
void CheckOptions(const ViewOptions& options) {
    std::string c = options.components;
    c.resize(7, '0');
    if (!options.analysis && c.find('1', 3) != std::string::npos)
        throw InvalidArgument("the view's properties, subgroups, quotients and series need the structure analysis");
    if (!options.namedGroups && c[3] == '1')
        throw InvalidArgument("the view's properties need the solution analysis cache");
}

// The ID inside "Aut(...)" or "Inn(...)".
std::string UnderlyingName(const std::string& id) {
    if (id.size() >= 5 && id.back() == ')') return id.substr(4, id.size() - 5);
    return id;
}

}  // namespace

ViewResult WriteGroupView(ViewKind kind, const GroupPtr& g, const std::string& path, const ViewOptions& options) {
    if (kind == ViewKind::Summary) throw InvalidArgument("the summary view is written from a search");
    CheckOptions(options);
    ViewWriter w(path, options);
    w.SetGroup(g);
    const std::string n = std::to_string(g->Order()), d = std::to_string(g->Degree()), m = std::to_string(g->Modulus());
    const std::string& B = w.Bold();
    std::string title;
    switch (kind) {
        case ViewKind::Symmetric:
            title = "<center><b>Symmetric Group of Degree " + d + " (" + B + ")</b></center><p>";
            break;
        case ViewKind::Alternating:
            title = "<center><b>Alternating Group of Degree " + d + " (" + B + ")</b></center><p>";
            break;
        case ViewKind::Permutation:
            title = "<center><b>Permutation Group of Degree " + d + "</b> (" + B + ")<p></center>" +
                    "This subgroup of <b>S<sub>" + d + "</b></sub> has " + n + " elements.<p>";
            break;
        case ViewKind::Automorphism:
            title = "<center><b>Automorphism Group</b> " + B + "<p></center>" + "This subgroup of <b>S<sub>" + d +
                    "</sub></b> has " + n + " elements.  Each element is an " +
                    (g->GroupID().rfind("Inn", 0) == 0 ? "inner " : "") + "automorphism of <b>" +
                    MarkupToHtml(UnderlyingName(g->GroupID())) +
                    "</b>, represented here as a permutation on its elements.<p>";
            break;
        case ViewKind::Multiplicative:
            title = "<center><b>Multiplicative Group of Integers Modulo " + m + " (" + B + ")</b></center><p>";
            break;
        case ViewKind::Additive:
            title = "<center><b>Additive Group of Integers Modulo " + m + " (" + B + "</b>)</center><p>";
            break;
        case ViewKind::DirectProduct:
            title = "<center><b>Direct Product Group " + B + "</b></center><p>";
            break;
        case ViewKind::Summary:
            break;
    }
    const bool described = g->MethodOfGeneration() == GenerationMethod::Described;
    if (described)
        title =
            "<center><b>Group</b> " + B + " given by <b>" + markup::XmlEscape(g->Description()) + "</b></center><p>";
    w.Begin(title);
    if (w.Wants(1)) {
        switch (kind) {
            case ViewKind::Symmetric:
                w.Line("<center>The elements are the " + n + " permutations:</center><p>");
                w.PermutationListing();
                break;
            case ViewKind::Alternating:
                w.Line("<center>The elements are the " + n + " even permutations:</center><p>");
                w.PermutationListing();
                break;
            case ViewKind::Permutation:
            case ViewKind::Automorphism:
                w.PermutationListing();
                break;
            case ViewKind::Multiplicative:
                w.Line("<center>The elements are the " + n + " units of " + B +
                       " (including only those elements in <b>Z<sub>" + m +
                       "</sub></b> that have multiplicative inverses):<p>");
                w.ElementListing("Integer", false);
                w.Line("</center>");
                break;
            case ViewKind::Additive:
                w.Line("<center>" + B + " has " + n + " elements:<p>");
                w.ElementListing("Integer", false);
                w.Line("</center>");
                break;
            case ViewKind::DirectProduct:
                w.Line("<center>" + B + " has " + n + " elements:<p>");
                w.ElementListing(described ? "Element" : "Ordered Pair/Tuple", !described);
                w.Line("</center>");
                break;
            case ViewKind::Summary:
                break;
        }
    }
    const bool permutationKind = kind == ViewKind::Symmetric || kind == ViewKind::Alternating ||
                                 kind == ViewKind::Permutation || kind == ViewKind::Automorphism;
    const bool checkHalt = kind != ViewKind::Alternating && kind != ViewKind::Automorphism;
    const bool complete = w.Body(permutationKind, checkHalt, nullptr);
    return w.Finish(checkHalt && !complete);
}

ViewResult WriteSummaryView(int order, const std::vector<SummarySolution>& solutions, const std::string& path,
                            const ViewOptions& options) {
    CheckOptions(options);
    ViewWriter w(path, options, true);
    w.Begin("<center><b>GROUPS OF ORDER " + std::to_string(order) + "</b></center><p>");
    for (std::size_t k = 0; k < solutions.size(); ++k) {
        const SummarySolution& s = solutions[k];
        if (s.isomorphicTo > 0) {
            w.Line("<b>Solution #</b> " + std::to_string(k + 1) + "--isomorphically equivalent to Solution " +
                   std::to_string(s.isomorphicTo) + "<p>");
            continue;
        }
        w.SetGroup(s.group);
        if (w.Wants(1)) {
            w.Line("<b>Elements of " + w.Name() + ":</b><p>");
            w.ElementListing("Element", false);
        }
        std::vector<NamedGroupEntry> isomorphisms;
        if (w.Wants(4)) isomorphisms = RecogniseNamedGroups(s.group, options.registrar, *options.namedGroups);
        if (!w.Body(false, true, w.Wants(4) ? &isomorphisms : nullptr)) return w.Finish(true);
    }
    return w.Finish(false);
}

}  // namespace quorix
