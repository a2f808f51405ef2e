#include "core/storage/preferences.h"

#include <cctype>

#include "core/group/errors.h"
#include "core/storage/text_file.h"
#include "core/text/text.h"

namespace quorix::storage {

namespace {

constexpr std::array<int, kPreferenceCount> kLengths = {6, 11, 7, 7, 7, 7, 7, 7, 7, 7};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsFlag(char c) { return c == '0' || c == '1'; }

std::string_view Trim(std::string_view s) { return text::TrimSpace(s); }

void RequireIndex(int index) {
    if (index < 0 || index >= kPreferenceCount)
        throw InvalidArgument("preference string index out of range: " + std::to_string(index));
}

}  // namespace

const char* TraceOptionName(TraceOption option) {
    switch (option) {
        case TraceOption::TraceByStep:
            return "Trace by step";
        case TraceOption::FastTrace:
            return "Fast trace";
        case TraceOption::VeryFastTrace:
            return "Very fast trace";
        case TraceOption::TraceOff:
            return "Trace off";
    }
    return "";
}

const std::array<const char*, 4>& TraceOptionItems() {
    static const std::array<const char*, 4> items = {"Trace by step", "Fast trace", "Very fast trace", "Trace Off"};
    return items;
}

std::pair<char, char> PanelDefaultLetters(PanelDefault panel) {
    switch (panel) {
        case PanelDefault::GroupDeletion:
        case PanelDefault::GroupList:
            return {'G', 'A'};
        case PanelDefault::CreateViews:
            return {'1', '0'};
        default:
            return {'O', 'R'};
    }
}

Preferences::Preferences() : strings_(Defaults()) {}

const std::array<std::string, kPreferenceCount>& Preferences::Defaults() {
    static const std::array<std::string, kPreferenceCount> defaults = {
        "062011", "OGGOROR1ROR", "1011000", "1011001", "1011001", "1011001", "1011000", "1011000", "1011001", "1011001",
    };
    return defaults;
}

std::filesystem::path Preferences::FilePath(const std::filesystem::path& directory) {
    return directory / kPreferencesFileName;
}

bool Preferences::IsValidString(int index, std::string_view s) {
    if (index < 0 || index >= kPreferenceCount) return false;
    if (s.size() != static_cast<std::size_t>(kLengths[static_cast<std::size_t>(index)])) return false;
    if (index == kGeneralDefaults) {
        if (!IsDigit(s[0]) || !IsDigit(s[1])) return false;
        const int order = (s[0] - '0') * 10 + (s[1] - '0');
        if (order < 1 || order > 20) return false;
        if (s[2] < '0' || s[2] > '3') return false;
        return IsFlag(s[3]) && IsFlag(s[4]) && IsFlag(s[5]);
    }
    if (index == kPanelDefaults) {
        for (int p = 1; p <= kPanelDefaultCount; ++p) {
            const auto [a, b] = PanelDefaultLetters(static_cast<PanelDefault>(p));
            const char c = s[static_cast<std::size_t>(p - 1)];
            if (c != a && c != b) return false;
        }
        return true;
    }
    for (char c : s)
        if (!IsFlag(c)) return false;
    return true;
}

const std::string& Preferences::String(int index) const {
    RequireIndex(index);
    return strings_[static_cast<std::size_t>(index)];
}

void Preferences::SetString(int index, const std::string& value) {
    RequireIndex(index);
    if (!IsValidString(index, value))
        throw InvalidArgument("malformed preference string " + std::to_string(index + 1) + ": \"" + value + "\"");
    strings_[static_cast<std::size_t>(index)] = value;
}

bool Preferences::Load(const std::filesystem::path& directory) {
    strings_ = Defaults();
    problem_.clear();
    const text::FileText file = text::ReadFileChecked(FilePath(directory), kMaxPreferencesFileBytes);
    if (!file.Ok()) {
        if (file.status != text::ReadStatus::Missing) problem_ = file.problem;
        return false;
    }
    const std::optional<std::vector<std::string>> lines = SplitLines(file.text);
    if (!lines || lines->size() < static_cast<std::size_t>(kPreferenceCount)) return false;
    for (int i = 0; i < kPreferenceCount; ++i) {
        const std::string_view value = Trim((*lines)[static_cast<std::size_t>(i)]);
        if (IsValidString(i, value)) strings_[static_cast<std::size_t>(i)] = std::string(value);
    }
    return true;
}

void Preferences::Save(const std::filesystem::path& directory) const {
    std::string text;
    for (const std::string& s : strings_) text += s + "\r\n";
    const FileLock lock(directory / kPreferencesLockFileName, FileLock::Mode::Exclusive);
    ReplaceFile(FilePath(directory), text);
}

int Preferences::SearchOrder() const {
    const std::string& g = strings_[kGeneralDefaults];
    return (g[0] - '0') * 10 + (g[1] - '0');
}

std::optional<TraceOption> Preferences::Trace() const {
    const char c = strings_[kGeneralDefaults][2];
    if (c < '0' || c > '3') return std::nullopt;
    return static_cast<TraceOption>(c - '0');
}

bool Preferences::IncludeIsomorphs() const { return strings_[kGeneralDefaults][3] == '1'; }
bool Preferences::ScrollingEnabled() const { return strings_[kGeneralDefaults][4] == '1'; }
bool Preferences::Autosave() const { return strings_[kGeneralDefaults][5] == '1'; }

StartupSettings Preferences::DecodeStartup() const {
    StartupSettings s;
    s.searchOrder = SearchOrder();
    s.trace = Trace();
    s.includeIsomorphs = IncludeIsomorphs();
    s.scrollingEnabled = ScrollingEnabled();
    s.autosave = Autosave();
    return s;
}

char Preferences::PanelLetter(PanelDefault panel) const {
    const int p = static_cast<int>(panel);
    if (p < 1 || p > kPanelDefaultCount) throw InvalidArgument("panel default out of range: " + std::to_string(p));
    return strings_[kPanelDefaults][static_cast<std::size_t>(p - 1)];
}

bool Preferences::ReductiveNames(PanelDefault panel) const { return PanelLetter(panel) == 'R'; }
bool Preferences::SequenceGenerated(PanelDefault panel) const { return PanelLetter(panel) == 'G'; }
bool Preferences::CreateViews() const { return PanelLetter(PanelDefault::CreateViews) == '1'; }

bool Preferences::ViewIncludes(int view, ViewComponent component) const {
    const int v = view;
    const int c = static_cast<int>(component);
    if (v < 0 || v >= kViewCount || c < 1 || c > kViewComponentCount)
        throw InvalidArgument("view component out of range");
    return strings_[static_cast<std::size_t>(kSummaryView + v)][static_cast<std::size_t>(c - 1)] == '1';
}

PreferencesForm PreferencesForm::FromPreferences(const Preferences& prefs) {
    PreferencesForm form;
    form.groupOrderText = std::to_string(prefs.SearchOrder());
    form.traceIndex = static_cast<int>(prefs.Trace().value_or(TraceOption::VeryFastTrace));
    form.includeIsomorphs = prefs.IncludeIsomorphs();
    form.scrollingEnabled = prefs.ScrollingEnabled();
    form.autosave = prefs.Autosave();
    for (int p = 1; p <= kPanelDefaultCount; ++p)
        form.panelLetters[static_cast<std::size_t>(p - 1)] = prefs.PanelLetter(static_cast<PanelDefault>(p));
    for (int v = 0; v < kViewCount; ++v)
        for (int c = 1; c <= kViewComponentCount; ++c)
            form.views[static_cast<std::size_t>(v)][static_cast<std::size_t>(c - 1)] =
                prefs.ViewIncludes(v, static_cast<ViewComponent>(c));
    return form;
}

ApplyResult ApplyPreferencesForm(const PreferencesForm& form, Preferences& prefs,
                                 const std::filesystem::path& directory) {
    ApplyResult result;
    const std::optional<int> order = ParseTableOrder(form.groupOrderText);
    if (!order) return result;
    if (form.traceIndex < 0 || form.traceIndex > 3) throw InvalidArgument("trace index out of range");

    std::array<std::string, kPreferenceCount> strings;
    std::string& general = strings[kGeneralDefaults];
    general += static_cast<char>('0' + *order / 10);
    general += static_cast<char>('0' + *order % 10);
    general += static_cast<char>('0' + form.traceIndex);
    general += form.includeIsomorphs ? '1' : '0';
    general += form.scrollingEnabled ? '1' : '0';
    general += form.autosave ? '1' : '0';
    strings[kPanelDefaults] = std::string(form.panelLetters.begin(), form.panelLetters.end());
    for (int v = 0; v < kViewCount; ++v)
        for (bool included : form.views[static_cast<std::size_t>(v)])
            strings[static_cast<std::size_t>(kSummaryView + v)] += included ? '1' : '0';
    for (int i = 0; i < kPreferenceCount; ++i)
        if (!Preferences::IsValidString(i, strings[static_cast<std::size_t>(i)]))
            throw InvalidArgument("malformed preference string " + std::to_string(i + 1));

    const std::string oldGeneral = prefs.String(kGeneralDefaults);
    for (int i = 0; i < kPreferenceCount; ++i) prefs.SetString(i, strings[static_cast<std::size_t>(i)]);
    result.accepted = true;
    try {
        prefs.Save(directory);
        result.saved = true;
    } catch (const StorageError&) {
        // Not reported: the settings stay in force for this run.
    }
    result.generalChanged = prefs.String(kGeneralDefaults) != oldGeneral;
    return result;
}

}  // namespace quorix::storage
