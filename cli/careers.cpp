// ovalspin-cli db --careers: the career batting and bowling tables and the
// first ranks of the all-time record tables, of the database (or of the
// database image in the saved position, with --saved).
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "data/files.h"
#include "data/records.h"
#include "data/statistics.h"
#include "data/stores.h"
#include "data/texts.h"
#include "play_common.h"

namespace ovs::cli {

namespace {

// Ranks of each record table shown.
constexpr int kRanksShown = 3;

std::string PlayerName(const Game& g, int index)
{
    if (index < 0 || index >= g.db.NumPlayers()) return "";
    return DisplayName(g.db.players[index]);
}

std::string Number(long v) { return std::to_string(v); }

std::string HighScore(const AVERAGE_BAT& a)
{
    if (a.nHighScore < 0) return "";
    return Number(a.nHighScore) + (a.nHighHowOut == HOWOUT_NOTOUT ? "*" : "");
}

std::string BestBowling(const AVERAGE_BOWL& a)
{
    if (a.nBestWickets == 0 && a.nBestRuns == 0) return "";
    return Number(a.nBestWickets) + "-" + Number(a.nBestRuns);
}

void Heading(const char* caption)
{
    std::printf("\n%s\n", caption);
}

// "Runs"/"Avge" first, then the batting figures.
void BattingTable(const Game& g, CareerTable table, const char* caption, bool runsFirst)
{
    Heading(caption);
    std::printf("%8s  %-26s %3s %4s %3s %8s %5s %4s %4s\n", runsFirst ? "Runs" : "Avge", "Player",
                runsFirst ? "M" : "T", "I", "NO", runsFirst ? "Avge" : "Runs", "HS", "100", "50");
    for (int p : CareerTableOrder(g, table)) {
        const AVERAGE_BAT& a = g.db.players[p].Career.Bat;
        std::string average = BattingAverageText(a);
        std::string runs = Number(a.nRuns);
        std::printf("%8s  %-26s %3d %4d %3d %8s %5s %4d %4d\n", (runsFirst ? runs : average).c_str(),
                    PlayerName(g, p).c_str(), static_cast<int>(a.nTests), static_cast<int>(a.nInnings),
                    static_cast<int>(a.nNotOuts), (runsFirst ? average : runs).c_str(), HighScore(a).c_str(),
                    static_cast<int>(a.nHundreds), static_cast<int>(a.nFifties));
    }
}

// "Wkts"/"Avge" first, then the bowling figures.
void BowlingTable(const Game& g, CareerTable table, const char* caption, bool wicketsFirst)
{
    Heading(caption);
    std::printf("%8s  %-26s %3s %7s %4s %6s %6s %7s %3s %3s\n", wicketsFirst ? "Wkts" : "Avge", "Player", "T", "O",
                "M", "Runs", wicketsFirst ? "Avge" : "Wkts", "Best", "5wI", "10wM");
    for (int p : CareerTableOrder(g, table)) {
        const AVERAGE_BOWL& a = g.db.players[p].Career.Bowl;
        std::string average = BowlingAverageText(a);
        std::string wickets = Number(a.nWickets);
        std::printf("%8s  %-26s %3d %7s %4d %6ld %6s %7s %3d %3d\n", (wicketsFirst ? wickets : average).c_str(),
                    PlayerName(g, p).c_str(), static_cast<int>(a.nMatches), OversText(a).c_str(),
                    static_cast<int>(a.nMaidens), static_cast<long>(a.nRuns),
                    (wicketsFirst ? average : wickets).c_str(), BestBowling(a).c_str(),
                    static_cast<int>(a.nFiveWickets), static_cast<int>(a.nTenWickets));
    }
}

// "ENG vs AUS at Venue" of a record (either part left out when unknown).
std::string Where(const Game& g, const RECORD_WHERE& w)
{
    auto squad = [&](int s) { return s >= 0 && s < g.db.NumSquads() ? FieldText(g.db.squads[s].szShort) : ""; };
    std::string text = squad(w.nTeam);
    if (w.nOpponent >= 0) text += " vs " + squad(w.nOpponent);
    if (w.nGround >= 0 && w.nGround < g.db.NumGrounds()) text += ", " + FieldText(g.db.grounds[w.nGround].szName);
    return text;
}

void Rank(int rank, const std::string& value, const std::string& who, const std::string& where)
{
    std::printf("%3d. %-10s %-36s %s\n", rank, value.c_str(), who.c_str(), where.c_str());
}

std::string Star(int value, bool star) { return Number(value) + (star ? "*" : ""); }

// Each table of the Records store from its best rank down, to its first empty rank.
void RecordTables(const Game& g)
{
    const std::vector<RECORDS>& r = g.db.records;
    const int ranks = std::min<int>(kRanksShown, static_cast<int>(r.size()));
    std::printf("\nAll-time records (first %d ranks)\n", kRanksShown);

    auto table = [&](const char* caption, auto filled, auto row) {
        Heading(caption);
        for (int k = 0; k < ranks && filled(r[k]); ++k) row(k + 1, r[k]);
    };
    table("Highest Innings", [](const RECORDS& e) { return e.HighInnings.nRuns != -1; },
          [&](int k, const RECORDS& e) {
              Rank(k, Number(e.HighInnings.nRuns) + "-" + Number(e.HighInnings.nWickets), "",
                   Where(g, e.HighInnings.Where));
          });
    table("Lowest Innings", [](const RECORDS& e) { return e.LowInnings.nRuns != -1; },
          [&](int k, const RECORDS& e) { Rank(k, Number(e.LowInnings.nRuns), "", Where(g, e.LowInnings.Where)); });
    table("Highest Scores", [](const RECORDS& e) { return e.HighScore.nPlayer != -1; },
          [&](int k, const RECORDS& e) {
              Rank(k, Star(e.HighScore.nRuns, e.HighScore.bNotOut != 0), PlayerName(g, e.HighScore.nPlayer),
                   Where(g, e.HighScore.Where));
          });
    static const char* const kWicket[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
    for (int w = 0; w < 10; ++w) {
        std::string caption = std::string("Highest ") + kWicket[w] + " Wicket Partnerships";
        table(caption.c_str(), [w](const RECORDS& e) { return e.Partnership[w].nBatA != -1; },
              [&](int k, const RECORDS& e) {
                  const RECORD_PARTNERSHIP& p = e.Partnership[w];
                  Rank(k, Star(p.nRuns, p.bUnbroken != 0), PlayerName(g, p.nBatA) + " & " + PlayerName(g, p.nBatB),
                       Where(g, p.Where));
              });
    }
    auto bowl = [&](const char* caption, RECORD_BOWL RECORDS::*m) {
        table(caption, [m](const RECORDS& e) { return (e.*m).nPlayer != -1; }, [&](int k, const RECORDS& e) {
            const RECORD_BOWL& b = e.*m;
            Rank(k, Number(b.nWickets) + "-" + Number(b.nRuns), PlayerName(g, b.nPlayer), Where(g, b.Where));
        });
    };
    bowl("Best Bowling in an Innings", &RECORDS::BowlInnings);
    bowl("Best Bowling in a Test", &RECORDS::BowlTest);
    auto catches = [&](const char* caption, RECORD_CATCH RECORDS::*m) {
        table(caption, [m](const RECORDS& e) { return (e.*m).nPlayer != -1; }, [&](int k, const RECORDS& e) {
            const RECORD_CATCH& c = e.*m;
            Rank(k, Number(c.nCatches), PlayerName(g, c.nPlayer), Where(g, c.Where));
        });
    };
    catches("Most Catches in an Innings", &RECORDS::CatchesInnings);
    catches("Most Catches in a Test", &RECORDS::CatchesTest);
    auto keeper = [&](const char* caption, RECORD_KEEP RECORDS::*m) {
        table(caption, [m](const RECORDS& e) { return (e.*m).nPlayer != -1; }, [&](int k, const RECORDS& e) {
            const RECORD_KEEP& d = e.*m;
            Rank(k, Number(d.nCatches + d.nStumpings) + " (" + Number(d.nCatches) + " ct, " + Number(d.nStumpings) + " st)",
                 PlayerName(g, d.nPlayer), Where(g, d.Where));
        });
    };
    keeper("Most Dismissals in an Innings", &RECORDS::KeeperInnings);
    keeper("Most Dismissals in a Test", &RECORDS::KeeperTest);
    table("Most Performance Points in a Test", [](const RECORDS& e) { return e.PointsTest.nPlayer != -1; },
          [&](int k, const RECORDS& e) {
              Rank(k, Number(e.PointsTest.nPoints), PlayerName(g, e.PointsTest.nPlayer), Where(g, e.PointsTest.Where));
          });
    // The series tables end at the first rank whose discipline has no Test.
    table("Most Runs in a Series",
          [](const RECORDS& e) { return e.SeriesRuns.nPlayer != -1 && e.SeriesRuns.Bat.nTests != 0; },
          [&](int k, const RECORDS& e) {
              Rank(k, Number(e.SeriesRuns.Bat.nRuns), PlayerName(g, e.SeriesRuns.nPlayer), Where(g, e.SeriesRuns.Where));
          });
    table("Most Wickets in a Series",
          [](const RECORDS& e) { return e.SeriesWickets.nPlayer != -1 && e.SeriesWickets.Bowl.nMatches != 0; },
          [&](int k, const RECORDS& e) {
              Rank(k, Number(e.SeriesWickets.Bowl.nWickets), PlayerName(g, e.SeriesWickets.nPlayer),
                   Where(g, e.SeriesWickets.Where));
          });
    table("Most Catches in a Series",
          [](const RECORDS& e) { return e.CatchesSeries.nPlayer != -1 && e.CatchesSeries.Field.nMatches != 0; },
          [&](int k, const RECORDS& e) {
              Rank(k, Number(e.CatchesSeries.Field.nCatches), PlayerName(g, e.CatchesSeries.nPlayer),
                   Where(g, e.CatchesSeries.Where));
          });
    table("Most Dismissals in a Series",
          [](const RECORDS& e) { return e.KeeperSeries.nPlayer != -1 && e.KeeperSeries.Field.nMatches != 0; },
          [&](int k, const RECORDS& e) {
              const AVERAGE_FIELD& f = e.KeeperSeries.Field;
              Rank(k, Number(f.nKeeperCatches + f.nStumpings), PlayerName(g, e.KeeperSeries.nPlayer),
                   Where(g, e.KeeperSeries.Where));
          });
    table("Most Performance Points in a Series",
          [](const RECORDS& e) { return e.PointsSeries.nPlayer != -1 && e.PointsSeries.Points.nMatches != 0; },
          [&](int k, const RECORDS& e) {
              Rank(k, Number(e.PointsSeries.Points.nPoints), PlayerName(g, e.PointsSeries.nPlayer),
                   Where(g, e.PointsSeries.Where));
          });
}

}  // namespace

int CmdCareers(const CliOptions& opts, bool saved)
{
    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    if (saved && !LoadSavedPosition(g)) return 1;

    std::printf("Career tables of %s\n", saved ? "the saved position" : g.dbPath.c_str());
    BattingTable(g, CareerTable::RunsTests, "Most Runs in Tests", true);
    BattingTable(g, CareerTable::BattingAverage, "Best Batting Average", false);
    BowlingTable(g, CareerTable::Wickets, "Most Wickets", true);
    BowlingTable(g, CareerTable::BowlingAverage, "Best Bowling Average", false);
    RecordTables(g);
    return 0;
}

}  // namespace ovs::cli
