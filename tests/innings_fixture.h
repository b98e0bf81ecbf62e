// A Test set up by hand for the innings and bowling tests.
//
// Two computer sides of eleven plain players ("Home 1".."Home 11" and "Away
// 1".."Away 11" by slot, squads "Home" and "Away"), slot k of each eleven
// being squad member k. Slot 0 keeps wicket; slot 10 bowls fast, 9 fast
// medium, 8 medium, 7 off spin, 6 leg spin; the others bowl medium. Each
// side's rotation list is 10, 9, 8, 7, 6 with 4 main and 5 bowlers at most.
// Innings 0 is in progress with Home batting, openers 0 and 1 in, the fast
// bowler on and the fast-medium bowler at the other end, at 11:00 on day 1.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/messages.h"
#include "test_host.h"

namespace ovs::test {

class InningsFixture : public ::testing::Test {
protected:
    TestHost host;
    Game g{host};
    std::vector<std::string> logLines;

    static constexpr int kFast = 10;
    static constexpr int kFastMedium = 9;
    static constexpr int kMedium = 8;
    static constexpr int kOffSpin = 7;
    static constexpr int kLegSpin = 6;

    void SetUp() override
    {
        g.log.SetEnabled(false);
        g.log.echo = [](const char* line, void* ctx) { static_cast<InningsFixture*>(ctx)->logLines.push_back(line); };
        g.log.echoCtx = this;
        g.rng.Seed(20261206);
        InitOptions(g.options);

        g.db.players.resize(22);
        g.db.squads.resize(2);
        g.db.grounds.resize(1);
        InitGround(g.db.grounds[0], 1);
        for (int side = 0; side < 2; ++side) {
            SQUAD& sq = g.db.squads[side];
            std::snprintf(sq.szName, sizeof sq.szName, "%s", side == 0 ? "Home" : "Away");
            std::snprintf(sq.szShort, sizeof sq.szShort, "%s", side == 0 ? "HOM" : "AWY");
            sq.nMembers = 11;
            for (int k = 0; k < MAX_ELEVEN; ++k) {
                sq.nPlayer[k] = static_cast<std::int16_t>(side * 11 + k);
                std::snprintf(sq.szMember[k], sizeof sq.szMember[k], "%s %d", side == 0 ? "Home" : "Away", k + 1);
                PLAYER& p = g.db.players[side * 11 + k];
                p.nBatSkill = 20;
                p.nStrikeRate = 40;
                p.nMorale = 3;
                p.nBowlType = BOWL_MEDIUM;
                p.nBowlSkill = 10;
                p.nFieldSkill = 10;
            }
            Player(side, 0).nBowlType = BOWL_NONE;
            Player(side, kFast).nBowlType = BOWL_FAST;
            Player(side, kFastMedium).nBowlType = BOWL_FASTMEDIUM;
            Player(side, kOffSpin).nBowlType = BOWL_OFFSPIN;
            Player(side, kLegSpin).nBowlType = BOWL_LEGSPIN;
        }

        InitSeries(g.Series);
        g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_COMPUTER;
        g.Series.nSquad[0] = 0;
        g.Series.nSquad[1] = 1;
        g.Series.nNumTests = 1;
        g.Series.nGround[0] = 0;
        g.Current.nTest = 0;
        g.SelectTestAndInnings();
        TEST& t = *g.pTest;
        InitTestForPlay(t);
        InitCurrentForTest(g.Current);
        InitOverHistory(g.Current);
        g.SelectTestAndInnings();
        t.nGround = 0;
        for (int k = 0; k < MAX_ELEVEN; ++k) t.nPlayer[k][0] = t.nPlayer[k][1] = static_cast<std::int16_t>(k);
        t.nKeeper[0] = t.nKeeper[1] = 0;

        CURRENT& c = g.Current;
        const int order[] = {kFast, kFastMedium, kMedium, kOffSpin, kLegSpin};
        for (int side = 0; side < 2; ++side) {
            for (int k = 0; k < 5; ++k) c.nBowlOrder[k][side] = static_cast<std::int16_t>(order[k]);
            c.nMainBowlers[side] = 4;
            c.nMaxBowlers[side] = 5;
        }
        c.nTime = 1100;
        c.nWeather = 10;
        c.nTeamAggression[0] = c.nTeamAggression[1] = 5;

        // Innings 0 under way.
        c.nBatSide = 0;
        c.nBowlSide = 1;
        INNINGS& in = *g.pInnings;
        in.nBatSide = 0;
        in.nBowlSide = 1;
        in.nStatus = INNINGS_INPROGRESS;
        in.nOrder[0] = 0;
        in.nOrder[1] = 1;
        in.Bat[0].nHowOut = in.Bat[1].nHowOut = HOWOUT_NOTOUT;
        in.nKeeperPos = 0;
        c.nStriker = c.nPartnerA = 0;
        c.nNonStriker = c.nPartnerB = 1;
        c.nBowler = kFast;
        c.nOtherBowler = kFastMedium;
        c.nLastBowler = kFast;
    }

    void TearDown() override { g.log.echo = nullptr; }

    PLAYER& Player(int side, int slot) { return g.db.players[side * 11 + slot]; }
    INNINGS& Inn(int i) { return g.pTest->Innings[i]; }
    SPELL& Spell(int slot) { return g.Current.Spell[slot]; }
    BOWL& Bowl(int slot) { return g.pInnings->Bowl[slot]; }
    int BowlPoints(int slot, int side) { return static_cast<std::int16_t>(g.pTest->nBowlPoints[slot][side]); }
    int BatPoints(int slot, int side) { return static_cast<std::int16_t>(g.pTest->nBatPoints[slot][side]); }

    // A finished innings i: batting side, runs, wickets, status.
    void Finished(int i, int batSide, int runs, int wickets = 10, int status = INNINGS_ENDED)
    {
        INNINGS& in = Inn(i);
        in.nBatSide = static_cast<std::int16_t>(batSide);
        in.nBowlSide = static_cast<std::int16_t>(1 - batSide);
        in.nTotal = static_cast<std::int16_t>(runs);
        in.nWickets = static_cast<std::uint8_t>(wickets);
        in.nStatus = static_cast<std::uint16_t>(status);
    }

    // Play stands in innings i with `batSide` batting and `runs` on the board.
    void InInnings(int i, int batSide, int runs)
    {
        g.Current.nInnings = static_cast<std::int16_t>(i);
        g.SelectTestAndInnings();
        Finished(i, batSide, runs, 0, INNINGS_INPROGRESS);
        g.Current.nBatSide = static_cast<std::int16_t>(batSide);
        g.Current.nBowlSide = static_cast<std::int16_t>(1 - batSide);
    }

    // Overs of the match so far: day d, o overs today.
    void At(int day, int oversToday)
    {
        g.Current.nDay = static_cast<std::int16_t>(day);
        g.Current.nOversToday = static_cast<std::int16_t>(oversToday);
    }

    void Watch()
    {
        g.options.wPlayOptions = static_cast<std::uint16_t>(g.options.wPlayOptions | 0x80);
        g.options.wShowMessages = 0x3FFF;
    }

    bool Logged(const std::string& line) const
    {
        for (const std::string& l : logLines)
            if (l == line) return true;
        return false;
    }

    // Was a highlight line added that contains `part`?
    bool Highlighted(const std::string& part) const
    {
        for (const auto& line : g.Current.szHighlights)
            if (std::string(line).find(part) != std::string::npos) return true;
        return false;
    }

    std::vector<AppMessage> Posted()
    {
        std::vector<AppMessage> out;
        MessageQueue copy = g.queue;
        while (auto m = copy.Pop()) out.push_back(*m);
        return out;
    }
    bool WasPosted(std::uint32_t msg) const { return g.queue.Peek(msg); }

    int LastReplayByte() const
    {
        const REPLAY& r = g.pTest->Replay;
        return r.nLength > 0 ? r.Data[r.nLength - 1] : -1;
    }
};

}  // namespace ovs::test
