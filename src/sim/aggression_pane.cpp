// What the aggression pane shows and what its bars change.
#include "sim/aggression_pane.h"

#include "core/flow.h"
#include "core/game.h"
#include "sim/aggression.h"
#include "sim/booking.h"

namespace ovs {

namespace {

constexpr unsigned kPerson = CONTROL_HUMAN | CONTROL_NETHOME | CONTROL_NETAWAY;

bool Slot(int s) { return s >= 0 && s < MAX_ELEVEN; }

std::string Name(const Game& g, int side, int slot) { return ball::SlotName(g, side, slot); }

// A matrix entry as the pane shows it: one still unset (a replay may hold
// some) shows the default it would take.
int Entry(std::uint16_t v, int fallback) { return v == kPairingUnset ? ClampAggression(fallback) : ClampAggression(v); }

// The bar of a batsman against a bowler (`batting`) or of a bowler against a
// batsman: a side with a matrix shows the pairing, any other the value its
// player `first` plays with.
AggressionPaneBar PairingBar(const Game& g, bool batting, int first, int second, bool matrix, bool editable)
{
    const CURRENT& c = g.Current;
    AggressionPaneBar x;
    x.side = batting ? c.nBatSide : c.nBowlSide;
    x.first = first;
    x.second = second;
    x.firstName = Name(g, x.side, first);
    x.secondName = Name(g, batting ? c.nBowlSide : c.nBatSide, second);
    if (!matrix) x.value = ClampAggression(batting ? c.nBatAggression[first] : c.nBowlAggression[first]);
    else if (batting) x.value = Entry(c.nBatVsBowl[first][second], g.options.nPlayerBatAggression);
    else x.value = Entry(c.nBowlVsBat[first][second], g.options.nPlayerBowlAggression);
    x.editable = editable;
    return x;
}

}  // namespace

AggressionPaneView AggressionPaneState(Game& g)
{
    AggressionPaneView v;
    const CURRENT& c = g.Current;
    const int bat = c.nBatSide, bowl = c.nBowlSide;
    const int bats[2] = {c.nPartnerA, c.nPartnerB};
    const int bowlers[2] = {c.nBowler, c.nOtherBowler};
    if (!g.pTest || !g.pInnings || (bat != 0 && bat != 1) || (bowl != 0 && bowl != 1)) return v;
    for (int i = 0; i < 2; ++i)
        if (!Slot(bats[i]) || !Slot(bowlers[i])) return v;
    v.shown = true;

    const unsigned batControl = g.Series.nControl[bat], bowlControl = g.Series.nControl[bowl];
    if (batControl & kPerson) FillBatPairings(g);
    if (bowlControl & kPerson) FillBowlPairings(g);
    // A person's side (or a replay) shows its pairings, a computer side the values it plays with.
    const bool batMatrix = (batControl & (kPerson | CONTROL_REPLAY)) != 0;
    const bool bowlMatrix = (bowlControl & (kPerson | CONTROL_REPLAY)) != 0;
    const bool batEdit = TeamAggressionEditable(g, bat), bowlEdit = TeamAggressionEditable(g, bowl);

    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            v.bar[a * 2 + b] = PairingBar(g, true, bats[a], bowlers[b], batMatrix, batEdit);
            v.bar[5 + b * 2 + a] = PairingBar(g, false, bowlers[b], bats[a], bowlMatrix, bowlEdit);
        }
    AggressionPaneBar& bt = v.bar[kBattingTeamBar];
    bt.side = bat;
    bt.value = ClampAggression(c.nTeamAggression[bat]);
    bt.editable = batEdit;
    AggressionPaneBar& wt = v.bar[kBowlingTeamBar];
    wt.side = bowl;
    wt.value = ClampAggression(c.nTeamAggression[bowl]);
    wt.editable = bowlEdit;
    return v;
}

bool SetAggressionPaneBar(Game& g, int bar, int value)
{
    // The pane exists only in windows 800 wide or more.
    if (bar < 0 || bar >= kAggressionPaneBars || g.nMainWidth < 800) return false;
    const AggressionPaneView v = AggressionPaneState(g);
    if (!v.shown || !v.bar[bar].editable) return false;
    const AggressionPaneBar& x = v.bar[bar];
    if (bar == kBattingTeamBar || bar == kBowlingTeamBar) SetTeamAggression(g, x.side, value);
    else if (bar < kBattingTeamBar) SetBatPairing(g, x.first, x.second, value);
    else SetBowlPairing(g, x.first, x.second, value);
    if (NetworkPlay(g)) NetworkSendPaneAggression(g);
    return true;
}

}  // namespace ovs
