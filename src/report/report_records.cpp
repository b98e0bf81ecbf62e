// The all-time record tables and the career tables as reports.
#include <algorithm>
#include <string>

#include "core/format.h"
#include "core/game.h"
#include "data/statistics.h"
#include "data/texts.h"
#include "report/report_out.h"
#include "report/report_table.h"
#include "report/writers.h"

namespace ovs {

std::string HighScoreText(const AVERAGE_BAT& a)
{
    if (a.nHighScore < 0) return "";
    return Num(a.nHighScore) + (a.nHighHowOut == HOWOUT_NOTOUT ? "*" : "");
}

std::vector<std::string> BestCells(int wickets, int runs)
{
    if (wickets == 0 && runs == 0) return {"", ""};
    return {Num(wickets) + "-", Num(runs)};
}

namespace {

using Row = std::vector<std::string>;

// The ranks of the Records store a table reads, to its first empty one.
template <typename Filled, typename MakeRow>
TableRows RecordRows(const Game& g, Filled filled, MakeRow make)
{
    TableRows rows;
    const int ranks = std::min<int>(g.db.NumRecords(), static_cast<int>(g.db.records.size()));
    for (int k = 0; k < ranks && filled(g.db.records[k]); ++k) rows.push_back(make(g.db.records[k]));
    return rows;
}

void Table(ReportOut& out, const char* title, const TableLayout& layout, const TableRows& rows)
{
    WriteTableTitle(out, title);
    WriteTable(out, layout, rows);
}

std::string Teams(const Game& g, const RECORD_WHERE& w) { return TeamsText(g, w.nTeam, w.nOpponent); }
std::string Venue(const Game& g, const RECORD_WHERE& w) { return GroundText(g, w.nGround); }
std::string Starred(int v, bool star) { return Num(v) + (star ? "*" : ""); }
// A series record's player with the opponent of that series.
std::string PlayerVs(const Game& g, int player, const RECORD_WHERE& w)
{
    const std::string opp = SquadShort(g, w.nOpponent);
    return PlayerText(g, player) + (opp.empty() ? "" : " vs " + opp);
}

Row BattingFigures(const AVERAGE_BAT& a)
{
    return {Num(a.nTests), Num(a.nInnings), Num(a.nNotOuts), Num(a.nRuns), BattingAverageText(a), HighScoreText(a),
            Num(a.nHundreds), Num(a.nFifties)};
}

Row Concat(Row a, const Row& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void HighestInnings(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Highest Innings", {nullptr, "Runs:18 Venue:42", "<21 :21 :27 :42"},
          RecordRows(g, [](const RECORDS& r) { return r.HighInnings.nRuns != -1; }, [&](const RECORDS& r) {
              const RECORD_TEAMHIGH& e = r.HighInnings;
              return Row{Num(e.nRuns) + "-", Num(e.nWickets), Teams(g, e.Where), Venue(g, e.Where)};
          }));
}

void LowestInnings(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Lowest Innings", {nullptr, "Runs<22 Venue:40", "<22 :26 :40"},
          RecordRows(g, [](const RECORDS& r) { return r.LowInnings.nRuns != -1; }, [&](const RECORDS& r) {
              return Row{Num(r.LowInnings.nRuns), Teams(g, r.LowInnings.Where), Venue(g, r.LowInnings.Where)};
          }));
}

void HighestScores(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Highest Scores", {nullptr, "Runs<10 Player:13 Venue:53", "<10 :13 :42 :53"},
          RecordRows(g, [](const RECORDS& r) { return r.HighScore.nPlayer != -1; }, [&](const RECORDS& r) {
              const RECORD_SCORE& e = r.HighScore;
              return Row{Starred(e.nRuns, e.bNotOut != 0), PlayerText(g, e.nPlayer), Teams(g, e.Where),
                         Venue(g, e.Where)};
          }));
}

void Partnerships(Game& g, ReportOut& out, const ReportParams&)
{
    static const char* const kWicket[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
    WriteTableTitle(out, "Highest Wicket Partnerships");
    for (int w = 0; w < 10; ++w) {
        out.SubTitle(std::string(kWicket[w]) + " Wicket");
        WriteTable(out, {nullptr, "Runs<3 Players:5 Venue:61", nullptr},
                   RecordRows(g, [w](const RECORDS& r) { return r.Partnership[w].nBatA != -1; },
                              [&](const RECORDS& r) {
                                  const RECORD_PARTNERSHIP& p = r.Partnership[w];
                                  return Row{Starred(p.nRuns, p.bUnbroken != 0),
                                             PlayerText(g, p.nBatA) + " & " + PlayerText(g, p.nBatB),
                                             Venue(g, p.Where)};
                              }));
        out.Blank();
    }
}

void BestBowling(Game& g, ReportOut& out, const char* title, RECORD_BOWL RECORDS::*table)
{
    Table(out, title, {nullptr, "Analysis^7 Player:14 Venue:54", "<9 :9 :14 :43 :54"},
          RecordRows(g, [table](const RECORDS& r) { return (r.*table).nPlayer != -1; }, [&](const RECORDS& r) {
              const RECORD_BOWL& e = r.*table;
              return Concat(BestCells(e.nWickets, e.nRuns), {PlayerText(g, e.nPlayer), Teams(g, e.Where),
                                                             Venue(g, e.Where)});
          }));
}
void BestBowlingInnings(Game& g, ReportOut& out, const ReportParams&)
{
    BestBowling(g, out, "Best Bowling in an Innings", &RECORDS::BowlInnings);
}
void BestBowlingTest(Game& g, ReportOut& out, const ReportParams&)
{
    BestBowling(g, out, "Best Bowling in a Test", &RECORDS::BowlTest);
}

void Catches(Game& g, ReportOut& out, const char* title, RECORD_CATCH RECORDS::*table)
{
    Table(out, title, {nullptr, "Ct<8 Player:11 Venue:51", "<8 :11 :40 :51"},
          RecordRows(g, [table](const RECORDS& r) { return (r.*table).nPlayer != -1; }, [&](const RECORDS& r) {
              const RECORD_CATCH& e = r.*table;
              return Row{Num(e.nCatches), PlayerText(g, e.nPlayer), Teams(g, e.Where), Venue(g, e.Where)};
          }));
}
void CatchesInnings(Game& g, ReportOut& out, const ReportParams&)
{
    Catches(g, out, "Most Catches in an Innings", &RECORDS::CatchesInnings);
}
void CatchesTest(Game& g, ReportOut& out, const ReportParams&)
{
    Catches(g, out, "Most Catches in a Test", &RECORDS::CatchesTest);
}

void Dismissals(Game& g, ReportOut& out, const char* title, RECORD_KEEP RECORDS::*table)
{
    Table(out, title, {nullptr, "Total<6 Player:8 Ct<34 St<38 Venue:56", "<6 :8 <34 <38 :44 :56"},
          RecordRows(g, [table](const RECORDS& r) { return (r.*table).nPlayer != -1; }, [&](const RECORDS& r) {
              const RECORD_KEEP& e = r.*table;
              return Row{Num(e.nCatches + e.nStumpings), PlayerText(g, e.nPlayer), Num(e.nCatches),
                         Num(e.nStumpings), Teams(g, e.Where), Venue(g, e.Where)};
          }));
}
void DismissalsInnings(Game& g, ReportOut& out, const ReportParams&)
{
    Dismissals(g, out, "Most Dismissals in an Innings", &RECORDS::KeeperInnings);
}
void DismissalsTest(Game& g, ReportOut& out, const ReportParams&)
{
    Dismissals(g, out, "Most Dismissals in a Test", &RECORDS::KeeperTest);
}

void PointsTest(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Most Performance Points in a Test", {nullptr, "Pts<10 Player:13 Venue:53", "<10 :13 :42 :53"},
          RecordRows(g, [](const RECORDS& r) { return r.PointsTest.nPlayer != -1; }, [&](const RECORDS& r) {
              const RECORD_POINTS& e = r.PointsTest;
              return Row{Num(e.nPoints), PlayerText(g, e.nPlayer), Teams(g, e.Where), Venue(g, e.Where)};
          }));
}

// The series tables end at the first rank whose discipline has no Test.
void RunsSeries(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Most Runs in a Series",
          {nullptr, "Runs<6 Player:8 T<49 I<53 NO<57 Avge<65 HS<70 100<74 50<77", "<6 :8 <49 <53 <57 <65 <70 <74 <77"},
          RecordRows(g, [](const RECORDS& r) { return r.SeriesRuns.nPlayer != -1 && r.SeriesRuns.Bat.nTests != 0; },
                     [&](const RECORDS& r) {
                         const AVERAGE_BAT& a = r.SeriesRuns.Bat;
                         return Row{Num(a.nRuns),        PlayerVs(g, r.SeriesRuns.nPlayer, r.SeriesRuns.Where),
                                    Num(a.nTests),       Num(a.nInnings),
                                    Num(a.nNotOuts),     BattingAverageText(a),
                                    HighScoreText(a),    Num(a.nHundreds),
                                    Num(a.nFifties)};
                     }));
}

void WicketsSeries(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Most Wickets in a Series",
          {"5<75 10<78", "Wkts<4 Player:6 T<44 O<50 M<54 Runs<59 Avge<66 Best<72 wI<75 wM<78",
           "<4 :6 <44 <50 <54 <59 <66 <70 :70 <75 <78"},
          RecordRows(g,
                     [](const RECORDS& r) { return r.SeriesWickets.nPlayer != -1 && r.SeriesWickets.Bowl.nMatches != 0; },
                     [&](const RECORDS& r) {
                         const AVERAGE_BOWL& a = r.SeriesWickets.Bowl;
                         Row row{Num(a.nWickets), PlayerVs(g, r.SeriesWickets.nPlayer, r.SeriesWickets.Where),
                                 Num(a.nMatches), OversText(a), Num(a.nMaidens), Num(a.nRuns), BowlingAverageText(a)};
                         return Concat(Concat(row, BestCells(a.nBestWickets, a.nBestRuns)),
                                       {Num(a.nFiveWickets), Num(a.nTenWickets)});
                     }));
}

void CatchesSeries(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Most Catches in a Series", {nullptr, "Ct<19 Player:21 T<62", nullptr},
          RecordRows(g,
                     [](const RECORDS& r) { return r.CatchesSeries.nPlayer != -1 && r.CatchesSeries.Field.nMatches != 0; },
                     [&](const RECORDS& r) {
                         const AVERAGE_FIELD& f = r.CatchesSeries.Field;
                         return Row{Num(f.nCatches), PlayerVs(g, r.CatchesSeries.nPlayer, r.CatchesSeries.Where),
                                    Num(f.nMatches)};
                     }));
}

void DismissalsSeries(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Most Dismissals in a Series", {nullptr, "Total<16 Player:18 T<59 Ct<63 St<67", nullptr},
          RecordRows(g,
                     [](const RECORDS& r) { return r.KeeperSeries.nPlayer != -1 && r.KeeperSeries.Field.nMatches != 0; },
                     [&](const RECORDS& r) {
                         const AVERAGE_FIELD& f = r.KeeperSeries.Field;
                         return Row{Num(f.nKeeperCatches + f.nStumpings),
                                    PlayerVs(g, r.KeeperSeries.nPlayer, r.KeeperSeries.Where), Num(f.nMatches),
                                    Num(f.nKeeperCatches), Num(f.nStumpings)};
                     }));
}

void PointsSeries(Game& g, ReportOut& out, const ReportParams&)
{
    Table(out, "Most Points in a Series", {nullptr, "Pts<12 Player:14 T<55 Ave<64 Best<72", nullptr},
          RecordRows(g,
                     [](const RECORDS& r) { return r.PointsSeries.nPlayer != -1 && r.PointsSeries.Points.nMatches != 0; },
                     [&](const RECORDS& r) {
                         const AVERAGE_POINTS& a = r.PointsSeries.Points;
                         return Row{Num(a.nPoints), PlayerVs(g, r.PointsSeries.nPlayer, r.PointsSeries.Where),
                                    Num(a.nMatches), Fixed2(a.fAverage), Num(a.nBest)};
                     }));
}

// ---- Career tables -------------------------------------------------------------

template <typename MakeRow>
void Career(Game& g, ReportOut& out, const char* title, CareerTable table, const TableLayout& layout, MakeRow make)
{
    TableRows rows;
    for (int p : CareerTableOrder(g, table)) rows.push_back(make(p, g.db.players[p].Career));
    Table(out, title, layout, rows);
}

const TableLayout kCareerBatting{nullptr, "Runs<8 Player:10 T<40 I<46 NO<51 Avge<59 HS<64 100<70 50<75", nullptr};

void MostRuns(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Most Runs in Tests", CareerTable::RunsTests, kCareerBatting, [&](int p, const AVERAGE& a) {
        const Row f = BattingFigures(a.Bat);   // T I NO Runs Avge HS 100 50
        return Row{f[3], PlayerText(g, p), f[0], f[1], f[2], f[4], f[5], f[6], f[7]};
    });
}

void HighestAverage(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Highest Average in Tests", CareerTable::BattingAverage,
           {nullptr, "Avge<8 Player:10 T<40 I<46 NO<51 Runs<59 HS<64 100<70 50<75", nullptr},
           [&](int p, const AVERAGE& a) {
               const Row f = BattingFigures(a.Bat);
               return Row{f[4], PlayerText(g, p), f[0], f[1], f[2], f[3], f[5], f[6], f[7]};
           });
}

void MostHundreds(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Most Hundreds", CareerTable::Hundreds, {nullptr, "100s<25 Player:27 T<57", nullptr},
           [&](int p, const AVERAGE& a) { return Row{Num(a.Bat.nHundreds), PlayerText(g, p), Num(a.Bat.nTests)}; });
}

// Overs, maidens and runs, then the average or wickets, the best and the
// five- and ten-wicket counts.
Row BowlingFigures(const AVERAGE_BOWL& a, const std::string& fifth)
{
    return Concat(Concat({Num(a.nMatches), OversText(a), Num(a.nMaidens), Num(a.nRuns), fifth},
                         BestCells(a.nBestWickets, a.nBestRuns)),
                  {Num(a.nFiveWickets), Num(a.nTenWickets)});
}

void MostWickets(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Most Wickets in Tests", CareerTable::Wickets,
           {"5<75 10<78", "Wkts<5 Player:7 T<35 O<44 M<50 Runs<57 Ave<64 Best<70 wI<75 wM<78",
            "<5 :7 <35 <44 <50 <57 <64 <68 :68 <75 <78"},
           [&](int p, const AVERAGE& a) {
               return Concat({Num(a.Bowl.nWickets), PlayerText(g, p)}, BowlingFigures(a.Bowl, BowlingAverageText(a.Bowl)));
           });
}

void BestBowlingAverage(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Best Bowling Average in Tests", CareerTable::BowlingAverage,
           {"5<75 10<78", "Avge<6 Player:8 T<36 O<45 M<51 Runs<58 Wkts<64 Best<70 wI<75 wM<78",
            "<6 :8 <36 <45 <51 <58 <64 <68 :68 <75 <78"},
           [&](int p, const AVERAGE& a) {
               return Concat({BowlingAverageText(a.Bowl), PlayerText(g, p)}, BowlingFigures(a.Bowl, Num(a.Bowl.nWickets)));
           });
}

void MostCatches(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Most Catches in Tests", CareerTable::FielderTests, {nullptr, "Ct<24 Player:26 T<56", nullptr},
           [&](int p, const AVERAGE& a) {
               return Row{Num(ovs::Catches(a.Field)), PlayerText(g, p), Num(a.Field.nMatches)};
           });
}

void MostDismissals(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Most Dismissals in Tests", CareerTable::KeeperTests,
           {nullptr, "Total<18 Player:20 T<50 Ct<57 St<63", nullptr}, [&](int p, const AVERAGE& a) {
               const AVERAGE_FIELD& f = a.Field;
               return Row{Num(f.nKeeperCatches + f.nStumpings), PlayerText(g, p), Num(f.nMatches),
                          Num(f.nKeeperCatches), Num(f.nStumpings)};
           });
}

void MostPoints(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Most Points in Tests", CareerTable::PointsTests,
           {nullptr, "Pts<19 Player:21 T<51 Ave<60 Best<67", nullptr}, [&](int p, const AVERAGE& a) {
               return Row{Num(a.Points.nPoints), PlayerText(g, p), Num(a.Points.nMatches), Fixed2(a.Points.fAverage),
                          Num(a.Points.nBest)};
           });
}

void BestPointsAverage(Game& g, ReportOut& out, const ReportParams&)
{
    Career(g, out, "Best Points Average in Tests", CareerTable::RatingAverage,
           {nullptr, "Ave<18 Player:20 T<50 Pts<60 Best<67", nullptr}, [&](int p, const AVERAGE& a) {
               return Row{Fixed2(a.Points.fAverage), PlayerText(g, p), Num(a.Points.nMatches), Num(a.Points.nPoints),
                          Num(a.Points.nBest)};
           });
}

}  // namespace

std::string RatingChange(int now, int before)
{
    const int d = now - before;
    if (d > 0) return Format("[+%d]", d);
    if (d < 0) return Format("[%d]", d);
    return "";
}

namespace {

// The current ratings show their change since the series began; the highest
// ever ratings stand alone.
void Rating(Game& g, ReportOut& out, const char* title, CareerTable table, i16 PLAYER::*rating,
            i16 (PLAYER::*history)[MAX_RATING_HISTORY])
{
    TableRows rows;
    for (int p : CareerTableOrder(g, table)) {
        const PLAYER& pl = g.db.players[p];
        const int r = pl.*rating;
        rows.push_back({Num(r), history ? RatingChange(r, (pl.*history)[0]) : "", PlayerText(g, p)});
    }
    Table(out, title, {nullptr, "Rating:26 Player:37", "<27 :29 :37"}, rows);
}

void RatedBatsman(Game& g, ReportOut& o, const ReportParams&)
{
    Rating(g, o, "Highest Rated Batsman", CareerTable::BattingRating, &PLAYER::nBatRating, &PLAYER::nBatHistory);
}
void EverRatedBatsman(Game& g, ReportOut& o, const ReportParams&)
{
    Rating(g, o, "Highest Ever Rated Batsman", CareerTable::HighestBattingRating, &PLAYER::nBestBatRating, nullptr);
}
void RatedBowlers(Game& g, ReportOut& o, const ReportParams&)
{
    Rating(g, o, "Highest Rated Bowlers", CareerTable::BowlingRating, &PLAYER::nBowlRating, &PLAYER::nBowlHistory);
}
void EverRatedBowlers(Game& g, ReportOut& o, const ReportParams&)
{
    Rating(g, o, "Highest Ever Rated Bowlers", CareerTable::HighestBowlingRating, &PLAYER::nBestBowlRating, nullptr);
}
void RatedFielders(Game& g, ReportOut& o, const ReportParams&)
{
    Rating(g, o, "Highest Rated Fielders", CareerTable::FieldingRating, &PLAYER::nFieldRating, &PLAYER::nFieldHistory);
}
void EverRatedFielders(Game& g, ReportOut& o, const ReportParams&)
{
    Rating(g, o, "Highest Ever Rated Fielders", CareerTable::HighestFieldingRating, &PLAYER::nBestFieldRating,
           nullptr);
}

// The rate tables: the value, the player and one or two of his figures.
template <typename Figures>
void Rate(Game& g, ReportOut& out, const char* title, RateTable table, const char* layout, Figures figures)
{
    TableRows rows;
    for (const RateRow& r : RateTableRows(g, table))
        rows.push_back(Concat({Fixed2(r.value), PlayerText(g, r.player)}, figures(g.db.players[r.player].Career)));
    Table(out, title, {nullptr, layout, nullptr}, rows);
}

void ScoringRate(Game& g, ReportOut& o, const ReportParams&)
{
    Rate(g, o, "Scoring Rate per 100 Balls", RateTable::BattingSR, "S/R<23 Player:27 Runs<60",
         [](const AVERAGE& a) { return Row{Num(a.Bat.nRuns)}; });
}
void InningsOf50(Game& g, ReportOut& o, const ReportParams&)
{
    Rate(g, o, "% Innings of 50 or more", RateTable::Percent50, "%<19 Player:23 I<54 100s<60 50s<65",
         [](const AVERAGE& a) { return Row{Num(a.Bat.nInnings), Num(a.Bat.nHundreds), Num(a.Bat.nFifties)}; });
}
void BowlingStrikeRate(Game& g, ReportOut& o, const ReportParams&)
{
    Rate(g, o, "Bowling Strike Rate", RateTable::BowlingSR, "S/R<23 Player:27 Wkts<60",
         [](const AVERAGE& a) { return Row{Num(a.Bowl.nWickets)}; });
}
void EconomyRate(Game& g, ReportOut& o, const ReportParams&)
{
    Rate(g, o, "Bowling Economy Rate", RateTable::Economy, "E/R<19 Player:22 O<56 R<65",
         [](const AVERAGE& a) { return Row{OversText(a.Bowl), Num(a.Bowl.nRuns)}; });
}

}  // namespace

void WriteHighestInnings(Game& g, ReportOut& out, const ReportParams& p) { HighestInnings(g, out, p); }
void WriteLowestInnings(Game& g, ReportOut& out, const ReportParams& p) { LowestInnings(g, out, p); }
void WriteHighestScores(Game& g, ReportOut& out, const ReportParams& p) { HighestScores(g, out, p); }
void WritePartnerships(Game& g, ReportOut& out, const ReportParams& p) { Partnerships(g, out, p); }
void WriteBestBowlingInnings(Game& g, ReportOut& out, const ReportParams& p) { BestBowlingInnings(g, out, p); }
void WriteBestBowlingTest(Game& g, ReportOut& out, const ReportParams& p) { BestBowlingTest(g, out, p); }
void WriteCatchesInnings(Game& g, ReportOut& out, const ReportParams& p) { CatchesInnings(g, out, p); }
void WriteCatchesTest(Game& g, ReportOut& out, const ReportParams& p) { CatchesTest(g, out, p); }
void WriteDismissalsInnings(Game& g, ReportOut& out, const ReportParams& p) { DismissalsInnings(g, out, p); }
void WriteDismissalsTest(Game& g, ReportOut& out, const ReportParams& p) { DismissalsTest(g, out, p); }
void WritePointsTest(Game& g, ReportOut& out, const ReportParams& p) { PointsTest(g, out, p); }
void WriteRunsSeries(Game& g, ReportOut& out, const ReportParams& p) { RunsSeries(g, out, p); }
void WriteWicketsSeries(Game& g, ReportOut& out, const ReportParams& p) { WicketsSeries(g, out, p); }
void WriteCatchesSeries(Game& g, ReportOut& out, const ReportParams& p) { CatchesSeries(g, out, p); }
void WriteDismissalsSeries(Game& g, ReportOut& out, const ReportParams& p) { DismissalsSeries(g, out, p); }
void WritePointsSeries(Game& g, ReportOut& out, const ReportParams& p) { PointsSeries(g, out, p); }
void WriteMostRuns(Game& g, ReportOut& out, const ReportParams& p) { MostRuns(g, out, p); }
void WriteHighestAverage(Game& g, ReportOut& out, const ReportParams& p) { HighestAverage(g, out, p); }
void WriteMostHundreds(Game& g, ReportOut& out, const ReportParams& p) { MostHundreds(g, out, p); }
void WriteMostWickets(Game& g, ReportOut& out, const ReportParams& p) { MostWickets(g, out, p); }
void WriteBestBowlingAverage(Game& g, ReportOut& out, const ReportParams& p) { BestBowlingAverage(g, out, p); }
void WriteMostCatches(Game& g, ReportOut& out, const ReportParams& p) { MostCatches(g, out, p); }
void WriteMostDismissals(Game& g, ReportOut& out, const ReportParams& p) { MostDismissals(g, out, p); }
void WriteMostPoints(Game& g, ReportOut& out, const ReportParams& p) { MostPoints(g, out, p); }
void WriteBestPointsAverage(Game& g, ReportOut& out, const ReportParams& p) { BestPointsAverage(g, out, p); }
void WriteRatedBatsman(Game& g, ReportOut& out, const ReportParams& p) { RatedBatsman(g, out, p); }
void WriteEverRatedBatsman(Game& g, ReportOut& out, const ReportParams& p) { EverRatedBatsman(g, out, p); }
void WriteRatedBowlers(Game& g, ReportOut& out, const ReportParams& p) { RatedBowlers(g, out, p); }
void WriteEverRatedBowlers(Game& g, ReportOut& out, const ReportParams& p) { EverRatedBowlers(g, out, p); }
void WriteRatedFielders(Game& g, ReportOut& out, const ReportParams& p) { RatedFielders(g, out, p); }
void WriteEverRatedFielders(Game& g, ReportOut& out, const ReportParams& p) { EverRatedFielders(g, out, p); }
void WriteScoringRate(Game& g, ReportOut& out, const ReportParams& p) { ScoringRate(g, out, p); }
void WriteInningsOf50(Game& g, ReportOut& out, const ReportParams& p) { InningsOf50(g, out, p); }
void WriteBowlingStrikeRate(Game& g, ReportOut& out, const ReportParams& p) { BowlingStrikeRate(g, out, p); }
void WriteEconomyRate(Game& g, ReportOut& out, const ReportParams& p) { EconomyRate(g, out, p); }

}  // namespace ovs
