// The database file, OPTION.DAT, MAIL.DAT and the import of the old files:
// round trips, older record sizes, corrupt files and failed saves.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/game.h"
#include "data/files.h"
#include "data/stores.h"
#include "file_fixtures.h"

namespace ovs {
namespace {

using namespace ovs::test;

constexpr std::size_t kHeader = 452;
constexpr std::size_t kNumbers = 16;

// Give every stored record values that differ from slot to slot and from new.
void FillDatabase(Game& g, int salt)
{
    for (int i = 0; i < g.db.NumPlayers(); ++i) {
        PLAYER& p = g.db.players[i];
        std::snprintf(p.szSurname, sizeof p.szSurname, "Batsman%d_%d", i, salt);
        std::snprintf(p.szInitials, sizeof p.szInitials, "K.%d", salt % 10);
        p.nStrikeRate = static_cast<std::uint8_t>(30 + i);
        p.nBatSkill = static_cast<std::uint8_t>(i + salt);
        p.nBowlType = static_cast<std::int8_t>(i % 3 == 0 ? -1 : 8);
        p.nBatHistory[3] = static_cast<std::int16_t>(-100 - i);
        p.Career.Bat.nRuns = 1000 * i + salt;
        p.Career.Bowl.fAverage = 23.5f + static_cast<float>(i);
        p.bReserved[79] = static_cast<std::uint8_t>(salt);
    }
    for (int i = 0; i < g.db.NumSquads(); ++i) {
        SQUAD& s = g.db.squads[i];
        std::snprintf(s.szName, sizeof s.szName, "Eleven %d/%d", i, salt);
        s.nMembers = 2;
        s.nPlayer[0] = static_cast<std::int16_t>(i * 2);
        s.nPlayer[1] = static_cast<std::int16_t>(i * 2 + 1);
        s.LeagueTurn.bData[159] = static_cast<std::uint8_t>(salt + i);
        s.nLeaguePos = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < g.db.NumGrounds(); ++i) {
        GROUND& gr = g.db.grounds[i];
        std::snprintf(gr.szName, sizeof gr.szName, "Oval %d", i + salt);
        gr.nSize = static_cast<std::int8_t>(i % 11 - 5);
        gr.nSunset = static_cast<std::int16_t>(1900 + i);
        gr.bReserved2 = static_cast<std::uint8_t>(salt);
    }
    for (int i = 0; i < g.db.NumRecords(); ++i) {
        RECORDS& r = g.db.records[i];
        r.HighInnings.nRuns = static_cast<std::int16_t>(900 - i);
        r.HighInnings.Where.nTeam = 1;
        r.PointsSeries.Points.nPoints = 12345 + i + salt;
        std::snprintf(r.Partnership[9].Where.szText, sizeof r.Partnership[9].Where.szText, "at %d", salt);
    }
}

// A database of 40 players, 2 squads, 12 grounds and 20 ranks written by a
// filled game whose header names the file itself.
std::string WriteFilledDatabase(StoreGame& a, const std::string& path, int salt = 7)
{
    FillDatabase(*a.g, salt);
    InitDatabaseHeader(a.g->dbHeader, path);
    std::snprintf(a.g->dbHeader.szPath, sizeof a.g->dbHeader.szPath, "%s", path.c_str());
    std::snprintf(a.g->dbHeader.szText1, sizeof a.g->dbHeader.szText1, "carried text");
    a.g->dbHeader.bFlagB = 9;
    a.g->dbHeader.nReserved[2] = 77;
    EXPECT_TRUE(SaveDatabase(*a.g, path));
    return ReadFile(path);
}

TEST(FilesDatabase, LayoutAndByteIdenticalRoundTrip)
{
    StoreGame a;
    const std::string path = a.Path("round.db");
    const std::string file = WriteFilledDatabase(a, path);
    // 452 + 16 + 40 x 336 + 2 x 1320 + 12 x 60 + 20 x 1080
    ASSERT_EQ(file.size(), 452u + 16 + 13440 + 2640 + 720 + 21600);
    EXPECT_EQ(I16At(file, 0), 20004);   // version, low half
    EXPECT_EQ(I16At(file, 426), 336);
    EXPECT_EQ(I16At(file, 428), 1320);
    EXPECT_EQ(I16At(file, 430), 60);
    EXPECT_EQ(I16At(file, 432), 1080);
    EXPECT_EQ(I16At(file, 434), 52);
    EXPECT_EQ(file[436], 1);
    EXPECT_EQ(I16At(file, kHeader + 0), 40);   // NUMBERS
    EXPECT_EQ(I16At(file, kHeader + 6), 20);
    EXPECT_EQ(file.substr(kHeader + kNumbers, 10), "Batsman0_7");
    // Player 1's career runs (an int32) and bowling average (a float), low byte first.
    const std::size_t player1 = kHeader + kNumbers + 336;
    EXPECT_EQ(I32At(file, player1 + 176 + 6), 1007);
    EXPECT_EQ(static_cast<std::uint32_t>(I32At(file, player1 + 176 + 30 + 14)), 0x41C40000u);   // 24.5f

    StoreGame b;
    ASSERT_TRUE(LoadDatabase(*b.g, path));
    EXPECT_TRUE(b.host.boxes.empty());
    EXPECT_EQ(Bytes(b.g->db.players, 40), Bytes(a.g->db.players, 40));
    EXPECT_EQ(Bytes(b.g->db.records, 20), Bytes(a.g->db.records, 20));
    EXPECT_EQ(b.g->dbPath, path);
    EXPECT_STREQ(b.g->dbHeader.szPath, path.c_str());
    EXPECT_EQ(b.g->dbHeader.bFlagB, 9);
    ASSERT_TRUE(SaveDatabase(*b.g, path));
    EXPECT_EQ(ReadFile(path), file);
}

TEST(FilesDatabase, NameIsTheFirst79CharactersOfThePath)
{
    StoreGame a;
    const std::string dir = a.host.DataDir() + "/" + std::string(90, 'd');
    ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
    const std::string path = dir + "/long.db";
    WriteFilledDatabase(a, path);
    StoreGame b;
    ASSERT_TRUE(LoadDatabase(*b.g, path));
    EXPECT_EQ(std::string(b.g->dbHeader.szName), path.substr(0, 79));
    EXPECT_EQ(std::string(b.g->dbHeader.szPath), path);
}

TEST(FilesDatabase, OtherCountsReallocateTheStores)
{
    StoreGame a(30, 3, 5, 10);
    const std::string path = a.Path("small.db");
    WriteFilledDatabase(a, path);

    StoreGame b;
    b.g->League.nTests = 4;
    b.g->League.nSquads = 2;
    ASSERT_TRUE(LoadDatabase(*b.g, path));
    const Stores& db = b.g->db;
    EXPECT_EQ(db.NumPlayers(), 30);
    EXPECT_EQ(db.players.size(), 90u);
    EXPECT_EQ(db.squads.size(), 5u);
    EXPECT_EQ(db.grounds.size(), 11u);
    EXPECT_EQ(db.records.size(), 10u);
    EXPECT_EQ(db.countries.size(), 2u);
    EXPECT_EQ(db.leagueSeries.size(), 100u);
    EXPECT_EQ(Bytes(db.players, 30), Bytes(a.g->db.players, 30));
    EXPECT_EQ(Bytes(db.squads, 3), Bytes(a.g->db.squads, 3));
    // Reallocating resets the league, keeping its Tests per rubber.
    EXPECT_EQ(b.g->League.nTests, 4);
    EXPECT_EQ(b.g->League.nSquads, 0);
}

TEST(FilesDatabase, EqualCountsKeepSpareSlotsCountriesAndLeague)
{
    StoreGame a;
    const std::string path = a.Path("same.db");
    WriteFilledDatabase(a, path);

    StoreGame b;
    std::snprintf(b.g->db.players[45].szSurname, 21, "Spare man");
    std::snprintf(b.g->db.countries[1].szName, 21, "Lilliput");
    b.g->db.LeagueSeries(2, 3).nNumTests = 5;
    b.g->League.nSquads = 4;
    ASSERT_TRUE(LoadDatabase(*b.g, path));
    EXPECT_STREQ(b.g->db.players[45].szSurname, "Spare man");
    EXPECT_STREQ(b.g->db.countries[1].szName, "Lilliput");
    EXPECT_EQ(b.g->db.LeagueSeries(2, 3).nNumTests, 5);
    EXPECT_EQ(b.g->League.nSquads, 4);
    EXPECT_STREQ(b.g->db.players[0].szSurname, "Batsman0_7");
}

TEST(FilesDatabase, ShorterPlayerRecordsLoadWithNewRecordTail)
{
    StoreGame a;
    const std::string path = a.Path("old.db");
    FillDatabase(*a.g, 3);
    InitDatabaseHeader(a.g->dbHeader, "older");
    a.g->dbHeader.nPlayerSize = 256;
    ASSERT_TRUE(SaveDatabase(*a.g, path));
    EXPECT_EQ(ReadFile(path).size(), 452u + 16 + 40 * 256 + 2640 + 720 + 21600);

    StoreGame b;
    for (auto& p : b.g->db.players) std::memset(p.bReserved, 0xAB, sizeof p.bReserved);
    ASSERT_TRUE(LoadDatabase(*b.g, path));
    EXPECT_TRUE(b.host.boxes.empty());
    for (int i = 0; i < 40; ++i) {
        const PLAYER& p = b.g->db.players[i];
        EXPECT_EQ(std::memcmp(&p, &a.g->db.players[i], 256), 0) << i;
        for (std::uint8_t byte : p.bReserved) ASSERT_EQ(byte, 0) << i;   // a new record's reserved bytes
    }
    EXPECT_EQ(Bytes(b.g->db.squads, 2), Bytes(a.g->db.squads, 2));
    EXPECT_EQ(b.g->dbHeader.nPlayerSize, 336);
}

TEST(FilesDatabaseCorruption, TruncatedAnywhereIsRefusedAndChangesNothing)
{
    StoreGame a;
    const std::string good = a.Path("good.db");
    const std::string file = WriteFilledDatabase(a, good);
    const std::size_t players = kHeader + kNumbers, squads = players + 40 * 336, grounds = squads + 2 * 1320,
                      records = grounds + 12 * 60, end = records + 20 * 1080;
    ASSERT_EQ(end, file.size());

    struct Cut {
        std::size_t length;
        const char* text;
    };
    std::vector<Cut> cuts = {{0, "Unable to read Database Header from Database."},
                             {200, "Unable to read Database Header from Database."},
                             {kHeader - 1, "Unable to read Database Header from Database."},
                             {kHeader, "Unable to read Number Structure from Database."},
                             {kHeader + 8, "Unable to read Number Structure from Database."}};
    for (std::size_t k = 0; k < 40; ++k) {
        cuts.push_back({players + k * 336, "Unable to read Player Structure from Database."});
        cuts.push_back({players + k * 336 + 100, "Unable to read Player Structure from Database."});
    }
    for (std::size_t k = 0; k < 2; ++k) {
        cuts.push_back({squads + k * 1320, "Unable to read Squad Structure from Database."});
        cuts.push_back({squads + k * 1320 + 931, "Unable to read Squad Structure from Database."});
    }
    for (std::size_t k = 0; k < 12; ++k) {
        cuts.push_back({grounds + k * 60, "Unable to read Ground Structure from Database."});
        cuts.push_back({grounds + k * 60 + 41, "Unable to read Ground Structure from Database."});
    }
    for (std::size_t k = 0; k < 20; ++k) {
        cuts.push_back({records + k * 1080, "Unable to read Records Structure from Database."});
        cuts.push_back({records + k * 1080 + 1079, "Unable to read Records Structure from Database."});
    }

    StoreGame b;
    FillDatabase(*b.g, 99);
    b.g->dbPath = "before.db";
    const std::uint64_t before = Snapshot(*b.g);
    const std::string bad = b.Path("bad.db");
    for (const Cut& c : cuts) {
        WriteFile(bad, file.substr(0, c.length));
        b.host.ClearRecord();
        EXPECT_FALSE(LoadDatabase(*b.g, bad)) << c.length;
        ExpectOneBox(b.host, c.text, "Loading Error", std::to_string(c.length));
        ASSERT_EQ(Snapshot(*b.g), before) << c.length;
    }
    // The whole file still loads.
    b.host.ClearRecord();
    EXPECT_TRUE(LoadDatabase(*b.g, good));
    EXPECT_TRUE(b.host.boxes.empty());
}

TEST(FilesDatabaseCorruption, OversizedRecordsAndGarbageCountsAreRefused)
{
    StoreGame a;
    const std::string file = WriteFilledDatabase(a, a.Path("good.db"));

    struct Patch {
        std::size_t offset;
        int value;
        const char* text;
    };
    const Patch patches[] = {
        {426, 337, "The Player records in this Database are larger than this version of Ovalspin can read."},
        {428, 1400, "The Squad records in this Database are larger than this version of Ovalspin can read."},
        {430, 61, "The Ground records in this Database are larger than this version of Ovalspin can read."},
        {432, 32000, "The Record records in this Database are larger than this version of Ovalspin can read."},
        {426, 0, "The Player record size in this Database is not valid (0)."},
        {430, -60, "The Ground record size in this Database is not valid (-60)."},
        {kHeader + 0, -5, "The number of Player records in this Database is not valid (-5)."},
        {kHeader + 2, -1, "The number of Squad records in this Database is not valid (-1)."},
        {kHeader + 2, 32767, "The number of Squad records in this Database is not valid (32767)."},
        {kHeader + 6, -32768, "The number of Record records in this Database is not valid (-32768)."},
        {kHeader + 8, -2, "The number of Country records in this Database is not valid (-2)."},
        // Counts the file is far too short for fail where the records run out.
        {kHeader + 0, 32000, "Unable to read Player Structure from Database."},
        {kHeader + 6, 32767, "Unable to read Records Structure from Database."},
    };
    StoreGame b;
    FillDatabase(*b.g, 42);
    const std::uint64_t before = Snapshot(*b.g);
    const std::string bad = b.Path("bad.db");
    for (const Patch& p : patches) {
        std::string f = file;
        PutI16(f, p.offset, p.value);
        WriteFile(bad, f);
        b.host.ClearRecord();
        EXPECT_FALSE(LoadDatabase(*b.g, bad)) << p.text;
        ExpectOneBox(b.host, p.text, "Loading Error", p.text);
        ASSERT_EQ(Snapshot(*b.g), before) << p.text;
    }
}

TEST(FilesDatabaseCorruption, MissingFileIsNotFound)
{
    StoreGame b;
    const std::uint64_t before = Snapshot(*b.g);
    EXPECT_FALSE(LoadDatabase(*b.g, b.Path("nothing here.db")));
    ExpectOneBox(b.host, "Database not found.", "Loading Error", "missing");
    EXPECT_FALSE(LoadDatabase(*b.g, b.host.DataDir()));   // a directory is no database either
    EXPECT_EQ(Snapshot(*b.g), before);
}

TEST(FilesDatabase, FailedSaveKeepsTheOldFile)
{
    StoreGame a;
    const std::string path = a.Path("keep.db");
    const std::string old = WriteFilledDatabase(a, path);
    FillDatabase(*a.g, 55);
    // The disk fills up part way: the box says so, not that the header failed.
    const std::vector<std::string> names = DirNames(a.host.DataDir());
    a.host.ClearRecord();
    {
        FileSizeLimit full(20000);
        EXPECT_FALSE(SaveDatabase(*a.g, path));
    }
    ExpectOneBox(a.host,
                 "There is not enough room on the disk to save the Database. The copy on the disk is unchanged.",
                 "Saving Error", "save");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(DirNames(a.host.DataDir()), names);   // no temporary file left behind

    a.host.ClearRecord();
    EXPECT_FALSE(SaveDatabase(*a.g, a.Path("no such dir/x.db")));
    EXPECT_TRUE(a.host.Saw("Database file could not be created."));
}

TEST(FilesOptions, AggressionsAreClampedAndOtherBytesKept)
{
    StoreGame t;
    InitOptions(t.g->options);
    // wShowMessages 0x1234, resolution 3, aggressions 11, 12, -1, 7, setting 1, play options 0x0102
    const unsigned char bytes[12] = {0x34, 0x12, 3, 0, 11, 12, 0xFF, 7, 1, 0, 0x02, 0x01};
    WriteFile(t.Path("OPTION.DAT"), std::string(reinterpret_cast<const char*>(bytes), 12));
    ASSERT_TRUE(LoadOptions(*t.g));
    EXPECT_TRUE(t.host.boxes.empty());
    const OPTIONS& o = t.g->options;
    EXPECT_EQ(o.wShowMessages, 0x1234);
    EXPECT_EQ(o.nResolution, 3);
    EXPECT_EQ(o.nTeamBatAggression, 10);
    EXPECT_EQ(o.nTeamBowlAggression, 10);
    EXPECT_EQ(o.nPlayerBatAggression, 0);
    EXPECT_EQ(o.nPlayerBowlAggression, 7);
    EXPECT_EQ(o.bSetting, 1);
    EXPECT_EQ(o.wPlayOptions, 0x0102);

    // Saved back: the clamped values, 12 bytes, little-endian.
    ASSERT_TRUE(SaveOptions(*t.g));
    const unsigned char saved[12] = {0x34, 0x12, 3, 0, 10, 10, 0, 7, 1, 0, 0x02, 0x01};
    EXPECT_EQ(ReadFile(t.Path("OPTION.DAT")), std::string(reinterpret_cast<const char*>(saved), 12));
}

TEST(FilesOptions, MissingFileKeepsDefaultsShortOrUncreatableFileIsAnError)
{
    StoreGame t;
    InitOptions(t.g->options);
    ASSERT_TRUE(LoadOptions(*t.g));
    EXPECT_TRUE(t.host.boxes.empty());
    EXPECT_EQ(t.g->options.wShowMessages, 16383);
    EXPECT_EQ(t.g->options.wPlayOptions, 102);

    WriteFile(t.Path("OPTION.DAT"), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_FALSE(LoadOptions(*t.g));
    ASSERT_EQ(t.host.boxes.size(), 1u);
    EXPECT_EQ(t.host.boxes[0].text, "Error loading Option Data.");
    EXPECT_EQ(t.host.boxes[0].caption, "Loading Error");
    EXPECT_EQ(t.g->options.wShowMessages, 16383);
    EXPECT_EQ(t.g->options.nTeamBatAggression, 5);

    t.host.ClearRecord();
    {
        FileSizeLimit full(4);
        EXPECT_FALSE(SaveOptions(*t.g));
    }
    ASSERT_EQ(t.host.boxes.size(), 1u);
    EXPECT_EQ(t.host.boxes[0].text, "Unable to write Option Data.");
    EXPECT_EQ(t.host.boxes[0].caption, "Writing Error");
}

TEST(FilesMail, RoundTripOfThreeBlocksAndMissingFileWithoutABox)
{
    StoreGame t;
    std::snprintf(t.g->mail.szServer, 128, "smtp.example.org");
    std::snprintf(t.g->mail.szAddress, 128, "scorer@example.org");
    std::snprintf(t.g->mail.szName, 128, "The Scorer");
    ASSERT_TRUE(SaveMail(*t.g));
    const std::string file = ReadFile(t.Path("MAIL.DAT"));
    ASSERT_EQ(file.size(), 384u);
    EXPECT_EQ(std::string(file.c_str() + 128), "scorer@example.org");
    EXPECT_EQ(std::string(file.c_str() + 256), "The Scorer");

    StoreGame u;
    WriteFile(u.Path("MAIL.DAT"), file);
    LoadMail(*u.g);
    EXPECT_STREQ(u.g->mail.szServer, "smtp.example.org");
    EXPECT_STREQ(u.g->mail.szName, "The Scorer");

    // Without the file the settings are empty, and no box says so.
    std::remove(u.Path("MAIL.DAT").c_str());
    LoadMail(*u.g);
    EXPECT_TRUE(u.host.boxes.empty());
    EXPECT_STREQ(u.g->mail.szServer, "");
    EXPECT_STREQ(u.g->mail.szAddress, "");
    EXPECT_STREQ(u.g->mail.szName, "");
}

// --- Import of the old separate files -----------------------------------

template <typename T>
std::string Head(const T& r, std::size_t n)
{
    return std::string(reinterpret_cast<const char*>(&r), n);
}

PLAYER OldPlayer(const char* surname, int strikeRate, int bowlType, int status, int skill)
{
    PLAYER p{};
    InitPlayer(p, 1);
    std::snprintf(p.szSurname, sizeof p.szSurname, "%s", surname);
    p.nStrikeRate = static_cast<std::uint8_t>(strikeRate);
    p.nBowlType = static_cast<std::int8_t>(bowlType);
    p.nBowlStatus = static_cast<std::uint8_t>(status);
    p.nBowlSkill = static_cast<std::uint8_t>(skill);
    return p;
}

// Old files of 4 players (NUMBERSW says 5), 1 squad, 2 grounds, 2 record ranks.
void WriteOldFiles(const StoreGame& t, const std::string& dir)
{
    std::string numbers(12, '\0');
    PutI16(numbers, 0, 5);
    PutI16(numbers, 2, 1);
    PutI16(numbers, 4, 2);
    PutI16(numbers, 6, 2);
    PutI16(numbers, 8, 2);
    WriteFile(dir + "/NUMBERSW.DAT", numbers);

    PLAYER smith = OldPlayer("Smith", 3, BOWL_MEDIUM, 0, 45);
    smith.Career.Bat.nRuns = 777;
    smith.nFieldHistory[19] = -19;
    const PLAYER players[] = {smith, OldPlayer("Jones", 2, BOWL_OFFSPIN, 255, 20),
                              OldPlayer("Keeper", 50, BOWL_NONE, 0, 45), OldPlayer("Quick", 60, BOWL_FASTMEDIUM, 0, 40)};
    std::string pl;
    for (const PLAYER& p : players) pl += Head(p, 256);
    WriteFile(dir + "/PLAYERSW.DAT", pl);

    std::string sq(1024, '\0');
    std::memcpy(&sq[0], "Old Eleven", 10);
    std::memcpy(&sq[21], "OE", 2);
    std::memcpy(&sq[30], "Smith", 5);
    std::memcpy(&sq[60], "Jones", 5);
    PutI16(sq, 630, 2);
    PutI16(sq, 632, 1);
    for (int k = 0; k < 20; ++k) PutI16(sq, 634 + 2 * k, k < 2 ? k : -1);
    for (int k = 0; k < 6; ++k) PutI16(sq, 674 + 2 * k, k < 1 ? 1 : -1);
    PutI16(sq, 686, 0x1111);
    PutI16(sq, 688, 0x2222);
    PutI16(sq, 690, 5);   // played
    PutI16(sq, 692, 3);   // won
    PutI16(sq, 700, 7);
    std::memcpy(&sq[702], "First", 5);
    std::memcpy(&sq[732], "Second", 6);
    std::memcpy(&sq[782], "Third", 5);
    PutI16(sq, 832, 0x3333);
    PutI16(sq, 834, 0x4444);
    PutI16(sq, 836, 0x5555);   // no place in the new squad
    std::memset(&sq[838], 0x66, 120);
    PutI16(sq, 958, 4);
    WriteFile(dir + "/SQUADSW.DAT", sq);

    std::string gr(128, '\0');
    std::memcpy(&gr[0], "Rough Park", 10);
    gr[21] = 3;                   // size, to be replaced by the default
    gr[25] = 4;                   // medium pace factor, likewise
    PutI16(gr, 30, 9);            // Tests played, kept
    PutI16(gr, 40, 0);            // not initialised
    std::memcpy(&gr[64], "Fine Oval", 9);
    gr[64 + 21] = -2;
    PutI16(gr, 64 + 40, 1);
    PutI16(gr, 64 + 42, 1030);
    PutI16(gr, 64 + 44, 1930);
    gr[64 + 57] = 4;
    gr[64 + 59] = 0x77;           // beyond the copied bytes
    WriteFile(dir + "/GROUNDSW.DAT", gr);

    std::string rec(760, '\xFF');
    PutI16(rec, 0, 500);          // highest innings: runs, wickets, team, opponent, ground
    PutI16(rec, 2, 8);
    PutI16(rec, 4, 0);
    PutI16(rec, 6, 0);
    PutI16(rec, 8, 1);
    PutI16(rec, 10, 45);          // lowest innings runs
    PutI16(rec, 68, 3);           // first-wicket partnership, first batsman
    PutI16(rec, 360, 2);          // series points: player
    PutI16(rec, 378, 0);          // ... its ground
    WriteFile(dir + "/RECORDSW.DAT", rec);
    (void)t;
}

TEST(FilesImport, OldFilesBecomeANewDatabaseWithCorrections)
{
    StoreGame t;
    const std::string dir = t.host.DataDir();
    t.g->dbPath = dir + "/current.db";
    t.g->Current.nTest = 2;
    WriteOldFiles(t, dir);

    ASSERT_TRUE(ImportOldDatabase(*t.g));
    EXPECT_TRUE(t.host.boxes.empty());
    const Stores& db = t.g->db;
    EXPECT_EQ(db.NumPlayers(), 4);
    EXPECT_EQ(db.NumSquads(), 1);
    EXPECT_EQ(db.NumGrounds(), 2);
    EXPECT_EQ(db.NumRecords(), 2);

    // Strike rate 3 is no style code: it stays, and is logged like the others.
    EXPECT_EQ(db.players[0].nStrikeRate, 3);
    EXPECT_EQ(db.players[0].nBowlStatus, STATUS_MAIN);   // skill 45, but Medium is below 32
    EXPECT_EQ(db.players[0].Career.Bat.nRuns, 777);
    EXPECT_EQ(db.players[0].nFieldHistory[19], -19);
    EXPECT_EQ(db.players[1].nStrikeRate, 45);
    EXPECT_EQ(db.players[1].nBowlStatus, 1);
    EXPECT_EQ(db.players[2].nStrikeRate, 50);
    EXPECT_EQ(db.players[2].nBowlStatus, STATUS_MAIN);   // bowling type -1 is below 32
    EXPECT_EQ(db.players[3].nBowlStatus, STATUS_NEWBALL);
    const std::vector<std::string> expectedLog = {
        "Player Smith set to batting SR 3\n", "Player Smith set to bowling pos 64\n",
        "Player Jones set to batting SR 45\n", "Player Keeper set to bowling pos 64\n",
        "Player Quick set to bowling pos 128\n"};
    EXPECT_EQ(t.logLines, expectedLog);

    const SQUAD& s = db.squads[0];
    EXPECT_STREQ(s.szName, "Old Eleven");
    EXPECT_STREQ(s.szShort, "OE");
    EXPECT_STREQ(s.szMember[1], "Jones");
    EXPECT_EQ(s.nMembers, 2);
    EXPECT_EQ(s.nGrounds, 1);
    EXPECT_EQ(s.nPlayer[1], 1);
    EXPECT_EQ(s.nPlayer[19], -1);
    EXPECT_EQ(s.nPlayer[29], -1);
    EXPECT_EQ(s.nGround[0], 1);
    EXPECT_EQ(s.wSetting1, 0x1111);
    EXPECT_EQ(s.wSetting2, 0x2222);
    EXPECT_EQ(s.nPlayed, 5);
    EXPECT_EQ(s.nWon, 3);
    EXPECT_EQ(s.nSpare, 7);
    EXPECT_STREQ(s.szText1, "First");
    EXPECT_STREQ(s.szText2, "Second");
    EXPECT_STREQ(s.szText3, "Third");
    EXPECT_EQ(s.wSetting3, 0x3333);
    EXPECT_EQ(s.wSetting4, 0x4444);
    EXPECT_EQ(s.nLeagueCounter, 0);
    EXPECT_EQ(s.LeagueTurn.bData[119], 0x66);
    EXPECT_EQ(s.LeagueTurn.bData[145], 255);   // the reset default beyond the old block
    EXPECT_EQ(s.nLeaguePos, 4);

    const GROUND& g0 = db.grounds[0];
    EXPECT_STREQ(g0.szName, "Rough Park");
    EXPECT_EQ(g0.nSize, 0);
    EXPECT_EQ(g0.nPace[3], 0);
    EXPECT_EQ(g0.nPlayed, 9);
    EXPECT_EQ(g0.bInitialised, 1);
    EXPECT_EQ(g0.nStart, 1100);
    EXPECT_EQ(g0.nSunset, 2000);
    EXPECT_EQ(g0.nWeather[10], 6);
    const GROUND& g1 = db.grounds[1];
    EXPECT_EQ(g1.nSize, -2);
    EXPECT_EQ(g1.nStart, 1030);
    EXPECT_EQ(g1.nSunset, 1930);
    EXPECT_EQ(g1.nPitch, 4);
    EXPECT_EQ(g1.bReserved2, 0);

    const RECORDS& r = db.records[0];
    EXPECT_EQ(r.HighInnings.nRuns, 500);
    EXPECT_EQ(r.HighInnings.nWickets, 8);
    EXPECT_EQ(r.HighInnings.Where.nTeam, 0);
    EXPECT_EQ(r.HighInnings.Where.nOpponent, 0);
    EXPECT_EQ(r.HighInnings.Where.nGround, 1);
    EXPECT_STREQ(r.HighInnings.Where.szText, "");
    EXPECT_EQ(r.HighInnings.Where.nSpare, 0);
    EXPECT_EQ(r.HighInnings.Where.nSpare2[1], -1);
    EXPECT_EQ(r.LowInnings.nRuns, 45);
    EXPECT_EQ(r.Partnership[0].nBatA, 3);
    EXPECT_EQ(r.PointsSeries.nPlayer, 2);
    EXPECT_EQ(r.PointsSeries.Where.nGround, 0);
    EXPECT_EQ(db.records[1].HighInnings.nRuns, -1);

    const std::string path = dir + "/OVS Test Database (Shareware).db";
    EXPECT_EQ(t.g->dbPath, path);
    EXPECT_EQ(t.g->Current.nTest, -1);
    EXPECT_STREQ(t.g->dbHeader.szName, "Converted OVS Database");
    EXPECT_EQ(t.g->dbHeader.bFlagA, 1);

    // The written database is the one in memory.
    StoreGame u;
    ASSERT_TRUE(LoadDatabase(*u.g, path)) << (u.host.boxes.empty() ? "" : u.host.boxes[0].text);
    EXPECT_EQ(u.g->db.NumPlayers(), 4);
    EXPECT_EQ(Bytes(u.g->db.players, 4), Bytes(db.players, 4));
    EXPECT_EQ(Bytes(u.g->db.squads, 1), Bytes(db.squads, 1));
    EXPECT_EQ(Bytes(u.g->db.records, 2), Bytes(db.records, 2));
    const std::string file = ReadFile(path);
    EXPECT_EQ(file.substr(4, 23), "Converted OVS Database" + std::string(1, '\0'));
}

TEST(FilesImport, MissingOrShortOldFilesAreRefusedAndChangeNothing)
{
    StoreGame t;
    const std::string dir = t.host.DataDir();
    t.g->dbPath = dir + "/current.db";
    const std::uint64_t before = Snapshot(*t.g);

    EXPECT_FALSE(ImportOldDatabase(*t.g));
    ExpectOneBox(t.host, "No Number Data found.", "Loading Error", "no numbers");

    WriteOldFiles(t, dir);
    WriteFile(dir + "/NUMBERSW.DAT", std::string(11, '\0'));
    t.host.ClearRecord();
    EXPECT_FALSE(ImportOldDatabase(*t.g));
    ExpectOneBox(t.host, "Error loading Number Data.", "Loading Error", "short numbers");

    WriteOldFiles(t, dir);
    std::remove((dir + "/SQUADSW.DAT").c_str());
    t.host.ClearRecord();
    EXPECT_FALSE(ImportOldDatabase(*t.g));
    ExpectOneBox(t.host, "No Squad Data found.", "Loading Error", "no squads");
    EXPECT_EQ(Snapshot(*t.g), before);
    EXPECT_FALSE(std::ifstream(dir + "/OVS Test Database (Shareware).db").good());
}

// --- The database built from res/db/default_db.txt -------------------------

TEST(FilesDefaultDatabase, BuiltFileLoadsAndSavesBackItsRecords)
{
    const std::string path = DefaultDatabase();
    const std::string file = ReadFile(path);
    if (file.empty()) GTEST_SKIP() << "no default database built at " << path;

    StoreGame t;
    ASSERT_TRUE(LoadDatabase(*t.g, path));
    EXPECT_TRUE(t.host.boxes.empty());
    EXPECT_GE(t.g->db.NumSquads(), 2);
    EXPECT_GE(t.g->db.NumPlayers(), 22);
    EXPECT_EQ(I16At(file, 426), 336);
    // Saved again, only the header's name and path may differ.
    const std::string copy = t.Path("copy.db");
    ASSERT_TRUE(SaveDatabase(*t.g, copy));
    const std::string again = ReadFile(copy);
    ASSERT_EQ(again.size(), file.size());
    EXPECT_EQ(again.substr(344), file.substr(344));
}

}  // namespace
}  // namespace ovs
