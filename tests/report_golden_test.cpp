// The reports of a seeded series against the files checked in under
// tests/golden, the layout rules every report of the catalogue keeps, and the
// report command of ovalspin-cli.
//
// A change meant to alter play moves the golden files with it: run the tests
// with OVALSPIN_UPDATE_GOLDEN=1 to write them anew, and read the diff.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "file_fixtures.h"
#include "report/catalogue.h"

namespace ovs {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(OVALSPIN_SOURCE_DIR) / "tests" / "golden";

// One seeded series of two Tests between the first two squads, played once
// for the whole suite.
class ReportGolden : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        game = std::make_unique<test::StartedGame>(20261207u);
        ASSERT_TRUE(game->started);
        ASSERT_TRUE(game->StartComputerSeries(0, 1, 2));
        ASSERT_TRUE(game->PumpToEnd());
    }
    static void TearDownTestSuite() { game.reset(); }

    static Game& g() { return game->g; }

    static std::string Report(const char* name, bool html, ReportParams p = {})
    {
        const ReportEntry* r = FindReport(name);
        EXPECT_NE(r, nullptr) << name;
        if (!r) return "";
        std::string error;
        EXPECT_TRUE(ResolveReportParams(g(), *r, p, error)) << name << ": " << error;
        std::FILE* f = std::tmpfile();
        WriteReportStream(g(), *r, p, html, f);
        std::string text;
        std::rewind(f);
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
        return text;
    }

    static void ExpectGolden(const std::string& file, const std::string& text)
    {
        const fs::path path = kGolden / file;
        if (std::getenv("OVALSPIN_UPDATE_GOLDEN")) {
            fs::create_directories(kGolden);
            std::ofstream(path, std::ios::binary) << text;
            return;
        }
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << "missing " << path << " (OVALSPIN_UPDATE_GOLDEN=1 writes it)";
        std::stringstream want;
        want << in.rdbuf();
        EXPECT_TRUE(test::Same(want.str(), text)) << file;
    }

    static inline std::unique_ptr<test::StartedGame> game;
};

TEST_F(ReportGolden, TextAndPagesOfARepresentativeSetMatchTheCheckedInFiles)
{
    struct Case {
        const char* name;
        const char* file;
        ReportParams p;
    };
    ReportParams second;
    second.test = 1;
    ReportParams home;
    home.squad = g().Series.nSquad[0];
    ReportParams away;
    away.squad = g().Series.nSquad[1];
    const Case cases[] = {
        {"scoreboard", "scoreboard", second},
        {"series-summary", "series-summary", {}},
        {"averages", "averages", home},
        {"highest-scores", "highest-scores", {}},
        {"highest-wicket-partnerships", "partnerships", {}},
        {"most-wickets", "most-wickets", {}},
        {"squad-details", "squad-details", away},
    };
    for (const Case& c : cases) {
        ExpectGolden(std::string(c.file) + ".txt", Report(c.name, false, c.p));
        ExpectGolden(std::string(c.file) + ".htm", Report(c.name, true, c.p));
    }
}

// The same seed before a ball is bowled: the record tables are empty.
TEST_F(ReportGolden, AnEmptyRecordTableIsAWholePageWithItsHeadingsOnly)
{
    auto fresh = std::make_unique<test::StartedGame>(20261207u);
    ASSERT_TRUE(fresh->started);
    std::swap(game, fresh);
    const std::string text = Report("highest-innings", false);
    const std::string page = Report("highest-innings", true);
    std::swap(game, fresh);
    ExpectGolden("empty-record-table.txt", text);
    ExpectGolden("empty-record-table.htm", page);
    EXPECT_NE(page.find("<h3>Highest Innings</h3>\n\n<pre>  Runs                    Venue\n</pre>\n<hr>\n"),
              std::string::npos)
        << page;
}

// Every report of the catalogue: lines within 78 columns with no trailing
// blank, the title centred; every page with its head and foot, each block's
// first line on the line of its "<pre>".
TEST_F(ReportGolden, EveryReportKeepsTheLayoutRules)
{
    for (const ReportEntry& r : ReportCatalogue()) {
        SCOPED_TRACE(r.name);
        ReportParams p;
        if (std::string(r.name).rfind("league", 0) == 0) continue;   // no league in this game
        const std::string text = Report(r.name, false, p);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n');
        std::vector<std::string> lines = test::Lines(text);
        bool titled = false;
        for (const std::string& line : lines) {
            EXPECT_LE(line.size(), 78u) << line;
            if (!line.empty()) {
                EXPECT_NE(line.back(), ' ') << line;
            }
            if (!titled && !line.empty()) {
                titled = true;
                const std::size_t lead = line.find_first_not_of(' ');
                EXPECT_EQ(lead, (78 - (line.size() - lead)) / 2) << "title not centred: " << line;
            }
        }
        const std::string page = Report(r.name, true, p);
        EXPECT_EQ(page.rfind("<html>\n<head>\n  <title>Ovalspin Output</title>\n", 0), 0u);
        EXPECT_NE(page.find("<body text=\"#ffffff\" bgcolor=\"#004000\" link=\"#ffff00\" vlink=\"#80ff80\" "
                            "alink=\"#00ff40\">\n\n"),
                  std::string::npos);
        EXPECT_EQ(page.substr(page.size() - 16), "</body>\n</html>\n");
        std::size_t open = 0, blocks = 0;
        while ((open = page.find("<pre>", open)) != std::string::npos) {
            ++blocks;
            open += 5;
            EXPECT_NE(page[open], '\n') << "a block's first line belongs on the <pre> line";
        }
        std::size_t closes = 0;
        for (std::size_t at = 0; (at = page.find("</pre>\n", at)) != std::string::npos; at += 7) ++closes;
        EXPECT_EQ(blocks, closes);
    }
}

TEST_F(ReportGolden, TheSecondTestsScoreboardPageCarriesItsAnchor)
{
    ReportParams p;
    p.test = 1;
    const std::string page = Report("scoreboard", true, p);
    EXPECT_NE(page.find("<h3><a name=\"test2\"></a>2nd Test - Played at "), std::string::npos);
}

// ---- ovalspin-cli report -------------------------------------------------------

TEST(ReportCommand, ListsWritesAndRefusesAsAScriptExpects)
{
    const fs::path dir = fs::temp_directory_path() / ("ovs-report-cli-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    int rc = -1;
    const std::string list = test::RunCli(dir.string(), "report --list", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_NE(list.find("highest-innings"), std::string::npos);
    EXPECT_NE(list.find("HighInns.txt"), std::string::npos);
    EXPECT_NE(list.find("HighInns.htm"), std::string::npos);

    // Without --out the report goes to standard output, byte for byte.
    const std::string table = test::RunCli(dir.string(), "report highest-innings", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(table, std::string(31, ' ') + "Highest Innings\n\n" + std::string(18, ' ') + "Runs" +
                         std::string(20, ' ') + "Venue\n");

    const fs::path page = dir / "HighInns.htm";
    test::RunCli(dir.string(), "report highest-innings --format html --out '" + page.string() + "'", &rc);
    EXPECT_EQ(rc, 0);
    std::ifstream in(page);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_EQ(written.str().rfind("<html>\n", 0), 0u);
    EXPECT_FALSE(fs::exists(page.string() + ".tmp"));

    const fs::path nowhere = dir / "missing" / "x.txt";
    const std::string refused = test::RunCli(dir.string(), "report most-runs --out '" + nowhere.string() + "'", &rc);
    EXPECT_NE(rc, 0);
    EXPECT_NE(refused.find(nowhere.string()), std::string::npos) << refused;
    EXPECT_NE(refused.find("No such file or directory"), std::string::npos) << refused;

    test::RunCli(dir.string(), "report scoreboard", &rc);
    EXPECT_NE(rc, 0) << "a scoreboard needs a series";
    test::RunCli(dir.string(), "report no-such-report", &rc);
    EXPECT_EQ(rc, 2);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace ovs
