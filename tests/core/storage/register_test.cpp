#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <random>

#include "core/group/math_functions.h"
#include "core/presentation/presented_group.h"
#include "core/storage/group_register.h"
#include "core/storage/text_file.h"
#include "support/file_size_limit.h"
#include "support/groups.h"
#include "temp_dir.h"

namespace quorix::storage {
namespace {

using quorix::testing::readFile;
using quorix::testing::TempDir;
using quorix::testing::writeFile;
namespace qt = quorix::testing;
using namespace std::string_view_literals;

void expectSameGroup(const Group& a, const Group& b) {
    ASSERT_TRUE(b.IsGenerated()) << a.GroupID();
    EXPECT_EQ(a.GroupID(), b.GroupID());
    EXPECT_EQ(a.MethodOfGeneration(), b.MethodOfGeneration()) << a.GroupID();
    ASSERT_EQ(a.order(), b.order()) << a.GroupID();
    EXPECT_EQ(a.Modulus(), b.Modulus()) << a.GroupID();
    EXPECT_EQ(a.Degree(), b.Degree()) << a.GroupID();
    for (int i = 1; i <= a.order(); ++i) {
        EXPECT_EQ(a.sourceName(i), b.sourceName(i)) << a.GroupID();
        EXPECT_EQ(a.name(i), b.name(i)) << a.GroupID();
        for (int j = 1; j <= a.order(); ++j) ASSERT_EQ(a.mul(i, j), b.mul(i, j)) << a.GroupID();
    }
}

// The subgroup of `parent` made of the positions `keep` accepts.
template <class Keep>
GroupPtr subgroup(const GroupPtr& parent, Keep keep) {
    ElementSet members;
    for (int k = 1; k <= parent->order(); ++k)
        if (keep(k)) members.set(static_cast<std::size_t>(k));
    auto g = Group::Create();
    g->GenerateSubgroup(parent, members);
    return g;
}

GroupPtr evenPart(const GroupPtr& parent) {
    return subgroup(
        parent, [&](int k) { return MathFunctions::PermutationSign(parent->sourceName(parent->sourceOf(k))) == 1; });
}

// A Cayley-table group whose element names are those of `g` (commas and all).
GroupPtr tableOf(const Group& g) {
    CayleyTable t(static_cast<std::size_t>(g.order()));
    for (int a = 1; a <= g.order(); ++a)
        for (int b = 1; b <= g.order(); ++b) t[static_cast<std::size_t>(a - 1)].push_back(g.sourceName(g.srcMul(a, b)));
    auto copy = Group::Create();
    copy->Generate(t);
    return copy;
}

// One group for each of the ten methods, derived ones built on groups
// that are not registered themselves.
std::vector<std::pair<GroupPtr, std::string>> everyMethod() {
    std::vector<std::pair<GroupPtr, std::string>> out;
    out.emplace_back(qt::quaternion(), "Manual8-3");
    out.emplace_back(tableOf(*qt::spec("Z2xZ2")), "Group #4-2");
    out.emplace_back(qt::spec("S3"), "");
    out.emplace_back(qt::spec("A4"), "");
    out.emplace_back(qt::spec("Z6"), "");
    out.emplace_back(qt::spec("U15"), "");
    out.emplace_back(qt::dihedral(4), "Perm4-2");
    out.emplace_back(evenPart(qt::spec("S4")), "Subgroup12-1(S|@4|)");
    {
        auto d8 = qt::dihedral(4);
        auto centre = subgroup(d8, [&](int k) {
            for (int j = 1; j <= d8->order(); ++j)
                if (d8->mul(k, j) != d8->mul(j, k)) return false;
            return true;
        });
        centre->SetGroupID("Subgroup2-1(D|@8|)");
        auto q = Group::Create();
        q->GenerateQuotientGroup(d8, centre);
        out.emplace_back(q, "");
    }
    out.emplace_back(qt::spec("Z2xZ3xS3"), "");
    // Described groups, one only as a product's factor.
    out.emplace_back(qt::spec("D4xZ2"), "");
    out.emplace_back(qt::spec("PGL(2,5)"), "");
    out.emplace_back(MakeGroupFromDescription("<a, b | a^7 = b^3 = 1, b a b^-1 = a^2>"), "Pres21-1");
    out.emplace_back(MakeGroupFromDescription("perm:(1,2,3)(4,5),(1,2)"), "");  // cycle notation
    return out;
}

class RegisterTest : public ::testing::Test {
protected:
    std::vector<std::string> fileLines() const { return *ReadLines(reg.FilePath()); }

    TempDir dir;
    GroupRegister reg{dir.path()};
};

TEST_F(RegisterTest, EveryMethodSurvivesTheFile) {
    const auto groups = everyMethod();
    for (const auto& [g, id] : groups) reg.RegisterGroup(g, id);
    ASSERT_EQ(reg.Count(), static_cast<int>(groups.size()));
    EXPECT_EQ(reg.At(10)->GroupID(), "Z|@2|xZ|@3|xS|@3|");
    EXPECT_EQ(reg.At(9)->GroupID(), "D|@8|/Subgroup2-1");
    const auto lines = fileLines();  // commas in table cells are escaped
    EXPECT_NE(std::find(lines.begin(), lines.end(), "0$%0 0$%1 1$%0 1$%1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "<a,b|a^7=b^3=1,bab^-1=a^2>"), lines.end());
    for (const std::string& line : lines) {
        RecordHeader h;
        if (ParseRecordHeader(line, h) && h.method == static_cast<int>(GenerationMethod::Described)) {
            EXPECT_EQ(h.id.find_first_of(", !"), std::string::npos) << line;
        }
    }

    for (int pass = 0; pass < 2; ++pass) {
        GroupRegister back(dir.path());
        ASSERT_TRUE(back.LoadGroupRegister().Healthy());
        ASSERT_EQ(back.Count(), reg.Count());
        for (int p = 1; p <= reg.Count(); ++p) expectSameGroup(*reg.At(p), *back.At(p));
        // A rewrite from the loaded register must read back the same way.
        back.RewriteRegisterFile();
    }
    EXPECT_FALSE(std::filesystem::exists(reg.BackupPath()));
}

TEST_F(RegisterTest, GroupsPastTwoWordsOfElementsSurviveTheFile) {
    const std::vector<std::pair<GroupPtr, std::string>> groups{
        {qt::spec(qt::kFullSizeGroups ? "S7" : "A6"), ""},
        {evenPart(qt::spec("S6")), "Subgroup360-1(S|@6|)"},  // a line of 720 membership flags
        {qt::spec("perm:234561,213456"), ""},                // 720 permutations on one line
        {qt::spec("GL(2,5)"), ""}};
    for (const auto& [g, id] : groups) reg.RegisterGroup(g, id);
    GroupRegister back(dir.path());
    ASSERT_TRUE(back.LoadGroupRegister().Healthy());
    ASSERT_EQ(back.Count(), reg.Count());
    for (int p = 1; p <= reg.Count(); ++p) expectSameGroup(*reg.At(p), *back.At(p));
}

TEST_F(RegisterTest, UnregisteredSourcesAreWrittenAsLabelledDependencies) {
    auto s4 = qt::spec("S4");
    reg.RegisterGroup(evenPart(s4), "Subgroup12-1(S|@4|)");
    auto lines = fileLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "1!!24!!S|@4|!!N");
    EXPECT_EQ(lines[1], "4");
    EXPECT_EQ(lines[2], "6!!12!!Subgroup12-1(S|@4|)!!Y");
    EXPECT_EQ(lines[3], "--00001");
    EXPECT_EQ(std::count(lines[4].begin(), lines[4].end(), 'T'), 12);
    ASSERT_EQ(reg.Dependencies().size(), 1u);
    EXPECT_EQ(reg.Dependencies()[0], s4);

    // Once the parent is registered, later groups refer to it by its ID.
    reg.RegisterGroup(s4);
    auto s4sub = subgroup(s4, [&](int k) {
        const std::string& n = s4->name(k);
        return n == "1" || n == "A" || n == "A|2|" || n == "A|3|";
    });
    reg.RegisterGroup(s4sub, "Subgroup4-1(S|@4|)");
    lines = fileLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[5], "1!!24!!S|@4|!!Y");
    EXPECT_EQ(lines[7], "6!!4!!Subgroup4-1(S|@4|)!!Y");
    EXPECT_EQ(lines[8], "S|@4|");
    EXPECT_EQ(lines[9].size(), 24u);
    EXPECT_EQ(lines[9].substr(0, 2), "TT");
    EXPECT_EQ(std::count(lines[9].begin(), lines[9].end(), 'T'), 4);
}

TEST_F(RegisterTest, QuotientWritesItsGroupOnceForBothReferences) {
    auto d8 = qt::dihedral(4);
    auto n = subgroup(d8, [&](int k) { return k == 1 || d8->name(k) == "A|2|"; });
    auto q = Group::Create();
    q->GenerateQuotientGroup(d8, n);
    reg.RegisterGroup(q);
    const auto lines = fileLines();
    // D8 (N), its subgroup (N) whose parent is --00001, the quotient (Y).
    ASSERT_EQ(lines.size(), 2u + 3u + 3u);
    EXPECT_EQ(lines[0].substr(0, 5), "5!!8!");
    EXPECT_EQ(lines[2].substr(0, 5), "6!!2!");
    EXPECT_EQ(lines[3], "--00001");
    EXPECT_EQ(lines[5].substr(0, 5), "7!!4!");
    EXPECT_EQ(lines[6], "--00001");
    EXPECT_EQ(lines[7], "--00002");
    EXPECT_EQ(n->GroupID(), "--00002");  // an unnamed dependency takes its label
}

TEST_F(RegisterTest, ParentRegisteredAfterItsSubgroupSurvivesARewrite) {
    auto s3 = qt::spec("S3");
    reg.RegisterGroup(subgroup(s3, [](int k) { return k == 1 || k == 4; }), "Subgroup2-1(S|@3|)");
    reg.RegisterGroup(s3);
    reg.RegisterGroup(qt::spec("Z2xS3"));
    reg.RewriteRegisterFile();
    GroupRegister back(dir.path());
    ASSERT_TRUE(back.LoadGroupRegister().Healthy());
    ASSERT_EQ(back.Count(), 3);
    for (int p = 1; p <= 3; ++p) expectSameGroup(*reg.At(p), *back.At(p));
}

TEST_F(RegisterTest, SameIdReplacesInPlaceWithoutWriting) {
    reg.RegisterGroup(qt::spec("Z4"));
    reg.RegisterGroup(qt::spec("S3"));
    const std::string before = readFile(reg.FilePath());
    auto other = qt::spec("Z2xZ2");
    reg.RegisterGroup(other, "Z|@4|");
    EXPECT_EQ(reg.Count(), 2);
    EXPECT_EQ(reg.At(1), other);
    EXPECT_EQ(reg.RegisterIndex(*other), 1);
    EXPECT_EQ(reg.FindRegisteredGroup("S|@3|"), reg.At(2));
    EXPECT_EQ(reg.FindRegisteredGroup("S|@4|"), nullptr);
    EXPECT_EQ(readFile(reg.FilePath()), before);
}

TEST_F(RegisterTest, AdapterReportsEmptyIdsAndWriteFailures) {
    std::vector<std::string> shown;
    const GroupRegistrar registrar = RegistrarOf(reg, [&](const std::string& text) { shown.push_back(text); });
    auto g = qt::quaternion();
    g->SetGroupID("");
    registrar.Register(g, "");
    EXPECT_EQ(shown, std::vector<std::string>{kRegisterErrorMessage});
    EXPECT_EQ(reg.Count(), 1);
    EXPECT_EQ(registrar.Find("Z|@4|"), nullptr);
    registrar.Register(qt::spec("Z4"), "");
    EXPECT_EQ(registrar.Find("Z|@4|"), reg.At(2));

    // The file cannot be appended to: reported through the adapter, thrown
    // without it; the group is registered either way.
    std::filesystem::remove(reg.FilePath());
    std::filesystem::create_directory(reg.FilePath());
    registrar.Register(qt::spec("Z5"), "");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(shown[1].find("not a regular file"), std::string::npos) << shown[1];
    EXPECT_THROW(RegistrarOf(reg).Register(qt::spec("Z6"), ""), StorageError);
    EXPECT_EQ(reg.Count(), 4);
}

TEST_F(RegisterTest, AutosaveOffNeitherReadsNorWrites) {
    reg.RegisterGroup(qt::spec("Z5"));
    const std::string before = readFile(reg.FilePath());
    GroupRegister off(dir.path(), false);
    EXPECT_TRUE(off.LoadGroupRegister().Healthy());
    EXPECT_EQ(off.Count(), 0);
    off.RegisterGroup(qt::spec("S3"));
    EXPECT_STREQ(DeleteAllQuestion(off.Autosave()), kDeleteAllQuestion);
    EXPECT_FALSE(off.DeleteAllGroups());  // no backup
    EXPECT_EQ(off.Count(), 0);
    EXPECT_EQ(readFile(reg.FilePath()), before);
    EXPECT_FALSE(std::filesystem::exists(reg.BackupPath()));
}

TEST_F(RegisterTest, DeleteAllBacksUpAndEmptiesTheFile) {
    reg.RegisterGroup(qt::spec("Z5"));
    reg.RegisterGroup(qt::spec("S3"));
    const std::string before = readFile(reg.FilePath());

    EXPECT_STREQ(DeleteAllQuestion(reg.Autosave()), kDeleteAllQuestionAutosave);
    EXPECT_TRUE(reg.DeleteAllGroups());  // backed up
    EXPECT_EQ(reg.Count(), 0);
    EXPECT_EQ(readFile(reg.FilePath()), "");
    EXPECT_EQ(readFile(reg.BackupPath()), before);
}

TEST_F(RegisterTest, DeletingChosenPositionsKeepsTheOthersInOrder) {
    const char* specs[] = {"Z2", "Z3", "Z4", "Z5", "Z6", "Z7", "Z8"};
    for (const char* s : specs) reg.RegisterGroup(qt::spec(s));
    EXPECT_THROW(reg.DeleteGroups({2, 8}), InvalidArgument);
    EXPECT_EQ(reg.Count(), 7);
    EXPECT_TRUE(reg.DeleteGroups({5, 2, 5}));
    std::vector<std::string> ids;
    for (const auto& g : reg.Groups()) ids.push_back(g->GroupID());
    const std::vector<std::string> expected = {"Z|@2|", "Z|@4|", "Z|@5|", "Z|@7|", "Z|@8|"};
    EXPECT_EQ(ids, expected);

    GroupRegister back(dir.path());
    back.LoadGroupRegister();
    ids.clear();
    for (const auto& g : back.Groups()) ids.push_back(g->GroupID());
    EXPECT_EQ(ids, expected);
}

TEST_F(RegisterTest, LastPermAndManualNumbersComeFromTheLastRecordRead) {
    reg.RegisterGroup(qt::dihedral(4), "Perm4-2");
    reg.RegisterGroup(qt::spec("perm:213"), "Perm3-1");
    reg.RegisterGroup(qt::quaternion(), "Manual8-12");
    reg.RegisterGroup(tableOf(*qt::spec("Z3")), "Group #3-1");
    GroupRegister back(dir.path());
    back.LoadGroupRegister();
    EXPECT_EQ(back.LastPermNumber(), 1);
    EXPECT_EQ(back.LastManualNumber(), 12);
}

TEST_F(RegisterTest, FailedRewriteLeavesTheOldFile) {
    reg.RegisterGroup(qt::spec("Z5"));
    reg.RegisterGroup(evenPart(qt::spec("S4")), "Subgroup12-1(S|@4|)");
    const std::string before = readFile(reg.FilePath());
    const auto dependencies = reg.Dependencies();
    {
        const qt::FileSizeLimit fullDisk(before.size() / 2);
        EXPECT_THROW(reg.RewriteRegisterFile(), StorageError);
        // An append that does not fit is cut off again.
        EXPECT_THROW(reg.RegisterGroup(qt::spec("S4")), StorageError);
    }
    EXPECT_EQ(readFile(reg.FilePath()), before);
    EXPECT_EQ(reg.Dependencies(), dependencies);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

// ---- damaged files ----------------------------------------------------------

struct Damage {
    const char* what;
    std::string_view thirdRecord;  // between the records of Subgroup2-1(V) and Z|@5|
};

class DamagedRegister : public RegisterTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedRegister, KeepsEveryIntactRecordAndRebuildsTheFile) {
    const std::string good =
        "1!!6!!S|@3|!!Y\n3\n"
        "5!!4!!!!N\n1234 2143 3412 4321\n"
        "6!!2!!Subgroup2-1(V)!!Y\n--00001\nTTFF\n";
    const std::string tail = "2!!5!!Z|@5|!!Y\n5\n";
    const std::string original = good + std::string(GetParam().thirdRecord) + tail;
    writeFile(reg.FilePath(), original);

    const LoadReport report = reg.LoadGroupRegister();
    EXPECT_FALSE(report.Healthy());
    ASSERT_EQ(reg.Count(), 3);
    EXPECT_EQ(reg.At(1)->GroupID(), "S|@3|");
    EXPECT_EQ(reg.At(2)->GroupID(), "Subgroup2-1(V)");
    EXPECT_EQ(reg.At(2)->Parent()->order(), 4);
    EXPECT_EQ(reg.At(3)->GroupID(), "Z|@5|");
    EXPECT_FALSE(reg.Loading());
    EXPECT_EQ(report.Messages(),
              (std::vector<std::string>{"File QuorixObjects.bas is damaged: the record at line 8 was left out; every "
                                        "other record was read.",
                                        BackupMessage(true), kRebuiltMessage}));
    EXPECT_EQ(readFile(reg.BackupPath()), original);

    GroupRegister back(dir.path());
    ASSERT_TRUE(back.LoadGroupRegister().Healthy());
    ASSERT_EQ(back.Count(), 3);
    for (int p = 1; p <= 3; ++p) expectSameGroup(*reg.At(p), *back.At(p));
}

INSTANTIATE_TEST_SUITE_P(Storage, DamagedRegister,
                         ::testing::Values(Damage{"nonnumeric", "x!!4!!Z|@4|!!Y\n4\n"},
                                           Damage{"threefields", "2!!4!!Y\n4\n"},
                                           Damage{"badmodulus", "2!!4!!Z|@4|!!Y\nfour\n"},
                                           Damage{"refusedgenerate", "1!!40320!!S|@8|!!Y\n8\n"},
                                           Damage{"orderdisagrees", "2!!5!!Z|@4|!!Y\n4\n"},
                                           Damage{"unknownreference", "8!!10!!Z|@5|xS|@3|!!Y\nZ|@5|\nS|@3|\n"},
                                           Damage{"labelpastthelist", "6!!1!!Subgroup1-1(V)!!Y\n--00004\nTFFF\n"},
                                           Damage{"notclosed", "6!!2!!Subgroup2-2(V)!!Y\n--00001\nTFTT\n"},
                                           Damage{"nottable", "0!!2!!Manual2-1!!Y\na b\nb b\n"},
                                           Damage{"shorttable", "0!!2!!Manual2-1!!Y\na b\nb\n"},
                                           Damage{"notgroup", "5!!2!!Perm3-1!!Y\n123 231\n"},
                                           Damage{"notnormal", "7!!3!!S|@3|/X!!Y\nS|@3|\nSubgroup2-1(V)\n"},
                                           Damage{"truncated", "8!!12!!S|@3|xS|@3|!!Y\nS|@3|\n"},
                                           // Numbers beyond anything the program builds are refused
                                           // before they are used (a modulus of 2^31 - 1 once took minutes).
                                           Damage{"hugemodulus", "3!!1!!U!!Y\n2147483647\n"},
                                           Damage{"hugeorder", "5!!2147483647!!P!!Y\n1\n"},
                                           Damage{"beyondint", "2!!99999999999!!Z|@4|!!Y\n4\n"},
                                           Damage{"longpermutationline", "5!!2!!P!!Y\n12 21 12 21 12 21 12 21 12 21\n"},
                                           // Bytes no writer puts there.
                                           Damage{"nulinid", "6!!2!!Subgroup\0-2(V)!!Y\n--00001\nTFTF\n"sv},
                                           Damage{"controlincell", "0!!2!!Manual2-1!!Y\nx\x01 y\ny x\x01\n"},
                                           Damage{"notTF", "6!!2!!Subgroup2-2(V)!!Y\n--00001\nTFXT\n"}),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.what); });

// Reading goes on after damage, but a label never lands on the wrong group:
// a damaged dependency keeps its place, and after a lost line that may have
// been a dependency's header the later labels are not trusted.
TEST_F(RegisterTest, LabelsAfterDamageNeverPointAtTheWrongGroup) {
    writeFile(reg.FilePath(),
              "2!!4!!Z|@4|!!N\n4\n2!!6!!Z|@6|!!N\nsix\n2!!3!!Z|@3|!!N\n3\n"
              "6!!1!!Subgroup1-1(Z|@6|)!!Y\n--00002\nTFFFFF\n6!!1!!Subgroup1-1(Z|@3|)!!Y\n--00003\nTFF\n"
              "2!!5!Z|@5|!!N\n5\n2!!7!!Z|@7|!!N\n7\n6!!1!!Subgroup1-1(Z|@7|)!!Y\n--00004\nTFFFFFF\n"
              "6!!1!!Subgroup1-1(Z|@4|)!!Y\n--00001\nTFFF\n");
    const LoadReport report = reg.LoadGroupRegister();
    EXPECT_EQ(report.damagedLines, (std::vector<int>{3, 7, 13, 17}));
    EXPECT_EQ(report.Messages().front(),
              "File QuorixObjects.bas is damaged: the records at lines 3, 7, 13 and 17 were left out; every other "
              "record was read.");
    ASSERT_EQ(reg.Count(), 2);
    EXPECT_EQ(reg.At(1)->Parent()->order(), 3);
    EXPECT_EQ(reg.At(2)->Parent()->order(), 4);
    GroupRegister back(dir.path());
    ASSERT_TRUE(back.LoadGroupRegister().Healthy());
    EXPECT_EQ(back.Count(), 2);
}

TEST_F(RegisterTest, ReadOnlyRegisterReportsDamageButWritesNothing) {
    const std::string original = "2!!4!!Z|@4|!!Y\n4\n??\n";
    writeFile(reg.FilePath(), original);
    reg.SetReadOnly(true);
    EXPECT_EQ(reg.LoadGroupRegister().Messages(), std::vector<std::string>{DamagedMessage({3}, 1, true)});
    EXPECT_EQ(reg.Count(), 1);
    reg.RegisterGroup(qt::spec("Z5"));
    reg.DeleteGroups({1});
    EXPECT_EQ(readFile(reg.FilePath()), original);
    EXPECT_FALSE(std::filesystem::exists(reg.BackupPath()));
}

// Byte-order marks, any line end and blank lines between records are read
// as the writer meant them; what is written afterwards is in "\n" lines.
TEST_F(RegisterTest, ForeignLineEndsMarksAndBlankLinesAreRead) {
    const std::string records[] = {"2!!4!!Z|@4|!!Y",
                                   "4",
                                   "1 !! 6 !!S|@3|!! Y",
                                   " 3 ",
                                   "5!!4!!!!N",
                                   "1234 2143 3412 4321",
                                   "6!!2!!Subgroup2-1(V)!!Y",
                                   "--00001",
                                   "TTFF"};
    auto join = [&](const std::string& end, bool blanks) {
        std::string text;
        for (const std::string& line : records)
            text += (blanks && std::isdigit(static_cast<unsigned char>(line[0])) && line.find("!!") != std::string::npos
                         ? end + " \t" + end
                         : "") +
                    line + end;
        return text;
    };
    for (const std::string& text : {join("\r\n", false), join("\r", false), "\xEF\xBB\xBF" + join("\n", false),
                                    join("\n", true), "\xEF\xBB\xBF" + join("\r\n", true), join("\r", true)}) {
        writeFile(reg.FilePath(), text);
        const LoadReport report = reg.LoadGroupRegister();
        ASSERT_TRUE(report.Healthy()) << ::testing::PrintToString(text) << report.damagedLine;
        ASSERT_EQ(reg.Count(), 3);
        EXPECT_EQ(reg.At(2)->GroupID(), "S|@3|");
        EXPECT_EQ(reg.At(3)->Parent()->order(), 4);
        reg.RegisterGroup(qt::spec("Z5"));
        EXPECT_EQ(readFile(reg.FilePath()).substr(text.size()), std::string("2!!5!!Z|@5|!!Y\n5\n"));
        reg.DeleteGroups({1});
        const std::string rebuilt = readFile(reg.FilePath());
        EXPECT_EQ(rebuilt.find_first_of("\r\xEF"), std::string::npos);
        GroupRegister back(dir.path());
        EXPECT_TRUE(back.LoadGroupRegister().Healthy());
        EXPECT_EQ(back.Count(), 3);
    }
}

// Two programs on one directory: each takes in what the other appended
// before it writes, so its labels point at its own records; damage the
// other left behind is found, reported and rebuilt around.
TEST_F(RegisterTest, WritersTakeInWhatOthersAppended) {
    GroupRegister other(dir.path());
    reg.LoadGroupRegister();
    other.LoadGroupRegister();
    reg.RegisterGroup(evenPart(qt::spec("S4")), "Subgroup12-1(S|@4|)");
    other.RegisterGroup(evenPart(qt::spec("S3")), "Subgroup3-1(S|@3|)");
    EXPECT_EQ(other.Count(), 2);
    EXPECT_EQ(other.Dependencies().size(), 2u);

    { std::ofstream(reg.FilePath(), std::ios::app) << "2!!5!!Z|@5|!!Y\n5\n9!!1!!bad!!Y\n"; }
    std::vector<std::string> shown;
    RegistrarOf(reg, [&](const std::string& text) { shown.push_back(text); }).Register(qt::spec("Z7"), "");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0], DamagedMessage({13}, 1, false));
    EXPECT_EQ(shown[1], BackupMessage(true));

    GroupRegister back(dir.path());
    ASSERT_TRUE(back.LoadGroupRegister().Healthy());
    ASSERT_EQ(back.Count(), 4);
    expectSameGroup(*reg.At(1), *back.At(1));
    expectSameGroup(*other.At(2), *back.At(2));
    EXPECT_EQ(back.At(3)->GroupID(), "Z|@5|");
    EXPECT_EQ(back.At(4)->GroupID(), "Z|@7|");
}

// A backup never replaces the one before: older ones move a generation
// down, and the damage message says where the unreadable part begins.
TEST_F(RegisterTest, BackupsKeepEarlierGenerationsWithTheirPermissions) {
    std::vector<std::string> damaged;
    for (int i = 0; i < kRegisterBackupGenerations + 1; ++i) {
        damaged.push_back("2!!5!!Z|@5|!!Y\n5\n2!!" + std::to_string(i) + "!!x!!Y\n");
        writeFile(reg.FilePath(), damaged.back());
        std::filesystem::permissions(reg.FilePath(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        const LoadReport report = reg.LoadGroupRegister();
        EXPECT_EQ(report.damagedLine, 3);
        EXPECT_EQ(report.Messages()[1], BackupMessage(true));
    }
    for (int g = 0; g < kRegisterBackupGenerations; ++g) {
        EXPECT_EQ(readFile(reg.BackupPath(g)), damaged[damaged.size() - 1 - static_cast<std::size_t>(g)]) << g;
        EXPECT_EQ(text::PermissionsOf(reg.BackupPath(g)), 0600) << g;
    }
    EXPECT_FALSE(std::filesystem::exists(reg.BackupPath(kRegisterBackupGenerations)));
    EXPECT_EQ(text::PermissionsOf(reg.FilePath()), 0600);
    EXPECT_EQ(readFile(reg.FilePath()), "2!!5!!Z|@5|!!Y\n5\n");
}

// Only a regular file of sane size is read; anything else is reported once,
// left alone, and not written to, and the groups registered meanwhile are
// kept in memory.
TEST_F(RegisterTest, NoRegularFileOrAHugeOneIsReportedAndLeftAlone) {
    const auto fifo = dir.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.path() / "zero");
    for (const std::string kind : {"fifo", "zero", "directory", "huge"}) {
        std::filesystem::remove_all(reg.FilePath());
        if (kind == "directory")
            std::filesystem::create_directory(reg.FilePath());
        else if (kind == "huge") {
            writeFile(reg.FilePath(), "1!!6!!S|@3|!!Y\n3\n");
            std::filesystem::resize_file(reg.FilePath(), kMaxRegisterFileBytes + 1);
        } else
            std::filesystem::create_symlink(dir.path() / kind, reg.FilePath());
        const LoadReport report = reg.LoadGroupRegister();
        ASSERT_EQ(report.Messages().size(), 1u) << kind;
        EXPECT_NE(report.Messages()[0].find("nothing was changed"), std::string::npos) << report.Messages()[0];
        EXPECT_EQ(reg.Count(), 0);
        EXPECT_THROW(reg.RegisterGroup(qt::spec("Z5")), StorageError) << kind;
        EXPECT_EQ(reg.Count(), 1);
        EXPECT_FALSE(std::filesystem::exists(reg.BackupPath()));
    }
    EXPECT_EQ(std::filesystem::file_size(reg.FilePath()), kMaxRegisterFileBytes + 1);
}

// A file of many records is read in time proportional to its size: repeated
// dependency records are built once, IDs are looked up through an index.
TEST_F(RegisterTest, RepeatedDependencyRecordsShareOneGroup) {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "1!!120!!S|@5|!!N\n5\n";
    for (int i = 0; i < 3000; ++i) text += "2!!1!!Z" + std::to_string(i) + "!!Y\n1\n";
    writeFile(reg.FilePath(), text + "8!!120!!S|@5|xZ|@1|!!Y\n--03000\nZ2999\n?\n");
    reg.SetReadOnly(true);
    EXPECT_FALSE(reg.LoadGroupRegister().Healthy());
    ASSERT_EQ(reg.Dependencies().size(), 3000u);
    EXPECT_EQ(reg.Dependencies().front(), reg.Dependencies().back());
    ASSERT_EQ(reg.Count(), 3001);
    EXPECT_EQ(reg.At(3001)->order(), 120);
}

// A file that loads healthy stays healthy through the register's own
// writes, and every group comes back as it was written.
TEST_F(RegisterTest, OwnWritesNeverLoseAGroupOfAHealthyFile) {
    // The last line has no line end (a table record, so that a joined line
    // would cost the group before the new one too).
    writeFile(reg.FilePath(), "2!!4!!Z|@4|!!Y\n4\n0!!1!!Manual1-1!!Y\n1");
    ASSERT_TRUE(reg.LoadGroupRegister().Healthy());
    reg.RegisterGroup(qt::spec("S3"));
    // A group replacing a registered one under its ID is not in the file, so
    // what refers to it must not refer by that ID.
    auto z6 = qt::spec("Z6");
    reg.RegisterGroup(z6, "S|@3|");
    reg.RegisterGroup(subgroup(z6, [&](int k) { return 3 % z6->elementOrder(k) == 0; }), "Subgroup3-1(S|@3|)");
    reg.RegisterGroup(qt::spec("Z2xZ6"));

    GroupRegister back(dir.path());
    ASSERT_TRUE(back.LoadGroupRegister().Healthy());
    ASSERT_EQ(back.Count(), 5);
    EXPECT_EQ(back.At(2)->GroupID(), "Manual1-1");
    EXPECT_EQ(back.At(3)->order(), 6);  // the file keeps the replaced group
    for (int p : {1, 4, 5}) expectSameGroup(*reg.At(p), *back.At(p));
}

// Cutting a good file at any line, or flipping characters in it, must load
// a prefix of its groups, never anything else.
TEST(DamagedRegisterSweep, AnyDamageLeavesAPrefixOfTheGroups) {
    TempDir dir;
    std::vector<GroupPtr> originals;
    {
        GroupRegister reg(dir.path());
        for (const auto& [g, id] : everyMethod()) reg.RegisterGroup(g, id);
        originals = reg.Groups();
    }
    const std::string good = readFile(dir.path() / kRegisterFileName);
    const std::vector<std::string> lines = SplitLines(good);

    auto load = [&](const std::string& text) {
        writeFile(dir.path() / kRegisterFileName, text);
        auto reg = std::make_unique<GroupRegister>(dir.path());
        reg->SetReadOnly(true);
        (void)reg->LoadGroupRegister();
        return reg;
    };

    // Cut at a line end or inside a line: exactly the groups whose records
    // are complete come back, equal to the originals.
    for (std::size_t cut = 0; cut < lines.size(); ++cut) {
        std::string text;
        for (std::size_t i = 0; i < cut; ++i) text += lines[i] + "\n";
        for (const std::string& t : {text, text + lines[cut].substr(0, lines[cut].size() / 2)}) {
            const auto reg = load(t);
            ASSERT_LE(reg->Count(), static_cast<int>(originals.size()));
            for (int p = 1; p <= reg->Count(); ++p)
                expectSameGroup(*originals[static_cast<std::size_t>(p - 1)], *reg->At(p));
        }
    }
    // Flipped characters may still read as other valid groups; whatever is
    // read must be a group.
    std::mt19937 rng(7);
    const std::string noise = "!-$%,TF0123456789 xY|@";
    for (int i = 0; i < 150; ++i) {
        std::string text = good;
        for (int flips = 1 + i % 3; flips > 0; --flips) text[rng() % text.size()] = noise[rng() % noise.size()];
        const auto reg = load(text);
        for (const GroupPtr& g : reg->Groups()) ASSERT_EQ(qt::checkGroupAxioms(*g), "") << g->GroupID();
    }
}

// A registered group without an ID stays registered when damage after it
// makes the file be rebuilt.
TEST_F(RegisterTest, RebuiltFileKeepsAGroupWithoutAnId) {
    writeFile(reg.FilePath(), std::string("0!!2!!!!Y\na b\nb a\n\0\0\0\0\0\0\0H", 26));
    EXPECT_TRUE(reg.LoadGroupRegister().damaged);
    GroupRegister again(dir.path());
    EXPECT_FALSE(again.LoadGroupRegister().damaged);
    ASSERT_EQ(again.Count(), reg.Count());
    for (int p = 1; p <= reg.Count(); ++p) expectSameGroup(*reg.At(p), *again.At(p));
}

TEST_F(RegisterTest, DescribedRecordsAreRebuiltFromTheirDescription) {
    writeFile(reg.FilePath(),
              "9!!8!!D|@4|!!Y\nD4\n9!!6!!Pres6-1!!Y\n<a,b|a^3,b^2,(ab)^2>\n9!!8!!X!!Y\n<a|a^9>\n9!!8!!Y!!Y\nQ8\n");
    const LoadReport report = reg.LoadGroupRegister();
    EXPECT_TRUE(report.damaged);  // <a|a^9> has 9 elements, not 8
    ASSERT_EQ(reg.Count(), 3);
    EXPECT_EQ(reg.At(1)->Description(), "D4");
    EXPECT_EQ(reg.At(2)->GroupID(), "Pres6-1");
    EXPECT_EQ(reg.At(2)->SourceElement(2), "a");
    EXPECT_EQ(reg.At(3)->GroupID(), "Y");
}

}  // namespace
}  // namespace quorix::storage
