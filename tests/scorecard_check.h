// Checks that a finished Test's scorecard adds up, shared by the tests that
// play whole Tests.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/match.h"

namespace ovs::test {

inline bool KnownHowOut(int h)
{
    return h == HOWOUT_DIDNOTBAT || h == HOWOUT_NOTOUT || h == HOWOUT_BOWLED || h == HOWOUT_CAUGHT ||
           h == HOWOUT_RUNOUT || h == HOWOUT_LBW || h == HOWOUT_STUMPED;
}

// The scorecard of one innings adds up.
inline void CheckInnings(const INNINGS& in, int i)
{
    SCOPED_TRACE("innings " + std::to_string(i));
    int batRuns = 0, batBalls = 0, out = 0, notOut = 0, runOuts = 0, caught = 0, stumped = 0;
    int bowlBalls = 0, bowlRuns = 0, bowlWickets = 0, bowlWides = 0, bowlNoBalls = 0, catches = 0, stumpings = 0;
    for (const BAT& b : in.Bat) {
        ASSERT_TRUE(KnownHowOut(b.nHowOut)) << b.nHowOut;
        batRuns += b.nRuns;
        batBalls += b.nBalls;
        if (b.nHowOut >= HOWOUT_BOWLED) ++out;
        if (b.nHowOut == HOWOUT_NOTOUT) ++notOut;
        if (b.nHowOut == HOWOUT_RUNOUT) ++runOuts;
        if (b.nHowOut == HOWOUT_CAUGHT) ++caught;
        if (b.nHowOut == HOWOUT_STUMPED) ++stumped;
        if (b.nHowOut >= HOWOUT_BOWLED && b.nHowOut != HOWOUT_RUNOUT) {
            EXPECT_NE(b.nBowler, 255);
        }
        if (b.nHowOut == HOWOUT_DIDNOTBAT) {
            EXPECT_EQ(b.nRuns + b.nBalls, 0);
        }
        EXPECT_LE(b.nRuns, 500);
        EXPECT_LE(b.nFours * 4 + b.nSixes * 6, b.nRuns);
    }
    for (const BOWL& w : in.Bowl) {
        EXPECT_GE(w.nBalls, 0);
        EXPECT_GE(w.nRuns, 0);
        bowlBalls += w.nBalls;
        bowlRuns += w.nRuns;
        bowlWickets += w.nWickets;
        bowlWides += w.nWides;
        bowlNoBalls += w.nNoBalls;
        catches += w.nCatches;
        stumpings += w.nStumpings;
        EXPECT_LE(w.nMaidens * 6, w.nBalls);
    }
    EXPECT_EQ(in.nTotal, batRuns + in.nExtras);
    EXPECT_EQ(in.nExtras, in.nByes + in.nLegByes + in.nNoBalls + in.nWides);
    EXPECT_EQ(bowlRuns + in.nByes + in.nLegByes, in.nTotal);
    EXPECT_EQ(bowlBalls, in.nTotalBalls);
    EXPECT_EQ(batBalls, in.nTotalBalls + in.nNoBalls);
    EXPECT_EQ(bowlWides, in.nWides);
    EXPECT_EQ(bowlNoBalls, in.nNoBalls);
    EXPECT_LE(in.nWickets, 10);
    EXPECT_EQ(out, in.nWickets);
    EXPECT_EQ(bowlWickets, in.nWickets - runOuts);
    EXPECT_EQ(catches, caught);
    EXPECT_EQ(stumpings, stumped);
    EXPECT_LE(notOut, 2);
    EXPECT_GE(in.nTotal, 0);

    int last = 0;
    for (int w = 0; w < in.nWickets; ++w) {
        EXPECT_EQ(in.Fow[w].bUnbroken, 0);
        EXPECT_GE(in.Fow[w].nScore, last);
        last = in.Fow[w].nScore;
    }
    EXPECT_LE(last, in.nTotal);
    if (in.nWickets < 10 && in.nStatus != INNINGS_INPROGRESS) {
        EXPECT_EQ(in.Fow[in.nWickets].nScore, in.nTotal);
    }
}

// Every innings played adds up, at least two were, and the result is worded
// as a win, a draw or a tie.
inline void CheckFinishedTest(const TEST& t, int index)
{
    SCOPED_TRACE("Test " + std::to_string(index + 1));
    const std::string result = t.szResult;
    int played = 0;
    for (int i = 0; i < MAX_INNINGS; ++i) {
        const INNINGS& in = t.Innings[i];
        if (in.nStatus == INNINGS_NOTSTARTED) continue;
        ++played;
        EXPECT_NE(in.nStatus, INNINGS_INPROGRESS);
        CheckInnings(in, i);
    }
    EXPECT_GE(played, 2);
    if (t.nWinner >= 0)
        EXPECT_NE(result.find(" won by "), std::string::npos) << result;
    else
        EXPECT_TRUE(result == "Test Match Drawn." || result == "Test was Tied.") << result;
}

}  // namespace ovs::test
