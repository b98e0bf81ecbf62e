// The saved position CURRENT.DAT: layout, byte-identical round trips, the
// upgrade of the match state, corrupt files and "Read Data".
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "data/files.h"
#include "data/stores.h"
#include "file_fixtures.h"

namespace ovs {
namespace {

using namespace ovs::test;

// 452 + 16 + 40 x 336 + 2 x 1320 + 12 x 60 + 20 x 1080: the database part.
constexpr std::size_t kDbEnd = 38868;
constexpr std::size_t kSeriesAt = kDbEnd;                         // block header, then SERIES
constexpr std::size_t kCurrentAt = kSeriesAt + 8 + 70726;         // block header, then CURRENT
constexpr std::size_t kToolbarAt = kCurrentAt + 8 + 5398;
constexpr std::size_t kLeagueAt = kToolbarAt + 7 * 66;            // block header, then LEAGUE
constexpr std::size_t kLeagueSeriesAt = kLeagueAt + 8 + 2228;     // block header, then n x n SERIES

// A game of the default counts whose database is "league.db".
struct TestGame : StoreGame {
    TestGame()
    {
        g->dbPath = host.DataDir() + "/league.db";
        InitDatabaseHeader(g->dbHeader, "Position test");
    }
    std::string SavedPath() { return host.DataDir() + "/CURRENT.DAT"; }
};

template <typename T>
void Pattern(T& rec, int salt)
{
    auto* b = reinterpret_cast<unsigned char*>(&rec);
    for (std::size_t i = 0; i < sizeof rec; ++i) b[i] = static_cast<unsigned char>(i * 7 + salt);
}

// A patterned series whose indices and codes all point where they may.
void SoundSeries(SERIES& s, int salt)
{
    Pattern(s, salt);
    s.nNumTests = MAX_TESTS;
    for (int side = 0; side < 2; ++side) {
        s.nControl[side] = CONTROL_COMPUTER;
        s.nSquad[side] = static_cast<std::int16_t>(side);
        SQUADSERIES& sq = s.Squad[side];
        sq.nMembers = MAX_ELEVEN;
        sq.nGrounds = 1;
        for (int m = 0; m < MAX_SQUAD; ++m) {
            sq.nPlayer[m] = static_cast<std::int16_t>(m);
            s.Player[m][side].nBowlType = BOWL_MEDIUM;
        }
        for (auto& gr : sq.nGround) gr = 1;
    }
    for (int t = 0; t < MAX_TESTS; ++t) {
        s.nGround[t] = static_cast<std::uint8_t>(t);
        TEST& test = s.Test[t];
        test.nTossWinner = 0;
        test.nGround = static_cast<std::int16_t>(t);
        test.nWinner = -1;
        for (auto& row : test.nPlayer) row[0] = row[1] = -1;
        for (int side = 0; side < 2; ++side) test.nKeeper[side] = test.nNewBall1[side] = test.nNewBall2[side] = 0xFFFF;
        for (INNINGS& in : test.Innings) {
            in.nBatSide = 0;
            in.nBowlSide = 1;
            for (int k = 0; k < MAX_ELEVEN; ++k) {
                in.nOrder[k] = static_cast<std::int16_t>(k);
                in.Bat[k].nHowOut = HOWOUT_BOWLED;
                in.Bat[k].nBowler = static_cast<std::uint8_t>(10 - k);
                in.Bat[k].nFielder = 255;
            }
            for (int b = 0; b < 10; ++b) {
                in.nBowlers[b] = static_cast<std::int16_t>(b);
                in.Fow[b].nBatA = static_cast<std::uint8_t>(b);
                in.Fow[b].nBatB = static_cast<std::uint8_t>(b + 1);
            }
            in.nKeeperPos = 0;
            in.nStatus = INNINGS_ENDED;
            in.nWickets = 10;
        }
        test.Replay.nLength = static_cast<std::uint16_t>(100 + salt);
        test.Replay.nPosition = 0;
    }
}

// A patterned match state whose slots, sides and rows all lie in their tables.
void SoundCurrent(CURRENT& c, int salt)
{
    Pattern(c, salt);
    c.nTest = 1;
    c.nInnings = 2;
    c.nDay = 3;
    c.nBatSide = 0;
    c.nBowlSide = 1;
    int k = salt;
    for (i16* slot : {&c.nStriker, &c.nNonStriker, &c.nOut, &c.nPartnerA, &c.nPartnerB, &c.nBowler,
                      &c.nOtherBowler, &c.nProtected, &c.nLastBowler})
        *slot = static_cast<std::int16_t>(k++ % MAX_ELEVEN);
    c.nBall = 3;
    c.nBallInOver = 4;
    c.nOverRow = 2;
    c.nOverRows = 3;
    c.nNumBowlers = 4;
    c.nRotation = 1;
    for (int side = 0; side < 2; ++side) {
        c.nMainBowlers[side] = 4;
        c.nMaxBowlers[side] = 6;
        for (int i = 0; i < MAX_ELEVEN; ++i) c.nBowlOrder[i][side] = static_cast<std::int16_t>((i + salt) % MAX_ELEVEN);
    }
    for (int r = 0; r < OVER_HISTORY_ROWS; ++r) c.OverHistory[r].nBowler = static_cast<std::uint16_t>(r);
}

// A game in the middle of a league of `teams` teams, every record non-trivial.
void FillPosition(Game& g, int salt, int teams)
{
    for (int i = 0; i < g.db.NumPlayers(); ++i)
        std::snprintf(g.db.players[i].szSurname, 21, "Bowler%d_%d", i, salt);
    g.db.squads[1].nMembers = static_cast<std::int16_t>(salt);
    for (int m = 0; m < salt && m < MAX_SQUAD; ++m) g.db.squads[1].nPlayer[m] = static_cast<std::int16_t>(m);
    g.db.records[0].HighInnings.Where.nTeam = 1;

    SoundSeries(g.Series, salt);
    SoundCurrent(g.Current, salt);
    CURRENT& c = g.Current;
    for (int k = 0; k < MAX_ELEVEN; ++k) {
        c.nBatAggression[k] = static_cast<std::int16_t>(k % 11);
        c.nBowlAggression[k] = static_cast<std::int16_t>((k + salt) % 11);
        for (int j = 0; j < MAX_ELEVEN; ++j) {
            c.nBatVsBowl[k][j] = static_cast<std::uint16_t>(j == k ? 0xFFFF : (k + j) % 11);
            c.nBowlVsBat[k][j] = static_cast<std::uint16_t>(j == 0 ? 0xFFFF : (k * j) % 11);
        }
    }
    c.nTeamAggression[0] = 4;
    c.nTeamAggression[1] = 6;

    for (std::size_t i = 0; i < sizeof(TOOLBAR) * TOOLBAR_RECORDS; ++i)
        reinterpret_cast<unsigned char*>(Toolbar(g).data())[i] = static_cast<std::uint8_t>(i + salt);

    InitLeague(g.League);
    g.League.nTests = static_cast<std::int16_t>(teams ? 2 : 0);
    g.League.nSquads = static_cast<std::int16_t>(teams);
    g.League.Points[1].nPoints = static_cast<std::int16_t>(12 + salt);
    for (int k = 0; k < teams; ++k) {
        g.League.nSquad[k] = static_cast<std::int16_t>(k % g.db.NumSquads());
        g.League.nControl[k] = 1;
    }
    for (int i = 0; i < teams; ++i)
        for (int j = 0; j < teams; ++j) SoundSeries(g.db.LeagueSeries(i, j), salt + 10 * i + j);
}

TEST(SavedPosition, LayoutAndByteIdenticalRoundTrip)
{
    TestGame a;
    FillPosition(*a.g, 1, 3);
    ASSERT_TRUE(SavePosition(*a.g));
    EXPECT_TRUE(a.host.boxes.empty());
    const std::string file = ReadFile(a.SavedPath());
    ASSERT_EQ(file.size(), kLeagueSeriesAt + 8 + 9 * 70726);
    EXPECT_EQ(I32At(file, kSeriesAt), 20004);
    EXPECT_EQ(I32At(file, kSeriesAt + 4), 70726);
    EXPECT_EQ(I32At(file, kCurrentAt + 4), 5398);
    EXPECT_EQ(I32At(file, kLeagueAt + 4), 2228);
    EXPECT_EQ(I32At(file, kLeagueSeriesAt + 4), 70726);
    EXPECT_EQ(file.substr(kSeriesAt + 8, 70726), Bytes(a.g->Series));
    EXPECT_EQ(file.substr(kToolbarAt, 66), Bytes(Toolbar(*a.g)[0]));
    // Row order: the fourth series stored is row 1, column 0.
    EXPECT_EQ(file.substr(kLeagueSeriesAt + 8 + 3 * 70726, 70726), Bytes(a.g->db.LeagueSeries(1, 0)));

    TestGame b;
    b.g->dbHeader = a.g->dbHeader;
    WriteFile(b.SavedPath(), file);
    ASSERT_TRUE(LoadSavedPosition(*b.g));
    EXPECT_TRUE(b.host.boxes.empty());
    EXPECT_EQ(Bytes(b.g->Series), Bytes(a.g->Series));
    EXPECT_EQ(Bytes(b.g->Current), Bytes(a.g->Current));
    EXPECT_EQ(Bytes(b.g->League), Bytes(a.g->League));
    EXPECT_EQ(Bytes(Toolbar(*b.g)), Bytes(Toolbar(*a.g)));
    EXPECT_EQ(Bytes(b.g->db.LeagueSeries(2, 1)), Bytes(a.g->db.LeagueSeries(2, 1)));
    EXPECT_STREQ(b.g->db.players[39].szSurname, "Bowler39_1");
    EXPECT_EQ(b.g->pTest, &b.g->Series.Test[1]);
    EXPECT_EQ(b.g->pInnings, &b.g->Series.Test[1].Innings[2]);

    ASSERT_TRUE(SavePosition(*b.g));
    EXPECT_EQ(ReadFile(b.SavedPath()), file);
}

TEST(SavedPosition, OutsideALeagueEndsWithTheLeagueSeriesHeader)
{
    TestGame a;
    FillPosition(*a.g, 5, 0);
    ASSERT_TRUE(SavePosition(*a.g));
    const std::string file = ReadFile(a.SavedPath());
    ASSERT_EQ(file.size(), kLeagueSeriesAt + 8);
    EXPECT_EQ(I32At(file, kLeagueSeriesAt), 20004);
    EXPECT_EQ(I32At(file, kLeagueSeriesAt + 4), 70726);

    TestGame b;
    Pattern(b.g->db.LeagueSeries(0, 0), 9);
    const std::string untouched = Bytes(b.g->db.LeagueSeries(0, 0));
    WriteFile(b.SavedPath(), file);
    ASSERT_TRUE(LoadSavedPosition(*b.g));
    EXPECT_EQ(Bytes(b.g->db.LeagueSeries(0, 0)), untouched);
}

TEST(SavedPosition, LoadingClampsTheMatchStateAggression)
{
    TestGame a;
    FillPosition(*a.g, 2, 2);
    ASSERT_TRUE(SavePosition(*a.g));
    std::string file = ReadFile(a.SavedPath());
    const std::size_t c = kCurrentAt + 8;
    PutI16(file, c + 82, 12);              // nBatAggression[0]
    PutI16(file, c + 104 + 2 * 3, -4);     // nBowlAggression[3]
    PutI16(file, c + 126 + 2, -3);         // nTeamAggression[1]
    PutI16(file, c + 204, 11);             // nBatVsBowl[0][0]

    TestGame b;
    WriteFile(b.SavedPath(), file);
    ASSERT_TRUE(LoadSavedPosition(*b.g));
    const CURRENT& cur = b.g->Current;
    EXPECT_EQ(cur.nBatAggression[0], 10);
    EXPECT_EQ(cur.nBowlAggression[3], 0);
    EXPECT_EQ(cur.nTeamAggression[0], 4);
    EXPECT_EQ(cur.nTeamAggression[1], 0);
    EXPECT_EQ(cur.nBatVsBowl[0][0], 10);
    EXPECT_EQ(cur.nBatVsBowl[1][1], 0xFFFF);   // unset stays unset
    EXPECT_EQ(cur.nBowlVsBat[4][0], 0xFFFF);
}

TEST(SavedPosition, ShorterSeriesBlockLoadsWithNewSeriesTail)
{
    TestGame a;
    FillPosition(*a.g, 3, 0);
    a.g->Current.nTest = -1;   // the new series tail has no Tests, so none can be in play
    ASSERT_TRUE(SavePosition(*a.g));
    std::string file = ReadFile(a.SavedPath());
    PutI32(file, kSeriesAt + 4, 100);
    file.erase(kSeriesAt + 8 + 100, 70726 - 100);

    TestGame b;
    WriteFile(b.SavedPath(), file);
    ASSERT_TRUE(LoadSavedPosition(*b.g));
    EXPECT_TRUE(b.host.boxes.empty());
    SERIES fresh{};
    InitSeries(fresh);
    const std::string loaded = Bytes(b.g->Series);
    EXPECT_EQ(loaded.substr(0, 100), Bytes(a.g->Series).substr(0, 100));
    EXPECT_EQ(loaded.substr(100), Bytes(fresh).substr(100));
    EXPECT_EQ(Bytes(b.g->Current), Bytes(a.g->Current));
}

TEST(SavedPositionCorruption, TruncatedAnywhereIsRefusedAndChangesNothing)
{
    TestGame a;
    FillPosition(*a.g, 1, 3);
    ASSERT_TRUE(SavePosition(*a.g));
    const std::string file = ReadFile(a.SavedPath());

    struct Cut {
        std::size_t length;
        const char* text;
    };
    std::vector<Cut> cuts = {
        {0, "Unable to read Database Header from Saved Data."},
        {451, "Unable to read Database Header from Saved Data."},
        {460, "Unable to read Number Structure from Saved Data."},
        {468, "Unable to read Player Structure from Saved Data."},
        {468 + 336 * 7 + 5, "Unable to read Player Structure from Saved Data."},
        {468 + 336 * 40, "Unable to read Squad Structure from Saved Data."},
        {468 + 336 * 40 + 1320 + 1, "Unable to read Squad Structure from Saved Data."},
        {468 + 336 * 40 + 2640 + 59, "Unable to read Ground Structure from Saved Data."},
        {kDbEnd - 1080, "Unable to read Records Structure from Saved Data."},
        {kDbEnd - 1, "Unable to read Records Structure from Saved Data."},
        {kSeriesAt, "Unable to read File Header (Series Structure) from Saved Data."},
        {kSeriesAt + 7, "Unable to read File Header (Series Structure) from Saved Data."},
        {kSeriesAt + 8, "Unable to read Series Structure from Saved Data."},
        {kSeriesAt + 8 + 35000, "Unable to read Series Structure from Saved Data."},
        {kCurrentAt, "Unable to read File Header (Current Structure) from Saved Data."},
        {kCurrentAt + 8, "Unable to read Current Structure from Saved Data."},
        {kCurrentAt + 8 + 5397, "Unable to read Current Structure from Saved Data."},
        {kToolbarAt, "Unable to read Toolbar Structure from Saved Data."},
        {kToolbarAt + 66 * 6, "Unable to read Toolbar Structure from Saved Data."},
        {kToolbarAt + 66 * 7 - 1, "Unable to read Toolbar Structure from Saved Data."},
        {kLeagueAt, "Unable to read File Header (League Structure) from Saved Data."},
        {kLeagueAt + 8, "Unable to read League Structure from Saved Data."},
        {kLeagueAt + 8 + 2000, "Unable to read League Structure from Saved Data."},
        {kLeagueSeriesAt, "Unable to read File Header (League Series Structure) from Saved Data."},
        {kLeagueSeriesAt + 3, "Unable to read File Header (League Series Structure) from Saved Data."},
    };
    for (std::size_t k = 0; k < 9; ++k) {
        cuts.push_back({kLeagueSeriesAt + 8 + k * 70726, "Unable to read League Series Structure from Saved Data."});
        cuts.push_back(
            {kLeagueSeriesAt + 8 + k * 70726 + 70725, "Unable to read League Series Structure from Saved Data."});
    }

    TestGame b;
    FillPosition(*b.g, 77, 2);
    b.g->SelectTestAndInnings();
    const std::uint64_t before = Snapshot(*b.g);
    for (const Cut& c : cuts) {
        WriteFile(b.SavedPath(), file.substr(0, c.length));
        b.host.ClearRecord();
        EXPECT_FALSE(LoadSavedPosition(*b.g)) << c.length;
        ExpectOneBox(b.host, c.text, "Loading Error", std::to_string(c.length));
        ASSERT_EQ(Snapshot(*b.g), before) << c.length;
    }
    WriteFile(b.SavedPath(), file);
    b.host.ClearRecord();
    EXPECT_TRUE(LoadSavedPosition(*b.g));
    EXPECT_TRUE(b.host.boxes.empty());
}

TEST(SavedPositionCorruption, OversizedBlocksAndLeaguesAreRefused)
{
    TestGame a;
    FillPosition(*a.g, 1, 2);
    ASSERT_TRUE(SavePosition(*a.g));
    const std::string file = ReadFile(a.SavedPath());

    struct Patch {
        std::size_t offset;
        int width;
        int value;
        const char* text;
    };
    const Patch patches[] = {
        {426, 2, 337, "The Player records in this Saved Data are larger than this version of Ovalspin can read."},
        {452 + 2, 2, -3, "The number of Squad records in this Saved Data is not valid (-3)."},
        {kSeriesAt + 4, 4, 70727, "The Series records in this Saved Data are larger than this version of Ovalspin can read."},
        {kSeriesAt + 4, 4, 0, "The Series record size in this Saved Data is not valid (0)."},
        {kCurrentAt + 4, 4, 5399, "The Current records in this Saved Data are larger than this version of Ovalspin can read."},
        {kCurrentAt + 4, 4, -1, "The Current record size in this Saved Data is not valid (-1)."},
        {kLeagueAt + 4, 4, 1 << 30, "The League records in this Saved Data are larger than this version of Ovalspin can read."},
        {kLeagueSeriesAt + 4, 4, 70727,
         "The League Series records in this Saved Data are larger than this version of Ovalspin can read."},
        {kLeagueAt + 8 + 2, 2, 11,
         "The League in this Saved Data has 11 squads; this version of Ovalspin can read at most 10."},
        {kLeagueAt + 8 + 2, 2, -1, "The League in this Saved Data has an invalid number of squads (-1)."},
        // Three teams where two were saved: the file is four series short.
        {kLeagueAt + 8 + 2, 2, 3, "Unable to read League Series Structure from Saved Data."},
    };
    TestGame b;
    FillPosition(*b.g, 50, 3);
    const std::uint64_t before = Snapshot(*b.g);
    for (const Patch& p : patches) {
        std::string f = file;
        if (p.width == 2) PutI16(f, p.offset, p.value);
        else PutI32(f, p.offset, p.value);
        WriteFile(b.SavedPath(), f);
        b.host.ClearRecord();
        EXPECT_FALSE(LoadSavedPosition(*b.g)) << p.text;
        ExpectOneBox(b.host, p.text, "Loading Error", p.text);
        ASSERT_EQ(Snapshot(*b.g), before) << p.text;
    }
}

TEST(SavedPosition, FailedSaveKeepsTheOldFile)
{
    TestGame a;
    FillPosition(*a.g, 1, 0);
    ASSERT_TRUE(SavePosition(*a.g));
    const std::string old = ReadFile(a.SavedPath());
    FillPosition(*a.g, 2, 0);
    a.host.ClearRecord();
    {
        test::FileSizeLimit full(old.size() / 2);
        EXPECT_FALSE(SavePosition(*a.g));
    }
    ExpectOneBox(a.host,
                 "There is not enough room on the disk to save the Saved Data. The copy on the disk is unchanged.",
                 "Saving Error", "save");
    EXPECT_EQ(ReadFile(a.SavedPath()), old);
}

TEST(SavedPosition, ReadDataResumesPlay)
{
    TestGame a;
    FillPosition(*a.g, 4, 2);
    a.g->Series.Test[1].Innings[2].nKeeperPos = -1;
    ASSERT_TRUE(SavePosition(*a.g));

    TestGame b;
    WriteFile(b.SavedPath(), ReadFile(a.SavedPath()));
    b.g->commands.Disable(1620);   // a Test record view, enabled by the filled first rank
    b.g->commands.Disable(1623);   // a series record view: the series table is empty
    b.g->commands.Disable(CMD_LEAGUETABLE);
    ASSERT_TRUE(LoadSavedData(*b.g));
    EXPECT_FALSE(b.g->commands.Enabled(CMD_READDATA));
    EXPECT_FALSE(b.g->commands.Enabled(CMD_WRITEDATA));
    EXPECT_TRUE(b.g->commands.Enabled(CMD_LEAGUETABLE));
    EXPECT_TRUE(b.g->commands.Enabled(1620));
    EXPECT_FALSE(b.g->commands.Enabled(1623));
    EXPECT_GE(b.host.commandsChanged, 1);
    EXPECT_EQ(b.g->Series.Test[1].Innings[2].nKeeperPos, 0);

    const std::vector<std::string> expectedLog = {"Loaded saved position\nCalling MoveChildWindowsTest ()\n",
                                                  "Posting WM_CONTINNINGS message from LoadSavedData ()\n"};
    EXPECT_EQ(b.logLines, expectedLog);
    auto m = b.g->queue.Pop();
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->msg, WM_CONTINNINGS);
    EXPECT_EQ(m->wParam, 2);
    EXPECT_TRUE(b.g->queue.Empty());
}

// The captain's buttons come back as they stood when the position was
// written; a file without them leaves the commands to the state of play.
TEST(SavedPosition, ReadDataBringsBackTheTestCommands)
{
    TestGame a;
    FillPosition(*a.g, 4, 0);
    a.g->Series.nControl[0] = a.g->Series.nControl[1] = CONTROL_COMPUTER;
    for (int id = CMD_BATAGGRESSION; id <= CMD_CONDITIONS; ++id) a.g->commands.Disable(id);
    for (int id : {CMD_NEWBOWLER, CMD_SCOREBOARD, CMD_NEXTOVER, CMD_CONDITIONS}) a.g->commands.Enable(id);
    ASSERT_TRUE(SavePosition(*a.g));
    std::string file = ReadFile(a.SavedPath());
    EXPECT_EQ(I16At(file, kToolbarAt), 1);                     // batting aggression: greyed
    EXPECT_EQ(file.substr(kToolbarAt + 2, 13), std::string("Menu_BatNorm\0", 13));
    EXPECT_EQ(I32At(file, kToolbarAt + 62), CMD_BATAGGRESSION);
    EXPECT_EQ(I16At(file, kToolbarAt + 3 * 66), 0);            // new bowler
    EXPECT_EQ(I32At(file, kToolbarAt + 6 * 66 + 62), CMD_NEXTOVER);

    TestGame b;
    WriteFile(b.SavedPath(), file);
    for (int id = CMD_BATAGGRESSION; id <= CMD_CONDITIONS; ++id) b.g->commands.Disable(id);
    ASSERT_TRUE(LoadSavedData(*b.g));
    for (int id = CMD_BATAGGRESSION; id <= CMD_CONDITIONS; ++id)
        EXPECT_EQ(b.g->commands.Enabled(id), a.g->commands.Enabled(id)) << id;

    // Zero records (no buttons kept): a computer game that nobody watches
    // gets no Test commands.
    std::fill(file.begin() + kToolbarAt, file.begin() + kToolbarAt + 7 * 66, '\0');
    TestGame c;
    WriteFile(c.SavedPath(), file);
    ASSERT_TRUE(LoadSavedData(*c.g));
    ASSERT_FALSE(c.g->Watched());
    for (int id = CMD_BATAGGRESSION; id <= CMD_CONDITIONS; ++id) {
        if (id == CMD_PERFORMANCE) continue;
        EXPECT_FALSE(c.g->commands.Enabled(id)) << id;
    }
}

TEST(SavedPosition, ReadDataWithoutAFileResumesNothing)
{
    TestGame b;
    EXPECT_FALSE(LoadSavedData(*b.g));
    ExpectOneBox(b.host, "There is no saved game to load.", "Loading Error", "missing");
    EXPECT_TRUE(b.g->queue.Empty());
    // The log has the box with the file's path and the system's reason.
    ASSERT_EQ(b.logLines.size(), 1u);
    EXPECT_EQ(b.logLines[0], "Loading Error: There is no saved game to load. (" + b.SavedPath() +
                                 ": No such file or directory)\n");
    EXPECT_TRUE(b.g->commands.Enabled(CMD_READDATA));
}

}  // namespace
}  // namespace ovs
