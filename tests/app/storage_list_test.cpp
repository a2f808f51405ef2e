#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/group/group_spec.h"
#include "core/storage/group_register.h"
#include "core/storage/temp_dir.h"
#include "run_tool.h"
#include "support/groups.h"

namespace {

using quorix::testing::runTool;
namespace fs = std::filesystem;

class ListVerb : public ::testing::Test {
protected:
    void SetUp() override {
        quorix::storage::GroupRegister reg(dir);
        reg.RegisterGroup(quorix::MakeGroupFromSpec("S3"));
        reg.RegisterGroup(quorix::testing::quaternion(), "Group #8-5");
        reg.RegisterGroup(quorix::MakeGroupFromSpec("Z2xZ4"));
        reg.RegisterGroup(quorix::testing::dihedral(4), "Perm4-1");
    }
    std::string arg() const { return "--register '" + dir.string() + "'"; }

    quorix::testing::TempDir temp;
    const fs::path& dir = temp.path();
};

TEST_F(ListVerb, GroupsResolveByIdStrippedIdOrDescription) {
    const auto r = runTool("list " + arg() + " 'S|@3|' Z2xZ4 'Group #8-5' A4");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "S3\t1\t6\nZ2xZ4\t8\t8\nGroup #8-5\t0\t8\nA4\t4\t12\n");

    const auto bad = runTool("list " + arg() + " 'Group #8-6'");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("neither a registered group"), std::string::npos) << bad.err;
}

TEST_F(ListVerb, InOrderAndADamagedFileIsReportedButLeftAlone) {
    EXPECT_EQ(runTool("list " + arg()).err, "");
    const fs::path file = dir / quorix::storage::kRegisterFileName;
    { std::ofstream(file, std::ios::app) << "9!!1!!bad!!Y\n"; }
    const std::string before = quorix::testing::readFile(file);
    const auto r = runTool("list " + arg());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "S3\t1\t6\nGroup #8-5\t0\t8\nZ2xZ4\t8\t8\nPerm4-1\t5\t8\n");
    EXPECT_NE(r.err.find("the record at line 21 was left out"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("nothing was changed"), std::string::npos) << r.err;
    EXPECT_EQ(quorix::testing::readFile(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);  // with the lock file
}

// A stray line inside a record costs that record only, and a verb that
// first reads and then saves says once what happened.
TEST_F(ListVerb, ASavingVerbKeepsEveryIntactRecordAndSaysSoOnce) {
    const fs::path file = dir / quorix::storage::kRegisterFileName;
    std::string text = quorix::testing::readFile(file);
    text.insert(text.find("\n", text.find("Group #8-5")) + 1, "garbage\n");
    quorix::testing::writeFile(file, text);
    const auto r = runTool("subgroups Z2 --save " + arg());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err,
              "File QuorixObjects.bas is damaged: the record at line 3 was left out; every other record was read.\n"
              "Old file stored as QuorixObjectsBackup.bas as it was; earlier backups are kept as "
              "QuorixObjectsBackup-1.bas to -4.bas.\nQuorixObjects.bas file has been rebuilt.\n");
    EXPECT_EQ(quorix::testing::readFile(dir / quorix::storage::kRegisterBackupFileName), text);
    EXPECT_EQ(runTool("list " + arg()).out,
              "S3\t1\t6\nZ2xZ4\t8\t8\nPerm4-1\t5\t8\nSubgroup1-1(Z2)\t6\t1\nSubgroup2-1(Z2)\t6\t2\n");
}

TEST(ListVerbArgs, EmptyOrMissingDirectory) {
    quorix::testing::TempDir temp;
    const fs::path& empty = temp.path();
    auto r = runTool("list --register '" + empty.string() + "'");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out + r.err, "");  // a missing register file is no damage
    EXPECT_TRUE(fs::is_empty(empty));
    r = runTool("list --register '" + (empty / "nope").string() + "'");
    EXPECT_EQ(r.exitCode, 2);
}

}  // namespace
