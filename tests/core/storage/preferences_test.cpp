#include <gtest/gtest.h>

#include "core/group/errors.h"
#include "core/storage/preferences.h"
#include "temp_dir.h"

namespace quorix::storage {
namespace {

using quorix::testing::readFile;
using quorix::testing::TempDir;
using quorix::testing::writeFile;

const std::string kDefaultFile =
    "062011\r\nOGGOROR1ROR\r\n1011000\r\n1011001\r\n1011001\r\n1011001\r\n1011000\r\n1011000\r\n1011001\r\n1011001\r\n";

TEST(Preferences, FirstRunUsesDefaultsWithoutCreatingTheFile) {
    TempDir dir;
    Preferences prefs;
    EXPECT_FALSE(prefs.Load(dir.path()));
    EXPECT_EQ(prefs, Preferences());
    EXPECT_FALSE(std::filesystem::exists(Preferences::FilePath(dir.path())));

    EXPECT_TRUE(prefs.DecodeStartup().autosave);  // the other decoded defaults: the main form's test
}

TEST(Preferences, SaveWritesTenCrLfLinesAndLoadsBack) {
    TempDir dir;
    Preferences prefs;
    prefs.Save(dir.path());
    EXPECT_EQ(readFile(Preferences::FilePath(dir.path())), kDefaultFile);

    prefs.SetString(kGeneralDefaults, "153100");
    prefs.SetString(kPanelDefaults, "RAARORO0RRO");
    prefs.SetString(kDirectProductView, "0100110");
    prefs.Save(dir.path());
    Preferences back;
    ASSERT_TRUE(back.Load(dir.path()));
    EXPECT_EQ(back, prefs);
    EXPECT_EQ(back.SearchOrder(), 15);
    EXPECT_EQ(back.Trace(), TraceOption::TraceOff);
    EXPECT_TRUE(back.IncludeIsomorphs());
    EXPECT_FALSE(back.ScrollingEnabled());
    EXPECT_FALSE(back.Autosave());
    EXPECT_FALSE(back.SequenceGenerated(PanelDefault::GroupDeletion));
    EXPECT_FALSE(back.CreateViews());
    EXPECT_TRUE(back.ViewIncludes(6, ViewComponent::CayleyTableOriginal));
}

TEST(Preferences, EmptyOrShortFilesGiveAllDefaults) {
    TempDir dir;
    const auto file = Preferences::FilePath(dir.path());
    for (const std::string& text :
         {std::string(), std::string("153100\r\nRAARORO0RRO\r\n0000000\r\n1111111\r\n0000000\r\n"),
          std::string("153100\n")}) {
        writeFile(file, text);
        Preferences prefs;
        prefs.SetString(kSummaryView, "1111111");
        EXPECT_FALSE(prefs.Load(dir.path()));
        EXPECT_EQ(prefs, Preferences()) << text;
    }
}

TEST(Preferences, HandEditedStringsFallBackOneByOne) {
    TempDir dir;
    // Order 21, a panel letter from the wrong pair, a view string too long,
    // a view string with a "2", blanks around a good string, LF line ends.
    writeFile(Preferences::FilePath(dir.path()),
              "212011\nGGGOROR1ROR\n10110001\n1011021\n  0000000  \n1111111\n1011000\n1011000\n1011001\n0000001\n");
    Preferences prefs;
    ASSERT_TRUE(prefs.Load(dir.path()));
    const auto& d = Preferences::Defaults();
    EXPECT_EQ(prefs.String(kGeneralDefaults), d[kGeneralDefaults]);
    EXPECT_EQ(prefs.String(kPanelDefaults), d[kPanelDefaults]);
    EXPECT_EQ(prefs.String(kSummaryView), d[kSummaryView]);
    EXPECT_EQ(prefs.String(kSymmetricView), d[kSymmetricView]);
    EXPECT_EQ(prefs.String(kAlternatingView), "0000000");
    EXPECT_EQ(prefs.String(kPermutationView), "1111111");
    EXPECT_EQ(prefs.String(kAutomorphismView), "0000001");

    for (const char* general : {"002011", "2x2011", "064011", "0620a1", "06201", "0620111"}) {
        writeFile(Preferences::FilePath(dir.path()), std::string(general) + "\n" + kDefaultFile.substr(8));
        Preferences p;
        p.Load(dir.path());
        EXPECT_EQ(p.String(kGeneralDefaults), "062011") << general;
        EXPECT_EQ(p.SearchOrder(), 6);
    }
    writeFile(Preferences::FilePath(dir.path()), "201111\n" + kDefaultFile.substr(8));
    prefs.Load(dir.path());
    EXPECT_EQ(prefs.SearchOrder(), 20);
    EXPECT_EQ(prefs.Trace(), TraceOption::FastTrace);
}

TEST(Preferences, SetStringRefusesMalformedValues) {
    Preferences prefs;
    EXPECT_THROW(prefs.SetString(kGeneralDefaults, "212011"), InvalidArgument);
    EXPECT_THROW(prefs.SetString(kSummaryView, "101100"), InvalidArgument);
    EXPECT_THROW(prefs.SetString(10, "1011000"), InvalidArgument);
    EXPECT_THROW((void)prefs.String(-1), InvalidArgument);
    EXPECT_EQ(prefs, Preferences());
}

TEST(Preferences, OrderTextAcceptsOnlyIntegersFromOneToTwenty) {
    EXPECT_EQ(ParseTableOrder("1"), 1);
    EXPECT_EQ(ParseTableOrder(" 20 "), 20);
    EXPECT_EQ(ParseTableOrder("07"), 7);
    for (const char* bad : {"", " ", "0", "21", "abc", "-3", "1.5", "6a", "100000"})
        EXPECT_FALSE(ParseTableOrder(bad).has_value()) << bad;
}

// A refused order keeps every other change out too.
TEST(PreferencesApply, RefusedOrderAppliesAndWritesNothing) {
    TempDir dir;
    Preferences prefs;
    PreferencesForm form = PreferencesForm::FromPreferences(prefs);
    form.groupOrderText = "21";
    form.includeIsomorphs = true;
    const ApplyResult r = ApplyPreferencesForm(form, prefs, dir.path());
    EXPECT_FALSE(r.accepted || r.saved);
    EXPECT_EQ(r.Messages(), std::vector<std::string>{kOrderMessage});
    EXPECT_EQ(prefs, Preferences());
    EXPECT_FALSE(std::filesystem::exists(Preferences::FilePath(dir.path())));
}

TEST(PreferencesApply, ViewChangeSavesWithoutRestartMessage) {
    TempDir dir;
    Preferences prefs;
    PreferencesForm form = PreferencesForm::FromPreferences(prefs);
    form.views[1][4] = true;  // the symmetric view's subgroups
    const ApplyResult r = ApplyPreferencesForm(form, prefs, dir.path());
    EXPECT_TRUE(r.accepted && r.saved);
    EXPECT_FALSE(r.generalChanged);
    EXPECT_TRUE(r.Messages().empty());
    Preferences back;
    back.Load(dir.path());
    EXPECT_EQ(back.String(kSymmetricView), "1011101");
    EXPECT_EQ(back, prefs);
}

TEST(PreferencesApply, GeneralChangeIsFormattedAndAnnounced) {
    TempDir dir;
    Preferences prefs;
    PreferencesForm form = PreferencesForm::FromPreferences(prefs);
    form.groupOrderText = " 8";
    form.traceIndex = 0;
    form.autosave = false;
    form.panelLetters[static_cast<int>(PanelDefault::GroupList) - 1] = 'A';
    const ApplyResult r = ApplyPreferencesForm(form, prefs, dir.path());
    ASSERT_TRUE(r.generalChanged);
    EXPECT_EQ(prefs.String(kGeneralDefaults), "080010");
    EXPECT_EQ(prefs.String(kPanelDefaults), "OGAOROR1ROR");
    EXPECT_EQ(r.Messages(), std::vector<std::string>{kRestartMessage});

    // A letter no panel control can produce is a program fault, not input.
    form.panelLetters[0] = 'X';
    EXPECT_THROW(ApplyPreferencesForm(form, prefs, dir.path()), InvalidArgument);
    EXPECT_EQ(prefs.String(kPanelDefaults), "OGAOROR1ROR");
}

TEST(PreferencesApply, WriteFailureKeepsTheNewSettingsInMemory) {
    TempDir dir;
    std::filesystem::create_directory(Preferences::FilePath(dir.path()));
    Preferences prefs;
    PreferencesForm form = PreferencesForm::FromPreferences(prefs);
    form.scrollingEnabled = false;
    const ApplyResult r = ApplyPreferencesForm(form, prefs, dir.path());
    EXPECT_TRUE(r.accepted);
    EXPECT_FALSE(r.saved);
    EXPECT_FALSE(prefs.ScrollingEnabled());
}

}  // namespace
}  // namespace quorix::storage
