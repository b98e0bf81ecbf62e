// The report catalogue: names, file names and parameters front ends rely on.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "report/catalogue.h"

namespace ovs {
namespace {

TEST(Catalogue, NamesAreUniqueLowercaseHyphenatedWordsWithBothFileNames)
{
    std::set<std::string> names;
    for (const ReportEntry& r : ReportCatalogue()) {
        const std::string name = r.name;
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string::npos) << name;
        EXPECT_NE(name.front(), '-');
        EXPECT_NE(name.back(), '-');
        EXPECT_EQ(name.find("--"), std::string::npos) << name;
        const std::string text = r.textFile, html = r.htmlFile;
        EXPECT_EQ(text.substr(text.size() - 4) == ".txt" || text.substr(text.size() - 4) == ".TXT" ||
                      text.substr(text.size() - 4) == ".Txt",
                  true)
            << text;
        EXPECT_TRUE(html.size() > 4 && (html.substr(html.size() - 4) == ".htm" || html.substr(html.size() - 4) == ".HTM"))
            << html;
        EXPECT_EQ(FindReport(name), &r);
    }
    EXPECT_EQ(FindReport("no-such-report"), nullptr);
    ASSERT_NE(FindReport("scoreboard"), nullptr);
    EXPECT_STREQ(FindReport("scoreboard")->textFile, "ScoreBrd.Txt");
    EXPECT_STREQ(FindReport("highest-innings")->htmlFile, "HighInns.htm");
    EXPECT_EQ(FindReport("scoreboard")->params, static_cast<unsigned>(PARAM_TEST));
}

}  // namespace
}  // namespace ovs
