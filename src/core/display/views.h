#pragma once
// The HTML view files. Each writer appends one complete document to the
// view file: title, then the components its component string selects
// (character k = "1": 1 element listing, 2 Cayley table in original names,
// 3 Cayley table in reductive-mapping names, 4 properties, 5 subgroups,
// 6 quotient groups, 7 composition series).
//
// When a stop is requested through the options' progress, the document ends
// with "Operation halted." and the result says so (the caller shows
// kViewHaltedMessage).

#include <memory>
#include <string>
#include <vector>

#include "core/compare/registrar.h"
#include "core/compare/solution_analysis.h"
#include "core/compare/structure.h"
#include "core/group/group.h"
#include "core/display/view_kind.h"

namespace quorix {

inline constexpr const char* kViewHaltedMessage = "View File creation halted.";
inline constexpr const char* kViewFileFilter = "*.html|*.html";

// "GroupSummary.html", "SymmetricGroupView.html", ...
std::string DefaultViewFileName(ViewKind kind);
// The default component string of a kind ("1011000", "1011001", ...).
std::string DefaultViewComponents(ViewKind kind);
// Index of the kind's component string among the ten preference strings (3..10).
int ViewComponentPreference(ViewKind kind);
// The view kind of a group by how it was made (symmetric, additive,
// multiplicative, alternating, permutation, direct product; automorphism
// groups by their "Aut("/"Inn(" ID); anything else: Permutation when it is a
// permutation group, otherwise none (false).
bool ViewKindOfGroup(const Group& g, ViewKind& kind);

struct ViewOptions {
    std::string components = "1011001";
    GroupRegistrar registrar;
    StructureAnalysis* analysis = nullptr;           // needed by components 4 to 7
    std::shared_ptr<StructureAnalysis> ownAnalysis;  // keeps `analysis` alive where the options own it
    SolutionAnalysisCache* namedGroups = nullptr;    // needed by component 4
    Progress* progress = nullptr;                    // none: the writer runs to the end
    // The file's earlier views are kept and the new one added at its end,
    // unless the user chose to replace the file.
    bool replace = false;
    // The document is not written but handed back in ViewResult::document
    // (for WriteViewDocument), so that it can be composed away from the
    // thread that writes files.
    bool deferWrite = false;
};

struct ViewResult {
    bool complete = false;  // false: halted, the document ends "Operation halted."
    std::string anchor;     // of the document written, for the browser to open at
    std::string document;   // with ViewOptions::deferWrite: the document to write
};

// The family writers and the automorphism-group writer.
ViewResult WriteGroupView(ViewKind kind, const GroupPtr& g, const std::string& path, const ViewOptions& options);

// One solution of a search for the Summary View: isomorphicTo is the 1-based
// number of the earlier solution it is isomorphic to, 0 for none.
struct SummarySolution {
    GroupPtr group;
    int isomorphicTo = 0;
};

ViewResult WriteSummaryView(int order, const std::vector<SummarySolution>& solutions, const std::string& path,
                            const ViewOptions& options);

}  // namespace quorix
