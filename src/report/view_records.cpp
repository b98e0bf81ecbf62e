// The all-time record tables as views: each reads one table of the Records
// store rank by rank, down to its first empty rank, at most the number of
// records. The tables are kept in order as they fill, so nothing is sorted.
#include <algorithm>

#include "core/game.h"
#include "data/records.h"
#include "data/texts.h"
#include "report/view_tables_internal.h"

namespace ovs::view {

namespace {

// Rank by rank while `filled` holds, each rank giving one row.
template <typename Filled, typename Row>
void Ranks(const Game& g, ViewTable& t, Filled filled, Row row)
{
    const int count = std::min<int>(g.db.NumRecords(), static_cast<int>(g.db.records.size()));
    for (int r = 0; r < count && filled(g.db.records[r]); ++r) t.rows.push_back(row(g.db.records[r]));
}

std::string Star(int v, bool star) { return Num(v) + (star ? "*" : ""); }
std::string Versus(const Game& g, const RECORD_WHERE& w) { return " vs " + SquadShort(g, w.nOpponent); }

constexpr int kName = 24;    // a player's display name
constexpr int kTeams = 19;   // "%s vs %s" of two abbreviations
constexpr int kVenue = 20;   // a ground's name

// A table of one value, the player, the venue and the teams (best bowling,
// catches, points of an innings or a Test).
template <typename E>
void PlayerVenueTable(const Game& g, ViewTable& t, const char* head, E RECORDS::*table,
                      std::string (*value)(const E&))
{
    Layout(t, {{head, 8}, {"Player", kName, L}, {"Venue", kVenue, L}, {"", kTeams, L}});
    Ranks(g, t, [table](const RECORDS& r) { return (r.*table).nPlayer != -1; },
          [&](const RECORDS& r) -> std::vector<std::string> {
              const E& e = r.*table;
              return {value(e), PlayerName(g, e.nPlayer), GroundName(g, e.Where.nGround), Teams(g, e.Where)};
          });
}

void KeeperTable(const Game& g, ViewTable& t, RECORD_KEEP RECORDS::*table)
{
    Layout(t, {{"Total", 5}, {"Ct", 3}, {"St", 3}, {"Player", kName, L}, {"Venue", kVenue, L}, {"", kTeams, L}});
    Ranks(g, t, [table](const RECORDS& r) { return (r.*table).nPlayer != -1; },
          [&](const RECORDS& r) -> std::vector<std::string> {
              const RECORD_KEEP& e = r.*table;
              return {Num(e.nCatches + e.nStumpings), Num(e.nCatches), Num(e.nStumpings), PlayerName(g, e.nPlayer),
                      GroundName(g, e.Where.nGround), Teams(g, e.Where)};
          });
}

void Partnerships(const Game& g, ViewTable& t, int w)
{
    Layout(t, {{"Runs", 5}, {"Players", 2 * kName + 3, L}, {"", kTeams, L}, {"Venue", kVenue, L}}, 88);
    Ranks(g, t, [w](const RECORDS& r) { return r.Partnership[w].nBatA != -1; },
          [&](const RECORDS& r) -> std::vector<std::string> {
              const RECORD_PARTNERSHIP& p = r.Partnership[w];
              return {Star(p.nRuns, p.bUnbroken != 0), PlayerName(g, p.nBatA) + " & " + PlayerName(g, p.nBatB),
                      Teams(g, p.Where), GroundName(g, p.Where.nGround)};
          });
}

// The wicket (0..9) of a stand table's name, or -1.
int StandWicket(std::string_view name)
{
    for (int w = 0; w < 10; ++w)
        if (name == std::string("highest-") + WicketOrdinal(w + 1) + "-wicket-partnerships") return w;
    return -1;
}

}  // namespace

bool BuildRecordTable(const Game& g, std::string_view name, ViewTable& t)
{
    if (name == "highest-innings") {
        Layout(t, {{"Runs", 6}, {"", kTeams, L}, {"Venue", kVenue, L}}, 48);
        Ranks(g, t, [](const RECORDS& r) { return r.HighInnings.nRuns != -1; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const RECORD_TEAMHIGH& e = r.HighInnings;
                  return {Num(e.nRuns) + "-" + Num(e.nWickets), Teams(g, e.Where), GroundName(g, e.Where.nGround)};
              });
    } else if (name == "lowest-innings") {
        Layout(t, {{"Runs", 6}, {"", kTeams, L}, {"Venue", kVenue, L}}, 48);
        Ranks(g, t, [](const RECORDS& r) { return r.LowInnings.nRuns != -1; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const RECORD_TEAMLOW& e = r.LowInnings;
                  return {Num(e.nRuns), Teams(g, e.Where), GroundName(g, e.Where.nGround)};
              });
    } else if (name == "highest-scores") {
        Layout(t, {{"Runs", 5}, {"Player", kName, L}, {"", kTeams, L}, {"Venue", kVenue, L}});
        Ranks(g, t, [](const RECORDS& r) { return r.HighScore.nPlayer != -1; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const RECORD_SCORE& e = r.HighScore;
                  return {Star(e.nRuns, e.bNotOut != 0), PlayerName(g, e.nPlayer), Teams(g, e.Where),
                          GroundName(g, e.Where.nGround)};
              });
    } else if (int w = StandWicket(name); w >= 0) {
        Partnerships(g, t, w);
    } else if (name == "best-bowling-innings" || name == "best-bowling-test") {
        PlayerVenueTable<RECORD_BOWL>(g, t, "Analysis",
                                      name == "best-bowling-test" ? &RECORDS::BowlTest : &RECORDS::BowlInnings,
                                      [](const RECORD_BOWL& e) { return Num(e.nWickets) + "-" + Num(e.nRuns); });
    } else if (name == "most-catches-innings" || name == "most-catches-test") {
        PlayerVenueTable<RECORD_CATCH>(g, t, "Ct",
                                       name == "most-catches-test" ? &RECORDS::CatchesTest : &RECORDS::CatchesInnings,
                                       [](const RECORD_CATCH& e) { return Num(e.nCatches); });
    } else if (name == "most-dismissals-innings") {
        KeeperTable(g, t, &RECORDS::KeeperInnings);
    } else if (name == "most-dismissals-test") {
        KeeperTable(g, t, &RECORDS::KeeperTest);
    } else if (name == "most-points-test") {
        PlayerVenueTable<RECORD_POINTS>(g, t, "Pts", &RECORDS::PointsTest,
                                        [](const RECORD_POINTS& e) { return Num(e.nPoints); });
    } else if (name == "most-runs-series") {
        Layout(t, {{"Runs", 5}, {"Player", kName, L}, {"T", 2}, {"I", 3}, {"NO", 2}, {"Avge", 7}, {"HS", 4},
                   {"100", 3}, {"50", 3}, {"", 12, L}});
        Ranks(g, t, [](const RECORDS& r) { return r.SeriesRuns.nPlayer != -1 && r.SeriesRuns.Bat.nTests != 0; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const AVERAGE_BAT& a = r.SeriesRuns.Bat;
                  return {Num(a.nRuns),       PlayerName(g, r.SeriesRuns.nPlayer), Num(a.nTests),
                          Num(a.nInnings),    Num(a.nNotOuts),                     BattingAverageText(a),
                          HighScore(a),       Num(a.nHundreds),                    Num(a.nFifties),
                          Versus(g, r.SeriesRuns.Where)};
              });
    } else if (name == "most-wickets-series") {
        Layout(t, {{"Wkts", 4}, {"Player", kName, L}, {"T", 2}, {"O", 6}, {"M", 3}, {"Runs", 5}, {"Avge", 7},
                   {"Best", 5}, {"wI", 2, false, "5"}, {"wM", 2, false, "10"}, {"", 12, L}});
        Ranks(g, t,
              [](const RECORDS& r) { return r.SeriesWickets.nPlayer != -1 && r.SeriesWickets.Bowl.nMatches != 0; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const AVERAGE_BOWL& a = r.SeriesWickets.Bowl;
                  return {Num(a.nWickets),   PlayerName(g, r.SeriesWickets.nPlayer),
                          Num(a.nMatches),   OversText(a),
                          Num(a.nMaidens),   Num(a.nRuns),
                          BowlingAverageText(a), BestBowling(a),
                          Num(a.nFiveWickets), Num(a.nTenWickets),
                          Versus(g, r.SeriesWickets.Where)};
              });
    } else if (name == "most-catches-series") {
        Layout(t, {{"Ct", 3}, {"Player", kName, L}, {"T", 2}, {"", 12, L}});
        Ranks(g, t,
              [](const RECORDS& r) { return r.CatchesSeries.nPlayer != -1 && r.CatchesSeries.Field.nMatches != 0; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const AVERAGE_FIELD& f = r.CatchesSeries.Field;
                  return {Num(f.nCatches), PlayerName(g, r.CatchesSeries.nPlayer), Num(f.nMatches),
                          Versus(g, r.CatchesSeries.Where)};
              });
    } else if (name == "most-dismissals-series") {
        Layout(t, {{"Total", 5}, {"Player", kName, L}, {"T", 2}, {"Ct", 3}, {"St", 3}, {"", 12, L}});
        Ranks(g, t,
              [](const RECORDS& r) { return r.KeeperSeries.nPlayer != -1 && r.KeeperSeries.Field.nMatches != 0; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const AVERAGE_FIELD& f = r.KeeperSeries.Field;
                  return {Num(f.nKeeperCatches + f.nStumpings), PlayerName(g, r.KeeperSeries.nPlayer),
                          Num(f.nMatches), Num(f.nKeeperCatches), Num(f.nStumpings), Versus(g, r.KeeperSeries.Where)};
              });
    } else if (name == "most-points-series") {
        Layout(t, {{"Pts", 6}, {"Player", kName, L}, {"T", 2}, {"Ave", 8}, {"Best", 5}, {"", 12, L}});
        Ranks(g, t,
              [](const RECORDS& r) { return r.PointsSeries.nPlayer != -1 && r.PointsSeries.Points.nMatches != 0; },
              [&](const RECORDS& r) -> std::vector<std::string> {
                  const AVERAGE_POINTS& p = r.PointsSeries.Points;
                  return {Num(p.nPoints), PlayerName(g, r.PointsSeries.nPlayer), Num(p.nMatches), Fixed2(p.fAverage),
                          Num(p.nBest), Versus(g, r.PointsSeries.Where)};
              });
    } else {
        return false;
    }
    return true;
}

}  // namespace ovs::view
