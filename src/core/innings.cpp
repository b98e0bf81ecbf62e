// The innings lifecycle: who bats next (lead, follow-on, target) and the end
// of an innings with its points, unbroken partnership and changeover.
#include "core/flow.h"
#include "core/innings.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/arith.h"
#include "core/ballbyball.h"
#include "core/clock.h"
#include "core/format.h"
#include "core/highlights.h"
#include "core/innings_internal.h"
#include "core/replay.h"
#include "core/setup.h"

namespace ovs {

using namespace innings_detail;

namespace {

// The side that bowled bats now.
void SwapSides(CURRENT& c)
{
    int bat = c.nBowlSide;
    c.nBatSide = bat;
    c.nBowlSide = 1 - bat;
}

// Ask A whether to enforce the follow-on, or let the computer decide.
bool DecideFollowOn(Game& g, int a, int oversLeft)
{
    std::string enforced = SquadName(g, a) + " have enforced the follow on.";
    if (Replaying(g)) {
        bool yes = ReplayReadByte(g) == 1;
        if (yes) g.host->MessageBox(enforced, "Follow On", BoxButtons::Ok, BoxIcon::Information);
        return yes;
    }
    bool yes = false;
    if (NetworkPlay(g)) {
        yes = NetworkFollowOn(g, a);
    } else if (!ComputerSide(g, a) || oversLeft < 31) {
        if (HumanSide(g, a))
            yes = g.host->MessageBox("Do you wish to enforce the follow on?", "Follow On", BoxButtons::YesNo,
                                     BoxIcon::Question) == IDYES;
    } else {
        yes = true;
        if (g.Watched()) g.host->MessageBox(enforced, "Follow On", BoxButtons::Ok, BoxIcon::Information);
    }
    ReplayAppendByte(g, yes ? 1 : 0);
    return yes;
}

}  // namespace

void NewInnings(Game& g, int n)
{
    CURRENT& c = g.Current;
    TEST& t = *g.pTest;
    if (n <= 0) {
        TheToss(g);
        // The Test's ball-by-ball file: header, conditions and the toss.
        BbbStartTest(g);
        if (c.nDay == 6) return PostEndTest(g, "NewInnings");
        RestBowlers(g, 100);
        StartInnings(g, 0);
        return;
    }
    if (n >= 4 || c.nDay == 6 || t.Innings[n - 1].nStatus == INNINGS_RESULT) return PostEndTest(g, "NewInnings");

    if (n == 1) {
        SwapSides(c);
        RestBowlers(g, 100);
        StartInnings(g, 1);
        return;
    }
    if (n == 2) {
        int lead = FirstInningsLead(g);
        int oversLeft = 450 - MatchOvers(g);
        int a = t.Innings[1].nBowlSide;
        bool enforced = lead >= 200 && DecideFollowOn(g, a, oversLeft);
        if (!enforced) {
            SwapSides(c);
            RestBowlers(g, 100);
            BbbWrite(g, LeadText(g));
        } else {
            BbbWrite(g, SquadName(g, a) + " have enforced the follow on.\n\n");
            BbbWrite(g, AvoidInningsDefeatText(g, c.nBatSide, lead) + "\n\n");
            AddHighlight(g, AvoidInningsDefeatText(g, c.nBatSide, lead));
            RestBowlers(g, 10);
        }
        StartInnings(g, 2);
        return;
    }
    // n == 3: the fourth innings chases what the third left.
    int d = FollowOnInForce(g) ? InningsRuns(g, 1) + InningsRuns(g, 2) - InningsRuns(g, 0)
                               : InningsRuns(g, 0) + InningsRuns(g, 2) - InningsRuns(g, 1);
    if (d < 0) return;
    c.nTarget = d + 1;
    SwapSides(c);
    RestBowlers(g, 100);
    BbbWrite(g, TargetText(g));
    StartInnings(g, 3);
}

void EndInnings(Game& g)
{
    CURRENT& c = g.Current;
    TEST& t = *g.pTest;
    INNINGS& in = *g.pInnings;
    const int bat = in.nBatSide, bowl = in.nBowlSide;
    if (NetworkPlay(g)) NetworkToggleWait(g);

    // Bowling points of the innings.
    for (int k = 0; k < 10; ++k) {
        int s = in.nBowlers[k];
        if (!ValidSlot(s)) continue;
        int wickets = in.Bowl[s].nWickets;
        int delta = 0;
        if (wickets >= 5) delta += 20 * wickets;
        if (wickets == 10) delta += 500;
        if (wickets == 0) delta -= 3 * in.Bowl[s].nRuns;
        ball::AddPoints(t.nBowlPoints[s][bowl], delta);
    }

    if (in.nWickets < 10 && ValidSlot(c.nStriker) && ValidSlot(c.nNonStriker)) {
        FOW& f = in.Fow[in.nWickets];
        f.nBatA = static_cast<std::uint8_t>(std::min<int>(c.nStriker, c.nNonStriker));
        f.nBatB = static_cast<std::uint8_t>(std::max<int>(c.nStriker, c.nNonStriker));
        f.nScore = in.nTotal;
        f.bUnbroken = 1;
    }
    for (int s : {static_cast<int>(c.nStriker), static_cast<int>(c.nNonStriker)})
        if (ValidSlot(s) && in.Bat[s].nHowOut == HOWOUT_NOTOUT) ball::AddPoints(t.nBatPoints[s][bat], in.Bat[s].nRuns);

    char text[120];
    int n = FormatTo(text, sizeof text, "End of innings:  %s  %d ", SquadName(g, bat).c_str(),
                     static_cast<int>(in.nTotal));
    if (in.nWickets >= 10)
        FormatTo(text + n, sizeof text - n, "all out");
    else
        FormatTo(text + n, sizeof text - n, "for %d%s", static_cast<int>(in.nWickets),
                 in.nStatus == INNINGS_DECLARED ? " declared" : "");
    AddHighlight(g, text);

    if (g.Watched()) {
        g.host->Refresh(PANE_ALL);
        DialogRequest req;
        req.id = Dialog::Scoreboard;
        g.host->RunDialog(req);
    }
    // Both copies have seen the innings end before the next begins.
    if (NetworkPlay(g)) NetworkInningsSync(g);
    BbbInningsScoreboard(g);

    const int ended = c.nInnings;
    const int status = in.nStatus;
    c.nInnings = ended + 1;
    g.SelectTestAndInnings();
    for (int side = 0; side < 2; ++side)
        if (g.Series.nControl[side] == 3) g.Series.nControl[side] = CONTROL_HUMAN;

    if (c.nInnings >= 4 || status == INNINGS_DRAWN || status == INNINGS_RESULT)
        return PostEndTest(g, "EndInnings");

    // The changeover takes ten minutes and two of the day's overs, unless an
    // interval swallows it.
    bool noTarget = ended == 2 && (FollowOnInForce(g) ? InningsRuns(g, 1) + InningsRuns(g, 2) - InningsRuns(g, 0)
                                                      : InningsRuns(g, 0) + InningsRuns(g, 2) - InningsRuns(g, 1)) < 0;
    if (noTarget) {
        // Declared while still behind: there is nothing left to chase, and a
        // fourth innings would never start. The Test is decided.
        t.Innings[2].nStatus = INNINGS_RESULT;
        return PostEndTest(g, "EndInnings");
    }
    if (!t.bBreak) {
        int stopped = 0;
        CheckClock(g, stopped, 10);
        if (!stopped) {
            c.nOversRequired -= 2;
            c.nTime = AddMinutes(c.nTime, 10);
        }
        // The close of the fifth day during the changeover ends the Test.
        if (t.Innings[c.nInnings].nStatus == INNINGS_DRAWN) return PostEndTest(g, "EndInnings");
    }

    g.host->Refresh(PANE_BUTTONS);
    // In network play "Waiting for %s to finish viewing Innings scoreboard."
    // holds the flow until the peer answers (next issue).
    g.Log("Posting WM_NEWINNINGS message from EndInnings ()  (wParam = %d)\n", static_cast<int>(c.nInnings));
    PostUnlessQueued(g, WM_NEWINNINGS, c.nInnings);
}

}  // namespace ovs
