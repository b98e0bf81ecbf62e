// The database text: the shipped default database and the reader's checks.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "core/game.h"
#include "data/dbtext.h"
#include "data/records.h"
#include "test_host.h"

namespace ovs {
namespace {

const std::string kShipped = std::string(OVALSPIN_SOURCE_DIR) + "/res/db/default_db.txt";

bool ReadText(Game& g, const std::string& text, std::string& error)
{
    std::istringstream in(text);
    return ReadDatabaseText(g, in, error);
}

bool ReadShipped(Game& g, std::string& error)
{
    std::ifstream in(kShipped);
    if (!in) {
        error = "cannot open " + kShipped;
        return false;
    }
    return ReadDatabaseText(g, in, error);
}

std::string Full(const PLAYER& p)
{
    return p.szInitials[0] ? std::string(p.szInitials) + " " + p.szSurname : std::string(p.szSurname);
}

bool IsPace(int type) { return type == BOWL_MEDIUM || type == BOWL_MEDIUMFAST || type == BOWL_FASTMEDIUM || type == BOWL_FAST; }
bool IsSpin(int type) { return type == BOWL_OFFSPIN || type == BOWL_LEGSPIN || type == BOWL_SLOW; }

class DbTextTest : public ::testing::Test {
protected:
    test::TestHost host;
    Game g{host};
};

// ---- the shipped database --------------------------------------------------

TEST_F(DbTextTest, ShippedDatabaseHasTestSquadsOfTheirOwn)
{
    std::string error;
    ASSERT_TRUE(ReadShipped(g, error)) << error;
    const Stores& db = g.db;
    EXPECT_STRNE(g.dbHeader.szName, "");
    EXPECT_EQ(static_cast<int>(g.dbHeader.nVersion), 20004);
    ASSERT_GE(db.NumSquads(), 8);
    EXPECT_EQ(db.NumRecords(), MAX_RECORDS);

    std::vector<int> playerSquads(db.NumPlayers(), 0), groundSquads(db.NumGrounds(), 0);
    std::set<std::string> names, abbrs;
    for (int s = 0; s < db.NumSquads(); ++s) {
        const SQUAD& sq = db.squads[s];
        SCOPED_TRACE(sq.szName);
        EXPECT_TRUE(names.insert(sq.szName).second);
        EXPECT_TRUE(abbrs.insert(sq.szShort).second);
        EXPECT_STRNE(sq.szName, "");
        EXPECT_GE(std::strlen(sq.szShort), 2u);
        EXPECT_GE(sq.nMembers, 16);
        EXPECT_LE(sq.nMembers, 22);
        EXPECT_EQ(sq.nGrounds, 6);

        int keepers = 0, frontLine = 0, openers = 0, pace = 0, spin = 0;
        std::set<std::string> surnames;
        for (int m = 0; m < sq.nMembers; ++m) {
            const int i = sq.nPlayer[m];
            ASSERT_GE(i, 0);
            ASSERT_LT(i, db.NumPlayers());
            ++playerSquads[i];
            const PLAYER& p = db.players[i];
            // a member is shown by his surname, so no two in a squad may share one
            EXPECT_STREQ(sq.szMember[m], p.szSurname);
            EXPECT_TRUE(surnames.insert(p.szSurname).second) << p.szSurname;
            if (p.nBowlType == BOWL_NONE && p.nFieldType == FIELD_KEEPER) ++keepers;
            if (p.nBowlType != BOWL_NONE && p.nBowlStatus >= STATUS_MAIN) ++frontLine;
            if (p.nBatType == BAT_OPENER) ++openers;
            if (p.nBowlStatus >= STATUS_SUPPORT && IsPace(p.nBowlType)) ++pace;
            if (p.nBowlStatus >= STATUS_SUPPORT && IsSpin(p.nBowlType)) ++spin;
        }
        for (int m = sq.nMembers; m < MAX_SQUAD; ++m) EXPECT_EQ(sq.nPlayer[m], -1);
        EXPECT_GE(keepers, 1);
        EXPECT_GE(frontLine, 3);
        EXPECT_GE(openers, 2);
        EXPECT_GE(pace, 2);
        EXPECT_GE(spin, 1);
        for (int k = 0; k < sq.nGrounds; ++k) {
            ASSERT_GE(sq.nGround[k], 0);
            ASSERT_LT(sq.nGround[k], db.NumGrounds());
            ++groundSquads[sq.nGround[k]];
        }
    }
    for (int i = 0; i < db.NumPlayers(); ++i) EXPECT_EQ(playerSquads[i], 1) << Full(db.players[i]);
    for (int i = 0; i < db.NumGrounds(); ++i) EXPECT_EQ(groundSquads[i], 1) << db.grounds[i].szName;
}

TEST_F(DbTextTest, ShippedPlayersAndGroundsAreInRange)
{
    std::string error;
    ASSERT_TRUE(ReadShipped(g, error)) << error;
    const Stores& db = g.db;
    const std::set<int> batTypes{1, 2, 4, 8, 16}, bowlTypes{-1, 1, 2, 4, 8, 16, 32, 64},
        statuses{128, 64, 16, 8, 4, 1}, fieldTypes{1, 2, 4, 8, 16};
    std::set<std::string> players;
    bool pace = false, spin = false;
    for (int i = 0; i < db.NumPlayers(); ++i) {
        const PLAYER& p = db.players[i];
        SCOPED_TRACE(Full(p));
        EXPECT_TRUE(players.insert(Full(p)).second);
        EXPECT_TRUE(batTypes.count(p.nBatType));
        EXPECT_TRUE(bowlTypes.count(p.nBowlType));
        EXPECT_TRUE(statuses.count(p.nBowlStatus));
        EXPECT_TRUE(fieldTypes.count(p.nFieldType));
        EXPECT_GE(p.nStrikeRate, 25);
        EXPECT_LE(p.nStrikeRate, 80);
        EXPECT_LE(p.nMorale, 7);
        EXPECT_GE(p.nBatPos, 1);
        EXPECT_LE(p.nBatPos, 11);
        EXPECT_GE(p.nBatSkill, 1);
        EXPECT_LE(p.nBatSkill, 60);
        EXPECT_LE(p.nBowlSkill, 60);
        EXPECT_LE(p.nFieldSkill, 14);
        EXPECT_EQ(p.nInjury, 0);
        // a keeper does not bowl and is listed without a status
        EXPECT_EQ(p.nBowlType == BOWL_NONE, p.nBowlStatus == 1);
        if (p.nBowlType == BOWL_NONE) {
            EXPECT_EQ(p.nFieldType, FIELD_KEEPER);
        }
        EXPECT_EQ(p.nBestBatRating, p.nBatRating);
        EXPECT_GE(p.nBatRating, 0);
        EXPECT_GE(p.nBowlRating, 0);
        EXPECT_EQ(p.Career.Bat.nTests, 0);
        if (p.nBowlStatus >= STATUS_MAIN && IsPace(p.nBowlType)) pace = true;
        if (p.nBowlStatus >= STATUS_MAIN && IsSpin(p.nBowlType)) spin = true;
    }
    EXPECT_TRUE(pace);
    EXPECT_TRUE(spin);

    std::set<std::string> grounds;
    for (int i = 0; i < db.NumGrounds(); ++i) {
        const GROUND& gr = db.grounds[i];
        SCOPED_TRACE(gr.szName);
        EXPECT_TRUE(grounds.insert(gr.szName).second);
        EXPECT_EQ(gr.bInitialised, 1);
        EXPECT_GE(gr.nSize, -5);
        EXPECT_LE(gr.nSize, 5);
        for (int f = 0; f < PACE_FACTORS; ++f) {
            EXPECT_GE(gr.nPace[f], -5);
            EXPECT_LE(gr.nPace[f], 5);
        }
        EXPECT_LE(gr.nPitch, 4);
        EXPECT_LE(gr.nBounce, 4);
        // stumps come seven hours after the start, and the light should last to them
        EXPECT_GE(static_cast<int>(gr.nSunset), gr.nStart + 700 + 30);
        EXPECT_GT(gr.nWeather[6], 0);   // very overcast: bad light can clear
        EXPECT_LE(gr.nWeather[WEATHER_CHANGE], 14);
        EXPECT_LE(gr.nWeather[WEATHER_RAIN_DURATION], 11);
    }
}

TEST_F(DbTextTest, ShippedDatabaseWritesAndReadsBackUnchanged)
{
    std::string error;
    ASSERT_TRUE(ReadShipped(g, error)) << error;
    std::ostringstream out;
    ASSERT_TRUE(WriteDatabaseText(g, out));

    test::TestHost host2;
    Game g2{host2};
    ASSERT_TRUE(ReadText(g2, out.str(), error)) << error;
    ASSERT_EQ(g2.db.NumPlayers(), g.db.NumPlayers());
    ASSERT_EQ(g2.db.NumSquads(), g.db.NumSquads());
    ASSERT_EQ(g2.db.NumGrounds(), g.db.NumGrounds());
    EXPECT_STREQ(g2.dbHeader.szName, g.dbHeader.szName);
    for (int i = 0; i < g.db.NumPlayers(); ++i)
        EXPECT_EQ(std::memcmp(&g.db.players[i], &g2.db.players[i], sizeof(PLAYER)), 0) << Full(g.db.players[i]);
    for (int i = 0; i < g.db.NumSquads(); ++i)
        EXPECT_EQ(std::memcmp(&g.db.squads[i], &g2.db.squads[i], sizeof(SQUAD)), 0) << g.db.squads[i].szName;
    for (int i = 0; i < g.db.NumGrounds(); ++i)
        EXPECT_EQ(std::memcmp(&g.db.grounds[i], &g2.db.grounds[i], sizeof(GROUND)), 0) << g.db.grounds[i].szName;
}

// ---- the reader -------------------------------------------------------------

const char* const kSmall =
    "# a small database\n"
    "database | Two Squads\n"
    "\n"
    "squad  | AAA | Alpha Town\n"
    "squad  | BB  | Beta City\n"
    "ground | BB  | Beta Park  | -3 | -1 -2 0 1 2 3 4 | 2 3 | 0930 1800 | 1 2 3 4 5 6 7 8 9 | 10 11\n"
    "ground | AAA | Alpha Oval |  5 |  0 0 0 0 0 0 0 | 0 0 | 1100 2000 | 6 6 6 6 6 6 6 6 6 | 6 6\n"
    "player | AAA | Ashby | J.R. | Opener 38 | OffSpin VeryOcc | Slip | 4 | 1 | 40 8 11 | 350 16 110\n"
    "player | BB  | Bolt  | -    | Tail 65   | Fast NewBall    | Poor | 7 | 11 | 4 42 3 | 30 460 40\n"
    "player | AAA | Crane | K.   | LateOrder 52 | Keeper None | Keeper | 0 | 7 | 27 41 13 | 240 0 250\n"
    "player | -   | Drift | M.   | Specialist 45 | 16 2 | 8 | 3 | 4 | 35 20 12 | -5 0 0\n";

TEST_F(DbTextTest, ReaderFillsEveryField)
{
    std::string error;
    ASSERT_TRUE(ReadText(g, kSmall, error)) << error;
    const Stores& db = g.db;
    ASSERT_EQ(db.NumPlayers(), 4);
    ASSERT_EQ(db.NumSquads(), 2);
    ASSERT_EQ(db.NumGrounds(), 2);
    EXPECT_EQ(db.NumRecords(), 20);
    EXPECT_EQ(db.NumCountries(), 2);
    EXPECT_EQ(db.players.size(), 4u + 60u);
    EXPECT_EQ(db.squads.size(), 2u + 2u);
    EXPECT_EQ(db.grounds.size(), 2u + 6u);
    EXPECT_STREQ(g.dbHeader.szName, "Two Squads");

    const SQUAD& a = db.squads[0];
    EXPECT_STREQ(a.szName, "Alpha Town");
    EXPECT_STREQ(a.szShort, "AAA");
    ASSERT_EQ(a.nMembers, 2);
    EXPECT_EQ(a.nPlayer[0], 0);
    EXPECT_EQ(a.nPlayer[1], 2);
    EXPECT_EQ(a.nPlayer[2], -1);
    EXPECT_STREQ(a.szMember[0], "Ashby");
    EXPECT_STREQ(a.szMember[1], "Crane");
    ASSERT_EQ(a.nGrounds, 1);
    EXPECT_EQ(a.nGround[0], 1);
    EXPECT_EQ(a.nGround[1], -1);
    EXPECT_EQ(a.nLeaguePos, -1);
    const SQUAD& b = db.squads[1];
    EXPECT_EQ(b.nMembers, 1);
    EXPECT_EQ(b.nPlayer[0], 1);
    EXPECT_EQ(b.nGround[0], 0);

    const PLAYER& ashby = db.players[0];
    EXPECT_STREQ(ashby.szSurname, "Ashby");
    EXPECT_STREQ(ashby.szInitials, "J.R.");
    EXPECT_EQ(ashby.nBatType, 1);
    EXPECT_EQ(ashby.nStrikeRate, 38);
    EXPECT_EQ(ashby.nBowlType, 1);
    EXPECT_EQ(ashby.nBowlStatus, 4);
    EXPECT_EQ(ashby.nFieldType, 4);
    EXPECT_EQ(ashby.nMorale, 4);
    EXPECT_EQ(ashby.nBatPos, 1);
    EXPECT_EQ(ashby.nBatSkill, 40);
    EXPECT_EQ(ashby.nBowlSkill, 8);
    EXPECT_EQ(ashby.nFieldSkill, 11);
    EXPECT_EQ(ashby.nBatRating, 350);
    EXPECT_EQ(ashby.nBestBatRating, 350);
    EXPECT_EQ(ashby.nBowlRating, 16);
    EXPECT_EQ(ashby.nBestFieldRating, 110);
    EXPECT_EQ(ashby.nBatHistory[0], 0);
    EXPECT_EQ(ashby.Career.Bat.nHighScore, -1);   // a new career
    const PLAYER& bolt = db.players[1];
    EXPECT_STREQ(bolt.szInitials, "");
    EXPECT_EQ(bolt.nBatType, 16);
    EXPECT_EQ(bolt.nBowlType, 64);
    EXPECT_EQ(bolt.nBowlStatus, 128);
    EXPECT_EQ(bolt.nFieldType, 1);
    EXPECT_EQ(bolt.nMorale, 7);
    const PLAYER& crane = db.players[2];
    EXPECT_EQ(crane.nBowlType, -1);
    EXPECT_EQ(crane.nBowlStatus, 1);
    EXPECT_EQ(crane.nFieldType, 16);
    EXPECT_EQ(crane.nBowlSkill, 41);   // the keeping skill
    // numbers stand for values that have no name
    const PLAYER& drift = db.players[3];
    EXPECT_EQ(drift.nBowlType, 16);
    EXPECT_EQ(drift.nBowlStatus, 2);
    EXPECT_EQ(drift.nFieldType, 8);
    EXPECT_EQ(drift.nBatRating, -5);

    const GROUND& park = db.grounds[0];
    EXPECT_STREQ(park.szName, "Beta Park");
    EXPECT_EQ(park.nSize, -3);
    EXPECT_EQ(park.nPace[0], -1);
    EXPECT_EQ(park.nPace[1], -2);
    EXPECT_EQ(park.nPace[6], 4);
    EXPECT_EQ(park.nPitch, 2);
    EXPECT_EQ(park.nBounce, 3);
    EXPECT_EQ(park.nStart, 930);
    EXPECT_EQ(park.nSunset, 1800);
    for (int w = 0; w < 9; ++w) EXPECT_EQ(park.nWeather[w], w + 1);
    EXPECT_EQ(park.nWeather[WEATHER_CHANGE], 10);
    EXPECT_EQ(park.nWeather[WEATHER_RAIN_DURATION], 11);
    EXPECT_EQ(park.bInitialised, 1);
    EXPECT_EQ(park.nPlayed, 0);
    EXPECT_EQ(db.grounds[1].nSize, 5);
}

TEST_F(DbTextTest, WriterKeepsPlayersAndGroundsOfNoSquad)
{
    std::string error;
    ASSERT_TRUE(ReadText(g, kSmall, error)) << error;
    std::ostringstream out;
    ASSERT_TRUE(WriteDatabaseText(g, out));
    test::TestHost host2;
    Game g2{host2};
    ASSERT_TRUE(ReadText(g2, out.str(), error)) << error << "\n" << out.str();
    ASSERT_EQ(g2.db.NumPlayers(), 4);
    // grouped by squad: Alpha's players first, then Beta's, then the one of no squad
    EXPECT_STREQ(g2.db.players[0].szSurname, "Ashby");
    EXPECT_STREQ(g2.db.players[1].szSurname, "Crane");
    EXPECT_STREQ(g2.db.players[2].szSurname, "Bolt");
    EXPECT_STREQ(g2.db.players[3].szSurname, "Drift");
    EXPECT_EQ(std::memcmp(&g.db.players[3], &g2.db.players[3], sizeof(PLAYER)), 0);
    EXPECT_STREQ(g2.db.grounds[0].szName, "Alpha Oval");
    EXPECT_EQ(std::memcmp(&g.db.grounds[0], &g2.db.grounds[1], sizeof(GROUND)), 0);
}

TEST_F(DbTextTest, ReaderRejectsBadRowsWithTheirLineNumber)
{
    const std::string head =
        "database | Bad\n"
        "squad | AAA | Alpha\n"
        "squad | BBB | Beta\n";
    const std::string ok = "player | AAA | Ashby | J. | Opener 38 | OffSpin VeryOcc | Slip | 4 | 1 | 40 8 11 | 0 0 0\n";
    const std::string ground = "ground | AAA | Oval %d | 0 | 0 0 0 0 0 0 0 | 0 0 | 1100 2000 | 6 6 6 6 6 6 6 6 6 | 6 6\n";
    struct Case {
        std::string text;
        std::string expected;
    };
    std::string sevenGrounds = head;
    for (int i = 1; i <= 7; ++i) {
        char row[160];
        std::snprintf(row, sizeof row, ground.c_str(), i);
        sevenGrounds += row;
    }
    const Case cases[] = {
        {head + "player | CCC | Ashby | J. | Opener 38 | OffSpin VeryOcc | Slip | 4 | 1 | 40 8 11 | 0 0 0\n",
         "line 4: unknown squad \"CCC\""},
        {head + ok + "\n" + ok, "line 6: duplicate player J. Ashby (first at line 4)"},
        {head + ok + "player | BBB | Ashby | J. | Tail 38 | Fast Main | Poor | 4 | 11 | 4 38 4 | 0 0 0\n",
         "line 5: J. Ashby is already in squad AAA (line 4)"},
        {head + "player | AAA | Ashby | J. | Opener 38 | OffSpin VeryOcc | Slip | 9 | 1 | 40 8 11 | 0 0 0\n",
         "line 4: morale 9 out of range 0..7"},
        {head + "player | AAA | Ashby | J. | Opener 38 | OffSpin VeryOcc | Slip | 4 | 1 | 0 8 11 | 0 0 0\n",
         "line 4: batting skill 0 out of range 1..99"},
        {head + "player | AAA | Ashby | J. | Opener 38 | Quick VeryOcc | Slip | 4 | 1 | 40 8 11 | 0 0 0\n",
         "line 4: unknown bowling type \"Quick\""},
        {head + "player | AAA | Ashby | J. | Opener 38 | OffSpin VeryOcc | Slip | 4 | 1 | 40 8 11\n",
         "line 4: a player row has 11 cells, this one has 10"},
        {head + "# comment\nplayers | AAA\n", "line 5: unknown row \"players\""},
        {"squad | AAA | Alpha\n", "line 1: no database row"},
        {head + "database | Again\n", "line 4: second database row (the first is at line 1)"},
        {head + "squad | AAA | Gamma\n", "line 4: duplicate squad \"AAA\" (first at line 2)"},
        {sevenGrounds, "line 10: squad AAA has more than 6 home grounds"},
        {head + "ground | AAA | Oval | 0 | 0 0 0 0 0 0 0 | 0 0 | 1170 2000 | 6 6 6 6 6 6 6 6 6 | 6 6\n",
         "line 4: start of play 1170 is not a time hhmm"},
        {head + "ground | AAA | Oval | 6 | 0 0 0 0 0 0 0 | 0 0 | 1100 2000 | 6 6 6 6 6 6 6 6 6 | 6 6\n",
         "line 4: ground size 6 out of range -5..5"},
        {head + "ground | AAA | Oval | 0 | 0 0 0 0 0 0 | 0 0 | 1100 2000 | 6 6 6 6 6 6 6 6 6 | 6 6\n",
         "line 4: pace factor: expected 7 values, found 6"},
        {head + "ground | AAA | Oval | 0 | 0 0 0 0 0 0 0 | 0 0 | 1100 2000 | 6 6 6 6 6 6 6 6 6 | 6 12\n",
         "line 4: rain duration 12 out of range 0..11"},
        {head + "player | AAA | A Surname Far Too Long | J. | Opener 38 | OffSpin VeryOcc | Slip | 4 | 1 | 40 8 11 | 0 0 0\n",
         "line 4: surname \"A Surname Far Too Long\" is longer than 20 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(ReadText(g, c.text, error));
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << error;
    }
}

TEST_F(DbTextTest, AFailedReadLeavesTheGameAsItWas)
{
    std::string error;
    ASSERT_TRUE(ReadText(g, kSmall, error)) << error;
    EXPECT_FALSE(ReadText(g, "database | X\nsquad | A | B\nplayer | Z | a | b\n", error));
    EXPECT_EQ(g.db.NumPlayers(), 4);
    EXPECT_EQ(g.db.NumSquads(), 2);
    EXPECT_STREQ(g.db.squads[0].szName, "Alpha Town");
    EXPECT_STREQ(g.dbHeader.szName, "Two Squads");
}

}  // namespace
}  // namespace ovs
