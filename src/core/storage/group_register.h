#pragma once
// The register of generated groups and its file "QuorixObjects.bas".
//
// The register is the ordered list of registered groups (positions 1-based).
// With autosave on it is persisted: read once at start-up, appended to for
// every newly registered group, and rewritten whole when groups are deleted
// or the file turns out to be damaged. Groups that a registered group is
// built from (a subgroup's parent, a quotient's G and N, a direct product's
// factors) are stored in the file too; when they are not registered
// themselves they are kept in the dependency list and referred to by a label
// "--" + their 1-based place in that list (five digits).
//
// File: a sequence of records. A record is a header line
//   method!!order!!ID!!Y|N        (Y: registered)
// followed by body lines that depend on the method:
//   0 Cayley table     `order` lines of products, row by row, cells joined by
//                      single spaces, every "," written as "$%"
//   1, 4               the degree
//   2, 3               the modulus
//   5                  the permutations joined by single spaces
//   6 subgroup         parent reference, then "T"/"F" for each of the
//                      parent's reductive positions
//   7 quotient         references of G and N
//   8 direct product   references of the two factors
//   9 described        the group's description (a SPEC such as "D4" or
//                      "GL(2,3)", or a presentation without blanks), from
//                      which it is rebuilt
// A reference is the ID of a group registered earlier in the file or the
// label of a dependency record that precedes it. A group already stored as
// a dependency is referred to by its label again rather than stored twice.
//
// Reading is tolerant where the intent is plain: a UTF-8 byte-order mark is
// skipped, "\r\n" and a lone "\r" end lines as "\n" does, and blank lines
// between records are skipped. Writing always uses "\n" and no mark.
//
// Every file operation opens, reads or writes and closes in one go. A
// rewrite or backup replaces the file through a fresh temporary file and a
// rename; registering a group appends its records in one write, on a line
// of their own also when the file's last line has no line end. Only a
// regular file of at most kMaxRegisterFileBytes is read.
//
// Several programs may share one directory: every read-modify-write holds an
// advisory lock on kRegisterLockFileName, and a writer first reads what
// others appended or rewrote since it last looked, so that its labels and
// references point at the records the file really holds.
//
// The register shows nothing and asks nothing: loading returns a LoadReport,
// backups and deletions say whether a backup was made, and the caller shows
// the texts below through its own host (deletion is asked by the caller).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/group/group.h"
#include "core/group/registrar.h"
#include "core/storage/text_file.h"

namespace quorix::storage {

inline constexpr const char* kRegisterFileName = "QuorixObjects.bas";
// The most groups a file may hold registered, and as dependencies.
inline constexpr int kMaxRegisterCount = 32767;
inline constexpr const char* kRegisterBackupFileName = "QuorixObjectsBackup.bas";
// Backups are kept in generations: the newest under kRegisterBackupFileName,
// the older ones as QuorixObjectsBackup-1.bas (the one before) and on.
inline constexpr int kRegisterBackupGenerations = 5;
inline constexpr const char* kRegisterLockFileName = "QuorixObjects.bas.lock";
inline constexpr const char* kRegisterWaitMessage =
    "Waiting for another program to finish writing QuorixObjects.bas...";

inline constexpr const char* kRebuiltMessage = "QuorixObjects.bas file has been rebuilt.";
inline constexpr const char* kBackupMessage = "Old file stored as QuorixObjectsBackup.bas.";
inline constexpr const char* kRegisterErrorMessage = "Program Error (RegisterGroup)";
inline constexpr const char* kDeletionTitle = "Group Deletion";
inline constexpr const char* kDeleteAllQuestionAutosave =
    "Do you really want to delete all generated groups permanently?";
inline constexpr const char* kDeleteAllQuestion = "Do you really want to delete all generated groups?";
inline constexpr const char* kAllDeletedMessage = "All generated groups have been deleted.";

// The question the caller asks before DeleteAllGroups.
inline const char* DeleteAllQuestion(bool autosave) {
    return autosave ? kDeleteAllQuestionAutosave : kDeleteAllQuestion;
}

// What is said about a damaged file: which records could not be read (the
// lines they begin on, 1-based, the first few of `count`), that the others
// were, and (read-only) that nothing was changed.
std::string DamagedMessage(const std::vector<int>& lines, int count, bool readOnly);
// The backup message; `damaged` when the backup holds a damaged file.
std::string BackupMessage(bool damaged = false);

// What LoadGroupRegister found and did, in the order it happened.
struct LoadReport {
    // The most damaged lines named; the others are counted.
    static constexpr std::size_t kNamedLines = 5;

    int emptyIds = 0;                       // registered records without an ID (kRegisterErrorMessage each)
    std::string fileProblem;                // the file is no regular file, too large or unreadable: not read
    bool damaged = false;                   // damaged records were passed over (DamagedMessage)
    int damagedLine = 0;                    // the line the first one began on (1-based)
    std::vector<int> damagedLines;          // the lines the first kNamedLines began on
    int damagedCount = 0;                   // how many there were
    bool readOnly = false;                  // nothing was written
    bool backedUp = false;                  // the old file was stored as the backup (BackupMessage)
    bool rebuilt = false;                   // the file was rewritten from the register (kRebuiltMessage)
    std::optional<std::string> writeError;  // the backup or rebuild failed: why

    bool Healthy() const { return !damaged; }
    void NoteDamage(int line);
    // The texts the caller shows, in order.
    std::vector<std::string> Messages() const;
};

// The header fields of a record, as split at "!!".
struct RecordHeader {
    int method = 0;
    int order = 0;
    std::string id;
    std::string flag;  // "Y" registered, anything else a dependency
};

// Parses a header line; false when it has fewer than four fields or a
// non-numeric (or out of int range) method or order.
bool ParseRecordHeader(std::string_view line, RecordHeader& header);

class GroupRegister {
public:
    // `directory` is where the register file and its backup live.
    explicit GroupRegister(std::filesystem::path directory, bool autosave = true);

    GroupRegister(const GroupRegister&) = delete;
    GroupRegister& operator=(const GroupRegister&) = delete;

    const std::filesystem::path& Directory() const { return directory_; }
    std::filesystem::path FilePath() const { return directory_ / kRegisterFileName; }
    // The backup of the given generation: 0 the newest, 1 the one before...
    std::filesystem::path BackupPath(int generation = 0) const;
    std::filesystem::path LockPath() const { return directory_ / kRegisterLockFileName; }

    // Called (on the thread that writes) when another program holds the lock
    // and this one starts waiting for it; the caller shows kRegisterWaitMessage.
    void SetLockWaitNotice(std::function<void()> notice) { lockWaitNotice_ = std::move(notice); }
    // Texts about the file found while writing (damage appended by another
    // program, with its rebuild), for the caller to show; emptied here.
    std::vector<std::string> TakeNotices() { return std::exchange(notices_, {}); }

    // The "Autosave Generated Groups" preference: off, no file is read or written.
    bool Autosave() const { return autosave_; }
    void SetAutosave(bool on) { autosave_ = on; }

    // Read-only: the file is read but never written (no append, backup or
    // rewrite), also not after finding it damaged. For tools that inspect a
    // register without owning it.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }

    // ---- the register ---------------------------------------------------
    int Count() const { return static_cast<int>(groups_.size()); }
    bool Empty() const { return groups_.empty(); }
    // Position 1..Count(); refuses others.
    const GroupPtr& At(int position) const;
    const std::vector<GroupPtr>& Groups() const { return groups_; }
    const std::vector<GroupPtr>& Dependencies() const { return dependencies_; }

    // Sets the ID when newId is not empty, then appends the group, or
    // replaces the registered group with the same ID in its position. Only
    // an appended group is written to the file (autosave on, not loading).
    // Returns false when the group's ID is empty (the caller shows
    // kRegisterErrorMessage); registration goes on all the same. Write
    // failures are thrown (StorageError) after the group has been registered.
    bool RegisterGroup(const GroupPtr& group, const std::string& newId = "");
    // Position of the first registered group with the same ID; -1 if none.
    int RegisterIndex(const Group& group) const;
    int RegisterIndex(const std::string& id) const;
    // The first registered group with that ID; nullptr if none.
    GroupPtr FindRegisteredGroup(const std::string& id) const;

    // ---- the file -------------------------------------------------------
    // Start-up load. Empties the register; with autosave on reads the file
    // (a missing file is not reported; one that is no regular file or too
    // large is reported, left alone and not written to). A damaged record
    // (a malformed line, a byte no writer puts there, a failing rebuild, a
    // reference to a damaged record) is named and passed over: reading goes
    // on at the next header line, and every intact record is registered.
    // Unless read-only, the old file is then kept as the newest backup
    // (older backups move one generation down) and the file is rewritten
    // from the register. Every number in the file is bounded before it is
    // used, so a damaged file is read in time proportional to its size.
    LoadReport LoadGroupRegister();
    // Copies the register file to the backup file. Returns true when a
    // backup was made (the caller shows kBackupMessage); false when there is
    // no register file or the register is read-only. Throws StorageError.
    bool BackupRegisterFile();
    // Rewrites the register file from the register (empties the dependency
    // list first), after taking in what other programs appended. Throws
    // StorageError; the old file then stays.
    void RewriteRegisterFile();
    // Empties the register, with backup and rewrite when autosave is on; the
    // caller has asked DeleteAllQuestion first and shows kAllDeletedMessage.
    // Returns whether a backup was made (kBackupMessage before that).
    bool DeleteAllGroups();
    // Removes the groups at the given positions (1-based, any order,
    // duplicates ignored; positions outside 1..Count() refuse before
    // anything changes). With autosave on the file is backed up first and
    // rewritten afterwards. The caller asks and reports; returns whether a
    // backup was made.
    bool DeleteGroups(std::vector<int> positions);

    // ---- one record -------------------------------------------------------
    // The text of the group's record, preceded by the records of the groups
    // it refers to that the reader will not know yet (those are added to the
    // dependency list). Refuses an ungenerated group.
    std::string WriteGroup(const Group& group);
    // Rebuilds a group from a record whose header has been read; `next` is
    // the index of the first body line and is advanced past the record.
    // Returns nullptr (and sets the read-error flag) for a damaged record.
    GroupPtr ReadGroup(const RecordHeader& header, const std::vector<std::string>& lines, std::size_t& next);

    bool Loading() const { return loading_; }
    bool ReadError() const { return readError_; }

    // ---- numbers for new IDs ----------------------------------------------
    // Number part of the last "Perm" (method 5) / "Manual" (method 0) ID read.
    int LastPermNumber() const { return lastPerm_; }
    void SetLastPermNumber(int n) { lastPerm_ = n; }
    int LastManualNumber() const { return lastManual_; }
    void SetLastManualNumber(int n) { lastManual_ = n; }

private:
    class Locked;
    void ReadWholeFile(LoadReport& report);
    bool ReadRecords(const std::vector<std::string>& lines, LoadReport& report);
    void CatchUp();
    void Rewrite();
    void WriteRecord(const Group& group, bool nested, std::string& out);
    std::string WriteReferencedGroup(const GroupPtr& referenced, int writerPosition, std::string& out);
    GroupPtr ReadRecordBody(const RecordHeader& header, const std::vector<std::string>& lines, std::size_t& next);
    GroupPtr ResolveReference(const std::string& line) const;
    void CorruptionPath(LoadReport& report);
    void NoteIdNumbers(const Group& group);

    std::filesystem::path directory_;
    bool autosave_ = true;
    bool readOnly_ = false;
    std::vector<GroupPtr> groups_;
    // A damaged dependency record keeps its label as nullptr.
    std::vector<GroupPtr> dependencies_;
    // Labels past this many are not trusted: a lost line before them may
    // have been a dependency's header.
    static constexpr std::size_t kAllLabels = static_cast<std::size_t>(-1);
    std::size_t labelsKnown_ = kAllLabels;
    // The registered groups whose own record is in the file. A group that
    // replaced another under the same ID is not: the file holds the old one,
    // so a reference to it is written as a dependency record.
    std::unordered_set<const Group*> inFile_;
    // Register positions by ID while loading (lookups stay constant-time
    // for files of many records).
    std::unordered_map<std::string, int> loadIndex_;
    bool loading_ = false;
    bool readError_ = false;
    // The file as this register last read or wrote it; lines read so far.
    text::FileIdentity known_;
    int knownLines_ = 0;
    // Why the file could not be read at all; nothing is written then.
    std::string fileProblem_;
    int lockDepth_ = 0;
    std::function<void()> lockWaitNotice_;
    std::vector<std::string> notices_;
    int lastPerm_ = 0;
    int lastManual_ = 0;
};

// The register's adapter for the engine: registers in `reg` and finds its
// groups. When `report` is set it receives the texts the caller shows:
// kRegisterErrorMessage for a group without an ID, the message of a write
// failure, which is then not thrown, and the register's notices; without it
// write failures throw StorageError.
GroupRegistrar RegistrarOf(GroupRegister& reg, std::function<void(const std::string&)> report = {});

}  // namespace quorix::storage
