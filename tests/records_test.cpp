// Database records: file images, new-record values, enumeration texts, derived
// figures and the stores.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/game.h"
#include "data/records.h"
#include "data/stores.h"
#include "data/texts.h"
#include "file_fixtures.h"

namespace ovs {
namespace {

using namespace ovs::test;

TEST(RecordsInit, NewPlayerSquadGroundCountry)
{
    PLAYER p{};
    std::memset(p.szInitials, 'x', sizeof p.szInitials);
    InitPlayer(p, 7);
    EXPECT_STREQ(p.szSurname, "Player No.  7");
    EXPECT_STREQ(p.szInitials, "");
    EXPECT_EQ(p.nMorale, 3);
    EXPECT_EQ(p.nInjury, 0);
    EXPECT_EQ(p.Career.Bat.nHighScore, -1);
    EXPECT_EQ(p.Career.Bat.nHighHowOut, 0);
    EXPECT_FLOAT_EQ(p.Career.Bat.fAverage, -1000000.0f);
    EXPECT_FLOAT_EQ(p.Career.Bowl.fAverage, 1000000.0f);
    EXPECT_FLOAT_EQ(p.Career.Points.fAverage, -999999.0f);
    EXPECT_EQ(p.Career.Points.nBest, -9999);
    EXPECT_EQ(p.Career.Field.nStumpings, 0);
    InitPlayer(p, 12);
    EXPECT_STREQ(p.szSurname, "Player No. 12");

    SQUAD s{};
    InitSquad(s, 2);
    EXPECT_STREQ(s.szName, "Squad No.  2");
    EXPECT_STREQ(s.szShort, "ABC");
    EXPECT_EQ(s.nMembers, 0);
    EXPECT_EQ(s.nGrounds, 0);
    for (int i = 0; i < MAX_SQUAD; ++i) EXPECT_EQ(s.nPlayer[i], -1);
    for (int i = 0; i < MAX_HOME_GROUNDS; ++i) EXPECT_EQ(s.nGround[i], -1);
    EXPECT_EQ(s.wSetting2, 0);
    auto sb = Bytes(s);
    EXPECT_EQ(I16At(sb, 1020), -1);
    EXPECT_EQ(I16At(sb, 1318), -1);
    EXPECT_EQ(I16At(sb, 1010), 0);

    GROUND gr{};
    InitGround(gr, 12);
    EXPECT_STREQ(gr.szName, "Ground No. 12");
    auto gb = Bytes(gr);
    for (int i = 21; i <= 29; ++i) EXPECT_EQ(gb[i], 0) << i;
    EXPECT_EQ(I16At(gb, 40), 1);
    EXPECT_EQ(I16At(gb, 42), 1100);
    EXPECT_EQ(I16At(gb, 44), 2000);
    for (int i = 46; i <= 56; ++i) EXPECT_EQ(gb[i], 6) << i;
    EXPECT_EQ(gb[57], 0);
    EXPECT_EQ(gb[58], 0);

    COUNTRY c{};
    InitCountry(c, 1);
    EXPECT_STREQ(c.szName, "Country No.  1");
    EXPECT_STREQ(c.szShort, "ABC");
    EXPECT_EQ(c.nTied, 0);
}

TEST(RecordsInit, NewRecordEntriesEndEveryTable)
{
    RECORDS r{};
    InitRecords(r);
    auto b = Bytes(r);
    // The first value field of each table, by offset.
    for (int off : {0, 38, 74, 114, 180, 222, 558, 600, 640, 680, 746, 786, 826, 870, 910, 950, 994, 1032})
        EXPECT_EQ(I16At(b, off), -1) << off;
    EXPECT_EQ(r.HighInnings.nWickets, -1);
    EXPECT_EQ(r.HighScore.bNotOut, -1);
    EXPECT_EQ(r.Partnership[9].bUnbroken, -1);
    EXPECT_EQ(r.CatchesTest.nSpare, -1);
    EXPECT_EQ(r.PointsTest.nPoints, -1);
    // Embedded AVERAGE parts take their new-record values.
    EXPECT_EQ(r.SeriesRuns.Bat.nHighScore, -1);
    EXPECT_EQ(r.SeriesRuns.Bat.nRuns, 0);
    EXPECT_FLOAT_EQ(r.SeriesWickets.Bowl.fAverage, 1000000.0f);
    EXPECT_EQ(r.SeriesWickets.Bowl.nWickets, 0);
    EXPECT_EQ(r.KeeperSeries.Field.nStumpings, 0);
    EXPECT_EQ(r.PointsSeries.Points.nBest, -9999);
    // RECORD_WHERE of a new entry: no team, empty text, 0, then -1 -1.
    const RECORD_WHERE& w = r.PointsSeries.Where;
    EXPECT_EQ(w.nTeam, -1);
    EXPECT_EQ(w.nOpponent, -1);
    EXPECT_EQ(w.nGround, -1);
    EXPECT_STREQ(w.szText, "");
    EXPECT_EQ(w.nSpare, 0);
    EXPECT_EQ(w.nSpare2[0], -1);
    EXPECT_EQ(w.nSpare2[1], -1);
    EXPECT_EQ(I16At(b, 1032 + 14 + 28), 0);
    EXPECT_EQ(I16At(b, 1032 + 14 + 30), -1);
}

// The edges of the enumeration texts: the batting-style boundaries, type bytes
// whose high bits are set, values no text is kept for, and the keeper's -1.
TEST(RecordsTexts, EdgesOfTheTypeStyleAndMoraleTexts)
{
    struct Case {
        const char* got;
        const char* expected;
    };
    const Case cases[] = {
        {BattingStyle(39), "Defensive"},
        {BattingStyle(40), "Stroke Playing"},
        {BattingStyle(49), "Stroke Playing"},
        {BattingStyle(50), "Aggressive"},
        {BattingStyle(59), "Aggressive"},
        {BattingStyle(60), "Slogging"},
        // Bits above the low five of a batting type are ignored.
        {BatTypeShort(0x20 | 1), "Opener"},
        {BatTypeLong(0xE0 | 16), "Tailender Batsman"},
        // Values other than one type bit, or past the table, read unknown.
        {BatTypeShort(3), "Unknown"},
        {BatTypeLong(0), "Unknown Type Batsman"},
        {BatTypeHtml(0x20), "Undefined"},
        {BowlTypeShort(3), "Unknown"},
        {BowlTypeLong(3), "Unknown Type Bowler"},
        {FieldTypeLong(3), "Unknown Type Fielder"},
        {MoraleText(8), "Unknown"},
        {BowlStatusText(2), ""},
        {BowlStatusText(1), ""},
        {BowlStatusText(4), "Very Occasional"},
        {BowlStatusText(128), "New Ball"},
        // A keeper bowls type -1 and fields type 16.
        {BowlTypeShort(-1), "Wkt Keeper"},
        {BowlTypeLong(-1), ""},
        {BowlTypeHtml(-1), ""},
        {FieldTypeShort(16), "Wkt Keeper"},
        {MoraleText(0), "Rock Bottom"},
        {MoraleText(7), "Sky High"},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.got, c.expected);
}

TEST(RecordsTexts, KeeperSkillsAndDisplayNames)
{
    PLAYER keeper{};
    InitPlayer(keeper, 1);
    keeper.nBowlType = -1;
    keeper.nBowlSkill = 37;   // his keeping skill
    keeper.nFieldSkill = 10;
    EXPECT_EQ(ShownBowlingSkill(keeper), -1);
    EXPECT_EQ(ShownFieldingSkill(keeper), 37);

    PLAYER bowler = keeper;
    bowler.nBowlType = 8;
    EXPECT_EQ(ShownBowlingSkill(bowler), 37);
    EXPECT_EQ(ShownFieldingSkill(bowler), 30);

    EXPECT_EQ(DisplayName(keeper), "Player No.  1");
    std::snprintf(keeper.szInitials, sizeof keeper.szInitials, "J.R.");
    std::snprintf(keeper.szSurname, sizeof keeper.szSurname, "Smith");
    EXPECT_EQ(DisplayName(keeper), "J.R. Smith");
    // A surname filling its whole width is cut at the width.
    std::memset(keeper.szSurname, 'W', sizeof keeper.szSurname);
    EXPECT_EQ(DisplayName(keeper), "J.R. " + std::string(21, 'W'));
}

TEST(RecordsTexts, DerivedFiguresBlankWithoutDivisor)
{
    EXPECT_EQ(StrikeRateText(50, 40), "125.00");
    EXPECT_EQ(StrikeRateText(50, 0), "");
    EXPECT_EQ(FiftiesPercentText(1, 2, 8), "37.50");
    EXPECT_EQ(FiftiesPercentText(0, 0, 0), "");
    EXPECT_EQ(BoundaryPercentText(10, 2, 200), "26.00");   // (40 + 12) * 100 / 200
    EXPECT_EQ(BoundaryPercentText(0, 0, 0), "");
    EXPECT_EQ(OversText(125), "20.5");
    EXPECT_EQ(OversText(0), "0.0");
    EXPECT_EQ(BowlingStrikeRateText(125, 5), "25.00");
    EXPECT_EQ(BowlingStrikeRateText(125, 0), "");
    EXPECT_EQ(EconomyText(60, 120), "3.00");
    EXPECT_EQ(EconomyText(60, 0), "");

    // Averages: never dismissed is below zero, no wicket is 100000 or more.
    AVERAGE a{};
    InitAverage(a);
    EXPECT_EQ(BattingAverageText(a.Bat), "");
    EXPECT_EQ(BowlingAverageText(a.Bowl), "");
    EXPECT_EQ(BattingAverageText(50.0f - 100000.0f), "");
    EXPECT_EQ(BattingAverageText(0.0), "0.00");
    EXPECT_EQ(BattingAverageText(45.5), "45.50");
    EXPECT_EQ(BowlingAverageText(100000.0), "");
    EXPECT_EQ(BowlingAverageText(23.25), "23.25");

    a.Field.nCatches = 3;
    a.Field.nKeeperCatches = 4;
    EXPECT_EQ(Catches(a.Field), 7);
}

TEST(RecordsStores, AllocateAndInitialiseDefaults)
{
    Stores db;
    SetDefaultCounts(db.numbers);
    LEAGUE league{};
    league.nTests = 4;   // a reset keeps the Tests per rubber
    auto series = std::make_unique<SERIES>();
    ASSERT_EQ(AllocateAndInitialiseStores(db, league, *series), StoreId::None);

    EXPECT_EQ(db.players.size(), 100u);
    EXPECT_EQ(db.countries.size(), 2u);
    EXPECT_EQ(db.squads.size(), 4u);
    EXPECT_EQ(db.grounds.size(), 18u);
    EXPECT_EQ(db.records.size(), 20u);
    EXPECT_EQ(db.leagueSeries.size(), 100u);

    EXPECT_STREQ(db.players[0].szSurname, "Player No.  1");
    EXPECT_STREQ(db.players[39].szSurname, "Player No. 40");
    EXPECT_STREQ(db.players[40].szSurname, "");   // spare slots stay zero
    EXPECT_EQ(db.players[40].nMorale, 0);
    EXPECT_STREQ(db.squads[1].szName, "Squad No.  2");
    EXPECT_STREQ(db.squads[2].szName, "");
    EXPECT_STREQ(db.grounds[11].szName, "Ground No. 12");
    EXPECT_STREQ(db.countries[1].szName, "Country No.  2");
    EXPECT_EQ(db.records[19].LowInnings.nRuns, -1);

    // The league reset.
    EXPECT_EQ(league.nTests, 4);
    EXPECT_EQ(league.nSquads, 0);
    EXPECT_EQ(league.nSquad[9], -1);
    EXPECT_EQ(league.Fixture[19][4].nHome, -1);
    EXPECT_EQ(league.Fixture[0][0].nAway, -1);
    EXPECT_EQ(league.Points[3].nPoints, 0);
    EXPECT_STREQ(db.LeagueSeries(9, 9).Test[5].szResult, "Not yet played.");
    const SQUAD& sq = db.squads[0];
    EXPECT_EQ(sq.nLeaguePos, -1);
    EXPECT_EQ(sq.nLeagueCounter, 0);

    // The current series.
    EXPECT_EQ(series->nSquad[0], -1);
    EXPECT_EQ(series->bAllowWeather, 1);
    EXPECT_EQ(series->nGround[0], 255);
}

TEST(RecordsStores, FreeingTwiceIsHarmless)
{
    Stores db;
    SetDefaultCounts(db.numbers);
    LEAGUE league{};
    auto series = std::make_unique<SERIES>();
    ASSERT_EQ(AllocateAndInitialiseStores(db, league, *series), StoreId::None);
    FreeStores(db);
    EXPECT_FALSE(db.Allocated());
    EXPECT_TRUE(db.players.empty());
    EXPECT_TRUE(db.leagueSeries.empty());
    FreeStores(db);
    EXPECT_FALSE(db.Allocated());
}

}  // namespace
}  // namespace ovs
