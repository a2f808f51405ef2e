#include <gtest/gtest.h>

#include "run_tool.h"

using quorix::testing::runTool;

TEST(DescribedGroups, EveryVerbTakesTheNewDescriptions) {
    const char* verbs[] = {"group", "facts", "subgroups", "identify", "lattice", "table", "classes", "series"};
    for (const char* spec : {"D4", "Dic3", "Q8", "'GL(2,2)'", "D4xZ2", "'<a, b | a^4, b^2, (ab)^2>'"})
        for (const char* verb : verbs) {
            const auto r = runTool(std::string(verb) + " " + spec);
            EXPECT_EQ(r.exitCode, 0) << verb << " " << spec << ": " << r.err;
        }
    const auto same = runTool("compare 'PSL(2,5)' '<a,b | a^2, b^3, (ab)^5>'");
    EXPECT_NE(same.out.find("isomorphically equivalent"), std::string::npos) << same.out;
    EXPECT_NE(runTool("identify '<a,b | a^4 = b^2 = 1, bab^-1 = a^-1>'").out.find("D_4"), std::string::npos);
}

TEST(DescribedGroups, RefusalsAreOneLineUsageErrors) {
    for (const char* spec :
         {"'<a,b | ab = ba>'", "'<a,b | a^2, b^3, (ab)^7>'", "'<a,b | a^2, c>'", "'GL(2,11)'", "Dic1"}) {
        const auto r = runTool(std::string("group ") + spec);
        EXPECT_EQ(r.exitCode, 2) << spec;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}
