#include "core/storage/group_register.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_set>

#include "core/group/errors.h"
#include "core/group/group_spec.h"
#include "core/group/math_functions.h"
#include "core/group/predicates.h"
#include "core/presentation/presented_group.h"
#include "core/storage/text_file.h"
#include "core/text/text.h"

namespace quorix::storage {

namespace {

// A damaged record; caught by ReadGroup.
struct BadRecord {};

using text::ReplaceAll;
using text::TrimBlanks;

// A number of the file: blanks around it and a "+" before it allowed.
bool ParseInt(std::string_view s, int& value) {
    s = TrimBlanks(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const std::optional<int> v = text::ParseInteger(s);
    if (v) value = *v;
    return v.has_value();
}

int ReadInt(std::string_view s) {
    int value = 0;
    if (!ParseInt(s, value)) throw BadRecord{};
    return value;
}

std::vector<std::string> SplitAtSpaces(std::string_view line) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = line.find(' ', start);
        if (space == std::string_view::npos) {
            pieces.emplace_back(line.substr(start));
            return pieces;
        }
        pieces.emplace_back(line.substr(start, space - start));
        start = space + 1;
    }
}

std::string FiveDigits(std::size_t n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

// A byte no line the program writes holds (tabs pass as blanks).
bool HasControlByte(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && u != '\t') || u == 0x7F;
    });
}

// Leading decimal digits of s as a number (0 if none).
int LeadingNumber(std::string_view s) {
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > 32767) return 32767;
    }
    return value;
}

}  // namespace

std::string DamagedMessage(const std::vector<int>& lines, int count, bool readOnly) {
    std::string where;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) where += i + 1 == lines.size() && count == static_cast<int>(lines.size()) ? " and " : ", ";
        where += std::to_string(lines[i]);
    }
    if (count > static_cast<int>(lines.size()))
        where += " and " + std::to_string(count - static_cast<int>(lines.size())) + " more";
    const bool one = count == 1;
    return std::string("File ") + kRegisterFileName + " is damaged: the record" + (one ? "" : "s") + " at line" +
           (one ? " " : "s ") + where + (one ? " was" : " were") + " left out; every other record was read" +
           (readOnly ? ", and nothing was changed." : ".");
}

std::string BackupMessage(bool damaged) {
    if (!damaged) return kBackupMessage;
    return std::string("Old file stored as ") + kRegisterBackupFileName +
           " as it was; earlier backups are kept as QuorixObjectsBackup-1.bas to -" +
           std::to_string(kRegisterBackupGenerations - 1) + ".bas.";
}

void LoadReport::NoteDamage(int line) {
    damaged = true;
    if (damagedCount++ == 0) damagedLine = line;
    if (damagedLines.size() < kNamedLines) damagedLines.push_back(line);
}

std::vector<std::string> LoadReport::Messages() const {
    std::vector<std::string> texts(static_cast<std::size_t>(emptyIds), kRegisterErrorMessage);
    if (!fileProblem.empty()) texts.push_back(fileProblem + ": no groups were read, and nothing was changed.");
    if (damaged) texts.push_back(DamagedMessage(damagedLines, damagedCount, readOnly));
    if (backedUp) texts.push_back(BackupMessage(damaged));
    if (writeError) texts.push_back(*writeError);
    if (rebuilt) texts.emplace_back(kRebuiltMessage);
    return texts;
}

bool ParseRecordHeader(std::string_view line, RecordHeader& header) {
    const std::size_t first = line.find("!!");
    if (first == std::string_view::npos) return false;
    const std::size_t second = line.find("!!", first + 2);
    if (second == std::string_view::npos) return false;
    const std::size_t last = line.rfind("!!");
    if (last == second) return false;  // fewer than four fields
    RecordHeader h;
    if (!ParseInt(line.substr(0, first), h.method)) return false;
    if (!ParseInt(line.substr(first + 2, second - first - 2), h.order)) return false;
    // IDs never hold "!!", but a stray one must not shift the flag.
    h.id = std::string(line.substr(second + 2, last - second - 2));
    h.flag = std::string(TrimBlanks(line.substr(last + 2)));
    header = std::move(h);
    return true;
}

GroupRegister::GroupRegister(std::filesystem::path directory, bool autosave)
    : directory_(std::move(directory)), autosave_(autosave) {}

// The register's lock for the span of one operation; nested operations
// (a deletion's backup and rewrite) share the outermost one.
class GroupRegister::Locked {
public:
    Locked(GroupRegister& reg, FileLock::Mode mode) : reg_(reg) {
        if (reg_.lockDepth_++ == 0) lock_.emplace(reg_.LockPath(), mode, reg_.lockWaitNotice_);
    }
    ~Locked() { --reg_.lockDepth_; }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    GroupRegister& reg_;
    std::optional<FileLock> lock_;
};

std::filesystem::path GroupRegister::BackupPath(int generation) const {
    if (generation <= 0) return directory_ / kRegisterBackupFileName;
    return directory_ / ("QuorixObjectsBackup-" + std::to_string(generation) + ".bas");
}

const GroupPtr& GroupRegister::At(int position) const {
    if (position < 1 || position > Count())
        throw InvalidArgument("register position out of range: " + std::to_string(position));
    return groups_[static_cast<std::size_t>(position - 1)];
}

int GroupRegister::RegisterIndex(const std::string& id) const {
    // While loading, every registered group came through RegisterGroup in
    // this load, so the index of its IDs is complete.
    if (loading_) {
        const auto it = loadIndex_.find(id);
        return it == loadIndex_.end() ? -1 : it->second;
    }
    for (std::size_t p = 0; p < groups_.size(); ++p)
        if (groups_[p]->GroupID() == id) return static_cast<int>(p) + 1;
    return -1;
}

int GroupRegister::RegisterIndex(const Group& group) const { return RegisterIndex(group.GroupID()); }

GroupPtr GroupRegister::FindRegisteredGroup(const std::string& id) const {
    const int p = RegisterIndex(id);
    return p < 0 ? nullptr : groups_[static_cast<std::size_t>(p - 1)];
}

bool GroupRegister::RegisterGroup(const GroupPtr& group, const std::string& newId) {
    if (!group) throw InvalidArgument("no group to register");
    if (!newId.empty()) group->SetGroupID(newId);
    const bool hasId = !group->GroupID().empty();
    const bool persist = autosave_ && !loading_ && !readOnly_;
    // A writer first takes in what others wrote, so that the register and
    // the labels it writes match the file.
    std::optional<Locked> lock;
    if (persist) {
        lock.emplace(*this, FileLock::Mode::Exclusive);
        CatchUp();
    }
    const int r = RegisterIndex(*group);
    if (r != -1) {
        GroupPtr& slot = groups_[static_cast<std::size_t>(r - 1)];
        if (slot != group) inFile_.erase(slot.get());  // the file keeps the old record
        slot = group;
        if (loading_) inFile_.insert(group.get());
        return hasId;
    }
    groups_.push_back(group);
    if (loading_) {
        inFile_.insert(group.get());
        loadIndex_.emplace(group->GroupID(), Count());
    }
    if (!persist) return hasId;
    if (!fileProblem_.empty()) throw StorageError(fileProblem_ + ": the group was not stored");

    const std::size_t dependencyCount = dependencies_.size();
    try {
        const std::string records = WriteGroup(*group);
        AppendLinesToFile(FilePath(), records);
        knownLines_ += static_cast<int>(std::count(records.begin(), records.end(), '\n'));
    } catch (const std::exception&) {
        // The file did not get the dependency records either.
        dependencies_.resize(dependencyCount);
        throw;
    }
    inFile_.insert(group.get());
    known_ = text::IdentityOf(FilePath());
    return hasId;
}

// ---- writing ---------------------------------------------------------------

std::string GroupRegister::WriteGroup(const Group& group) {
    std::string out;
    WriteRecord(group, false, out);
    return out;
}

std::string GroupRegister::WriteReferencedGroup(const GroupPtr& referenced, int writerPosition, std::string& out) {
    if (!referenced) throw InvalidArgument("derived group without its source group");
    if (!referenced->GroupID().empty()) {
        // Referred to by its ID only when the reader will find this very
        // group under it: registered before the writer, with its own record
        // in the file.
        const int p = RegisterIndex(*referenced);
        if (p != -1 && (writerPosition == -1 || p < writerPosition) &&
            groups_[static_cast<std::size_t>(p - 1)] == referenced && inFile_.count(referenced.get()) != 0)
            return {};
    }
    // A group already stored as a dependency is in the file at that place.
    for (std::size_t d = 0; d < dependencies_.size(); ++d)
        if (dependencies_[d] == referenced) return "--" + FiveDigits(d + 1);

    WriteRecord(*referenced, true, out);
    dependencies_.push_back(referenced);
    std::string label = "--" + FiveDigits(dependencies_.size());
    if (referenced->GroupID().empty()) referenced->SetGroupID(label);
    return label;
}

void GroupRegister::WriteRecord(const Group& group, bool nested, std::string& out) {
    if (!group.IsGenerated()) throw InvalidArgument("cannot store a group that has not been generated");
    const GenerationMethod method = group.MethodOfGeneration();
    const int position = group.GroupID().empty() ? -1 : RegisterIndex(group);

    std::vector<std::pair<GroupPtr, std::string>> refs;
    if (method == GenerationMethod::Subgroup || method == GenerationMethod::Quotient)
        refs.emplace_back(group.Parent(), "");
    if (method == GenerationMethod::Quotient) refs.emplace_back(group.NormalSubgroup(), "");
    if (method == GenerationMethod::DirectProduct) {
        refs.emplace_back(group.FirstFactor(), "");
        refs.emplace_back(group.SecondFactor(), "");
    }
    for (auto& [ref, label] : refs) label = WriteReferencedGroup(ref, position, out);
    // A reference line carries the label of a record just written, else the
    // ID of a group registered earlier in the file.
    auto referenceLine = [](const std::pair<GroupPtr, std::string>& ref) {
        return (ref.second.empty() ? ref.first->GroupID() : ref.second) + "\n";
    };

    // A record written for a reference is read back into the dependency
    // list, even when the group is registered later in the file. Every
    // top-level record is of a registered group, one without an ID too.
    const bool registered = !nested;
    const int order = group.order();
    out += std::to_string(static_cast<int>(method)) + "!!" + std::to_string(order) + "!!" + group.GroupID() + "!!" +
           (registered ? "Y" : "N") + "\n";

    switch (method) {
        case GenerationMethod::CayleyTable:
            for (int i = 1; i <= order; ++i) {
                std::string line;
                for (int j = 1; j <= order; ++j) {
                    if (j > 1) line += ' ';
                    line += group.sourceName(group.srcMul(i, j));
                }
                out += ReplaceAll(std::move(line), ",", "$%") + "\n";
            }
            break;
        case GenerationMethod::Symmetric:
        case GenerationMethod::Alternating:
            out += std::to_string(group.Degree()) + "\n";
            break;
        case GenerationMethod::Additive:
        case GenerationMethod::Multiplicative:
            out += std::to_string(group.Modulus()) + "\n";
            break;
        case GenerationMethod::Permutational:
            for (int i = 1; i <= order; ++i) {
                if (i > 1) out += ' ';
                out += group.sourceName(i);
            }
            out += "\n";
            break;
        case GenerationMethod::Subgroup: {
            out += referenceLine(refs[0]);
            const Group& parent = *group.Parent();
            int next = 1;
            for (int k = 1; k <= parent.order(); ++k) {
                if (next <= order && parent.sourceName(parent.sourceOf(k)) == group.sourceName(next)) {
                    out += 'T';
                    ++next;
                } else {
                    out += 'F';
                }
            }
            out += "\n";
            break;
        }
        case GenerationMethod::Quotient:
        case GenerationMethod::DirectProduct:
            out += referenceLine(refs[0]);
            out += referenceLine(refs[1]);
            break;
        case GenerationMethod::Described:
            out += group.Description() + "\n";
            break;
        default:
            throw InvalidArgument("unknown generation method " + std::to_string(static_cast<int>(method)));
    }
}

// ---- reading ---------------------------------------------------------------

GroupPtr GroupRegister::ResolveReference(const std::string& line) const {
    if (line.rfind("--", 0) == 0) {
        int place = 0;
        if (!ParseInt(std::string_view(line).substr(2, 5), place)) return nullptr;
        if (place < 1 || place > static_cast<int>(std::min(dependencies_.size(), labelsKnown_))) return nullptr;
        return dependencies_[static_cast<std::size_t>(place - 1)];
    }
    return FindRegisteredGroup(line);
}

GroupPtr GroupRegister::ReadGroup(const RecordHeader& header, const std::vector<std::string>& lines,
                                  std::size_t& next) {
    GroupPtr group;
    try {
        group = ReadRecordBody(header, lines, next);
    } catch (const BadRecord&) {
        group = nullptr;
    } catch (const std::exception&) {
        group = nullptr;  // a refused Generate call
    }
    if (!group) readError_ = true;
    return group;
}

GroupPtr GroupRegister::ReadRecordBody(const RecordHeader& header, const std::vector<std::string>& lines,
                                       std::size_t& next) {
    auto nextLine = [&]() -> const std::string& {
        if (next >= lines.size() || HasControlByte(lines[next])) throw BadRecord{};
        return lines[next++];
    };
    auto reference = [&]() {
        GroupPtr g = ResolveReference(nextLine());
        if (!g || !g->IsGenerated()) throw BadRecord{};
        return g;
    };

    const int order = header.order;
    GroupPtr group = Group::Create();
    // A number the file format does not know ends in the default.
    switch (static_cast<GenerationMethod>(header.method)) {
        case GenerationMethod::CayleyTable: {
            if (order < 1 || order > kMaxTableOrder) throw BadRecord{};
            CayleyTable table(static_cast<std::size_t>(order));
            for (int i = 0; i < order; ++i) {
                std::vector<std::string> pieces = SplitAtSpaces(ReplaceAll(nextLine(), "$%", ","));
                if (pieces.size() < static_cast<std::size_t>(order)) throw BadRecord{};
                pieces.resize(static_cast<std::size_t>(order));
                table[static_cast<std::size_t>(i)] = std::move(pieces);
            }
            if (!IsGroupTable(table, order)) throw BadRecord{};
            group->Generate(table);
            break;
        }
        case GenerationMethod::Symmetric:
            group->GenerateSymmetric(ReadInt(nextLine()));
            break;
        case GenerationMethod::Alternating:
            group->GenerateAlternating(ReadInt(nextLine()));
            break;
        case GenerationMethod::Additive:
            group->GenerateAdditive(ReadInt(nextLine()));
            break;
        case GenerationMethod::Multiplicative: {
            // Bounded to what the program builds before anything is computed.
            const int modulus = ReadInt(nextLine());
            if (modulus < 2 || modulus > kMaxUnitsModulus || MathFunctions::EulerPhi(modulus) > kMaxGroupOrder)
                throw BadRecord{};
            group->GenerateMultiplicative(modulus);
            break;
        }
        case GenerationMethod::Permutational: {
            if (order < 1 || order > kMaxGroupOrder) throw BadRecord{};
            const std::string& line = nextLine();
            // At most `order` permutations of degree 15 and their spaces.
            if (line.size() > static_cast<std::size_t>(order) * 16) throw BadRecord{};
            std::vector<std::string> perms = SplitAtSpaces(line);
            if (perms.size() != static_cast<std::size_t>(order) || !IsPermutationList(perms)) throw BadRecord{};
            group->GeneratePermutational(perms);
            break;
        }
        case GenerationMethod::Subgroup: {
            GroupPtr parent = reference();
            const std::string& flags = nextLine();
            ElementSet members;
            const std::size_t n = std::min<std::size_t>(flags.size(), kMaxGroupOrder);
            for (std::size_t k = 1; k <= n; ++k) {
                if (flags[k - 1] == 'T')
                    members.set(k);
                else if (flags[k - 1] != 'F')
                    throw BadRecord{};
            }
            for (std::size_t k = static_cast<std::size_t>(parent->order()) + 1; k <= n; ++k)
                if (members.test(k)) throw BadRecord{};
            if (!IsSubgroupOf(*parent, members)) throw BadRecord{};
            group->GenerateSubgroup(parent, members);
            break;
        }
        case GenerationMethod::Quotient: {
            GroupPtr g = reference();
            GroupPtr n = reference();
            if (!IsNormalSubgroupOf(*g, *n)) throw BadRecord{};
            group->GenerateQuotientGroup(g, n);
            break;
        }
        case GenerationMethod::DirectProduct: {
            GroupPtr first = reference();
            GroupPtr second = reference();
            if (first->order() * second->order() > kMaxGroupOrder) throw BadRecord{};
            group->GenerateDirectProduct(first, second);
            break;
        }
        case GenerationMethod::Described: {
            const std::string& description = nextLine();
            if (description.size() > kMaxSpecLength) throw BadRecord{};
            group = MakeGroupFromDescription(description);
            if (!group || group->MethodOfGeneration() != GenerationMethod::Described) throw BadRecord{};
            break;
        }
        default:
            throw BadRecord{};
    }
    if (!group->IsGenerated() || group->order() != order) throw BadRecord{};
    return group;
}

void GroupRegister::NoteIdNumbers(const Group& group) {
    const std::string& id = group.GroupID();
    auto numberAfterDash = [&id]() {
        const std::size_t dash = id.find('-');
        return dash == std::string::npos ? 0 : LeadingNumber(std::string_view(id).substr(dash + 1));
    };
    if (group.MethodOfGeneration() == GenerationMethod::Permutational && id.rfind("Perm", 0) == 0)
        lastPerm_ = numberAfterDash();
    if (group.MethodOfGeneration() == GenerationMethod::CayleyTable && id.rfind("Manual", 0) == 0)
        lastManual_ = numberAfterDash();
}

LoadReport GroupRegister::LoadGroupRegister() {
    LoadReport report;
    groups_.clear();
    inFile_.clear();
    if (!autosave_) return report;
    const Locked lock(*this, readOnly_ ? FileLock::Mode::Shared : FileLock::Mode::Exclusive);
    ReadWholeFile(report);
    return report;
}

void GroupRegister::ReadWholeFile(LoadReport& report) {
    groups_.clear();
    inFile_.clear();
    dependencies_.clear();
    labelsKnown_ = kAllLabels;
    fileProblem_.clear();
    known_ = {};
    knownLines_ = 0;
    report.readOnly = readOnly_;
    const text::FileText file = text::ReadFileChecked(FilePath(), kMaxRegisterFileBytes);
    if (file.status == text::ReadStatus::Missing) return;
    if (!file.Ok()) {
        fileProblem_ = report.fileProblem = file.problem;
        return;
    }
    known_ = file.identity;
    ReadRecords(SplitLines(file.text), report);
}

void GroupRegister::CatchUp() {
    const text::FileIdentity now = text::IdentityOf(FilePath());
    if (fileProblem_.empty() && now == known_) return;
    LoadReport report;
    report.readOnly = readOnly_;
    const bool appended = fileProblem_.empty() && now.SameFile(known_) && now.size > known_.size;
    const text::FileText file = text::ReadFileChecked(FilePath(), kMaxRegisterFileBytes, appended ? known_.size : 0);
    if (file.status == text::ReadStatus::Missing) {
        // Removed: the register stays, and nothing of it is in a file.
        dependencies_.clear();
        labelsKnown_ = kAllLabels;
        inFile_.clear();
        fileProblem_.clear();
        known_ = {};
        knownLines_ = 0;
        return;
    }
    if (!file.Ok()) {
        // Replaced by something that cannot be read: the register stays,
        // and nothing is written (the writer says why) until the file is
        // readable again.
        fileProblem_ = file.problem;
        return;
    }
    if (!appended) {
        // Replaced by another program (a rewrite or a deletion): the file
        // holds the register now.
        groups_.clear();
        inFile_.clear();
        dependencies_.clear();
        labelsKnown_ = kAllLabels;
        knownLines_ = 0;
    }
    fileProblem_.clear();
    known_ = file.identity;
    ReadRecords(SplitLines(file.text), report);
    for (std::string& text : report.Messages()) notices_.push_back(std::move(text));
}

bool GroupRegister::ReadRecords(const std::vector<std::string>& lines, LoadReport& report) {
    loading_ = true;
    readError_ = false;
    loadIndex_.clear();
    for (std::size_t p = 0; p < groups_.size(); ++p) loadIndex_.emplace(groups_[p]->GroupID(), static_cast<int>(p) + 1);
    const int firstLine = knownLines_;
    bool damaged = false;
    // A damaged record is named and passed over: reading goes on at the
    // next header line, so that the intact records after it are kept.
    auto passOver = [&](std::size_t start, const RecordHeader* header) {
        damaged = true;
        report.NoteDamage(firstLine + static_cast<int>(start) + 1);
        // Its label stays taken, so that later labels still count right;
        // references to it fail.
        if (header && header->flag == "N" && dependencies_.size() < static_cast<std::size_t>(kMaxRegisterCount))
            dependencies_.push_back(nullptr);
        // A lost line that may have been a dependency's header leaves the
        // labels after it unknown: references to them are not trusted.
        if (!header || (header->flag != "Y" && header->flag != "N")) {
            if (lines[start].find("!!") != std::string::npos)
                labelsKnown_ = std::min(labelsKnown_, dependencies_.size());
        }
        std::size_t next = start + 1;
        RecordHeader skipped;
        for (; next < lines.size() && !ParseRecordHeader(lines[next], skipped); ++next)
            if (lines[next].find("!!") != std::string::npos)
                labelsKnown_ = std::min(labelsKnown_, dependencies_.size());
        return next;
    };
    // A dependency record of a group built from its own description alone
    // that repeats an earlier one stands for the same group.
    std::unordered_map<std::string, GroupPtr> repeated;
    std::size_t next = 0;
    while (next < lines.size()) {
        // Blank lines between records carry nothing.
        if (TrimBlanks(lines[next]).empty()) {
            ++next;
            continue;
        }
        RecordHeader header;
        const std::size_t start = next;
        if (!ParseRecordHeader(lines[next++], header)) {
            next = passOver(start, nullptr);
            continue;
        }
        if (HasControlByte(lines[start])) {
            next = passOver(start, &header);
            continue;
        }
        // Positions and labels are numbered to 32767 (16 bits): the rest of
        // the file is not read.
        if (Count() == kMaxRegisterCount || dependencies_.size() == static_cast<std::size_t>(kMaxRegisterCount)) {
            damaged = true;
            report.NoteDamage(firstLine + static_cast<int>(start) + 1);
            break;
        }
        const bool selfContained = header.flag != "Y" &&
                                   header.method >= static_cast<int>(GenerationMethod::CayleyTable) &&
                                   header.method <= static_cast<int>(GenerationMethod::Permutational);
        std::string key;
        GroupPtr group;
        if (selfContained) {
            const std::size_t bodyLines = header.method == static_cast<int>(GenerationMethod::CayleyTable)
                                              ? static_cast<std::size_t>(std::clamp(header.order, 0, kMaxTableOrder))
                                              : 1;
            for (std::size_t i = start; i <= start + bodyLines && i < lines.size(); ++i) key += lines[i] + '\n';
            const auto it = repeated.find(key);
            if (it != repeated.end()) {
                group = it->second;
                next = start + 1 + bodyLines;
            }
        }
        if (!group) {
            group = ReadGroup(header, lines, next);
            readError_ = false;
            if (!group) {
                next = passOver(start, &header);
                continue;
            }
            if (selfContained) repeated.emplace(std::move(key), group);
        }
        if (header.flag != "Y")
            dependencies_.push_back(group);
        else if (!RegisterGroup(group, header.id))
            ++report.emptyIds;
        NoteIdNumbers(*group);
    }
    knownLines_ += static_cast<int>(lines.size());
    loading_ = false;
    loadIndex_.clear();
    readError_ = damaged;
    if (damaged) CorruptionPath(report);
    return !damaged;
}

void GroupRegister::CorruptionPath(LoadReport& report) {
    report.damaged = true;
    if (readOnly_) return;
    try {
        report.backedUp = BackupRegisterFile();
        Rewrite();
        report.rebuilt = true;
    } catch (const StorageError& e) {
        report.writeError = e.what();
    }
}

bool GroupRegister::BackupRegisterFile() {
    if (readOnly_) return false;
    const Locked lock(*this, FileLock::Mode::Exclusive);
    const text::FileText file = text::ReadFileChecked(FilePath(), kMaxRegisterFileBytes);
    if (file.status == text::ReadStatus::Missing) return false;
    if (!file.Ok()) throw StorageError(file.problem);
    // The older backups move one generation down, the oldest is dropped:
    // a backup is never the only copy of what a damaged file held.
    for (int g = kRegisterBackupGenerations - 2; g >= 0; --g) {
        std::error_code ignored;
        std::filesystem::rename(BackupPath(g), BackupPath(g + 1), ignored);
    }
    // As private as the register itself.
    text::WriteFileAtomically(BackupPath(), file.text, text::PermissionsOf(FilePath()));
    return true;
}

void GroupRegister::RewriteRegisterFile() {
    if (readOnly_) return;
    const Locked lock(*this, FileLock::Mode::Exclusive);
    CatchUp();
    Rewrite();
}

void GroupRegister::Rewrite() {
    if (readOnly_) return;
    // A file that could not be read is not replaced by what little is known.
    if (!fileProblem_.empty()) throw StorageError(fileProblem_ + ": the file was not rewritten");
    std::vector<GroupPtr> oldDependencies;
    oldDependencies.swap(dependencies_);
    std::unordered_set<const Group*> oldInFile;
    oldInFile.swap(inFile_);
    try {
        std::string text;
        for (const GroupPtr& g : groups_) {
            text += WriteGroup(*g);
            inFile_.insert(g.get());
        }
        ReplaceFile(FilePath(), text);
        knownLines_ = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        labelsKnown_ = kAllLabels;
    } catch (const std::exception&) {
        // The old file stays, and with it its labels.
        dependencies_.swap(oldDependencies);
        inFile_.swap(oldInFile);
        throw;
    }
    known_ = text::IdentityOf(FilePath());
}

bool GroupRegister::DeleteAllGroups() {
    const bool persist = autosave_ && !readOnly_;
    std::optional<Locked> lock;
    if (persist) lock.emplace(*this, FileLock::Mode::Exclusive);
    const bool backedUp = persist && BackupRegisterFile();
    groups_.clear();
    inFile_.clear();
    if (persist) Rewrite();
    return backedUp;
}

bool GroupRegister::DeleteGroups(std::vector<int> positions) {
    for (int p : positions)
        if (p < 1 || p > Count()) throw InvalidArgument("register position out of range: " + std::to_string(p));
    if (positions.empty()) return false;
    // The chosen groups by identity: taking in what other programs wrote
    // may move them.
    std::unordered_set<const Group*> chosen;
    std::unordered_set<std::string> chosenIds;
    for (int p : positions) {
        const GroupPtr& g = groups_[static_cast<std::size_t>(p - 1)];
        chosen.insert(g.get());
        if (!g->GroupID().empty()) chosenIds.insert(g->GroupID());
    }

    const bool persist = autosave_ && !readOnly_;
    std::optional<Locked> lock;
    if (persist) {
        lock.emplace(*this, FileLock::Mode::Exclusive);
        CatchUp();
    }
    const bool backedUp = persist && BackupRegisterFile();
    std::vector<GroupPtr> kept;
    for (const GroupPtr& g : groups_) {
        if (chosen.count(g.get()) != 0 || chosenIds.count(g->GroupID()) != 0)
            inFile_.erase(g.get());
        else
            kept.push_back(g);
    }
    groups_.swap(kept);
    if (persist) Rewrite();
    return backedUp;
}

GroupRegistrar RegistrarOf(GroupRegister& reg, std::function<void(const std::string&)> report) {
    GroupRegistrar registrar;
    registrar.registerGroup = [&reg, report](const GroupPtr& g, const std::string& id) {
        if (!report) {
            reg.RegisterGroup(g, id);
            return;
        }
        if (id.empty() && g && g->GroupID().empty()) report(kRegisterErrorMessage);
        try {
            reg.RegisterGroup(g, id);
        } catch (const StorageError& e) {
            report(e.what());
        }
        for (const std::string& text : reg.TakeNotices()) report(text);
    };
    registrar.findGroup = [&reg](const std::string& id) { return reg.FindRegisteredGroup(id); };
    return registrar;
}

}  // namespace quorix::storage
