// Match-state records: the series, its Tests and innings, the replay stream,
// the series snapshots of squads, players and grounds, and the live CURRENT.
//
// Like the database records these are file images (le.h types, byte-packed);
// they are copied whole for backups, league series and the saved position.
// "Slot" is a position 0..10 in a side's eleven; "side" 0 home, 1 away.
#pragma once

#include <cstddef>

#include "data/le.h"
#include "data/records.h"

namespace ovs {

inline constexpr int MAX_TESTS = 6;
inline constexpr int MAX_ELEVEN = 11;
inline constexpr int MAX_INNINGS = 4;
inline constexpr int OVER_HISTORY_ROWS = 8;

// How-out codes of a batsman.
inline constexpr int HOWOUT_DIDNOTBAT = 0;
inline constexpr int HOWOUT_NOTOUT = 1;
inline constexpr int HOWOUT_BOWLED = 2;
inline constexpr int HOWOUT_CAUGHT = 4;
inline constexpr int HOWOUT_RUNOUT = 16;
inline constexpr int HOWOUT_LBW = 32;
inline constexpr int HOWOUT_STUMPED = 64;

// INNINGS.nStatus values.
inline constexpr int INNINGS_NOTSTARTED = 0;
inline constexpr int INNINGS_INPROGRESS = 1;
inline constexpr int INNINGS_ENDED = 2;
inline constexpr int INNINGS_DECLARED = 4;
inline constexpr int INNINGS_RESULT = 8;
inline constexpr int INNINGS_DRAWN = 16;

// SERIES.nControl values.
inline constexpr int CONTROL_COMPUTER = 1;
inline constexpr int CONTROL_HUMAN = 2;
inline constexpr int CONTROL_NETHOME = 4;
inline constexpr int CONTROL_NETAWAY = 8;
inline constexpr int CONTROL_REPLAY = 16;

// A squad as it stood when the series started.
struct SQUADSERIES {
    char szName[21];
    char szShort[9];
    i16 nMembers;
    i16 nGrounds;
    i16 nPlayer[MAX_SQUAD];          // player store indices, -1 unused
    i16 nGround[MAX_HOME_GROUNDS];   // ground store indices, -1 unused
    u16 wSetting1;                   // copied from SQUAD.wSetting1/2
    u16 wSetting2;
    i16 nSpare;                      // -1
};
static_assert(sizeof(SQUADSERIES) == 112);
static_assert(offsetof(SQUADSERIES, nMembers) == 30);
static_assert(offsetof(SQUADSERIES, nPlayer) == 34);
static_assert(offsetof(SQUADSERIES, nGround) == 94);
static_assert(offsetof(SQUADSERIES, wSetting1) == 106);
static_assert(offsetof(SQUADSERIES, wSetting2) == 108);
static_assert(offsetof(SQUADSERIES, nSpare) == 110);

// The first 44 bytes of a PLAYER: identity, attributes and skills.
struct PLAYERSERIES {
    char szSurname[21];
    char szInitials[9];
    i16 nInjury;
    u8 nBatType;
    u8 nStrikeRate;
    i8 nBowlType;
    u8 nBowlStatus;
    i16 nFieldType;
    u8 nMorale;
    u8 nBatPos;
    u8 nBatSkill;
    u8 nBowlSkill;
    u8 nSkill3;
    u8 nFieldSkill;
};
static_assert(sizeof(PLAYERSERIES) == 44);
static_assert(offsetof(PLAYERSERIES, nInjury) == offsetof(PLAYER, nInjury));
static_assert(offsetof(PLAYERSERIES, nBowlType) == offsetof(PLAYER, nBowlType));
static_assert(offsetof(PLAYERSERIES, nMorale) == offsetof(PLAYER, nMorale));
static_assert(offsetof(PLAYERSERIES, nFieldSkill) == offsetof(PLAYER, nFieldSkill));

// A ground's attributes: the first 30 bytes of a GROUND, then offsets 42-58 of it.
struct GROUNDSERIES {
    char szName[21];
    i8 nSize;
    i8 nPace[PACE_FACTORS];
    u8 bReserved1;
    i16 nStart;
    i16 nSunset;
    u8 nWeather[WEATHER_WEIGHTS];
    u8 nPitch;
    u8 nBounce;
    u8 bReserved2;
};
static_assert(sizeof(GROUNDSERIES) == 48);
static_assert(offsetof(GROUNDSERIES, nStart) == 30);
static_assert(offsetof(GROUNDSERIES, nSunset) == 32);
static_assert(offsetof(GROUNDSERIES, nWeather) == 34);
static_assert(offsetof(GROUNDSERIES, nPitch) == 45);
static_assert(offsetof(GROUNDSERIES, nBounce) == 46);

// Batting of one slot in an innings.
struct BAT {
    u16 nRuns;
    u16 nHowOut;
    u8 nBowler;      // slot of the bowler credited, 255 none
    u8 nFielder;     // slot of the catcher, stumper or thrower, 255 none
    u16 nBalls;
    u8 nFours;
    u8 nSixes;
};
static_assert(sizeof(BAT) == 10);
static_assert(offsetof(BAT, nBalls) == 6);

// Fall of wicket w / the partnership for it.
struct FOW {
    u8 nBatA;        // the dismissed batsman; the lower slot when unbroken
    u8 nBatB;        // his partner; the higher slot when unbroken
    i16 nScore;      // innings total when it ended
    u16 bUnbroken;
};
static_assert(sizeof(FOW) == 6);

// Bowling of one slot in an innings.
struct BOWL {
    i16 nBalls;      // legal balls
    u8 nMaidens;
    u8 bUnused3;
    i16 nRuns;
    u8 nWickets;
    u8 nNoBalls;
    u8 nWides;
    u8 nCatches;     // catches held by the player of this slot
    u8 nStumpings;
    u8 bUnused11;
};
static_assert(sizeof(BOWL) == 12);
static_assert(offsetof(BOWL, nRuns) == 4);
static_assert(offsetof(BOWL, nWickets) == 6);
static_assert(offsetof(BOWL, nStumpings) == 10);

struct INNINGS {
    i16 nBatSide;                 // -1 before the innings
    i16 nBowlSide;
    i16 nOrder[MAX_ELEVEN];       // slot at each batting position; -1 not yet in
    i16 nBowlers[10];             // slots in order of first bowling; -1 none
    i16 nKeeperPos;               // slot of the fielding side's keeper
    u16 nStatus;                  // INNINGS_*
    BAT Bat[MAX_ELEVEN];
    FOW Fow[10];
    u8 nByes;
    u8 nLegByes;
    u8 nNoBalls;
    u8 nWides;
    BOWL Bowl[MAX_ELEVEN];
    i16 nTotal;
    u8 nExtras;
    u8 bUnused359;
    i16 nTotalBalls;              // legal balls in the innings
    u8 nWickets;
    u8 bUnused363;
};
static_assert(sizeof(INNINGS) == 364);
static_assert(offsetof(INNINGS, nOrder) == 4);
static_assert(offsetof(INNINGS, nBowlers) == 26);
static_assert(offsetof(INNINGS, nKeeperPos) == 46);
static_assert(offsetof(INNINGS, nStatus) == 48);
static_assert(offsetof(INNINGS, Bat) == 50);
static_assert(offsetof(INNINGS, Fow) == 160);
static_assert(offsetof(INNINGS, nByes) == 220);
static_assert(offsetof(INNINGS, nWides) == 223);
static_assert(offsetof(INNINGS, Bowl) == 224);
static_assert(offsetof(INNINGS, nTotal) == 356);
static_assert(offsetof(INNINGS, nExtras) == 358);
static_assert(offsetof(INNINGS, nTotalBalls) == 360);
static_assert(offsetof(INNINGS, nWickets) == 362);

inline constexpr int REPLAY_DATA = 8192;

// The replay stream of a Test.
struct REPLAY {
    u16 nLength;                  // bytes recorded
    i16 nPosition;                // read position during a replay
    u8 Data[REPLAY_DATA];
};
static_assert(sizeof(REPLAY) == 8196);

struct TEST {
    i16 nTossWinner;              // side; -1 before the toss
    i16 nGround;                  // ground store index; -1 before the Test
    i16 nWinner;                  // side; -1 no result
    i16 nPlayer[MAX_ELEVEN][2];   // squad member index of slot k, side s; -1 unset
    u16 nKeeper[2];               // squad member index of each side's keeper
    u16 nBatPoints[MAX_ELEVEN][2];
    u16 nBowlPoints[MAX_ELEVEN][2];   // read as signed: may go below zero
    u16 nFieldPoints[MAX_ELEVEN][2];
    char szResult[82];
    u16 wReserved268;
    INNINGS Innings[MAX_INNINGS];     // in the order played
    u8 bUnused1726[96];
    u16 nNewBall1[2];             // opening bowlers chosen with the eleven
    u16 nNewBall2[2];
    u8 nStoppages[6];             // [d] four-minute weather stoppages on day d (1..5)
    u16 wReserved1836;
    u16 bLastHour;
    i16 nLastHourEnd;             // hhmm
    u16 bBreak;                   // play stopped and no ball bowled since
    REPLAY Replay;
    u8 bReserved10040[396];
};
static_assert(sizeof(TEST) == 10436);
static_assert(offsetof(TEST, nPlayer) == 6);
static_assert(offsetof(TEST, nKeeper) == 50);
static_assert(offsetof(TEST, nBatPoints) == 54);
static_assert(offsetof(TEST, nBowlPoints) == 98);
static_assert(offsetof(TEST, nFieldPoints) == 142);
static_assert(offsetof(TEST, szResult) == 186);
static_assert(offsetof(TEST, wReserved268) == 268);
static_assert(offsetof(TEST, Innings) == 270);
static_assert(offsetof(TEST, nNewBall1) == 1822);
static_assert(offsetof(TEST, nNewBall2) == 1826);
static_assert(offsetof(TEST, nStoppages) == 1830);
static_assert(offsetof(TEST, wReserved1836) == 1836);
static_assert(offsetof(TEST, bLastHour) == 1838);
static_assert(offsetof(TEST, nLastHourEnd) == 1840);
static_assert(offsetof(TEST, bBreak) == 1842);
static_assert(offsetof(TEST, Replay) == 1844);

struct SERIES {
    u16 nControl[2];              // CONTROL_* per side
    i16 nSquad[2];                // squad store index; -1 no series
    u8 nGround[MAX_TESTS];        // venue of each Test; 255 none
    TEST Test[MAX_TESTS];
    u16 nPlayed;
    u16 nHomeWins;
    u16 nAwayWins;
    u16 nDraws;
    u16 nTies;
    AVERAGE Average[MAX_SQUAD][2];    // series figures of each member slot and side
    char szPlayer[2][21];         // who plays each side
    i16 nNumTests;                // 1..6
    i16 wReserved67484;
    i16 bPickComputerTeams;
    i16 bAllowWeather;
    i16 nFieldingStrength;        // of the side in the field, set at each innings start
    i16 bBallByBall;
    char szBallByBall[MAX_TESTS][13];
    i16 wReserved67572;
    SQUADSERIES Squad[2];
    PLAYERSERIES Player[MAX_SQUAD][2];
    GROUNDSERIES Venue[MAX_TESTS];
};
static_assert(sizeof(SERIES) == 70726);
static_assert(offsetof(SERIES, nSquad) == 4);
static_assert(offsetof(SERIES, nGround) == 8);
static_assert(offsetof(SERIES, Test) == 14);
static_assert(offsetof(SERIES, nPlayed) == 62630);
static_assert(offsetof(SERIES, nTies) == 62638);
static_assert(offsetof(SERIES, Average) == 62640);
static_assert(offsetof(SERIES, szPlayer) == 67440);
static_assert(offsetof(SERIES, nNumTests) == 67482);
static_assert(offsetof(SERIES, bPickComputerTeams) == 67486);
static_assert(offsetof(SERIES, bAllowWeather) == 67488);
static_assert(offsetof(SERIES, nFieldingStrength) == 67490);
static_assert(offsetof(SERIES, bBallByBall) == 67492);
static_assert(offsetof(SERIES, szBallByBall) == 67494);
static_assert(offsetof(SERIES, wReserved67572) == 67572);
static_assert(offsetof(SERIES, Squad) == 67574);
static_assert(offsetof(SERIES, Player) == 67798);
static_assert(offsetof(SERIES, Venue) == 70438);

// A bowler's spell record: fatigue and the figures of his current spell.
struct SPELL {
    u16 nTiredness;       // fatigue; 0 at every innings start
    i16 nReserved2;
    i16 nBudget;          // overs the computer captain still means to give him
    i16 nSpellOvers;
    i16 nInitialBudget;   // a fresh spell's budget
    i16 nBudgetLimit;     // the most a wicket or maiden can raise the budget to
    i16 nSpellBalls;
    u8 nSpellMaidens;
    u8 bReserved15;
    i16 nSpellRuns;
    u8 nSpellWickets;
    u8 nSpellNoBalls;
    u8 nSpellWides;
    u8 bReserved21;
};
static_assert(sizeof(SPELL) == 22);
static_assert(offsetof(SPELL, nSpellBalls) == 12);
static_assert(offsetof(SPELL, nSpellMaidens) == 14);
static_assert(offsetof(SPELL, nSpellRuns) == 16);
static_assert(offsetof(SPELL, nSpellWickets) == 18);
static_assert(offsetof(SPELL, nSpellWides) == 20);

// The computer captain's check marks of one slot: the batsman's runs and the
// bowler's runs conceded when his aggression was last reviewed (a bowler's mark
// is also set to his runs conceded when a spell of his begins).
struct MARKS {
    i16 nBatMark;
    i16 nBowlMark;
};
static_assert(sizeof(MARKS) == 4);

// One row of the over pane; 0xFFFF unused.
struct OVERHISTORY {
    u16 nBowler;
    u16 nOutcome[12];
    u16 nMark[12];        // 1 drawn highlighted
};
static_assert(sizeof(OVERHISTORY) == 50);

// The live state of the match in play (the program's _Current, Game::Current).
struct CURRENT {
    i16 nTest;                // 0-based; -1 when no series
    i16 nInnings;             // 0..3; 4 after the fourth
    i16 nDay;                 // 1..5; 6 the Test is over
    i16 nOversToday;
    i16 nTime;                // hhmm
    i16 nOversRequired;       // 90 at the start of a day
    i16 nOver;
    i16 nStriker;
    i16 nNonStriker;
    i16 nOut;                 // slot dismissed last
    i16 nPartnerA;
    i16 nPartnerB;
    i16 nBowler;
    i16 nOtherBowler;
    i16 nTarget;              // 0 before the fourth innings
    i16 nBallInOver;          // outcomes shown so far in this over
    i16 nOverRow;
    i16 nRotation;            // the computer's place in its rotation list (nBowlOrder)
    i16 nNumBowlers;          // bowlers the computer rotates now
    i16 nRotationCycle;       // times the rotation has been gone through this innings
    i16 nTotalMark[2];        // innings total at the last team review: [0] batting, [1] bowling
    i16 nOversSinceNewBall;
    i16 nBallWear;
    i16 nBounce;
    i16 nOutfield;            // 0..499
    i16 nPitch;
    i16 nWeather;             // category * 5 + intensity
    i16 nBall;                // legal balls in this over, 0..6
    i16 nOutcome;
    i16 nOverY;
    i16 nOverX;
    i16 nDisplay64;           // display, 0 at each innings start
    i16 nBatSide;
    i16 nBowlSide;
    i16 nProtected;           // slot kept away from the strike; -1 none
    i16 nLastBowler;
    i16 nDisplay74;           // display
    i16 nRunsAtOverStart;
    i16 nOverRows;
    i16 bEndInnings;
    i16 nBatAggression[MAX_ELEVEN];
    i16 nBowlAggression[MAX_ELEVEN];
    i16 nTeamAggression[2];
    u8 bUnused130[22];
    i16 nBowlOrder[MAX_ELEVEN][2];
    i16 nMainBowlers[2];
    i16 nMaxBowlers[2];
    u16 nBatVsBowl[MAX_ELEVEN][MAX_ELEVEN];   // 0xFFFF unset
    u16 nBowlVsBat[MAX_ELEVEN][MAX_ELEVEN];
    SPELL Spell[MAX_ELEVEN];
    i16 bSkipChange;          // the new day's pair bowls one over before the captain reviews
    u8 bReserved932[20];
    MARKS Mark[MAX_ELEVEN];   // the captain's check marks per slot; zeroed at the start of a Test
    OVERHISTORY OverHistory[OVER_HISTORY_ROWS];
    i16 bLeagueMatch;
    char szHighlights[24][100];
    char szSessions[16][100];
};
static_assert(sizeof(CURRENT) == 5398);
static_assert(offsetof(CURRENT, nOverRow) == 32);
static_assert(offsetof(CURRENT, nRotation) == 34);
static_assert(offsetof(CURRENT, nNumBowlers) == 36);
static_assert(offsetof(CURRENT, nRotationCycle) == 38);
static_assert(offsetof(CURRENT, nTotalMark) == 40);
static_assert(offsetof(CURRENT, nOversSinceNewBall) == 44);
static_assert(offsetof(CURRENT, nBallWear) == 46);
static_assert(offsetof(CURRENT, nWeather) == 54);
static_assert(offsetof(CURRENT, nBall) == 56);
static_assert(offsetof(CURRENT, nDisplay64) == 64);
static_assert(offsetof(CURRENT, nBatSide) == 66);
static_assert(offsetof(CURRENT, nProtected) == 70);
static_assert(offsetof(CURRENT, nDisplay74) == 74);
static_assert(offsetof(CURRENT, bEndInnings) == 80);
static_assert(offsetof(CURRENT, nBatAggression) == 82);
static_assert(offsetof(CURRENT, nBowlAggression) == 104);
static_assert(offsetof(CURRENT, nTeamAggression) == 126);
static_assert(offsetof(CURRENT, nBowlOrder) == 152);
static_assert(offsetof(CURRENT, nMainBowlers) == 196);
static_assert(offsetof(CURRENT, nMaxBowlers) == 200);
static_assert(offsetof(CURRENT, nBatVsBowl) == 204);
static_assert(offsetof(CURRENT, nBowlVsBat) == 446);
static_assert(offsetof(CURRENT, Spell) == 688);
static_assert(offsetof(CURRENT, bSkipChange) == 930);
static_assert(offsetof(CURRENT, Mark) == 952);
static_assert(offsetof(CURRENT, OverHistory) == 996);
static_assert(offsetof(CURRENT, bLeagueMatch) == 1396);
static_assert(offsetof(CURRENT, szHighlights) == 1398);
static_assert(offsetof(CURRENT, szSessions) == 3798);

// The match-state initialisers. Each touches exactly the fields it names;
// others keep what they hold.
void InitSquadSeries(SQUADSERIES& s, int number);
void InitPlayerSeries(PLAYERSERIES& p, int number);
void InitGroundSeries(GROUNDSERIES& gr, int number);
void InitInnings(INNINGS& in);
void InitTestForPlay(TEST& t);
void InitTestForReplay(TEST& t);   // keeps the elevens and the replay stream
void InitSeries(SERIES& s);
void InitCurrentForTest(CURRENT& c);
void InitOverHistory(CURRENT& c);

}  // namespace ovs
