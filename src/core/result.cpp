// The end of a Test: its result, the tallies, injuries and what comes next.
#include "core/result.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/ballbyball.h"
#include "core/flow.h"
#include "core/format.h"
#include "core/game.h"
#include "core/highlights.h"
#include "core/league.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/setup.h"
#include "data/statistics.h"

namespace ovs {

namespace {

const char* Plural(int n) { return n == 1 ? "" : "s"; }

SQUAD& SideSquad(Game& g, int side) { return g.db.squads[g.Series.nSquad[side]]; }

GROUND* ResultGround(Game& g)
{
    int ground = g.pTest->nGround;
    if (ground < 0 || ground >= static_cast<int>(g.db.grounds.size())) return nullptr;
    return &g.db.grounds[ground];
}

// The follow-on is in force when the side batting second also bats third.
bool FollowOn(const TEST& t)
{
    return t.Innings[1].nBatSide == t.Innings[2].nBatSide && t.Innings[2].nStatus != 0;
}

// Injuries between Tests. A squad keeps at least 13 fit members: a player can
// only be injured while more than 12 are fit.
void Injuries(Game& g)
{
    SharedDraws shared(g);
    for (int side = 0; side < 2; ++side) {
        SQUAD& squad = SideSquad(g, side);
        const int members = std::min<int>(squad.nMembers, MAX_SQUAD);
        int unfit = 0;
        for (int m = 0; m < members; ++m)
            if (g.db.players[squad.nPlayer[m]].nInjury > 0) ++unfit;
        for (int m = 0; m < members; ++m) {
            PLAYER& p = g.db.players[squad.nPlayer[m]];
            if (p.nInjury != 0) continue;
            if (g.rng.Below(25) == 12 && members - unfit > 12) {
                int r = g.rng.Below(10);
                p.nInjury = r < 6 ? 2 : r < 9 ? 3 : 4;
                ++unfit;
            }
        }
    }
    for (int side = 0; side < 2; ++side) {
        SQUAD& squad = SideSquad(g, side);
        for (int m = 0; m < squad.nMembers && m < MAX_SQUAD; ++m) {
            PLAYER& p = g.db.players[squad.nPlayer[m]];
            if (p.nInjury > 0) --p.nInjury;
        }
    }
}

}  // namespace

std::string TestResult(Game& g)
{
    const bool replay = Replaying(g);
    SERIES& s = g.Series;
    TEST& t = *g.pTest;
    GROUND* ground = ResultGround(g);
    if (!replay) {
        ++s.nPlayed;
        ++SideSquad(g, 0).nPlayed;
        ++SideSquad(g, 1).nPlayed;
        if (ground) ++ground->nPlayed;
    }

    const int played = g.Current.nInnings;
    const INNINGS& last = t.Innings[std::clamp(played - 1, 0, MAX_INNINGS - 1)];
    auto R = [&](int i) { return static_cast<int>(t.Innings[i].nTotal); };
    const bool f = FollowOn(t);
    char text[128];
    int winner = -1;
    bool tied = false;

    if (last.nStatus == INNINGS_RESULT && last.nWickets < 10) {
        int wickets = 10 - last.nWickets;
        winner = last.nBatSide;
        FormatTo(text, sizeof text, "%s won by %d wkt%s.", SideSquad(g, winner).szName, wickets,
                 Plural(wickets));
    } else if (last.nStatus == INNINGS_RESULT && played == 3) {
        int margin = f ? R(0) - R(1) - R(2) : R(1) - R(0) - R(2);
        winner = last.nBowlSide;
        FormatTo(text, sizeof text, "%s won by an Innings and %d run%s.", SideSquad(g, winner).szName,
                 margin, Plural(margin));
    } else if (last.nStatus == INNINGS_RESULT && played == 4) {
        int margin = f ? R(1) + R(2) - R(0) - R(3) : R(0) + R(2) - R(1) - R(3);
        if (margin == 0) {
            tied = true;
            FormatTo(text, sizeof text, "Test was Tied.");
        } else {
            winner = last.nBowlSide;
            FormatTo(text, sizeof text, "%s won by %d run%s.", SideSquad(g, winner).szName, margin,
                     Plural(margin));
        }
    } else {
        // Time ran out (status 16), or the Test stopped without a decision.
        FormatTo(text, sizeof text, "Test Match Drawn.");
    }

    t.nWinner = winner;
    if (!replay) {
        if (winner >= 0) {
            ++SideSquad(g, winner).nWon;
            ++SideSquad(g, 1 - winner).nLost;
            if (winner == 1) {
                ++s.nAwayWins;
                if (ground) ++ground->nHomeLosses;
            } else {
                ++s.nHomeWins;
                if (ground) ++ground->nHomeWins;
            }
        } else if (tied) {
            ++s.nTies;
            ++SideSquad(g, 0).nTied;
            ++SideSquad(g, 1).nTied;
            if (ground) ++ground->nTies;
        } else {
            ++s.nDraws;
            ++SideSquad(g, 0).nDrawn;
            ++SideSquad(g, 1).nDrawn;
            if (ground) ++ground->nDraws;
        }
        if (g.Current.bLeagueMatch) RecordLeagueTestResult(g, winner, tied);
    }

    const std::size_t length = std::min(std::strlen(text), sizeof t.szResult - 1);
    std::memcpy(t.szResult, text, length);
    t.szResult[length] = '\0';
    AddHighlight(g, text);
    const bool watched = g.Watched();
    if (watched)
        g.host->MessageBox(text, TestOrdinal(g.Current.nTest + 1) + " Test", BoxButtons::Ok, BoxIcon::Information);
    BbbWrite(g, std::string("\n") + text + "\n\n");
    if (watched) {
        DialogRequest req;
        req.id = Dialog::TestRating;
        g.host->RunDialog(req);
    }
    return text;
}

void EndTest(Game& g)
{
    // The longest stream seen in this run, for the log.
    static int nHighestStream = 0;

    TestResult(g);
    const bool replay = Replaying(g);
    if (g.pTest->Replay.nLength > nHighestStream) {
        nHighestStream = g.pTest->Replay.nLength;
        g.Log("New Highest Test Stream of %d\n", nHighestStream);
    }
    if (!replay) Injuries(g);

    for (int id = 1610; id <= 1615; ++id) g.commands.Enable(id);
    for (int id = 1202; id <= 1205; ++id) g.commands.Enable(id);
    for (int id : {1620, 1621, 1622, 1624, 1625, 1626, 1627, 1628, 1629, 1630, 1631, 1633, 1634, 1635, 1636,
                   1640, 1641, 1643, 1644, 1645, 1647, 1651, 1653, 1654})
        g.commands.Enable(id);
    for (int id = 1301; id <= 1309; ++id) g.commands.Disable(id);
    g.host->CommandsChanged();

    if (!replay) RecordFinishedTest(g);

    if (g.Watched()) g.host->Refresh(PANE_BUTTONS | PANE_TITLE);

    if (replay) {
        g.Log("Posting WM_ENDSERIES message from EndTest ()\n");
        g.queue.Post(WM_ENDSERIES, 0);
        return;
    }
    ++g.Current.nTest;
    // An open ball-by-ball file gets its rule and the full scoreboard, and is closed.
    BbbEndTest(g, g.Current.nTest - 1);
    if (g.Current.nTest < g.Series.nNumTests) {
        g.Log("Posting WM_NEWTEST message from EndTest () (wParam = %d)\n", static_cast<int>(g.Current.nTest));
        g.queue.Post(WM_NEWTEST, g.Current.nTest);
    } else {
        g.Log("Posting WM_ENDSERIES message from EndTest ()\n");
        g.queue.Post(WM_ENDSERIES, 0);
    }
}

}  // namespace ovs
