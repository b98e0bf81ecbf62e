// Initialisers of the match-state records.
//
// They set exactly the fields the game has always set and leave the others as
// they are: a replay keeps its elevens and stream, and the unused bytes of the
// bowling figures (+3 and +11) keep whatever they held.
#include "core/match.h"
#include "core/format.h"

#include <cstdio>
#include <cstring>

namespace ovs {

void InitSquadSeries(SQUADSERIES& s, int number)
{
    s = {};
    FormatTo(s.szName, sizeof s.szName, "Squad No. %2d", number);
    for (auto& p : s.nPlayer) p = -1;
    for (auto& gr : s.nGround) gr = -1;
    s.wSetting1 = 0;
    s.wSetting2 = 0;
    s.nSpare = -1;
}

void InitPlayerSeries(PLAYERSERIES& p, int number)
{
    p = {};
    FormatTo(p.szSurname, sizeof p.szSurname, "Player No. %2d", number);
    p.nMorale = 3;
}

void InitGroundSeries(GROUNDSERIES& gr, int number)
{
    gr = {};
    FormatTo(gr.szName, sizeof gr.szName, "Ground No. %2d", number);
    gr.nStart = 1100;
    gr.nSunset = 2000;
    for (auto& w : gr.nWeather) w = 6;
    gr.nPitch = 0;
    gr.nBounce = 0;
}

void InitInnings(INNINGS& in)
{
    in.nBatSide = -1;
    in.nBowlSide = -1;
    for (auto& o : in.nOrder) o = -1;
    for (auto& b : in.nBowlers) b = -1;
    in.nKeeperPos = -1;
    in.nStatus = 0;
    for (auto& b : in.Bat) {
        b = {};
        b.nBowler = 255;
        b.nFielder = 255;
    }
    for (auto& f : in.Fow) f = {};
    in.nByes = 0;
    in.nLegByes = 0;
    in.nNoBalls = 0;
    in.nWides = 0;
    for (auto& b : in.Bowl) {
        b.nBalls = 0;
        b.nMaidens = 0;
        b.nRuns = 0;
        b.nWickets = 0;
        b.nNoBalls = 0;
        b.nWides = 0;
        b.nCatches = 0;
        b.nStumpings = 0;
    }
    in.nTotal = 0;
    in.nExtras = 0;
    in.nTotalBalls = 0;
    in.nWickets = 0;
}

// What both Test initialisers do; the caller sets the result text and the
// fields that differ between play and replay.
static void InitTestCommon(TEST& t)
{
    t.nTossWinner = -1;
    t.nGround = -1;
    t.nWinner = -1;
    for (int k = 0; k < MAX_ELEVEN; ++k)
        for (int s = 0; s < 2; ++s) {
            t.nBatPoints[k][s] = 0;
            t.nBowlPoints[k][s] = 0;
            t.nFieldPoints[k][s] = 0;
        }
    t.wReserved268 = 0;
    for (auto& in : t.Innings) InitInnings(in);
    for (auto& d : t.nStoppages) d = 0;
    t.wReserved1836 = 0;
    t.bLastHour = 0;
    t.nLastHourEnd = 0;
}

void InitTestForPlay(TEST& t)
{
    InitTestCommon(t);
    for (auto& row : t.nPlayer) {
        row[0] = -1;
        row[1] = -1;
    }
    std::strcpy(t.szResult, "Not yet played.");
    t.Replay = {};
}

void InitTestForReplay(TEST& t)
{
    InitTestCommon(t);
    std::strcpy(t.szResult, "Being replayed.");
}

void InitSeries(SERIES& s)
{
    for (int side = 0; side < 2; ++side) {
        s.nControl[side] = 0xFFFF;
        s.nSquad[side] = -1;
    }
    for (auto& gr : s.nGround) gr = 255;
    for (auto& t : s.Test) InitTestForPlay(t);
    s.nPlayed = 0;
    s.nHomeWins = 0;
    s.nAwayWins = 0;
    s.nDraws = 0;
    s.nTies = 0;
    for (auto& member : s.Average) {
        InitAverage(member[0]);
        InitAverage(member[1]);
    }
    SetText(s.szPlayer[0], "Player 1");
    SetText(s.szPlayer[1], "Player 2");
    s.nNumTests = 0;
    s.wReserved67484 = 0;
    for (auto& name : s.szBallByBall) name[0] = '\0';
    // The numbered blanks are the same for every series: made once, copied.
    struct Blanks {
        SQUADSERIES squad[2];
        PLAYERSERIES player[MAX_SQUAD][2];
        GROUNDSERIES venue[MAX_TESTS];
        Blanks()
        {
            for (int side = 0; side < 2; ++side) InitSquadSeries(squad[side], side);
            for (int k = 0; k < MAX_SQUAD; ++k)
                for (int side = 0; side < 2; ++side) InitPlayerSeries(player[k][side], k);
            for (int v = 0; v < MAX_TESTS; ++v) InitGroundSeries(venue[v], v);
        }
    };
    static const Blanks blanks;
    std::memcpy(s.Squad, blanks.squad, sizeof s.Squad);
    std::memcpy(s.Player, blanks.player, sizeof s.Player);
    std::memcpy(s.Venue, blanks.venue, sizeof s.Venue);
    s.bPickComputerTeams = 0;
    s.bAllowWeather = 1;
    s.nFieldingStrength = 0;
    s.bBallByBall = 0;
}

void InitCurrentForTest(CURRENT& c)
{
    c.nInnings = 0;
    c.nDay = 1;
    c.nOversToday = 0;
    c.nTime = 800;
    c.nOversRequired = 90;
    c.nTarget = 0;
    c.nOut = -1;
    c.nTotalMark[0] = 0;
    c.nTotalMark[1] = 0;
    c.nBallWear = 0;
    c.nBounce = 0;
    c.nOutfield = 0;
    c.nPitch = 0;
    c.nWeather = 0;
    c.nBall = 0;
    c.nProtected = -1;
    c.nRunsAtOverStart = 0;
    c.bEndInnings = 0;
    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        c.nBowlOrder[slot][0] = -1;
        c.nBowlOrder[slot][1] = -1;
        SPELL& sp = c.Spell[slot];
        sp.nTiredness = 0;
        sp.nSpellBalls = 0;
        sp.nSpellRuns = 0;
        sp.nSpellMaidens = 0;
        sp.nSpellWickets = 0;
        sp.nSpellNoBalls = 0;
        sp.nSpellWides = 0;
        c.Mark[slot].nBatMark = 0;
        c.Mark[slot].nBowlMark = 0;
    }
    for (int i = 0; i < MAX_ELEVEN; ++i)
        for (int j = 0; j < MAX_ELEVEN; ++j) {
            c.nBatVsBowl[i][j] = 0xFFFF;
            c.nBowlVsBat[i][j] = 0xFFFF;
        }
    for (auto& line : c.szHighlights) line[0] = '\0';
    for (auto& line : c.szSessions) line[0] = '\0';
}

void InitOverHistory(CURRENT& c)
{
    for (auto& row : c.OverHistory) {
        row.nBowler = 0xFFFF;
        for (auto& o : row.nOutcome) o = 0xFFFF;
        for (auto& m : row.nMark) m = 0xFFFF;
    }
    c.nBallInOver = 0;
    c.nOverRow = 0;
    c.nRunsAtOverStart = 0;
    c.bEndInnings = 0;
    c.nBall = 0;
}

}  // namespace ovs
