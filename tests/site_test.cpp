// The series website of a seeded series: every page there, HTML5 with its
// charset and the one stylesheet, nothing fetched from elsewhere, every
// internal link and anchor resolving, and (where tidy is installed) no
// markup errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "file_fixtures.h"
#include "report/site.h"

namespace ovs {
namespace {

namespace fs = std::filesystem;

// Every value of an attribute (`name="..."`) in the page, in order.
std::vector<std::string> Attributes(const std::string& html, const std::string& name)
{
    std::vector<std::string> values;
    const std::string key = " " + name + "=\"";
    for (std::size_t at = html.find(key); at != std::string::npos; at = html.find(key, at)) {
        at += key.size();
        const std::size_t end = html.find('"', at);
        if (end == std::string::npos) break;
        values.push_back(html.substr(at, end - at));
    }
    return values;
}

std::string ReadFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Site, ASeededSeriesGivesLinkedPagesThatNeedNothingFromOutside)
{
    test::StartedGame game(20261207u);
    ASSERT_TRUE(game.started);
    std::string error;
    const fs::path dir = fs::temp_directory_path() / ("ovs-site-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    EXPECT_FALSE(WriteSite(game.g, dir.string(), error)) << "no series yet";
    ASSERT_TRUE(game.StartComputerSeries(0, 1, 2));
    ASSERT_TRUE(game.PumpToEnd());

    int calls = 0, last = 0;
    ASSERT_TRUE(WriteSite(game.g, (dir / "site").string(), error, [&](int done, int total) {
        ++calls;
        last = done;
        EXPECT_LE(done, total);
    })) << error;
    const std::vector<std::string> pages = SitePages(game.g);
    EXPECT_EQ(calls, static_cast<int>(pages.size()));
    EXPECT_EQ(last, calls);
    for (const char* page : {"index.html", "test-1.html", "test-2.html", "averages.html", "records.html", "style.css"})
        EXPECT_NE(std::find(pages.begin(), pages.end(), page), pages.end()) << page;

    // The pages and their anchors, then every link against them.
    std::map<std::string, std::set<std::string>> ids;
    for (const std::string& page : pages) {
        ASSERT_TRUE(fs::exists(dir / "site" / page)) << page;
        const std::string html = ReadFile(dir / "site" / page);
        for (const std::string& id : Attributes(html, "id")) ids[page].insert(id);
    }
    int links = 0;
    for (const std::string& page : pages) {
        if (page == "style.css") continue;
        SCOPED_TRACE(page);
        const std::string html = ReadFile(dir / "site" / page);
        EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n", 0), 0u);
        EXPECT_NE(html.find("<link rel=\"stylesheet\" href=\"style.css\">"), std::string::npos);
        EXPECT_EQ(html.find("<script"), std::string::npos);
        EXPECT_EQ(html.find("http"), std::string::npos) << "no external requests";
        EXPECT_TRUE(Attributes(html, "src").empty()) << "nothing is loaded from elsewhere";
        for (const std::string& target : Attributes(html, "href")) {
            const std::size_t hash = target.find('#');
            const std::string file = hash == std::string::npos ? target : target.substr(0, hash);
            const std::string anchor = hash == std::string::npos ? "" : target.substr(hash + 1);
            const std::string in = file.empty() ? page : file;
            EXPECT_TRUE(fs::exists(dir / "site" / in)) << target;
            if (!anchor.empty()) {
                EXPECT_TRUE(ids[in].count(anchor)) << target;
            }
            ++links;
        }
    }
    EXPECT_GT(links, 100);
    const std::string index = ReadFile(dir / "site" / "index.html");
    EXPECT_NE(index.find("<a href=\"test-2.html\">2nd Test at "), std::string::npos);
    const std::string scorecard = ReadFile(dir / "site" / "test-1.html");
    EXPECT_NE(scorecard.find("<th>Batsman</th>"), std::string::npos);
    // The charts stand inline: the worm and a Manhattan of each innings.
    EXPECT_NE(scorecard.find("<figure class=\"chart\">\n<svg "), std::string::npos);
    EXPECT_NE(scorecard.find("Worm: runs by overs"), std::string::npos);
    EXPECT_NE(scorecard.find("Manhattan: "), std::string::npos);

    // tidy reports no errors on any page.
    if (std::system("tidy -v > /dev/null 2>&1") == 0) {
        for (const std::string& page : pages) {
            if (page == "style.css") continue;
            const std::string cmd = "tidy -e -q '" + (dir / "site" / page).string() + "' > /dev/null 2>&1";
            const int rc = std::system(cmd.c_str());
            EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) < 2) << page << " has markup errors";
        }
    }

    // A folder that cannot be made is refused with its path.
    std::ofstream(dir / "file") << "x";
    EXPECT_FALSE(WriteSite(game.g, (dir / "file" / "site").string(), error));
    EXPECT_NE(error.find((dir / "file").string()), std::string::npos) << error;
    fs::remove_all(dir);
}

TEST(Site, TextIsEscapedAndItsOneByteCharactersBecomeUtf8)
{
    EXPECT_EQ(HtmlEscape("A & B <c> \"d\""), "A &amp; B &lt;c&gt; &quot;d&quot;");
    EXPECT_EQ(HtmlEscape("M\xfcller"), "M\xc3\xbcller");
}

}  // namespace
}  // namespace ovs
