// How true the played cricket is: tallies over finished Tests and their figures.
#include "report/realism.h"

namespace ovs {

namespace {

double Ratio(std::int64_t a, std::int64_t b)
{
    return b == 0 ? 0.0 : static_cast<double>(a) / static_cast<double>(b);
}

double Percent(std::int64_t a, std::int64_t b)
{
    return 100.0 * Ratio(a, b);
}

bool Started(const INNINGS& in)
{
    return in.nStatus != INNINGS_NOTSTARTED && in.nBatSide >= 0 && in.nBatSide <= 1;
}

}  // namespace

void AddTestToRealism(RealismTally& tally, const TEST& test)
{
    ++tally.tests;
    std::int64_t sideRuns[2] = {0, 0};
    int last = -1;
    for (int i = 0; i < MAX_INNINGS; ++i) {
        const INNINGS& in = test.Innings[i];
        if (!Started(in)) continue;
        last = i;
        ++tally.innings;
        tally.runs += in.nTotal;
        tally.wickets += in.nWickets;
        tally.legalBalls += in.nTotalBalls;
        tally.extras += in.nExtras;
        sideRuns[in.nBatSide] += in.nTotal;
        for (const BAT& b : in.Bat) {
            switch (static_cast<int>(b.nHowOut)) {
            case HOWOUT_DIDNOTBAT: continue;
            case HOWOUT_BOWLED: ++tally.bowled; break;
            case HOWOUT_CAUGHT: ++tally.caught; break;
            case HOWOUT_LBW: ++tally.lbw; break;
            case HOWOUT_RUNOUT: ++tally.runOut; break;
            case HOWOUT_STUMPED: ++tally.stumped; break;
            default: break;
            }
            ++tally.battingInnings;
            if (b.nRuns >= 100) ++tally.hundreds;
        }
    }

    if (Started(test.Innings[2]) && test.Innings[2].nBatSide == test.Innings[1].nBatSide) ++tally.followOns;

    if (last < 0 || test.Innings[last].nStatus != INNINGS_RESULT)
        ++tally.draws;
    else if (sideRuns[0] > sideRuns[1])
        ++tally.homeWins;
    else if (sideRuns[1] > sideRuns[0])
        ++tally.awayWins;
    else
        ++tally.ties;
}

RealismFigures ComputeRealism(const RealismTally& t)
{
    RealismFigures f;
    f.runsPerWicket = Ratio(t.runs, t.wickets);
    f.runsPerOver = 6.0 * Ratio(t.runs, t.legalBalls);
    f.ballsPerWicket = Ratio(t.legalBalls, t.wickets);
    f.oversPerInnings = Ratio(t.legalBalls, 6 * t.innings);
    const std::int64_t outs = t.bowled + t.caught + t.lbw + t.runOut + t.stumped;
    f.bowledPct = Percent(t.bowled, outs);
    f.caughtPct = Percent(t.caught, outs);
    f.lbwPct = Percent(t.lbw, outs);
    f.runOutPct = Percent(t.runOut, outs);
    f.stumpedPct = Percent(t.stumped, outs);
    f.homeWinPct = Percent(t.homeWins, t.tests);
    f.awayWinPct = Percent(t.awayWins, t.tests);
    f.drawPct = Percent(t.draws, t.tests);
    f.tiePct = Percent(t.ties, t.tests);
    f.extrasPct = Percent(t.extras, t.runs);
    f.hundredsPer100Innings = Percent(t.hundreds, t.innings);
    f.hundredsPer100BatInnings = Percent(t.hundreds, t.battingInnings);
    f.followOnsPer100Tests = Percent(t.followOns, t.tests);
    return f;
}

}  // namespace ovs
