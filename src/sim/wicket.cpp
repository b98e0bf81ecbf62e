// The fall of a wicket: the dismissal booked, the points, the next batsman in.
#include "core/flow.h"
#include "core/announce.h"
#include "core/ballbyball.h"
#include "core/arith.h"
#include "core/clock.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/replay.h"
#include "sim/aggression.h"
#include "sim/booking.h"

namespace ovs {

namespace {

bool PersonSide(const Game& g, int side)
{
    return (g.Series.nControl[side] & (CONTROL_HUMAN | CONTROL_NETHOME | CONTROL_NETAWAY)) != 0;
}

bool ComputerPlays(const Game& g, int side) { return (g.Series.nControl[side] & CONTROL_COMPUTER) != 0; }

bool HasBatted(const INNINGS& in, int slot) { return in.Bat[slot].nHowOut != HOWOUT_DIDNOTBAT; }

// May the batting side close its innings from the batsman box? Not in the
// fourth innings, nor in the third while still behind.
bool MayDeclareAtWicket(const Game& g)
{
    const int n = g.Current.nInnings;
    if (n < 0 || n > 2) return false;
    return n != 2 || ThirdInningsLead(g, g.pInnings->nTotal) >= 0;
}

// A person's batting side names its next batsman, or declares instead (the
// innings is then marked declared and nobody comes in); any other answer
// leaves the choice to the computer.
int ChooseNextBatsman(Game& g)
{
    INNINGS& in = *g.pInnings;
    if (NetworkPlay(g)) return NetworkNextBatsman(g);
    if (PersonSide(g, g.Current.nBatSide)) {
        DialogRequest req;
        req.id = Dialog::NewBatsman;
        req.side = g.Current.nBatSide;
        for (int s = 0; s < MAX_ELEVEN; ++s)
            if (!HasBatted(in, s)) req.choices.push_back(s);
        if (g.host->RunDialog(req) && req.result >= 0 && req.result < MAX_ELEVEN && !HasBatted(in, req.result)) {
            if (req.result2 == 1 && MayDeclareAtWicket(g)) {
                in.nStatus = INNINGS_DECLARED;
                return -1;
            }
            return req.result;
        }
    }
    return ComputerNextBatsman(g);
}

}  // namespace

int ComputerNextBatsman(Game& g)
{
    const CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    int late = Timetable(g).nStumpsTime - 65;
    if (late % 100 >= 60) late += 40;
    const int left = c.nOversRequired - c.nOversToday;
    const int wickets = in.nWickets;
    if (c.nTime > late && left < 8 && c.nDay < 5 && (wickets <= 4 || (wickets == 5 && HasBatted(in, 9)))) {
        if (!HasBatted(in, 9)) return 9;
        const bool lastOverNearlyDone = left <= 1 && c.nBall >= 5;
        if (left <= 2 && !HasBatted(in, 10) && !lastOverNearlyDone) return 10;
    }
    for (int s = 0; s < MAX_ELEVEN; ++s)
        if (!HasBatted(in, s)) return s;
    return -1;
}

int FallOfWicket(Game& g, int how, int detail, int difficulty)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    TEST& t = *g.pTest;
    const int bat = c.nBatSide, bowl = c.nBowlSide;
    const bool replay = Replaying(g);
    // A replay and a network client read what the live copy booked.
    const bool follows = ball::Follows(g);
    const bool fielded = how == HOWOUT_CAUGHT || how == HOWOUT_RUNOUT || how == HOWOUT_STUMPED;
    g.Log("Fall of Wicket.\n");

    if (follows) {
        // The live copy booked the fielder's credit in the chance itself.
        detail = ball::ReadBack(g, 0, 255, "the detail of a wicket");
        if (fielded) difficulty = ball::ReadBack(g, 0, 255, "the difficulty of a chance");
        // Only a run out carries a flag (128, the batsmen had crossed) beside its fielder.
        if (fielded && (how == HOWOUT_RUNOUT ? detail & 127 : detail) >= MAX_ELEVEN)
            detail = ball::Refuse(g, "the fielder of a wicket", detail);
        if (how == HOWOUT_RUNOUT && (detail & 128)) {
            std::int16_t s = c.nStriker;
            c.nStriker = c.nNonStriker;
            c.nNonStriker = s;
        }
        if (how == HOWOUT_RUNOUT) detail &= 15;
        if (how == HOWOUT_CAUGHT) {
            ++in.Bowl[detail].nCatches;
            ball::AddPoints(t.nFieldPoints[detail][bowl], 25 * difficulty);
        } else if (how == HOWOUT_RUNOUT) {
            ball::AddPoints(t.nFieldPoints[detail][bowl], 50 * difficulty);
        } else if (how == HOWOUT_STUMPED) {
            ++in.Bowl[in.nKeeperPos].nStumpings;
            ball::AddPoints(t.nFieldPoints[in.nKeeperPos][bowl], 10 * difficulty);
        }
    }

    const int out = c.nStriker;
    BAT& b = in.Bat[out];
    const PLAYER& striker = ball::Striker(g);
    b.nHowOut = static_cast<std::uint16_t>(how);
    c.nOut = static_cast<std::int16_t>(out);

    u16& batPoints = t.nBatPoints[out][bat];
    if (b.nRuns == 0) ball::AddPoints(batPoints, -(3 * striker.nBatSkill) / 2);
    ball::AddPoints(batPoints, (b.nRuns / 50) * 50);

    if (how != HOWOUT_RUNOUT) {
        b.nBowler = static_cast<std::uint8_t>(c.nBowler);
        ball::AddPoints(t.nBowlPoints[c.nBowler][bowl], 27 * RatingValue(striker.nBatRating));
        SPELL& spell = c.Spell[c.nBowler];
        if (ComputerPlays(g, bowl) && spell.nBudget < spell.nBudgetLimit) ++spell.nBudget;
    }
    if (how == HOWOUT_CAUGHT || how == HOWOUT_STUMPED) b.nFielder = static_cast<std::uint8_t>(detail);

    ++in.nWickets;
    if (how != HOWOUT_RUNOUT) {
        ++in.Bowl[c.nBowler].nWickets;
        ++c.Spell[c.nBowler].nSpellWickets;
    }
    FOW& fow = in.Fow[in.nWickets - 1];
    fow.nBatA = static_cast<std::uint8_t>(out);
    fow.nBatB = static_cast<std::uint8_t>(c.nNonStriker);
    fow.nScore = in.nTotal;
    fow.bUnbroken = 0;

    ball::ShowBall(g);
    ball::Record(g, c.nOutcome);
    ball::Record(g, detail);
    if (fielded) ball::Record(g, difficulty);
    // The client bowls the ball now: it must know of the wicket before the
    // new batsman is chosen.
    if (NetworkServer(g)) NetworkBallDone(g);
    // The over so far goes out before the dismissal lines.
    BbbWicketBall(g);

    AnnounceWicket(g);
    ComputerWicketAggression(g);

    if (in.nWickets >= 10) {
        BbbWrite(g, "\n");
        in.nStatus = INNINGS_ENDED;
        return 1;
    }

    int next;
    if (replay) {
        next = ReplayByteIn(g, 0, 255, "the next batsman");
        if (next == 255 || next < 0 || next >= MAX_ELEVEN) {
            in.nStatus = INNINGS_DECLARED;
            return 1;
        }
    } else {
        next = ChooseNextBatsman(g);
        if (in.nStatus == INNINGS_DECLARED || next < 0) {
            in.nStatus = INNINGS_DECLARED;
            ball::RecordChoice(g, 255);
            return 1;
        }
        ball::RecordChoice(g, next);
    }

    // The batsmen at the crease keep their values against this bowler.
    if (!replay) ComputerPairingsAtWicket(g);

    c.nStriker = static_cast<std::int16_t>(next);
    if (c.nPartnerA == out)
        c.nPartnerA = static_cast<std::int16_t>(next);
    else
        c.nPartnerB = static_cast<std::int16_t>(next);
    in.Bat[next].nHowOut = HOWOUT_NOTOUT;
    if (in.nWickets + 1 < MAX_ELEVEN) in.nOrder[in.nWickets + 1] = static_cast<std::int16_t>(next);
    SettleNewBatsmanPairings(g);

    c.nTime = AddMinutes(c.nTime, 2);
    int stopped = 0;
    int over = CheckClock(g, stopped, 0);
    // The over goes on in a new block under the new batsman's name.
    if (!over && c.nBall < 6) BbbContinueOver(g);
    return over;
}

}  // namespace ovs
