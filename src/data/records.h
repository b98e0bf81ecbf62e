// The database records: players, countries, squads, grounds, all-time records,
// career figures, the counts, and the file headers and settings records.
//
// Each record is its own file image: byte-packed little-endian fields (le.h),
// texts NUL-terminated inside fixed widths. Cross-references are 16-bit store
// indices with -1 for none. The sizes and offsets below are part of the file
// formats and are pinned by static_asserts.
#pragma once

#include <array>
#include <cstddef>

#include "data/le.h"
#include "data/league.h"

namespace ovs {

inline constexpr int MAX_PLAYERS = 40;
inline constexpr int MAX_COUNTRIES = 2;
inline constexpr int MAX_SQUADS = 2;
inline constexpr int MAX_GROUNDS = 12;
inline constexpr int MAX_RECORDS = 20;
inline constexpr int MAX_SQUAD = 30;         // player slots in a squad
inline constexpr int MAX_HOME_GROUNDS = 6;
inline constexpr int MAX_RATING_HISTORY = 20;

// Spare slots past the counts, where a series' own squads, players and grounds
// are rebuilt from its snapshot.
inline constexpr int SPARE_PLAYERS = 60;
inline constexpr int SPARE_SQUADS = 2;
inline constexpr int SPARE_GROUNDS = 6;
inline constexpr int LEAGUE_SERIES = 100;    // 10 x 10

// Batting types (low 5 bits of PLAYER.nBatType).
inline constexpr int BAT_OPENER = 1;
inline constexpr int BAT_SPECIALIST = 2;
inline constexpr int BAT_ALLROUNDER = 4;
inline constexpr int BAT_LATEORDER = 8;
inline constexpr int BAT_TAIL = 16;

// Bowling types (PLAYER.nBowlType); -1 does not bowl.
inline constexpr int BOWL_NONE = -1;
inline constexpr int BOWL_OFFSPIN = 1;
inline constexpr int BOWL_LEGSPIN = 2;
inline constexpr int BOWL_SLOW = 4;
inline constexpr int BOWL_MEDIUM = 8;
inline constexpr int BOWL_MEDIUMFAST = 16;
inline constexpr int BOWL_FASTMEDIUM = 32;
inline constexpr int BOWL_FAST = 64;

// Bowling status (how readily the captain uses the bowler).
inline constexpr int STATUS_NEWBALL = 128;
inline constexpr int STATUS_MAIN = 64;
inline constexpr int STATUS_SUPPORT = 16;
inline constexpr int STATUS_OCCASIONAL = 8;
inline constexpr int STATUS_VERYOCCASIONAL = 4;

// Fielding types.
inline constexpr int FIELD_POOR = 1;
inline constexpr int FIELD_ORDINARY = 2;
inline constexpr int FIELD_SLIP = 4;
inline constexpr int FIELD_SPECIALIST = 8;
inline constexpr int FIELD_KEEPER = 16;

// The counts of the stores (the first 12 bytes are all of NUMBERSW.DAT).
struct NUMBERS {
    i16 nPlayers;
    i16 nSquads;
    i16 nGrounds;
    i16 nRecords;      // ranks kept in each all-time record table
    i16 nCountries;
    i16 nSpare1;       // spare counts, 0
    i16 nSpare2;
    i16 nReserved;
};
static_assert(sizeof(NUMBERS) == 16);
static_assert(offsetof(NUMBERS, nCountries) == 8);

// Career (or series, or league) figures. The four parts are used on their own
// inside RECORDS, so each is its own struct.
struct AVERAGE_BAT {
    i16 nTests;
    i16 nInnings;
    i16 nNotOuts;
    i32 nRuns;
    f32 fAverage;      // runs - 100000.0 while never dismissed; -1000000.0 new
    i16 nHighScore;    // -1 none
    i16 nHighHowOut;   // how-out code of the highest score, 1 not out
    i16 nHundreds;
    i16 nFifties;
    i32 nBalls;        // balls faced
    i16 nFours;
    i16 nSixes;
};
static_assert(sizeof(AVERAGE_BAT) == 30);
static_assert(offsetof(AVERAGE_BAT, fAverage) == 10);
static_assert(offsetof(AVERAGE_BAT, nHighScore) == 14);
static_assert(offsetof(AVERAGE_BAT, nBalls) == 22);
static_assert(offsetof(AVERAGE_BAT, nSixes) == 28);

struct AVERAGE_BOWL {
    i16 nMatches;      // Tests counted in the bowling figures
    i32 nBalls;        // balls bowled
    u16 nMaidens;
    i32 nRuns;         // runs conceded
    u16 nWickets;
    f32 fAverage;      // runs + 100000.0 while without a wicket; 1000000.0 new
    i16 nBestWickets;
    i16 nBestRuns;
    i16 nFiveWickets;  // five-wicket innings
    i16 nTenWickets;   // ten-wicket matches
    i16 nNoBalls;
    i16 nWides;
};
static_assert(sizeof(AVERAGE_BOWL) == 30);
static_assert(offsetof(AVERAGE_BOWL, nBalls) == 2);
static_assert(offsetof(AVERAGE_BOWL, nMaidens) == 6);
static_assert(offsetof(AVERAGE_BOWL, nRuns) == 8);
static_assert(offsetof(AVERAGE_BOWL, nWickets) == 12);
static_assert(offsetof(AVERAGE_BOWL, fAverage) == 14);
static_assert(offsetof(AVERAGE_BOWL, nBestWickets) == 18);
static_assert(offsetof(AVERAGE_BOWL, nWides) == 28);

struct AVERAGE_FIELD {
    u16 nMatches;      // Tests counted in the fielding figures
    u16 nCatches;      // in the field
    u16 nKeeperCatches;
    u16 nStumpings;
};
static_assert(sizeof(AVERAGE_FIELD) == 8);

struct AVERAGE_POINTS {
    u16 nMatches;      // Tests counted in the performance points
    i32 nPoints;
    f32 fAverage;      // per Test; -999999.0 new
    i16 nBest;         // best in a Test; -9999 new
};
static_assert(sizeof(AVERAGE_POINTS) == 12);
static_assert(offsetof(AVERAGE_POINTS, fAverage) == 6);
static_assert(offsetof(AVERAGE_POINTS, nBest) == 10);

struct AVERAGE {
    AVERAGE_BAT Bat;
    AVERAGE_BOWL Bowl;
    AVERAGE_FIELD Field;
    AVERAGE_POINTS Points;
};
static_assert(sizeof(AVERAGE) == 80);
static_assert(offsetof(AVERAGE, Bowl) == 30);
static_assert(offsetof(AVERAGE, Field) == 60);
static_assert(offsetof(AVERAGE, Points) == 68);

// A player. Offsets 0-43 are also the series snapshot (PLAYERSERIES).
struct PLAYER {
    char szSurname[21];
    char szInitials[9];
    i16 nInjury;        // Tests (league turns) still injured for; 0 fit
    u8 nBatType;        // batting type in the low 5 bits
    u8 nStrikeRate;     // runs per 100 balls aimed at
    i8 nBowlType;       // -1 does not bowl (wicket-keepers)
    u8 nBowlStatus;
    i16 nFieldType;
    u8 nMorale;         // 0..7
    u8 nBatPos;         // preferred batting position
    u8 nBatSkill;
    u8 nBowlSkill;      // the keeping skill when nBowlType is -1
    u8 nSkill3;         // carried into the series snapshot and back
    u8 nFieldSkill;     // views show it times 3
    i16 nBatRating;
    i16 nBowlRating;
    i16 nFieldRating;
    i16 nBestBatRating;
    i16 nBestBowlRating;
    i16 nBestFieldRating;
    i16 nBatHistory[MAX_RATING_HISTORY];    // newest first; [0] is the rating the series began with
    i16 nBowlHistory[MAX_RATING_HISTORY];
    i16 nFieldHistory[MAX_RATING_HISTORY];
    AVERAGE Career;
    u8 bReserved[80];
};
static_assert(sizeof(PLAYER) == 336);
static_assert(offsetof(PLAYER, szInitials) == 21);
static_assert(offsetof(PLAYER, nInjury) == 30);
static_assert(offsetof(PLAYER, nBatType) == 32);
static_assert(offsetof(PLAYER, nStrikeRate) == 33);
static_assert(offsetof(PLAYER, nBowlType) == 34);
static_assert(offsetof(PLAYER, nBowlStatus) == 35);
static_assert(offsetof(PLAYER, nFieldType) == 36);
static_assert(offsetof(PLAYER, nMorale) == 38);
static_assert(offsetof(PLAYER, nBatPos) == 39);
static_assert(offsetof(PLAYER, nBatSkill) == 40);
static_assert(offsetof(PLAYER, nBowlSkill) == 41);
static_assert(offsetof(PLAYER, nSkill3) == 42);
static_assert(offsetof(PLAYER, nFieldSkill) == 43);
static_assert(offsetof(PLAYER, nBatRating) == 44);
static_assert(offsetof(PLAYER, nBestBatRating) == 50);
static_assert(offsetof(PLAYER, nBestFieldRating) == 54);
static_assert(offsetof(PLAYER, nBatHistory) == 56);
static_assert(offsetof(PLAYER, nBowlHistory) == 96);
static_assert(offsetof(PLAYER, nFieldHistory) == 136);
static_assert(offsetof(PLAYER, Career) == 176);
static_assert(offsetof(PLAYER, bReserved) == 256);

// A country: kept in memory only, never in the database file.
struct COUNTRY {
    char szName[21];
    char szShort[9];
    u8 bReserved[12];
    i16 nPlayed;
    i16 nWon;
    i16 nLost;
    i16 nDrawn;
    i16 nTied;
};
static_assert(sizeof(COUNTRY) == 52);
static_assert(offsetof(COUNTRY, nPlayed) == 42);

// A squad: up to 30 members and 6 home grounds. Member and ground lists are
// dense: the first count entries are valid, the rest -1.
struct SQUAD {
    char szName[21];
    char szShort[9];                    // used in "A vs B"
    char szMember[MAX_SQUAD][30];       // display name of each member
    i16 nMembers;
    i16 nGrounds;
    i16 nPlayer[MAX_SQUAD];             // player store indices
    i16 nGround[MAX_HOME_GROUNDS];      // ground store indices
    u16 wSetting1;                      // both carried into the series snapshot
    u16 wSetting2;
    i16 nPlayed;
    i16 nWon;
    i16 nLost;
    i16 nDrawn;
    i16 nTied;
    i16 nSpare;                         // -1 new
    char szText1[30];
    char szText2[50];
    char szText3[50];
    u16 wSetting3;
    u16 wSetting4;
    u16 nLeagueCounter;                 // 0 when a league starts
    LEAGUE_TURN LeagueTurn;             // reset when a league starts
    i16 nLeaguePos;                     // league-team number, -1 outside a league
};
static_assert(sizeof(SQUAD) == 1320);
static_assert(offsetof(SQUAD, szShort) == 21);
static_assert(offsetof(SQUAD, szMember) == 30);
static_assert(offsetof(SQUAD, nMembers) == 930);
static_assert(offsetof(SQUAD, nGrounds) == 932);
static_assert(offsetof(SQUAD, nPlayer) == 934);
static_assert(offsetof(SQUAD, nGround) == 994);
static_assert(offsetof(SQUAD, wSetting1) == 1006);
static_assert(offsetof(SQUAD, wSetting2) == 1008);
static_assert(offsetof(SQUAD, nPlayed) == 1010);
static_assert(offsetof(SQUAD, nTied) == 1018);
static_assert(offsetof(SQUAD, nSpare) == 1020);
static_assert(offsetof(SQUAD, szText1) == 1022);
static_assert(offsetof(SQUAD, szText2) == 1052);
static_assert(offsetof(SQUAD, szText3) == 1102);
static_assert(offsetof(SQUAD, wSetting3) == 1152);
static_assert(offsetof(SQUAD, wSetting4) == 1154);
static_assert(offsetof(SQUAD, nLeagueCounter) == 1156);
static_assert(offsetof(SQUAD, LeagueTurn) == 1158);
static_assert(offsetof(SQUAD, nLeaguePos) == 1318);

// Weather weights of a ground, in order; the last two are not weather kinds.
inline constexpr int WEATHER_KINDS = 9;      // Very Sunny .. Rain
inline constexpr int WEATHER_CHANGE = 9;     // index: how often the weather changes
inline constexpr int WEATHER_RAIN_DURATION = 10;
inline constexpr int WEATHER_WEIGHTS = 11;

// Pace factors of a ground, indexed by bowling type bit: finger spin, wrist
// spin, slow, medium, medium fast, fast medium, fast.
inline constexpr int PACE_FACTORS = 7;

// A ground. Offsets 0-29 and 42-58 are the series snapshot (GROUNDSERIES).
struct GROUND {
    char szName[21];
    i8 nSize;                           // -5 small .. +5 large
    i8 nPace[PACE_FACTORS];             // -5..+5 each
    u8 bReserved1;
    i16 nPlayed;
    i16 nHomeWins;
    i16 nHomeLosses;
    i16 nDraws;
    i16 nTies;
    i16 bInitialised;                   // 0 in an old file: defaults apply on loading
    i16 nStart;                         // start of play, hhmm
    i16 nSunset;                        // hhmm
    u8 nWeather[WEATHER_WEIGHTS];
    u8 nPitch;                          // shown as value + 1
    u8 nBounce;                         // shown as 5 - value
    u8 bReserved2;
};
static_assert(sizeof(GROUND) == 60);
static_assert(offsetof(GROUND, nSize) == 21);
static_assert(offsetof(GROUND, nPace) == 22);
static_assert(offsetof(GROUND, bReserved1) == 29);
static_assert(offsetof(GROUND, nPlayed) == 30);
static_assert(offsetof(GROUND, nTies) == 38);
static_assert(offsetof(GROUND, bInitialised) == 40);
static_assert(offsetof(GROUND, nStart) == 42);
static_assert(offsetof(GROUND, nSunset) == 44);
static_assert(offsetof(GROUND, nWeather) == 46);
static_assert(offsetof(GROUND, nPitch) == 57);
static_assert(offsetof(GROUND, nBounce) == 58);

// Where and against whom a record was set; ends every record-table entry.
struct RECORD_WHERE {
    i16 nTeam;          // squad index
    i16 nOpponent;      // squad index
    i16 nGround;        // ground index
    char szText[22];
    i16 nSpare;         // 0 new
    i16 nSpare2[2];     // -1 new
};
static_assert(sizeof(RECORD_WHERE) == 34);
static_assert(offsetof(RECORD_WHERE, szText) == 6);
static_assert(offsetof(RECORD_WHERE, nSpare) == 28);

// One entry of each all-time table. A table ends at the first rank whose
// first value field is -1.
struct RECORD_TEAMHIGH { i16 nRuns; i16 nWickets; RECORD_WHERE Where; };
struct RECORD_TEAMLOW { i16 nRuns; RECORD_WHERE Where; };
struct RECORD_SCORE { i16 nPlayer; i16 nRuns; i16 bNotOut; RECORD_WHERE Where; };
struct RECORD_SERIESBAT { i16 nPlayer; AVERAGE_BAT Bat; RECORD_WHERE Where; };
struct RECORD_PARTNERSHIP { i16 nBatA; i16 nBatB; i16 nRuns; i16 bUnbroken; RECORD_WHERE Where; };
struct RECORD_BOWL { i16 nPlayer; i16 nWickets; i16 nRuns; RECORD_WHERE Where; };
struct RECORD_SERIESBOWL { i16 nPlayer; AVERAGE_BOWL Bowl; RECORD_WHERE Where; };
struct RECORD_KEEP { i16 nPlayer; i16 nCatches; i16 nStumpings; RECORD_WHERE Where; };
struct RECORD_SERIESFIELD { i16 nPlayer; AVERAGE_FIELD Field; RECORD_WHERE Where; };
struct RECORD_CATCH { i16 nPlayer; i16 nCatches; i16 nSpare; RECORD_WHERE Where; };
struct RECORD_POINTS { i16 nPlayer; i16 nPoints; RECORD_WHERE Where; };
struct RECORD_SERIESPOINTS { i16 nPlayer; AVERAGE_POINTS Points; RECORD_WHERE Where; };
static_assert(sizeof(RECORD_TEAMHIGH) == 38);
static_assert(sizeof(RECORD_TEAMLOW) == 36);
static_assert(sizeof(RECORD_SCORE) == 40);
static_assert(sizeof(RECORD_SERIESBAT) == 66);
static_assert(sizeof(RECORD_PARTNERSHIP) == 42);
static_assert(sizeof(RECORD_BOWL) == 40);
static_assert(sizeof(RECORD_SERIESBOWL) == 66);
static_assert(sizeof(RECORD_KEEP) == 40);
static_assert(sizeof(RECORD_SERIESFIELD) == 44);
static_assert(sizeof(RECORD_CATCH) == 40);
static_assert(sizeof(RECORD_POINTS) == 38);
static_assert(sizeof(RECORD_SERIESPOINTS) == 48);

// One rank of every all-time table: element 0 of the Records store holds the
// best entry of each table, element 1 the second best, and so on.
struct RECORDS {
    RECORD_TEAMHIGH HighInnings;
    RECORD_TEAMLOW LowInnings;
    RECORD_SCORE HighScore;
    RECORD_SERIESBAT SeriesRuns;
    RECORD_PARTNERSHIP Partnership[10];   // wicket 1..10
    RECORD_BOWL BowlInnings;
    RECORD_BOWL BowlTest;
    RECORD_SERIESBOWL SeriesWickets;
    RECORD_KEEP KeeperInnings;
    RECORD_KEEP KeeperTest;
    RECORD_SERIESFIELD KeeperSeries;
    RECORD_CATCH CatchesInnings;
    RECORD_CATCH CatchesTest;
    RECORD_SERIESFIELD CatchesSeries;
    RECORD_POINTS PointsTest;
    RECORD_SERIESPOINTS PointsSeries;
};
static_assert(sizeof(RECORDS) == 1080);
static_assert(offsetof(RECORDS, LowInnings) == 38);
static_assert(offsetof(RECORDS, HighScore) == 74);
static_assert(offsetof(RECORDS, SeriesRuns) == 114);
static_assert(offsetof(RECORDS, Partnership) == 180);
static_assert(offsetof(RECORDS, BowlInnings) == 600);
static_assert(offsetof(RECORDS, BowlTest) == 640);
static_assert(offsetof(RECORDS, SeriesWickets) == 680);
static_assert(offsetof(RECORDS, KeeperInnings) == 746);
static_assert(offsetof(RECORDS, KeeperTest) == 786);
static_assert(offsetof(RECORDS, KeeperSeries) == 826);
static_assert(offsetof(RECORDS, CatchesInnings) == 870);
static_assert(offsetof(RECORDS, CatchesTest) == 910);
static_assert(offsetof(RECORDS, CatchesSeries) == 950);
static_assert(offsetof(RECORDS, PointsTest) == 994);
static_assert(offsetof(RECORDS, PointsSeries) == 1032);

inline constexpr std::uint32_t DB_VERSION = 20004;

// The first thing in a database file and in CURRENT.DAT.
struct DBHEADER {
    u32 nVersion;               // 20004
    char szName[80];
    char szPath[260];
    char szText1[30];
    char szText2[50];
    u8 bFlagA;
    u8 bFlagB;
    i16 nPlayerSize;            // record sizes used in this file
    i16 nSquadSize;
    i16 nGroundSize;
    i16 nRecordsSize;
    i16 nCountrySize;
    u32 nOne;                   // 1
    u32 nReserved[3];           // 0
};
static_assert(sizeof(DBHEADER) == 452);
static_assert(offsetof(DBHEADER, szPath) == 84);
static_assert(offsetof(DBHEADER, szText1) == 344);
static_assert(offsetof(DBHEADER, szText2) == 374);
static_assert(offsetof(DBHEADER, bFlagA) == 424);
static_assert(offsetof(DBHEADER, nPlayerSize) == 426);
static_assert(offsetof(DBHEADER, nCountrySize) == 434);
static_assert(offsetof(DBHEADER, nOne) == 436);

// Before each match-state block of the saved position.
struct BLOCKHEADER {
    i32 nVersion;
    i32 nSize;                  // bytes of each record of the block
};
static_assert(sizeof(BLOCKHEADER) == 8);

// OPTION.DAT.
struct OPTIONS {
    u16 wShowMessages;          // bits 0-13 match messages; bit 14 no automatic aggression dialogs
    u8 nResolution;             // 0 screen default, 1 640x480 .. 5 1280x1024
    u8 bReserved1;
    i8 nTeamBatAggression;      // defaults, 0..10
    i8 nTeamBowlAggression;
    i8 nPlayerBatAggression;
    i8 nPlayerBowlAggression;
    u8 bSetting;
    u8 bReserved2;
    u16 wPlayOptions;           // bit 1 weather allowed, bit 3 pick computer teams in a league
};
static_assert(sizeof(OPTIONS) == 12);
static_assert(offsetof(OPTIONS, nResolution) == 2);
static_assert(offsetof(OPTIONS, nTeamBatAggression) == 4);
static_assert(offsetof(OPTIONS, nPlayerBowlAggression) == 7);
static_assert(offsetof(OPTIONS, bSetting) == 8);
static_assert(offsetof(OPTIONS, wPlayOptions) == 10);

// MAIL.DAT: the mail configuration, three NUL-terminated texts.
struct MAILDATA {
    char szServer[128];
    char szAddress[128];        // sender's e-mail address
    char szName[128];           // sender's name
};
static_assert(sizeof(MAILDATA) == 384);

// New-record values. `number` is the 1-based slot number put in the default name.
void InitPlayer(PLAYER& p, int number);
void InitSquad(SQUAD& s, int number);
void InitGround(GROUND& gr, int number);
// A new ground's size, pace factors, times, weather, pitch and bounce (offsets
// 21-28 and 42-58), also applied to a ground from an old file not yet initialised.
void InitGroundAttributes(GROUND& gr);
void InitCountry(COUNTRY& c, int number);
void InitRecords(RECORDS& r);
void InitRecordWhere(RECORD_WHERE& w);
void InitAverage(AVERAGE& a);
void InitAverageBat(AVERAGE_BAT& a);
void InitAverageBowl(AVERAGE_BOWL& a);
void InitAverageField(AVERAGE_FIELD& a);
void InitAveragePoints(AVERAGE_POINTS& a);
// The OPTION.DAT defaults.
void InitOptions(OPTIONS& o);

// One of the captain's seven buttons as the saved position keeps it: whether
// it was greyed when the position was written, its three pictures and the
// menu command it sends (src/core/toolbar.h fills and reads them).
struct TOOLBAR {
    i16 nState;                 // 0 normal, 1 greyed, 2 selected
    char szIcon[3][20];         // the pictures of the three states
    u32 nCommand;               // the menu command, 1301..1308
};
static_assert(sizeof(TOOLBAR) == 66);
static_assert(offsetof(TOOLBAR, szIcon) == 2);
static_assert(offsetof(TOOLBAR, nCommand) == 62);
inline constexpr int TOOLBAR_RECORDS = 7;
using ToolbarState = std::array<TOOLBAR, TOOLBAR_RECORDS>;


}  // namespace ovs
