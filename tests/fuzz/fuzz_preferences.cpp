// The preferences reader on arbitrary file contents: every string it keeps
// is well formed, decoding them is safe, and what it saves reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/storage/preferences.h"
#include "core/storage/text_file.h"
#include "scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorix::storage;
    const quorix::fuzz::ScratchDir dir;
    ReplaceFile(Preferences::FilePath(dir.Path()), std::string(reinterpret_cast<const char*>(data), size));

    Preferences prefs;
    prefs.Load(dir.Path());
    for (int i = 0; i < kPreferenceCount; ++i) {
        if (!Preferences::IsValidString(i, prefs.String(i))) std::abort();
    }
    const StartupSettings startup = prefs.DecodeStartup();
    if (startup.searchOrder < 1 || startup.searchOrder > 20) std::abort();
    const PreferencesForm form = PreferencesForm::FromPreferences(prefs);
    (void)form;

    prefs.Save(dir.Path());
    Preferences again;
    if (!again.Load(dir.Path()) || !(again == prefs)) std::abort();
    return 0;
}
