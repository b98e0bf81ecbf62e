// Shared set-ups of the match tests: two hand-built elevens in a Test, for the
// delivery, chance, booking, innings, bowling and aggression tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/game.h"
#include "core/match.h"
#include "core/messages.h"
#include "data/stores.h"
#include "test_host.h"

namespace ovs::test {

// A series of one Test between squads 0 (home) and 1 (away), both sides played
// by `control`: Test 0, fresh and at ground 0, is the one in play with slot k
// of each eleven being squad member k, and the match state is a new Test's.
inline void SetUpOneTest(Game& g, int control)
{
    InitSeries(g.Series);
    g.Series.nControl[0] = g.Series.nControl[1] = static_cast<std::uint16_t>(control);
    g.Series.nSquad[0] = 0;
    g.Series.nSquad[1] = 1;
    g.Series.nNumTests = 1;
    g.Series.nGround[0] = 0;
    g.Current.nTest = 0;
    InitTestForPlay(g.Series.Test[0]);
    InitCurrentForTest(g.Current);
    InitOverHistory(g.Current);
    g.SelectTestAndInnings();
    TEST& t = *g.pTest;
    t.nGround = 0;
    for (int k = 0; k < MAX_ELEVEN; ++k) t.nPlayer[k][0] = t.nPlayer[k][1] = static_cast<std::int16_t>(k);
}

// Stores of the default sizes with squads 0 and 1 of sixteen members each
// (member m of squad side is player side * 16 + m) and six home grounds each
// (side * 6 + k); every log line is appended to `log`.
class TwoSquadsFixture : public ::testing::Test {
protected:
    TestHost host;
    Game g{host};
    std::string log;

    void SetUp() override
    {
        SetDefaultCounts(g.db.numbers);
        ASSERT_EQ(AllocateAndInitialiseStores(g.db, g.League, g.Series), StoreId::None);
        InitOptions(g.options);
        g.log.echo = [](const char* line, void* ctx) { static_cast<std::string*>(ctx)->append(line); };
        g.log.echoCtx = &log;
        for (int side = 0; side < 2; ++side) {
            SQUAD& s = g.db.squads[side];
            s.nMembers = 16;
            s.nGrounds = 6;
            for (int m = 0; m < 16; ++m) s.nPlayer[m] = static_cast<std::int16_t>(side * 16 + m);
            for (int k = 0; k < 6; ++k) s.nGround[k] = static_cast<std::int16_t>(side * 6 + k);
        }
    }
};

// Two squads "Home" and "Away" of eleven plain players ("Home 1".."Home 11" and
// "Away 1".."Away 11" by slot), slot k of each eleven being squad member k and
// player side * 11 + k; the first innings is under way with Home batting,
// openers 0 and 1 in and slot 0 keeping wicket. Every log line is kept.
class ElevensFixture : public ::testing::Test {
protected:
    TestHost host;
    Game g{host};
    std::vector<std::string> logLines;

    void SetUpElevens(int fieldSkill)
    {
        g.log.SetEnabled(false);
        g.log.echo = [](const char* line, void* ctx) { static_cast<ElevensFixture*>(ctx)->logLines.push_back(line); };
        g.log.echoCtx = this;
        g.db.players.resize(22);
        g.db.squads.resize(2);
        g.db.grounds.resize(1);
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
                p.nFieldSkill = static_cast<std::uint8_t>(fieldSkill);
            }
        }
        g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_COMPUTER;
        g.Series.nSquad[0] = 0;
        g.Series.nSquad[1] = 1;
    }

    // Innings 0 in progress, Home batting, openers 0 and 1 at the crease.
    void OpenFirstInnings()
    {
        INNINGS& in = *g.pInnings;
        in.nBatSide = 0;
        in.nBowlSide = 1;
        in.nStatus = INNINGS_INPROGRESS;
        in.nOrder[0] = 0;
        in.nOrder[1] = 1;
        in.Bat[0].nHowOut = in.Bat[1].nHowOut = HOWOUT_NOTOUT;
        in.nKeeperPos = 0;
        CURRENT& c = g.Current;
        c.nBatSide = 0;
        c.nBowlSide = 1;
        c.nStriker = c.nPartnerA = 0;
        c.nNonStriker = c.nPartnerB = 1;
        c.nTeamAggression[0] = c.nTeamAggression[1] = 5;
    }

    void TearDown() override { g.log.echo = nullptr; }

    BOWL& Bowl(int slot) { return g.pInnings->Bowl[slot]; }

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
    std::vector<std::uint32_t> Posted() const
    {
        std::vector<std::uint32_t> out;
        MessageQueue copy = g.queue;
        while (auto m = copy.Pop()) out.push_back(m->msg);
        return out;
    }
    bool WasPosted(std::uint32_t msg) const { return g.queue.Peek(msg); }

    int LastReplayByte() const
    {
        const REPLAY& r = g.pTest->Replay;
        return r.nLength > 0 ? r.Data[r.nLength - 1] : -1;
    }
};

// A delivery in the first over: a fast bowler (away slot 10, skill 25) bowling,
// an off spinner (slot 9, skill 25) at the other end, keeper slot 0 (keeping
// skill 30), every fielder of skill 8. Script() feeds the exact values the
// generator returns, in order.
class DeliveryFixture : public ElevensFixture {
protected:
    std::deque<int> script;

    static constexpr int kKeeper = 0;
    static constexpr int kSpinner = 9;
    static constexpr int kFast = 10;

    void SetUp() override
    {
        SetUpElevens(8);
        // The timetable lives outside the Game: start from the default ground's.
        Timetable(g) = DayTimes{};
        Fielder(kKeeper).nBowlType = BOWL_NONE;
        Fielder(kKeeper).nBowlSkill = 30;  // keeping
        Fielder(kFast).nBowlType = BOWL_FAST;
        Fielder(kFast).nBowlSkill = 25;
        Fielder(kSpinner).nBowlType = BOWL_OFFSPIN;
        Fielder(kSpinner).nBowlSkill = 25;

        g.Series.nFieldingStrength = 0;
        g.Current.nTest = 0;
        g.Current.nInnings = 0;
        g.SelectTestAndInnings();
        TEST& t = *g.pTest;
        t.nGround = 0;
        for (int k = 0; k < MAX_ELEVEN; ++k) t.nPlayer[k][0] = t.nPlayer[k][1] = static_cast<std::int16_t>(k);

        INNINGS& in = *g.pInnings;
        for (int k = 0; k < MAX_ELEVEN; ++k) {
            in.nOrder[k] = -1;
            in.Bat[k].nBowler = in.Bat[k].nFielder = 255;
        }
        for (auto& b : in.nBowlers) b = -1;
        OpenFirstInnings();

        CURRENT& c = g.Current;
        c.nDay = 1;
        c.nTime = 1100;
        c.nOversRequired = 90;
        c.nBowler = kFast;
        c.nOtherBowler = kSpinner;
        c.nLastBowler = -1;
        c.nOut = -1;
        c.nProtected = -1;
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

    PLAYER& Batsman(int slot) { return g.db.players[slot]; }
    PLAYER& Fielder(int slot) { return g.db.players[11 + slot]; }
    BAT& Bat(int slot) { return g.pInnings->Bat[slot]; }
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
};

// A Test set up for the innings and bowling tests: slot 10 bowls fast, 9 fast
// medium, 8 medium, 7 off spin, 6 leg spin, the others medium, every fielder
// of skill 10. Each side's rotation list is 10, 9, 8, 7, 6 with 4 main and 5
// bowlers at most; the fast bowler is on and the fast-medium bowler at the
// other end at 11:00 on day 1. The generator is seeded.
class InningsFixture : public ElevensFixture {
protected:
    static constexpr int kFast = 10;
    static constexpr int kFastMedium = 9;
    static constexpr int kMedium = 8;
    static constexpr int kOffSpin = 7;
    static constexpr int kLegSpin = 6;

    void SetUp() override
    {
        SetUpElevens(10);
        g.rng.Seed(20261206);
        InitOptions(g.options);
        InitGround(g.db.grounds[0], 1);
        for (int side = 0; side < 2; ++side) {
            Player(side, 0).nBowlType = BOWL_NONE;
            Player(side, kFast).nBowlType = BOWL_FAST;
            Player(side, kFastMedium).nBowlType = BOWL_FASTMEDIUM;
            Player(side, kOffSpin).nBowlType = BOWL_OFFSPIN;
            Player(side, kLegSpin).nBowlType = BOWL_LEGSPIN;
        }

        SetUpOneTest(g, CONTROL_COMPUTER);
        g.pTest->nKeeper[0] = g.pTest->nKeeper[1] = 0;

        CURRENT& c = g.Current;
        const int order[] = {kFast, kFastMedium, kMedium, kOffSpin, kLegSpin};
        for (int side = 0; side < 2; ++side) {
            for (int k = 0; k < 5; ++k) c.nBowlOrder[k][side] = static_cast<std::int16_t>(order[k]);
            c.nMainBowlers[side] = 4;
            c.nMaxBowlers[side] = 5;
        }
        c.nTime = 1100;
        c.nWeather = 10;
        OpenFirstInnings();
        c.nBowler = kFast;
        c.nOtherBowler = kFastMedium;
        c.nLastBowler = kFast;
    }

    // Long spells in hand, so that only what a test sets up changes a bowler.
    void LongSpells()
    {
        for (int s = 0; s < MAX_ELEVEN; ++s) {
            Spell(s).nInitialBudget = 6;
            Spell(s).nBudgetLimit = 8;
            Spell(s).nBudget = 6;
        }
    }

    PLAYER& Player(int side, int slot) { return g.db.players[side * 11 + slot]; }
    INNINGS& Inn(int i) { return g.pTest->Innings[i]; }
    SPELL& Spell(int slot) { return g.Current.Spell[slot]; }
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

    // Was a highlight line added that contains `part`?
    bool Highlighted(const std::string& part) const
    {
        for (const auto& line : g.Current.szHighlights)
            if (std::string(line).find(part) != std::string::npos) return true;
        return false;
    }
};

}  // namespace ovs::test
