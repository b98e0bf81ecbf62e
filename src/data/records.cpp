// New-record values of the database records and the OPTION.DAT defaults.
#include "data/records.h"
#include "core/format.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace ovs {

void InitAverageBat(AVERAGE_BAT& a)
{
    a = {};
    a.fAverage = -1000000.0f;
    a.nHighScore = -1;
}

void InitAverageBowl(AVERAGE_BOWL& a)
{
    a = {};
    a.fAverage = 1000000.0f;
}

void InitAverageField(AVERAGE_FIELD& a)
{
    a = {};
}

void InitAveragePoints(AVERAGE_POINTS& a)
{
    a = {};
    a.fAverage = -999999.0f;
    a.nBest = -9999;
}

void InitAverage(AVERAGE& a)
{
    InitAverageBat(a.Bat);
    InitAverageBowl(a.Bowl);
    InitAverageField(a.Field);
    InitAveragePoints(a.Points);
}

void InitPlayer(PLAYER& p, int number)
{
    p = {};
    FormatTo(p.szSurname, sizeof p.szSurname, "Player No. %2d", number);
    p.nMorale = 3;
    InitAverage(p.Career);
}

void InitSquad(SQUAD& s, int number)
{
    s = {};
    FormatTo(s.szName, sizeof s.szName, "Squad No. %2d", number);
    SetText(s.szShort, "ABC");
    for (auto& i : s.nPlayer) i = -1;
    for (auto& i : s.nGround) i = -1;
    s.nSpare = -1;
    s.nLeaguePos = -1;
}

void InitGroundAttributes(GROUND& gr)
{
    gr.nSize = 0;
    for (auto& f : gr.nPace) f = 0;
    gr.nStart = 1100;
    gr.nSunset = 2000;
    for (auto& w : gr.nWeather) w = 6;
    gr.nPitch = 0;
    gr.nBounce = 0;
}

void InitGround(GROUND& gr, int number)
{
    gr = {};
    FormatTo(gr.szName, sizeof gr.szName, "Ground No. %2d", number);
    InitGroundAttributes(gr);
    gr.bInitialised = 1;
}

void InitCountry(COUNTRY& c, int number)
{
    c = {};
    FormatTo(c.szName, sizeof c.szName, "Country No. %2d", number);
    SetText(c.szShort, "ABC");
}

void InitRecordWhere(RECORD_WHERE& w)
{
    w.nTeam = -1;
    w.nOpponent = -1;
    w.nGround = -1;
    std::memset(w.szText, 0, sizeof w.szText);
    w.nSpare = 0;
    w.nSpare2[0] = -1;
    w.nSpare2[1] = -1;
}

void InitRecords(RECORDS& r)
{
    r = {};

    r.HighInnings.nRuns = -1;
    r.HighInnings.nWickets = -1;
    InitRecordWhere(r.HighInnings.Where);

    r.LowInnings.nRuns = -1;
    InitRecordWhere(r.LowInnings.Where);

    r.HighScore.nPlayer = -1;
    r.HighScore.nRuns = -1;
    r.HighScore.bNotOut = -1;
    InitRecordWhere(r.HighScore.Where);

    r.SeriesRuns.nPlayer = -1;
    InitAverageBat(r.SeriesRuns.Bat);
    InitRecordWhere(r.SeriesRuns.Where);

    for (auto& p : r.Partnership) {
        p.nBatA = -1;
        p.nBatB = -1;
        p.nRuns = -1;
        p.bUnbroken = -1;
        InitRecordWhere(p.Where);
    }

    for (RECORD_BOWL* b : {&r.BowlInnings, &r.BowlTest}) {
        b->nPlayer = -1;
        b->nWickets = -1;
        b->nRuns = -1;
        InitRecordWhere(b->Where);
    }

    r.SeriesWickets.nPlayer = -1;
    InitAverageBowl(r.SeriesWickets.Bowl);
    InitRecordWhere(r.SeriesWickets.Where);

    for (RECORD_KEEP* k : {&r.KeeperInnings, &r.KeeperTest}) {
        k->nPlayer = -1;
        k->nCatches = -1;
        k->nStumpings = -1;
        InitRecordWhere(k->Where);
    }

    for (RECORD_CATCH* c : {&r.CatchesInnings, &r.CatchesTest}) {
        c->nPlayer = -1;
        c->nCatches = -1;
        c->nSpare = -1;
        InitRecordWhere(c->Where);
    }

    for (RECORD_SERIESFIELD* f : {&r.KeeperSeries, &r.CatchesSeries}) {
        f->nPlayer = -1;
        InitAverageField(f->Field);
        InitRecordWhere(f->Where);
    }

    r.PointsTest.nPlayer = -1;
    r.PointsTest.nPoints = -1;
    InitRecordWhere(r.PointsTest.Where);

    r.PointsSeries.nPlayer = -1;
    InitAveragePoints(r.PointsSeries.Points);
    InitRecordWhere(r.PointsSeries.Where);
}

void InitOptions(OPTIONS& o)
{
    o = {};
    o.wShowMessages = 0x3FFF;
    o.nResolution = 0;
    o.nTeamBatAggression = 5;
    o.nTeamBowlAggression = 5;
    o.nPlayerBatAggression = 5;
    o.nPlayerBowlAggression = 5;
    o.bSetting = 0;
    o.wPlayOptions = 0x66;
}

}  // namespace ovs
