// The view tables on a database filled by a seeded series: a few tables are
// rebuilt here from the Tests' innings and compared cell by cell; every table
// is checked for its row count, its headings and the order of its key column;
// an untouched database shows headings only; and `ovalspin-cli view` prints
// the same lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/menu.h"
#include "data/texts.h"
#include "file_fixtures.h"
#include "report/catalogue.h"
#include "report/view_tables.h"
#include "test_util.h"

namespace ovs {
namespace {

ViewTable Build(const Game& g, const std::string& name, int arg = 0)
{
    ViewTable t;
    std::string error;
    EXPECT_TRUE(BuildView(g, name, arg, t, &error)) << name << ": " << error;
    return t;
}

// Cell `col` of every row.
std::vector<std::string> Column(const ViewTable& t, std::size_t col)
{
    std::vector<std::string> out;
    for (const auto& r : t.rows) out.push_back(col < r.size() ? r[col] : "");
    return out;
}

// The leading number of a cell ("129*" 129, "5-92" 5, "12.50" 12.5).
double Lead(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

// A seeded three-Test series between the first two squads, played once for
// every test of this file.
class FilledDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        session = new test::StartedGame(20261207);
        ASSERT_TRUE(session->StartComputerSeries(0, 1, 3));
        ASSERT_TRUE(session->PumpToEnd([](std::uint32_t, std::int32_t) {}));
    }
    static void TearDownTestSuite()
    {
        delete session;
        session = nullptr;
    }
    static test::StartedGame* session;
    const Game& g = session->g;

    // Every batting innings of the series: (player, runs, not out), worked out
    // from the innings records and the elevens.
    struct Knock {
        int player;
        int runs;
        bool notOut;
    };
    std::vector<Knock> Knocks() const
    {
        std::vector<Knock> out;
        for (int t = 0; t < g.Series.nNumTests; ++t) {
            const TEST& test = g.Series.Test[t];
            for (const INNINGS& in : test.Innings) {
                if (in.nStatus == INNINGS_NOTSTARTED || in.nBatSide < 0 || in.nBatSide > 1) continue;
                for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
                    const BAT& b = in.Bat[slot];
                    if (b.nHowOut == HOWOUT_DIDNOTBAT) continue;
                    out.push_back({PlayerOf(test, in.nBatSide, slot), b.nRuns, b.nHowOut == HOWOUT_NOTOUT});
                }
            }
        }
        return out;
    }
    int PlayerOf(const TEST& test, int side, int slot) const
    {
        const int member = test.nPlayer[slot][side];
        return g.Series.Squad[side].nPlayer[member];
    }
};

test::StartedGame* FilledDatabase::session = nullptr;

TEST_F(FilledDatabase, MostRunsInTestsIsTheSumOfEveryInnings)
{
    std::map<int, long> runs;
    std::map<int, int> innings, notOuts;
    for (const Knock& k : Knocks()) {
        runs[k.player] += k.runs;
        ++innings[k.player];
        notOuts[k.player] += k.notOut;
    }
    const ViewTable t = Build(g, "most-runs");
    ASSERT_EQ(t.columns.size(), 9u);
    EXPECT_EQ(t.columns[0].head, "Runs");
    EXPECT_EQ(t.columns[1].head, "Player");
    // More batsmen than ranks: the table is cut at 20.
    ASSERT_GT(runs.size(), 20u);
    ASSERT_EQ(t.rows.size(), 20u);

    std::vector<long> expected;
    for (const auto& [p, r] : runs) expected.push_back(r);
    std::sort(expected.rbegin(), expected.rend());
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        EXPECT_EQ(Lead(t.rows[i][0]), expected[i]) << "rank " << i + 1;
        // The name in the row is a player with exactly these figures.
        bool found = false;
        for (const auto& [p, r] : runs)
            if (DisplayName(g.db.players[p]) == t.rows[i][1] && std::to_string(r) == t.rows[i][0]) {
                found = true;
                EXPECT_EQ(t.rows[i][3], std::to_string(innings[p]));
                EXPECT_EQ(t.rows[i][4], std::to_string(notOuts[p]));
            }
        EXPECT_TRUE(found) << t.rows[i][1];
    }
}

TEST_F(FilledDatabase, HighestScoresAndInningsAreTheBestOfTheSeries)
{
    std::vector<std::pair<int, bool>> scores;
    for (const Knock& k : Knocks()) scores.push_back({k.runs, k.notOut});
    std::stable_sort(scores.begin(), scores.end(), [](auto a, auto b) { return a.first > b.first; });
    const ViewTable t = Build(g, "highest-scores");
    ASSERT_EQ(t.rows.size(), 20u);
    for (std::size_t i = 0; i < t.rows.size(); ++i) EXPECT_EQ(Lead(t.rows[i][0]), scores[i].first) << i;

    std::vector<std::pair<int, int>> totals;   // runs, wickets
    for (int n = 0; n < g.Series.nNumTests; ++n)
        for (const INNINGS& in : g.Series.Test[n].Innings)
            if (in.nStatus != INNINGS_NOTSTARTED && in.nBatSide >= 0) totals.push_back({in.nTotal, in.nWickets});
    std::sort(totals.begin(), totals.end(),
              [](auto a, auto b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    const ViewTable hi = Build(g, "highest-innings");
    ASSERT_EQ(hi.rows.size(), totals.size());
    for (std::size_t i = 0; i < totals.size(); ++i) {
        EXPECT_EQ(hi.rows[i][0], std::to_string(totals[i].first) + "-" + std::to_string(totals[i].second));
        EXPECT_NE(hi.rows[i][1].find(" vs "), std::string::npos);
        EXPECT_FALSE(hi.rows[i][2].empty()) << "venue";
    }
}

// The direction of each table's key column: true when lower comes first.
bool Ascending(const std::string& name)
{
    return name == "lowest-innings" || name == "best-bowling-average" || name == "bowling-strike-rate" ||
           name == "bowling-economy-rate";
}

TEST_F(FilledDatabase, EveryTableIsCutAtTheRanksAndInOrder)
{
    int filled = 0;
    for (const ViewInfo& v : ViewCatalogue()) {
        if (v.arg != ViewArg::None) continue;
        SCOPED_TRACE(v.name);
        const ViewTable t = Build(g, v.name);
        EXPECT_EQ(t.title, v.title);
        EXPECT_LE(t.rows.size(), 20u);
        EXPECT_FALSE(t.columns.empty());
        for (const auto& r : t.rows) ASSERT_EQ(r.size(), t.columns.size());
        if (!t.rows.empty()) ++filled;
        // The key column never goes the wrong way (ties allowed).
        const std::vector<std::string> key = Column(t, 0);
        for (std::size_t i = 1; i < key.size(); ++i) {
            if (Ascending(v.name))
                EXPECT_LE(Lead(key[i - 1]), Lead(key[i])) << "row " << i;
            else
                EXPECT_GE(Lead(key[i - 1]), Lead(key[i])) << "row " << i;
        }
        // The text has the headings, a blank line and a line per row.
        const std::vector<std::string> lines = ViewLines(t);
        const std::size_t over = t.columns.size() > 0 && std::any_of(t.columns.begin(), t.columns.end(),
                                                                      [](const ViewColumn& c) { return !c.over.empty(); });
        ASSERT_EQ(lines.size(), over + 2 + t.rows.size());
        EXPECT_NE(lines[over].find(t.columns[0].head), std::string::npos);
        for (const std::string& l : lines) EXPECT_LE(static_cast<int>(l.size()), std::max(t.cells, 88));
    }
    // Three Tests fill nearly every table; the tenth-wicket stand may stay empty.
    EXPECT_GE(filled, 40);
}

TEST_F(FilledDatabase, SquadViewsListTheMembers)
{
    const ViewTable series = Build(g, "series-batting-averages", 0);
    EXPECT_EQ(series.title, "Series Batting Averages - " + std::string(g.db.squads[g.Series.nSquad[0]].szName));
    EXPECT_EQ(static_cast<int>(series.rows.size()), g.Series.Squad[0].nMembers);
    // Batting averages: higher first, the never-dismissed (blank) at the end.
    for (std::size_t i = 1; i < series.rows.size(); ++i)
        if (!series.rows[i][5].empty()) {
            EXPECT_GE(Lead(series.rows[i - 1][5]), Lead(series.rows[i][5]));
        }

    const ViewTable ratings = Build(g, "current-ratings", 1);
    EXPECT_EQ(static_cast<int>(ratings.rows.size()), g.db.squads[1].nMembers);
    EXPECT_EQ(ratings.columns[1].head, "Batting");

    ViewTable bad;
    std::string error;
    EXPECT_FALSE(BuildView(g, "career-batting-averages", g.db.NumSquads(), bad, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(BuildView(g, "no-such-view", 0, bad, &error));

    // The player chooser is by surname, then initials.
    const std::vector<ViewChoice> players = PlayerChoices(g);
    ASSERT_FALSE(players.empty());
    for (std::size_t i = 1; i < players.size(); ++i) EXPECT_LE(players[i - 1].text, players[i].text);
    const ViewTable details = Build(g, "player-details", players[0].index);
    EXPECT_EQ(details.rows[0][0], DisplayName(g.db.players[players[0].index]));
    const ViewTable ground = Build(g, "ground-details", 0);
    EXPECT_EQ(ground.rows[2][0], "Played");
}

TEST(ViewTables, AnUntouchedDatabaseShowsHeadingsOnly)
{
    test::StartedGame s(1);
    for (const ViewInfo& v : ViewCatalogue()) {
        if (v.arg != ViewArg::None) continue;
        const ViewTable t = Build(s.g, v.name);
        EXPECT_TRUE(t.rows.empty()) << v.name;
        EXPECT_FALSE(ViewLines(t).empty()) << v.name;
    }
}

TEST(ViewTables, RecordsCommandsOpenEveryTableOnce)
{
    std::vector<std::string> all = RecordsCommandViews(CMD_RECORDS_ALL);
    std::size_t groups = 0;
    for (int c = CMD_RECORDS_BATTING; c <= CMD_RECORDS_POINTS; ++c) groups += RecordsCommandViews(c).size();
    std::size_t single = 0;
    for (int c = 1606; c <= CMD_RECORDS_LAST; ++c) {
        EXPECT_EQ(IsRecordsCommand(c), !RecordsCommandViews(c).empty()) << c;
        single += RecordsCommandViews(c).size();
    }
    EXPECT_EQ(RecordsCommandViews(1624).size(), 10u);   // the ten wicket stands in a row
    EXPECT_EQ(single, all.size());
    EXPECT_EQ(groups + 6, all.size());   // the six rating tables have no group
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::unique(all.begin(), all.end()), all.end());
}

TEST(ViewTables, EveryViewHasItsReport)
{
    for (const ViewInfo& v : ViewCatalogue()) {
        const ReportEntry* r = FindReport(ReportNameOf(v));
        ASSERT_NE(r, nullptr) << v.name;
        EXPECT_TRUE(ReportWritable(*r)) << v.name;
        EXPECT_STREQ(r->textFile, v.textFile) << v.name;
        EXPECT_STREQ(r->htmlFile, v.htmlFile) << v.name;
    }
}

TEST(ViewTables, TheHeadlessViewPrintsTheTable)
{
    const std::string dir = test::MakeTempDir("ovs-view");
    int rc = -1;
    const std::string list = test::RunCli(dir, "view --list", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_NE(list.find("most-runs"), std::string::npos);
    EXPECT_NE(list.find("player-details"), std::string::npos);
    const std::string out = test::RunCli(dir, "view highest-average", &rc);
    EXPECT_EQ(rc, 0);
    const std::vector<std::string> lines = test::Lines(out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Best Batting Average");
    EXPECT_NE(lines[2].find("Avge  Player"), std::string::npos);
    test::RunCli(dir, "view no-such-view", &rc);
    EXPECT_EQ(rc, 2);
    test::RunCli(dir, "view ground-details --ground 999", &rc);
    EXPECT_EQ(rc, 1);
}

}  // namespace
}  // namespace ovs
