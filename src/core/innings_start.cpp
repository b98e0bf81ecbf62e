// Opening an innings: a fresh innings record, the easing of pitch and bounce,
// the openers, the keeper, the opening bowlers and the fielding strength.
#include <algorithm>
#include <string>

#include "core/ballbyball.h"
#include "core/clock.h"
#include "core/flow.h"
#include "core/highlights.h"
#include "core/innings.h"
#include "core/innings_internal.h"
#include "core/menu.h"
#include "core/replay.h"
#include "core/weather.h"
#include "sim/aggression.h"
#include "sim/bowling.h"

namespace ovs {

using namespace innings_detail;

namespace {

// The two openers: positions 0 and 1 for the computer, the person's choice otherwise.
void ChooseOpeners(Game& g, int& first, int& second)
{
    const CURRENT& c = g.Current;
    first = 0;
    second = 1;
    if (ComputerSide(g, c.nBatSide)) return;
    // The person is asked until he makes a proper choice; a host that leaves
    // the choice to the computer gets the computer's openers.
    for (int tries = 0; tries < 10; ++tries) {
        DialogRequest req;
        req.id = Dialog::Openers;
        req.side = c.nBatSide;
        for (int k = 0; k < MAX_ELEVEN; ++k) req.choices.push_back(k);
        if (!g.host->RunDialog(req)) return;
        if (ValidSlot(req.result) && ValidSlot(req.result2) && req.result != req.result2) {
            first = req.result;
            second = req.result2;
            return;
        }
    }
}

// The person in the field picks the bowler of the first over and the one at
// the other end; the computer's pair when the host leaves it to the computer.
void ChooseBowlersByPerson(Game& g)
{
    CURRENT& c = g.Current;
    int picked[2] = {-1, -1};
    for (int k = 0; k < 2; ++k) {
        for (int tries = 0; tries < 10 && picked[k] < 0; ++tries) {
            DialogRequest req;
            req.id = Dialog::NewBowler;
            req.side = c.nBowlSide;
            for (int s = 0; s < MAX_ELEVEN; ++s)
                if (s != picked[0]) req.choices.push_back(s);
            if (!g.host->RunDialog(req)) {
                ChooseOpeningBowlers(g);
                return;
            }
            if (ValidSlot(req.result) && req.result != picked[0]) picked[k] = req.result;
        }
        if (picked[k] < 0) {
            ChooseOpeningBowlers(g);
            return;
        }
    }
    c.nBowler = picked[0];
    c.nOtherBowler = picked[1];
    StartSpell(g, picked[0]);
    StartSpell(g, picked[1]);
}

// The fielding side's strength in the field, its keeper left out.
int FieldingStrength(Game& g)
{
    const CURRENT& c = g.Current;
    int sum = 0;
    for (int k = 0; k < MAX_ELEVEN; ++k)
        if (k != g.pInnings->nKeeperPos) sum += ball::SlotPlayer(g, c.nBowlSide, k).nFieldSkill;
    return (sum - 75) / 15;
}
}  // namespace

void StartInnings(Game& g, int n)
{
    CURRENT& c = g.Current;
    SetDayTimes(g);
    CommandsTestIdle(g);

    c.nInnings = n;
    g.SelectTestAndInnings();
    INNINGS& in = *g.pInnings;
    InitInnings(in);
    InitOverHistory(c);
    in.nBatSide = c.nBatSide;
    in.nBowlSide = c.nBowlSide;
    in.nStatus = INNINGS_INPROGRESS;

    c.nStriker = c.nNonStriker = c.nPartnerA = c.nPartnerB = -1;
    c.nOut = c.nBowler = c.nOtherBowler = c.nLastBowler = -1;
    // Team values from the defaults; every player value 0, every pairing unset.
    ResetInningsAggression(g);
    c.nOver = 0;  // overs are counted within the innings
    c.nOversSinceNewBall = 0;
    c.nBallWear = 0;
    c.nDisplay64 = 0;
    ResetInningsBowling(g);

    // The pitch and its bounce ease between innings.
    if (n > 0) {
        if (Replaying(g)) {
            c.nPitch = ReplayWordIn(g, 0, 0x7FFF, "the pitch");
            c.nBounce = ReplayWordIn(g, 0, 0x7FFF, "the bounce");
        } else {
            if (NetworkClient(g)) {
                NetworkTakeRoller(g);
            } else {
                c.nPitch = std::max(0, c.nPitch - (30 + g.rng.Below(40)));
                c.nBounce = std::max(0, c.nBounce - (25 + g.rng.Below(30)));
                NetworkSendRoller(g);
            }
            ReplayAppendWord(g, c.nPitch);
            ReplayAppendWord(g, c.nBounce);
        }
    }

    if (g.Watched()) g.host->Refresh(PANE_ALL);

    if (c.nWeather >= kNoPlayWeather && WeatherStoppage(g) == 1) {
        g.Log("Posting WM_CONTINNINGS message from StartInnings ()\n");
        PostUnlessQueued(g, WM_CONTINNINGS, c.nOver);
        return;
    }

    // Openers.
    int first = 0, second = 1;
    if (Replaying(g)) {
        first = ReplayByteIn(g, 0, MAX_ELEVEN - 1, "an opening batsman");
        second = ReplayByteIn(g, 0, MAX_ELEVEN - 1, "an opening batsman");
    } else {
        if (NetworkPlay(g))
            NetworkOpeners(g, first, second);
        else
            ChooseOpeners(g, first, second);
        ReplayAppendByte(g, first);
        ReplayAppendByte(g, second);
    }
    c.nStriker = first;
    c.nNonStriker = second;
    in.nOrder[0] = first;
    in.nOrder[1] = second;
    if (ValidSlot(first)) in.Bat[first].nHowOut = HOWOUT_NOTOUT;
    if (ValidSlot(second)) in.Bat[second].nHowOut = HOWOUT_NOTOUT;
    if (HumanSide(g, c.nBatSide)) {
        bool behind = n == 2 && ThirdInningsLead(g, 0) < 0;
        g.commands.Enable(CMD_BATAGGRESSION);
        g.commands.Enable(CMD_DECLARE, n != 3 && !NetworkPlay(g) && !behind);
    }
    c.nPartnerA = c.nStriker;
    c.nPartnerB = c.nNonStriker;

    in.nKeeperPos = 0;
    for (int k = 0; k < MAX_ELEVEN; ++k)
        if (g.pTest->nPlayer[k][c.nBowlSide] == static_cast<int>(g.pTest->nKeeper[c.nBowlSide])) {
            in.nKeeperPos = k;
            break;
        }

    // Opening bowlers.
    if (Replaying(g)) {
        c.nBowler = ReplayByteIn(g, 0, MAX_ELEVEN - 1, "an opening bowler");
        c.nOtherBowler = ReplayByteIn(g, 0, MAX_ELEVEN - 1, "an opening bowler");
    } else {
        if (NetworkPlay(g))
            NetworkOpeningBowlers(g);
        else if (ComputerSide(g, c.nBowlSide))
            ChooseOpeningBowlers(g);
        else
            ChooseBowlersByPerson(g);
        ReplayAppendByte(g, c.nBowler);
        ReplayAppendByte(g, c.nOtherBowler);
    }
    OpeningAggression(g);
    if (HumanSide(g, c.nBowlSide)) SetCommands(g, {CMD_BOWLAGGRESSION, CMD_NEWBOWLER}, true);
    if (PersonInvolved(g)) g.commands.Enable(CMD_TEAMAGGRESSION);
    SetCommands(g, {CMD_SCOREBOARD, CMD_NEXTOVER, CMD_CONDITIONS}, g.Watched());
    g.host->CommandsChanged();

    for (SPELL& sp : c.Spell) sp.nTiredness = 0;
    g.Series.nFieldingStrength = FieldingStrength(g);

    // The over pane is set out afresh; a person's side sets its aggression.
    if (HumanSide(g, c.nBatSide)) BattingFactorBox(g, 0);
    if (HumanSide(g, c.nBowlSide)) BowlingFactorBox(g, 0);
    if (PersonInvolved(g)) TeamFactorBox(g, 0);
    if (g.Watched()) g.host->Refresh(PANE_ALL);
    BbbInningsHeader(g);
    std::string bowlers = "Starting bowlers are " + Name(g, c.nBowlSide, c.nBowler) + " & " +
                          Name(g, c.nBowlSide, c.nOtherBowler) + ".";
    if (g.Watched() && (g.options.wShowMessages & 0x1))
        g.host->MessageBox(bowlers, "New innings bowlers", BoxButtons::Ok, BoxIcon::Information);
    BbbWrite(g, bowlers + "\n");
    AddHighlight(g, bowlers);

    g.Log("Posting WM_CONTINNINGS message from StartInnings ()\n");
    PostUnlessQueued(g, WM_CONTINNINGS, c.nOver);
}

}  // namespace ovs
