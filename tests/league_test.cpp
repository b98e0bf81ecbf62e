// Leagues: the fixture lists, the points and the table's order, the new-league
// checks, and whole leagues played by the engine with their invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/flow.h"
#include "core/format.h"
#include "core/game.h"
#include "core/league.h"
#include "core/menu.h"
#include "core/messages.h"
#include "data/league.h"
#include "data/files.h"
#include "data/stores.h"
#include "data/texts.h"
#include "sim/selection.h"
#include "report/league_text.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "file_fixtures.h"
#include "test_host.h"

namespace ovs {
namespace {

// Stores whose first `n` squads are named by `name(k)`, with the league's teams
// 0..n-1 being those squads.
struct FixtureLeague {
    explicit FixtureLeague(int n, const std::function<std::string(int)>& name = {})
    {
        db.squads.resize(MAX_LEAGUE_TEAMS + 2);
        InitLeague(l);
        l.nTests = 1;
        l.nSquads = static_cast<std::int16_t>(n);
        for (int k = 0; k < n; ++k) {
            l.nSquad[k] = static_cast<std::int16_t>(k);
            SetText(db.squads[k].szName, name ? name(k) : std::string(1, static_cast<char>('A' + k)));
        }
        GenerateFixtures(l, db);
    }
    std::string Round(int r) const
    {
        std::string s;
        for (const FIXTURE& f : l.Fixture[r]) {
            if (f.nHome < 0 && f.nAway < 0) continue;
            if (!s.empty()) s += ' ';
            s += Format("%d-%d", int{f.nHome}, int{f.nAway});
        }
        return s;
    }
    Stores db;
    LEAGUE l{};
};

TEST(LeagueFixtures, FourTeamsFollowTheWorkedExampleInNameOrder)
{
    // Names in team order: each round sorted by home team of the worked example
    // 2-0 3-1; 3-2 1-0; 0-3 2-1; 0-2 1-3; 2-3 0-1; 3-0 1-2.
    FixtureLeague f(4);
    const char* want[] = {"2-0 3-1", "1-0 3-2", "0-3 2-1", "0-2 1-3", "0-1 2-3", "1-2 3-0", "", ""};
    for (int r = 0; r < 8; ++r) EXPECT_EQ(f.Round(r), want[r]) << "round " << r + 1;

    // Names in reverse team order put the higher home team first.
    FixtureLeague g(4, [](int k) { return std::string(1, static_cast<char>('Z' - k)); });
    EXPECT_EQ(g.Round(0), "3-1 2-0");
    EXPECT_EQ(g.Round(1), "3-2 1-0");
}

TEST(LeagueFixtures, TwoTeamsPlayTwoRoundsThenTwoEmpty)
{
    FixtureLeague f(2);
    EXPECT_EQ(f.Round(0), "0-1");
    EXPECT_EQ(f.Round(1), "1-0");
    EXPECT_EQ(f.Round(2), "");
    EXPECT_EQ(f.Round(3), "");
    EXPECT_EQ(LeagueRealRounds(2), 2);
    EXPECT_EQ(LeagueAllRounds(2), 4);
}

// Every pair twice with home and away swapped, nobody twice in a round, the
// rounds with fixtures as the rule says, byes last and the rest in name order.
TEST(LeagueFixtures, EveryPairTwiceForTwoToTenTeams)
{
    for (int n : {2, 3, 4, 5, 7, 10}) {
        SCOPED_TRACE(n);
        // Names that do not follow team numbers, so the name order is seen.
        FixtureLeague f(n, [](int k) { return Format("Squad %c", "QWERTYUIOP"[k]); });
        const int even = (n + 1) / 2 * 2;
        const int rounds = n % 2 ? 2 * n : 2 * (n - 1);
        EXPECT_EQ(LeagueRealRounds(n), rounds);
        std::map<std::pair<int, int>, int> meetings;
        std::map<std::pair<int, int>, int> roundOf;
        for (int r = 0; r < MAX_LEAGUE_ROUNDS; ++r) {
            std::set<int> seen;
            int real = 0;
            bool byeSeen = false;
            std::string lastHome;
            for (int i = 0; i < MAX_LEAGUE_FIXTURES; ++i) {
                const FIXTURE& fx = f.l.Fixture[r][i];
                if (IsBye(f.l, r, i)) {
                    byeSeen = true;
                    continue;
                }
                EXPECT_FALSE(byeSeen) << "a fixture after a bye in round " << r;
                EXPECT_LT(i, LeagueSlots(n));
                ASSERT_GE(fx.nHome, 0);
                ASSERT_LT(fx.nHome, n);
                ASSERT_GE(fx.nAway, 0);
                ASSERT_LT(fx.nAway, n);
                EXPECT_TRUE(seen.insert(fx.nHome).second);
                EXPECT_TRUE(seen.insert(fx.nAway).second);
                const std::string home = f.db.squads[fx.nHome].szName;
                EXPECT_LE(lastHome, home) << "round " << r << " not in name order";
                lastHome = home;
                ++meetings[{fx.nHome, fx.nAway}];
                roundOf[{fx.nHome, fx.nAway}] = r;
                ++real;
            }
            if (r < rounds)
                EXPECT_EQ(real, n / 2) << "round " << r;
            else
                EXPECT_EQ(real, 0) << "round " << r;
        }
        for (int h = 0; h < n; ++h)
            for (int a = 0; a < n; ++a) {
                if (h == a) continue;
                EXPECT_EQ((meetings[{h, a}]), 1) << h << "-" << a;
                // The return rubber is the same round of the second half.
                EXPECT_EQ((roundOf[{h, a}] + even - 1) % (2 * (even - 1)), (roundOf[{a, h}])) << h << "-" << a;
            }
    }
}

// --- points and the table ------------------------------------------------------------

LEAGUE TableLeague(int n)
{
    LEAGUE l{};
    InitLeague(l);
    l.nTests = 2;
    l.nSquads = static_cast<std::int16_t>(n);
    return l;
}

TEST(LeaguePoints, HandWorkedResultsGiveTheTable)
{
    LEAGUE l = TableLeague(3);
    // Team 0 at home to 1: 0 wins (300/10 and 150/3 against 200/10 and 240/10),
    // then a draw; team 2 at home to 0: a tie, then 0 wins away.
    const LeagueInnings win[] = {{0, 300, 10}, {1, 200, 10}, {1, 240, 10}, {0, 150, 3}};
    RecordLeagueTest(l, 0, 1, LeagueOutcome::HomeWin, win, 4);
    const LeagueInnings draw[] = {{1, 400, 6}, {0, 100, 2}};
    RecordLeagueTest(l, 0, 1, LeagueOutcome::Draw, draw, 2);
    RecordLeagueTest(l, 2, 0, LeagueOutcome::Tie, nullptr, 0);
    RecordLeagueTest(l, 2, 0, LeagueOutcome::AwayWin, nullptr, 0);

    const LEAGUEPTS& p0 = l.Points[0];
    EXPECT_EQ(p0.nPlayed, 4);
    EXPECT_EQ(p0.nHomeWins, 1);
    EXPECT_EQ(p0.nHomeDraws, 1);
    EXPECT_EQ(p0.nAwayTies, 1);
    EXPECT_EQ(p0.nAwayWins, 1);
    EXPECT_EQ(p0.nPoints, 3 + 1 + 2 + 3);
    EXPECT_EQ(p0.nHomeRunsFor, 550);
    EXPECT_EQ(p0.nHomeWicketsLost, 15);
    EXPECT_EQ(p0.nHomeRunsAgainst, 840);
    EXPECT_EQ(p0.nHomeWicketsTaken, 26);
    const LEAGUEPTS& p1 = l.Points[1];
    EXPECT_EQ(p1.nPlayed, 2);
    EXPECT_EQ(p1.nAwayLosses, 1);
    EXPECT_EQ(p1.nAwayDraws, 1);
    EXPECT_EQ(p1.nPoints, 1);
    EXPECT_EQ(p1.nAwayRunsFor, 840);
    EXPECT_EQ(p1.nAwayWicketsTaken, 15);
    const LEAGUEPTS& p2 = l.Points[2];
    EXPECT_EQ(p2.nHomeTies, 1);
    EXPECT_EQ(p2.nHomeLosses, 1);
    EXPECT_EQ(p2.nPoints, 2);

    EXPECT_EQ(l.Result[0][1].nPlayed, 2);
    EXPECT_EQ(l.Result[0][1].nHomeWins, 1);
    EXPECT_EQ(l.Result[0][1].nAwayWins, 0);
    EXPECT_EQ(l.Result[2][0].nPlayed, 2);
    EXPECT_EQ(l.Result[2][0].nAwayWins, 1);
    EXPECT_EQ(l.Result[1][0].nPlayed, 0);

    // F = 550 / 15, A = 840 / 26 (only home figures so far).
    const LeagueRatios r = ComputeRatios(p0);
    EXPECT_FLOAT_EQ(r.forRatio, 550.0f / 15.0f);
    EXPECT_FLOAT_EQ(r.againstRatio, 840.0f / 26.0f);
    EXPECT_FLOAT_EQ(r.difference, 550.0f / 15.0f - 840.0f / 26.0f);
    EXPECT_EQ(LeagueTableOrder(l), (std::vector<int>{0, 2, 1}));

    // No wicket lost: F is the runs themselves.
    LEAGUEPTS none{};
    none.nAwayRunsFor = 123;
    EXPECT_FLOAT_EQ(ComputeRatios(none).forRatio, 123.0f);
}

// Points, D (runs per wicket for less against) and Tests played of each team.
void SetTeam(LEAGUE& l, int k, int points, int runsFor, int runsAgainst, int played)
{
    LEAGUEPTS& p = l.Points[k];
    p.nPoints = static_cast<std::int16_t>(points);
    p.nHomeRunsFor = runsFor;
    p.nHomeWicketsLost = 1;
    p.nHomeRunsAgainst = runsAgainst;
    p.nHomeWicketsTaken = 1;
    p.nPlayed = static_cast<std::int16_t>(played);
}

TEST(LeagueTable, OrderedByPointsThenDThenFewerTestsPlayed)
{
    // Points decide.
    LEAGUE l = TableLeague(3);
    SetTeam(l, 0, 3, 10, 50, 4);
    SetTeam(l, 1, 9, 10, 50, 4);
    SetTeam(l, 2, 6, 10, 50, 4);
    EXPECT_EQ(LeagueTableOrder(l), (std::vector<int>{1, 2, 0}));

    // Level on points and Tests: the larger D first.
    l = TableLeague(3);
    SetTeam(l, 0, 6, 20, 30, 4);   // D -10
    SetTeam(l, 1, 6, 40, 30, 4);   // D 10
    SetTeam(l, 2, 6, 30, 30, 4);   // D 0
    EXPECT_EQ(LeagueTableOrder(l), (std::vector<int>{1, 2, 0}));

    // Level on points and D: fewer Tests played first.
    l = TableLeague(3);
    SetTeam(l, 0, 6, 30, 30, 6);
    SetTeam(l, 1, 6, 30, 30, 2);
    SetTeam(l, 2, 6, 30, 30, 4);
    EXPECT_EQ(LeagueTableOrder(l), (std::vector<int>{1, 2, 0}));

    // ... but a team that has played none is never moved up by that rule.
    l = TableLeague(2);
    SetTeam(l, 0, 0, 0, 0, 4);
    SetTeam(l, 1, 0, 0, 0, 0);
    EXPECT_EQ(LeagueTableOrder(l), (std::vector<int>{0, 1}));

    // The rules act one after the other on the same pair: level on points, the
    // larger D moves up, and then fewer Tests played moves the other back.
    l = TableLeague(2);
    SetTeam(l, 0, 6, 30, 30, 2);   // D 0, two Tests
    SetTeam(l, 1, 6, 50, 30, 4);   // D 20, four Tests
    EXPECT_EQ(LeagueTableOrder(l), (std::vector<int>{0, 1}));
}

// --- the new-league box's checks and whole leagues -----------------------------------

// A game on the shipped database (ten squads of eighteen, six grounds each).
struct LeagueGame : test::StartedGame {
    explicit LeagueGame(std::uint32_t seed = 7) : StartedGame(seed) {}

    std::string Name(int squad) const { return g.db.squads[squad].szName; }
    std::vector<LeagueEntry> Rows(std::initializer_list<int> squads) const
    {
        std::vector<LeagueEntry> rows;
        for (int s : squads) rows.push_back({Name(s), false});
        return rows;
    }
};

TEST(LeagueChecks, EachRefusalInOrderWithItsRow)
{
    LeagueGame lg;
    Game& g = lg.g;
    ASSERT_GE(g.db.NumSquads(), 4);
    int row = -2;
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0}), 2, &row), "Not enough squads currently selected.");
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 1}), 7, &row), "Invalid number of Tests.");
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 1}), 0, &row), "Invalid number of Tests.");
    std::vector<LeagueEntry> rows = lg.Rows({0, 1, 2});
    rows[1].name = "No Such Squad";
    EXPECT_EQ(CheckNewLeague(g, rows, 2, &row), "Invalid Squad selected!");
    EXPECT_EQ(row, 1);
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 1, 0}), 2, &row), lg.Name(0) + " selected more than once.");
    EXPECT_EQ(row, 2);

    SQUAD& s2 = g.db.squads[2];
    const SQUAD kept = s2;
    s2.nMembers = 10;
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 2}), 2, &row), lg.Name(2) + " does not have enough players.");
    EXPECT_EQ(row, 1);
    // Eleven members, one injured.
    s2.nMembers = 11;
    g.db.players[s2.nPlayer[4]].nInjury = 2;
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 2}), 2, &row), lg.Name(2) + " does not have enough fit players.");
    g.db.players[s2.nPlayer[4]].nInjury = 0;
    s2.nGrounds = 3;
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 2}), 4, &row), lg.Name(2) + " does not have enough Test venues.");
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 2}), 3, &row), "");
    EXPECT_EQ(row, -1);
    s2 = kept;

    // A player in two squads: the last one found is named.
    g.db.squads[1].nPlayer[3] = g.db.squads[3].nPlayer[5];
    g.db.squads[1].nPlayer[7] = g.db.squads[3].nPlayer[9];
    const std::string last = DisplayName(g.db.players[g.db.squads[3].nPlayer[9]]);
    EXPECT_EQ(CheckNewLeague(g, lg.Rows({0, 1, 2, 3}), 1, &row), last + " is in more than one Squad!");
}

TEST(LeagueChecks, TooFewSquadsRefuseTheBoxAndACancelStartsNothing)
{
    LeagueGame lg;
    Game& g = lg.g;
    // Cancelled (the host shows no box): nothing starts.
    ControlMenu(g, CMD_NEWLEAGUE);
    EXPECT_EQ(lg.host.DialogRuns(Dialog::NewLeague), 1);
    EXPECT_TRUE(g.queue.Empty());
    EXPECT_FALSE(LeagueSetUp(g.League));

    g.db.numbers.nSquads = 1;
    ControlMenu(g, CMD_NEWLEAGUE);
    EXPECT_EQ(lg.host.DialogRuns(Dialog::NewLeague), 1);
    test::ExpectOneBox(lg.host, "Not enough Squads to play a League.", "Ovalspin - Error", "one squad");
}

TEST(LeagueNames, HumanTeamsAreNumberedInTeamOrder)
{
    LeagueGame lg;
    Game& g = lg.g;
    std::vector<LeagueEntry> rows = lg.Rows({0, 1, 2, 3, 4, 5});
    for (int k : {0, 2, 5}) rows[k].human = true;
    ASSERT_EQ(CheckNewLeague(g, rows, 1), "");
    ApplyNewLeague(g, rows, 1, false);
    EXPECT_EQ(LeagueControllerName(g, 0), "Player 1");
    EXPECT_EQ(LeagueControllerName(g, 1), "Computer");
    EXPECT_EQ(LeagueControllerName(g, 2), "Player 2");
    EXPECT_EQ(LeagueControllerName(g, 5), "Player 3");
    EXPECT_EQ(g.League.nControl[5], CONTROL_HUMAN);
    EXPECT_EQ(g.League.nControl[4], CONTROL_COMPUTER);
}

// Every fixture played once, each rubber its Tests, the points as the results say.
void ExpectLeagueInvariants(const Game& g)
{
    const LEAGUE& l = g.League;
    const int n = LeagueTeamCount(l);
    const int tests = l.nTests;
    EXPECT_TRUE(LeagueComplete(l));
    int points = 0, wins = 0, draws = 0, ties = 0;
    for (int k = 0; k < n; ++k) {
        const LEAGUEPTS& p = l.Points[k];
        EXPECT_EQ(p.nPlayed, 2 * (n - 1) * tests) << "team " << k;
        EXPECT_EQ(p.nHomeWins + p.nHomeDraws + p.nHomeTies + p.nHomeLosses, (n - 1) * tests);
        EXPECT_EQ(p.nAwayWins + p.nAwayDraws + p.nAwayTies + p.nAwayLosses, (n - 1) * tests);
        EXPECT_EQ(p.nPoints, 3 * (p.nHomeWins + p.nAwayWins) + 2 * (p.nHomeTies + p.nAwayTies) +
                                 p.nHomeDraws + p.nAwayDraws);
        points += p.nPoints;
        wins += p.nHomeWins + p.nAwayWins;
        draws += p.nHomeDraws + p.nAwayDraws;
        ties += p.nHomeTies + p.nAwayTies;
        EXPECT_EQ(g.db.squads[l.nSquad[k]].nLeaguePos, k);
        // The diagonal holds the team's league figures: eleven players a Test.
        int appearances = 0;
        for (int m = 0; m < MAX_SQUAD; ++m) appearances += g.db.LeagueSeries(k, k).Average[m][0].Bat.nTests;
        EXPECT_EQ(appearances, 11 * p.nPlayed) << "team " << k;
    }
    EXPECT_EQ(points, 3 * wins + 2 * ties + draws);
    EXPECT_EQ(wins + (draws + ties) / 2, n * (n - 1) * tests);
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            const LEAGUE_RESULT& r = l.Result[h][a];
            const SERIES& rubber = g.db.LeagueSeries(h, a);
            EXPECT_EQ(r.nPlayed, tests) << h << "-" << a;
            EXPECT_EQ(rubber.nPlayed, tests);
            EXPECT_EQ(rubber.nHomeWins, r.nHomeWins);
            EXPECT_EQ(rubber.nAwayWins, r.nAwayWins);
            EXPECT_EQ(rubber.nSquad[0], l.nSquad[h]);
            EXPECT_EQ(rubber.nSquad[1], l.nSquad[a]);
        }
}

TEST(LeaguePlay, AWholeLeagueOfThreeSquadsKeepsItsInvariants)
{
    LeagueGame lg(11);
    Game& g = lg.g;
    std::string refusal;
    ASSERT_TRUE(SetUpComputerLeague(g, {2, 0, 1}, 2, false, refusal)) << refusal;
    BeginLeague(g);
    EXPECT_EQ(g.Series.nSquad[0], g.League.nSquad[g.League.Fixture[0][0].nHome]);
    EXPECT_EQ(g.Current.bLeagueMatch, 1);
    EXPECT_FALSE(g.commands.Enabled(CMD_NEWLEAGUE));
    EXPECT_TRUE(g.commands.Enabled(CMD_LEAGUETABLE));

    std::vector<std::pair<int, int>> rubbers;
    ASSERT_TRUE(lg.PumpToEnd([&](std::uint32_t msg, std::int32_t) {
        if (msg == WM_ENDSERIES) rubbers.emplace_back(g.Series.nSquad[0], g.Series.nSquad[1]);
    }));
    EXPECT_EQ(rubbers.size(), 6u);
    ExpectLeagueInvariants(g);
    EXPECT_TRUE(g.commands.Enabled(CMD_NEWLEAGUE));
    EXPECT_TRUE(g.commands.Enabled(CMD_NEWSERIES));
    // The league boxes were offered at the end: results, then the table.
    EXPECT_EQ(lg.host.DialogRuns(Dialog::LeagueResults), 1);
    EXPECT_EQ(lg.host.DialogRuns(Dialog::LeagueTable), 1);
}

TEST(LeaguePlay, APersonsElevenIsKeptForTheTeamsNextRubber)
{
    LeagueGame lg(5);
    Game& g = lg.g;
    std::vector<LeagueEntry> rows = lg.Rows({0, 1});
    rows[1].human = true;
    ASSERT_EQ(CheckNewLeague(g, rows, 1), "");
    ApplyNewLeague(g, rows, 1, false);
    int picked[MAX_ELEVEN] = {};
    // The person takes the computer's eleven, once, for the first rubber.
    lg.host.ScriptDialog(Dialog::PickTeam, [&](DialogRequest& req) {
        SelectComputerTeam(g, req.side);
        for (int k = 0; k < MAX_ELEVEN; ++k) picked[k] = g.pTest->nPlayer[k][req.side];
        return true;
    });
    BeginLeague(g);
    int eleven[MAX_ELEVEN];
    EXPECT_FALSE(LeagueLastEleven(g, 1, eleven));   // no league Test played yet
    long handled = 0;
    ASSERT_TRUE(lg.PumpToEnd([&](std::uint32_t msg, std::int32_t) {
        if (msg != WM_ENDSERIES || handled++) return;
        // Between the rubbers the person's team has its eleven kept.
        const int side = g.Series.nSquad[0] == g.League.nSquad[1] ? 0 : 1;
        ASSERT_TRUE(LeagueLastEleven(g, side, eleven));
        for (int k = 0; k < MAX_ELEVEN; ++k) EXPECT_EQ(eleven[k], picked[k]) << k;
    }));
    EXPECT_EQ(lg.host.DialogRuns(Dialog::PickTeam), 2);
}

// --- saved and resumed -----------------------------------------------------------------

// A data directory of its own with a copy of the shipped database, so that
// CURRENT.DAT is written beside that copy.
struct DataDir : test::DataDirWithDatabase {
    DataDir() : DataDirWithDatabase("ovs-league") {}
};

struct Session : test::StartedGame {
    Session(const DataDir& data, std::uint32_t seed) : StartedGame(seed, data.dir.Path(), data.Database()) {}
};

// Pump until `rubbers` rubbers have ended, or (rubbers 0) until `overs` overs
// have been bowled and the next over waits.
bool PlayUntil(Session& s, int rubbers, int overs)
{
    int ended = 0, bowled = 0;
    bool stop = false;
    s.PumpToEnd([&](std::uint32_t msg, std::int32_t) {
        if (stop) return;
        if (msg == WM_ENDSERIES && rubbers > 0 && ++ended == rubbers) stop = true;
        if (msg == WM_ENDOVER) ++bowled;
        if (rubbers == 0 && msg == WM_CONTINNINGS && bowled >= overs && s.g.queue.Size() == 1 &&
            s.g.queue.Peek(WM_NEWOVER))
            stop = true;
        // Hold the flow: everything queued waits for the next session.
        if (stop) s.g.queue.Clear();
    });
    return stop;
}

TEST(LeagueResume, SavedBetweenRubbersAndMidTestPlaysOnToACompleteLeague)
{
    DataDir data;
    std::vector<int> squads = {3, 1, 4};
    {
        Session a(data, 21);
        std::string refusal;
        ASSERT_TRUE(SetUpComputerLeague(a.g, squads, 2, false, refusal)) << refusal;
        BeginLeague(a.g);
        ASSERT_TRUE(PlayUntil(a, 2, 0));
        // Between two rubbers: the one just ended is in the league's matrix.
        const FIXTURE& f = a.g.League.Fixture[a.g.League.nRound][a.g.League.nFixture];
        EXPECT_EQ(a.g.db.LeagueSeries(f.nHome, f.nAway).nPlayed, 2);
        ASSERT_TRUE(SavePosition(a.g));
    }
    {
        Session b(data, 22);
        ASSERT_TRUE(LoadSavedData(b.g));
        EXPECT_FALSE(b.g.commands.Enabled(CMD_NEWLEAGUE));
        EXPECT_TRUE(b.g.queue.Peek(WM_NEWSERIES));
        ASSERT_TRUE(PlayUntil(b, 0, 200));
        EXPECT_EQ(b.g.Current.bLeagueMatch, 1);
        ASSERT_TRUE(SavePosition(b.g));
    }
    Session c(data, 23);
    ASSERT_TRUE(LoadSavedData(c.g));
    EXPECT_TRUE(c.g.queue.Peek(WM_CONTINNINGS));
    ASSERT_TRUE(c.PumpToEnd());
    ExpectLeagueInvariants(c.g);
}

// A Test of a played rubber replayed from the results matrix while the next
// rubber is under way: the league and the Test in play come back as they
// were, to the byte of the saved position, and play on to a complete league.
TEST(LeagueReplay, AReplayFromTheResultsLeavesTheSavedPositionAsItWas)
{
    DataDir data;
    Session s(data, 31);
    Game& g = s.g;
    std::string refusal;
    ASSERT_TRUE(SetUpComputerLeague(g, {0, 2, 1}, 1, false, refusal)) << refusal;
    BeginLeague(g);
    int rubbers = 0, overs = 0;
    ASSERT_TRUE(s.PumpUntil([&](std::uint32_t msg) {
        rubbers += msg == WM_ENDSERIES;
        overs += rubbers == 1 && msg == WM_ENDOVER;
        return overs >= 30 && msg == WM_CONTINNINGS && g.queue.Size() == 1 && g.queue.Peek(WM_NEWOVER);
    }));
    int home = -1, away = -1;
    for (int h = 0; h < 3; ++h)
        for (int a = 0; a < 3; ++a)
            if (h != a && g.League.Result[h][a].nPlayed == 1) home = h, away = a;
    ASSERT_GE(home, 0);
    const SERIES rubber = g.db.LeagueSeries(home, away);
    const std::string saved = data.dir.File(kSavedPositionName);
    ASSERT_TRUE(SavePosition(g));
    const std::string before = test::ReadFile(saved);

    s.host.AnswerDialog(Dialog::SeriesSummary, 100);
    ControlMenu(g, CMD_RESULTS, home * 10 + away + 1);
    EXPECT_EQ(s.host.leagueBoxesClosed, 1);
    EXPECT_EQ(g.wReplayFlag, 16385);
    EXPECT_EQ(g.queue.Size(), 1u);
    EXPECT_TRUE(g.queue.Peek(WM_REPLAYTEST));
    bool replayed = false;
    ASSERT_TRUE(s.PumpUntil([&](std::uint32_t msg) {
        replayed |= msg == WM_ENDTEST;
        return msg == WM_ENDSERIES && g.wReplayFlag == 0;
    }));
    EXPECT_TRUE(replayed);
    EXPECT_EQ(std::memcmp(&rubber, &g.db.LeagueSeries(home, away), sizeof(SERIES)), 0);
    // The Test in play waits for its next over, as before.
    EXPECT_EQ(g.queue.Size(), 1u);
    EXPECT_TRUE(g.queue.Peek(WM_NEWOVER));
    ASSERT_TRUE(SavePosition(g));
    EXPECT_TRUE(test::ReadFile(saved) == before) << "the saved position changed";

    ASSERT_TRUE(s.PumpToEnd());
    ExpectLeagueInvariants(g);
}

TEST(LeagueResume, ABadLeagueRecordIsRefused)
{
    DataDir data;
    {
        Session a(data, 21);
        std::string refusal;
        ASSERT_TRUE(SetUpComputerLeague(a.g, {0, 1}, 1, false, refusal)) << refusal;
        BeginLeague(a.g);
        a.g.League.Fixture[1][0].nHome = 7;
        ASSERT_TRUE(SavePosition(a.g));
    }
    Session b(data, 22);
    EXPECT_FALSE(LoadSavedData(b.g));
    ASSERT_EQ(b.host.boxes.size(), 1u);
    EXPECT_EQ(b.host.boxes[0].caption, "Loading Error");
    EXPECT_NE(b.host.boxes[0].text.find("league round 1 fixture 0"), std::string::npos) << b.host.boxes[0].text;
    EXPECT_FALSE(LeagueSetUp(b.g.League));
}

// --- golden files and replays ----------------------------------------------------------

const std::filesystem::path kGolden = std::filesystem::path(OVALSPIN_SOURCE_DIR) / "tests" / "golden" / "league";

// A change meant to alter play moves these files with it: run the tests with
// OVALSPIN_UPDATE_GOLDEN=1 to write them anew, and read the diff.
void ExpectGolden(const std::string& file, const std::string& text)
{
    const std::filesystem::path path = kGolden / file;
    if (std::getenv("OVALSPIN_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(kGolden);
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing " << path << " (OVALSPIN_UPDATE_GOLDEN=1 writes it)";
    EXPECT_TRUE(test::Same(test::ReadFile(path.string()), text)) << file;
}

std::string ReportText(const std::function<void(ReportOut&)>& write)
{
    std::FILE* f = std::tmpfile();
    {
        TextOutput out;
        out.file = f;
        ReportOut text(out, false);
        write(text);
        std::fflush(f);
        out.file = nullptr;
    }
    std::string s;
    std::rewind(f);
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

// A seeded league of four squads, one Test a rubber, with its turn files.
// The headless view and report show a saved league's tables: the table as
// the report writes it, the fixtures, the league averages; and say so when
// there is no league.
TEST(LeagueCli, ViewAndReportShowTheSavedLeaguesTables)
{
    test::TempDir dir("ovs-league-cli");
    int rc = -1;
    const std::string played = test::RunCli(dir.Path(), "--seed 5 league --tests 1 --save 1 2 3", &rc);
    ASSERT_EQ(rc, 0) << played;
    const std::string list = test::RunCli(dir.Path(), "view --list", &rc);
    for (const char* name : {"league-table", "league-results", "league-fixtures", "league-summary",
                             "league-batting-averages", "league-bowling-averages"})
        EXPECT_NE(list.find(name), std::string::npos) << name;

    const std::string table = test::RunCli(dir.Path(), "view league-table --saved", &rc);
    EXPECT_EQ(rc, 0) << table;
    EXPECT_NE(table.find("League Table"), std::string::npos) << table;
    EXPECT_EQ(table, test::RunCli(dir.Path(), "report league-table --saved", &rc));
    const std::string results = test::RunCli(dir.Path(), "view league-results --saved", &rc);
    EXPECT_EQ(results, test::RunCli(dir.Path(), "report league-results --saved", &rc));
    const std::string fixtures = test::RunCli(dir.Path(), "view league-fixtures --saved", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_NE(fixtures.find("League has been completed."), std::string::npos) << fixtures;
    const std::string averages = test::RunCli(dir.Path(), "view league-batting-averages --saved --squad 2", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_NE(averages.find("League Batting Averages - "), std::string::npos) << averages;
    const std::string report = test::RunCli(dir.Path(), "report averages --saved --squad 2 --averages league", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_NE(report.find("League Batting Averages - "), std::string::npos) << report;

    // Without the saved league.
    EXPECT_NE(test::RunCli(dir.Path(), "view league-table", &rc).find("add --saved"), std::string::npos);
    EXPECT_EQ(rc, 2);
    test::TempDir empty("ovs-league-cli");
    EXPECT_NE(test::RunCli(empty.Path(), "report league-table", &rc).find("there is no league"), std::string::npos);
    EXPECT_EQ(rc, 1);
}

TEST(LeagueGolden, TableResultsAndTurnFilesOfASeededLeague)
{
    DataDir data;
    Session a(data, 20261207u);
    std::string refusal;
    ASSERT_TRUE(SetUpComputerLeague(a.g, {0, 1, 2, 3}, 1, true, refusal)) << refusal;
    BeginLeague(a.g);
    const std::string shortName = a.g.db.squads[0].szShort;
    // The starting details are written before a ball is bowled.
    ASSERT_TRUE(std::filesystem::exists(data.dir.File(shortName + "-00.ovs")));
    ASSERT_TRUE(a.PumpToEnd());
    ExpectLeagueInvariants(a.g);

    ExpectGolden("table.txt", ReportText([&](ReportOut& out) { WriteLeagueTable(a.g, out); }));
    ExpectGolden("results.txt", ReportText([&](ReportOut& out) { WriteLeagueResults(a.g, out); }));
    for (const char* turn : {"-00.ovs", "-01.ovs", "-06.ovs"})
        ExpectGolden("turn" + std::string(turn), test::ReadFile(data.dir.File(shortName + turn)));
    // Every squad has its starting details and six turns, and no more.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(data.dir.Path()))
        if (e.path().extension() == ".ovs") ++files;
    EXPECT_EQ(files, 4 * 7);
    const std::string last = test::ReadFile(data.dir.File(shortName + "-06.ovs"));
    EXPECT_NE(last.find("League has been completed.\nPlease apply for a new League if you have not already done so.\n"),
              std::string::npos);

    // A Test replayed from the results leaves the league and its series as they were.
    ASSERT_TRUE(SavePosition(a.g));
    const std::string before = test::ReadFile(data.dir.File(kSavedPositionName));
    const TEST first = a.g.db.LeagueSeries(1, 2).Test[0];
    a.host.AnswerDialog(Dialog::SeriesSummary, 100);
    ControlMenu(a.g, CMD_RESULTS, 1 * 10 + 2 + 1);
    EXPECT_EQ(a.g.wReplayFlag, 16385);
    EXPECT_STREQ(a.g.Series.Test[0].szResult, first.szResult);
    ASSERT_TRUE(a.PumpToEnd());
    EXPECT_EQ(a.g.wReplayFlag, 0);
    ASSERT_TRUE(SavePosition(a.g));
    EXPECT_TRUE(test::Same(test::ReadFile(data.dir.File(kSavedPositionName)), before));
}

}  // namespace
}  // namespace ovs
