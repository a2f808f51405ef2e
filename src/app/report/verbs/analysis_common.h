#pragma once
// Shared by the structure-analysis verbs: plain rendering of panel markup.

#include <iostream>
#include <string>
#include <vector>

#include <optional>

#include "core/analysis/registrar.h"
#include "core/text/markup.h"
#include "report/common.h"
#include "report/verb.h"

namespace quorix::report {

// Markup as one plain line, with the markup stripped ("A|2|B" reads "A2B",
// the raised product dot " |.| " reads " . ", italics are dropped).
inline std::string PlainLine(const std::string& text) {
    return markup::StripMarkup(markup::ReplaceAll(markup::ReplaceAll(text, "|%i|", ""), "|/i|", ""));
}

inline void PrintPlainLines(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) std::cout << PlainLine(l) << "\n";
}

// With --save, the groups a verb derives (subgroups, series terms,
// quotients) are registered in the --register directory, as the panels
// register them; without it nothing is written.
inline GroupRegistrar RegistrarFor(const std::optional<std::string>& registerDir, bool save) {
    GroupRegistrar registrar;
    if (!save) return registrar;
    if (!registerDir) throw UsageError("--save needs --register DIR");
    storage::GroupRegister* reg = &openRegister(*registerDir, true);
    registrar.registerGroup = [reg](const GroupPtr& g, const std::string& id) { reg->RegisterGroup(g, id); };
    registrar.findGroup = [reg](const std::string& id) { return reg->FindRegisteredGroup(id); };
    return registrar;
}

}  // namespace quorix::report
