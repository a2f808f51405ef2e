#pragma once
// The user's preferences: ten short strings of flag characters kept in
// "QuorixPreferences.bas" in the program's directory, one string per line.
//
//  0 General System Defaults   "062011"  order (2 digits), trace option,
//                                        include isomorphs, scrolling, autosave
//  1 Panel Defaults            "OGGOROR1ROR"  one letter per panel
//  2..9 view components        seven "1"/"0" characters per HTML view
//
// The strings are always valid: a string read from the file that has the
// wrong length or a character outside its set (an order outside 01..20, for
// instance) is replaced by its default; a missing, empty or short file gives
// the defaults for all ten.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/group/table_order.h"

namespace quorix::storage {

inline constexpr const char* kPreferencesFileName = "QuorixPreferences.bas";
inline constexpr const char* kPreferencesLockFileName = "QuorixPreferences.bas.lock";
inline constexpr const char* kRestartMessage =
    "Changes to General System Defaults will take effect when QUORIX is restarted.";

inline constexpr int kPreferenceCount = 10;

enum PreferenceIndex : int {
    kGeneralDefaults = 0,
    kPanelDefaults = 1,
    kSummaryView = 2,
    kSymmetricView = 3,
    kAlternatingView = 4,
    kPermutationView = 5,
    kAdditiveView = 6,
    kMultiplicativeView = 7,
    kDirectProductView = 8,
    kAutomorphismView = 9,
};

// The trace option of character 3 of the General System Defaults; the value
// is the index in the Preferences panel's list.
enum class TraceOption : int { TraceByStep = 0, FastTrace = 1, VeryFastTrace = 2, TraceOff = 3 };

// The name the trace set-up takes: "Trace by step", "Fast trace",
// "Very fast trace", "Trace off".
const char* TraceOptionName(TraceOption option);
// The items of the panel's trace list, in list order ("Trace Off" is
// capitalised there).
const std::array<const char*, 4>& TraceOptionItems();

// The eight HTML views, in the order of their component strings (2..9):
// summary, symmetric, alternating, permutation, additive, multiplicative,
// direct product, automorphism.
inline constexpr int kViewCount = 8;

// Components of a view, numbered as their check boxes (1..7).
enum class ViewComponent : int {
    ElementListing = 1,
    CayleyTableOriginal = 2,
    CayleyTableMapped = 3,
    GroupProperties = 4,
    Subgroups = 5,
    QuotientGroups = 6,
    CompositionSeries = 7,
};
inline constexpr int kViewComponentCount = 7;

// Character positions (1-based) of the Panel Defaults string.
enum class PanelDefault : int {
    GroupComparison = 1,
    GroupDeletion = 2,
    GroupList = 3,
    Automorphism = 4,
    CompositionSeries = 5,
    GroupDisplay = 6,
    QuotientGroup = 7,
    CreateViews = 8,
    Subgroup = 9,
    ConjugacyClass = 10,
    SubgroupConjugacyClass = 11,
};
inline constexpr int kPanelDefaultCount = 11;

// The two letters a panel default may hold: first the one of the first
// option ('O' original names, 'G' sequence generated, '1' create views),
// then the other ('R', 'A', '0').
std::pair<char, char> PanelDefaultLetters(PanelDefault panel);

// What the main panel derives at start-up from the General System Defaults.
struct StartupSettings {
    int searchOrder = 6;
    std::optional<TraceOption> trace;  // none: leave the trace as it is
    bool includeIsomorphs = false;
    bool scrollingEnabled = true;
    bool autosave = true;
};

class Preferences {
public:
    Preferences();  // the defaults

    static const std::array<std::string, kPreferenceCount>& Defaults();
    static std::filesystem::path FilePath(const std::filesystem::path& directory);
    // Whether s is a well-formed value of string `index` (0..9).
    static bool IsValidString(int index, std::string_view s);

    const std::string& String(int index) const;
    const std::array<std::string, kPreferenceCount>& Strings() const { return strings_; }
    // Refuses (InvalidArgument) an index outside 0..9 or a malformed value.
    void SetString(int index, const std::string& value);

    // Reads the file of `directory`. Returns true when all ten strings came
    // from the file (each malformed one still replaced by its default);
    // false when the defaults were taken for all ten. A file that is no
    // regular file, is larger than kMaxPreferencesFileBytes or cannot be
    // read is not read; LoadProblem() then says so.
    bool Load(const std::filesystem::path& directory);
    // Why the last Load could not read an existing file, for the caller to
    // show; empty when it could (or there was no file).
    const std::string& LoadProblem() const { return problem_; }
    // Writes the ten strings, replacing the file under the preferences lock.
    // Throws StorageError.
    void Save(const std::filesystem::path& directory) const;

    // ---- General System Defaults --------------------------------------
    int SearchOrder() const;
    std::optional<TraceOption> Trace() const;
    bool IncludeIsomorphs() const;
    bool ScrollingEnabled() const;
    bool Autosave() const;
    StartupSettings DecodeStartup() const;

    // ---- Panel Defaults -------------------------------------------------
    char PanelLetter(PanelDefault panel) const;
    // 'R': the panel starts with reductive-mapping names.
    bool ReductiveNames(PanelDefault panel) const;
    // 'G': the list starts in the sequence generated ('A' alphabetical).
    bool SequenceGenerated(PanelDefault panel) const;
    bool CreateViews() const;

    // ---- View components ------------------------------------------------
    // view: 0..kViewCount-1, in the order above.
    bool ViewIncludes(int view, ViewComponent component) const;

    bool operator==(const Preferences& other) const = default;

private:
    std::array<std::string, kPreferenceCount> strings_;
    std::string problem_;
};

// The state of the Preferences panel's controls.
struct PreferencesForm {
    std::string groupOrderText;  // as typed
    int traceIndex = 2;          // 0..3
    bool includeIsomorphs = false;
    bool scrollingEnabled = true;
    bool autosave = true;
    std::array<char, kPanelDefaultCount> panelLetters{};  // one per PanelDefault, in order
    std::array<std::array<bool, kViewComponentCount>, kViewCount> views{};

    static PreferencesForm FromPreferences(const Preferences& prefs);
};

struct ApplyResult {
    bool accepted = false;        // false: order refused (kOrderMessage), nothing changed or saved
    bool saved = false;           // the file was written
    bool generalChanged = false;  // the General System Defaults changed (kRestartMessage)

    // The texts the caller shows, in order.
    std::vector<std::string> Messages() const {
        if (!accepted) return {kOrderMessage};
        if (generalChanged) return {kRestartMessage};
        return {};
    }
};

// The panel's Apply: validates the order, rebuilds the ten strings, saves
// them and tells what changed; the caller shows ApplyResult::Messages(). A
// write failure is not reported; the strings in memory are updated all the
// same.
ApplyResult ApplyPreferencesForm(const PreferencesForm& form, Preferences& prefs,
                                 const std::filesystem::path& directory);

}  // namespace quorix::storage
