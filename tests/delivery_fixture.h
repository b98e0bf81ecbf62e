// A small match in progress for the delivery and chance tests.
//
// Two elevens of plain players (home batting, away in the field), the first
// innings under way with slots 0 and 1 at the crease, a fast bowler (away
// slot 10) bowling, an off spinner (slot 9) at the other end and a keeper at
// slot 0. Names are "Home 1".."Home 11" and "Away 1".."Away 11" by slot.
// Script() feeds the exact values the generator returns, in order; every
// log line is kept in `logLines`.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/game.h"
#include "core/messages.h"
#include "test_host.h"

namespace ovs::test {

class DeliveryFixture : public ::testing::Test {
protected:
    TestHost host;
    Game g{host};
    std::deque<int> script;
    std::vector<std::string> logLines;

    static constexpr int kKeeper = 0;
    static constexpr int kSpinner = 9;
    static constexpr int kFast = 10;

    void SetUp() override
    {
        g.log.SetEnabled(false);
        g.log.echo = [](const char* line, void* ctx) { static_cast<DeliveryFixture*>(ctx)->logLines.push_back(line); };
        g.log.echoCtx = this;

        // The timetable lives outside the Game: start from the default ground's.
        Timetable(g) = DayTimes{};

        g.db.players.resize(22);
        g.db.squads.resize(2);
        g.db.grounds.resize(1);
        for (int side = 0; side < 2; ++side) {
            SQUAD& sq = g.db.squads[side];
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
                p.nFieldSkill = 8;
            }
        }
        Fielder(kKeeper).nBowlType = BOWL_NONE;
        Fielder(kKeeper).nBowlSkill = 30;  // keeping
        Fielder(kFast).nBowlType = BOWL_FAST;
        Fielder(kFast).nBowlSkill = 25;
        Fielder(kSpinner).nBowlType = BOWL_OFFSPIN;
        Fielder(kSpinner).nBowlSkill = 25;

        g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_COMPUTER;
        g.Series.nSquad[0] = 0;
        g.Series.nSquad[1] = 1;
        g.Series.nFieldingStrength = 0;
        g.Current.nTest = 0;
        g.Current.nInnings = 0;
        g.SelectTestAndInnings();

        TEST& t = *g.pTest;
        t.nGround = 0;
        for (int k = 0; k < MAX_ELEVEN; ++k) t.nPlayer[k][0] = t.nPlayer[k][1] = static_cast<std::int16_t>(k);

        INNINGS& in = *g.pInnings;
        in.nBatSide = 0;
        in.nBowlSide = 1;
        for (int k = 0; k < MAX_ELEVEN; ++k) {
            in.nOrder[k] = -1;
            in.Bat[k].nBowler = in.Bat[k].nFielder = 255;
        }
        for (auto& b : in.nBowlers) b = -1;
        in.nOrder[0] = 0;
        in.nOrder[1] = 1;
        in.Bat[0].nHowOut = in.Bat[1].nHowOut = HOWOUT_NOTOUT;
        in.nKeeperPos = kKeeper;
        in.nStatus = INNINGS_INPROGRESS;

        CURRENT& c = g.Current;
        c.nDay = 1;
        c.nTime = 1100;
        c.nOversRequired = 90;
        c.nBatSide = 0;
        c.nBowlSide = 1;
        c.nStriker = c.nPartnerA = 0;
        c.nNonStriker = c.nPartnerB = 1;
        c.nBowler = kFast;
        c.nOtherBowler = kSpinner;
        c.nLastBowler = -1;
        c.nOut = -1;
        c.nProtected = -1;
        c.nTeamAggression[0] = c.nTeamAggression[1] = 5;
        for (int k = 0; k < MAX_ELEVEN; ++k) {
            c.nBatAggression[k] = 5;
            c.nBowlAggression[k] = 5;
            for (int j = 0; j < MAX_ELEVEN; ++j) c.nBatVsBowl[k][j] = c.nBowlVsBat[k][j] = 0xFFFF;
        }
        InitOverHistory(c);
        c.OverHistory[0].nBowler = kFast;

        g.rng.SetSource([this]() -> std::int32_t {
            if (script.empty()) {
                ADD_FAILURE() << "the generator was asked for more values than scripted";
                return 0;
            }
            int v = script.front();
            script.pop_front();
            return v;
        });
    }

    void TearDown() override { g.log.echo = nullptr; }

    PLAYER& Batsman(int slot) { return g.db.players[slot]; }
    PLAYER& Fielder(int slot) { return g.db.players[11 + slot]; }
    BAT& Bat(int slot) { return g.pInnings->Bat[slot]; }
    BOWL& Bowl(int slot) { return g.pInnings->Bowl[slot]; }
    int BatPoints(int slot) { return static_cast<std::int16_t>(g.pTest->nBatPoints[slot][0]); }
    int BowlPoints(int slot) { return static_cast<std::int16_t>(g.pTest->nBowlPoints[slot][1]); }
    int FieldPoints(int slot) { return static_cast<std::int16_t>(g.pTest->nFieldPoints[slot][1]); }

    void Script(std::initializer_list<int> values) { script.insert(script.end(), values); }
    // Every scripted value was drawn.
    void ExpectScriptUsed() { EXPECT_TRUE(script.empty()) << script.size() << " scripted values left over"; }

    // The replay stream of the Test as a list of bytes.
    std::vector<int> Stream() const
    {
        const REPLAY& r = g.pTest->Replay;
        return std::vector<int>(r.Data, r.Data + static_cast<int>(r.nLength));
    }

    // Watch the game (computer against computer, with the watch option) with every box on.
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

    // The messages waiting in the queue, by number.
    std::vector<std::uint32_t> Posted()
    {
        std::vector<std::uint32_t> out;
        MessageQueue copy = g.queue;
        while (auto m = copy.Pop()) out.push_back(m->msg);
        return out;
    }
};

}  // namespace ovs::test
