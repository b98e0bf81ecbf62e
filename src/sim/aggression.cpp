// Aggression values: reading and setting them by side, slot and pairing, the
// values an innings starts with, and the engine side of the three dialogs.
#include "sim/aggression.h"

#include <algorithm>

#include "core/game.h"
#include "core/innings.h"
#include "core/replay.h"
#include "sim/booking.h"

namespace ovs {

namespace {

bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }
bool ValidSide(int s) { return s == 0 || s == 1; }

std::uint16_t Stored(int v) { return static_cast<std::uint16_t>(ClampAggression(v)); }

std::string Name(const Game& g, int side, int slot)
{
    return ValidSide(side) && ValidSlot(slot) ? ball::SlotName(g, side, slot) : std::string();
}

// A pairing entry as a dialog opens on it: unset shows the default.
int Shown(int entry, int fallback) { return entry == kPairingUnset ? ClampAggression(fallback) : entry; }

void FillEntry(u16& entry, int fallback)
{
    if (entry == kPairingUnset) entry = Stored(fallback);
}

bool AutomaticDisplay(const Game& g) { return !(g.options.wShowMessages & kNoAutoAggressionDialogs); }

// The host runs the dialog; a host that leaves it to the computer counts as
// no dialog at all.
int RunAggressionDialog(Game& g, Dialog id, int side, bool* shown)
{
    DialogRequest req;
    req.id = id;
    req.side = side;
    if (!g.host->RunDialog(req)) return 1;
    if (shown) *shown = true;
    if (g.nMainWidth >= 800) g.host->Refresh(PANE_AGGRESSION);
    return req.result >= 0 ? req.result : IDOK;
}

}  // namespace

int ClampAggression(int v) { return std::clamp(v, kAggressionMin, kAggressionMax); }

// --- Innings start ----------------------------------------------------------

void ResetInningsAggression(Game& g)
{
    CURRENT& c = g.Current;
    for (int s = 0; s < MAX_ELEVEN; ++s) {
        c.nBatAggression[s] = 0;
        c.nBowlAggression[s] = 0;
        for (int t = 0; t < MAX_ELEVEN; ++t) {
            c.nBatVsBowl[s][t] = kPairingUnset;
            c.nBowlVsBat[s][t] = kPairingUnset;
        }
    }
    // A slot of the last innings' batting side means nothing to this one.
    c.nProtected = -1;
    if (ValidSide(c.nBatSide)) c.nTeamAggression[c.nBatSide] = ClampAggression(g.options.nTeamBatAggression);
    if (ValidSide(c.nBowlSide)) c.nTeamAggression[c.nBowlSide] = ClampAggression(g.options.nTeamBowlAggression);
}

void OpeningAggression(Game& g)
{
    CURRENT& c = g.Current;
    // The computer opens the batting carefully and the bowling at full tilt.
    if (ComputerSide(g, c.nBatSide)) {
        c.nTeamAggression[c.nBatSide] = 0;
        if (ValidSlot(c.nStriker)) c.nBatAggression[c.nStriker] = 0;
        if (ValidSlot(c.nNonStriker)) c.nBatAggression[c.nNonStriker] = 0;
    }
    if (ComputerSide(g, c.nBowlSide)) {
        c.nTeamAggression[c.nBowlSide] = kAggressionMax;
        if (ValidSlot(c.nBowler)) c.nBowlAggression[c.nBowler] = kAggressionMax;
        if (ValidSlot(c.nOtherBowler)) c.nBowlAggression[c.nOtherBowler] = kAggressionMax;
    }
}

// --- Reading and setting ------------------------------------------------------

int TeamAggression(const Game& g, int side) { return ValidSide(side) ? static_cast<int>(g.Current.nTeamAggression[side]) : 0; }

void SetTeamAggression(Game& g, int side, int value)
{
    if (ValidSide(side)) g.Current.nTeamAggression[side] = ClampAggression(value);
}

bool TeamAggressionEditable(const Game& g, int side)
{
    // In network play only this copy's own side will be (with the network code).
    return ValidSide(side) && (g.Series.nControl[side] & CONTROL_HUMAN) != 0;
}

int BatPairing(const Game& g, int bat, int bowler)
{
    if (!ValidSlot(bat) || !ValidSlot(bowler)) return -1;
    std::uint16_t v = g.Current.nBatVsBowl[bat][bowler];
    return v == kPairingUnset ? -1 : static_cast<int>(v);
}

void SetBatPairing(Game& g, int bat, int bowler, int value)
{
    if (ValidSlot(bat) && ValidSlot(bowler)) g.Current.nBatVsBowl[bat][bowler] = Stored(value);
}

int BowlPairing(const Game& g, int bowler, int bat)
{
    if (!ValidSlot(bat) || !ValidSlot(bowler)) return -1;
    std::uint16_t v = g.Current.nBowlVsBat[bowler][bat];
    return v == kPairingUnset ? -1 : static_cast<int>(v);
}

void SetBowlPairing(Game& g, int bowler, int bat, int value)
{
    if (ValidSlot(bat) && ValidSlot(bowler)) g.Current.nBowlVsBat[bowler][bat] = Stored(value);
}

int BatsmanAggression(const Game& g, int slot) { return ValidSlot(slot) ? static_cast<int>(g.Current.nBatAggression[slot]) : 0; }

void SetBatsmanAggression(Game& g, int slot, int value)
{
    if (ValidSlot(slot)) g.Current.nBatAggression[slot] = ClampAggression(value);
}

int BowlerAggression(const Game& g, int slot) { return ValidSlot(slot) ? static_cast<int>(g.Current.nBowlAggression[slot]) : 0; }

void SetBowlerAggression(Game& g, int slot, int value)
{
    if (ValidSlot(slot)) g.Current.nBowlAggression[slot] = ClampAggression(value);
}

int ProtectedAtCrease(const Game& g)
{
    const CURRENT& c = g.Current;
    if (c.nProtected >= 0 && (c.nProtected == c.nPartnerA || c.nProtected == c.nPartnerB)) return c.nProtected;
    return -1;
}

void SetProtected(Game& g, int slot)
{
    CURRENT& c = g.Current;
    c.nProtected = static_cast<std::int16_t>(slot >= 0 && (slot == c.nPartnerA || slot == c.nPartnerB) ? slot : -1);
}

void FillBatPairings(Game& g)
{
    CURRENT& c = g.Current;
    for (int bat : {static_cast<int>(c.nPartnerA), static_cast<int>(c.nPartnerB)})
        for (int bowler : {static_cast<int>(c.nBowler), static_cast<int>(c.nOtherBowler)})
            if (ValidSlot(bat) && ValidSlot(bowler)) FillEntry(c.nBatVsBowl[bat][bowler], g.options.nPlayerBatAggression);
}

void FillBowlPairings(Game& g)
{
    CURRENT& c = g.Current;
    for (int bowler : {static_cast<int>(c.nBowler), static_cast<int>(c.nOtherBowler)})
        for (int bat : {static_cast<int>(c.nPartnerA), static_cast<int>(c.nPartnerB)})
            if (ValidSlot(bat) && ValidSlot(bowler)) FillEntry(c.nBowlVsBat[bowler][bat], g.options.nPlayerBowlAggression);
}

// --- The dialogs' views -------------------------------------------------------

BattingAggressionView BattingAggressionState(const Game& g)
{
    const CURRENT& c = g.Current;
    BattingAggressionView v;
    v.batsman[0] = c.nPartnerA;
    v.batsman[1] = c.nPartnerB;
    const int bowlers[2] = {c.nBowler, c.nOtherBowler};
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            AggressionPairing& p = v.pairing[a * 2 + b];
            p.bat = v.batsman[a];
            p.bowler = bowlers[b];
            p.label = Name(g, c.nBatSide, p.bat) + " facing " + Name(g, c.nBowlSide, p.bowler);
            p.value = ValidSlot(p.bat) && ValidSlot(p.bowler)
                          ? Shown(c.nBatVsBowl[p.bat][p.bowler], g.options.nPlayerBatAggression)
                          : 0;
        }
    v.protectLabel[0] = "Protect neither batsman";
    for (int a = 0; a < 2; ++a) v.protectLabel[a + 1] = "Protect " + Name(g, c.nBatSide, v.batsman[a]) + " from strike";
    int p = ProtectedAtCrease(g);
    v.protect = p < 0 ? 0 : (p == v.batsman[0] ? 1 : 2);
    return v;
}

void ApplyBattingAggression(Game& g, const BattingAggressionView& v)
{
    for (const AggressionPairing& p : v.pairing) SetBatPairing(g, p.bat, p.bowler, p.value);
    SetProtected(g, v.protect == 1 ? v.batsman[0] : v.protect == 2 ? v.batsman[1] : -1);
    if (NetworkPlay(g)) NetworkSendAggression(g, AggressionSent::Batting);
}

BowlingAggressionView BowlingAggressionState(const Game& g)
{
    const CURRENT& c = g.Current;
    BowlingAggressionView v;
    const int bowlers[2] = {c.nBowler, c.nOtherBowler};
    const int bats[2] = {c.nPartnerA, c.nPartnerB};
    for (int b = 0; b < 2; ++b)
        for (int a = 0; a < 2; ++a) {
            AggressionPairing& p = v.pairing[b * 2 + a];
            p.bowler = bowlers[b];
            p.bat = bats[a];
            p.label = Name(g, c.nBowlSide, p.bowler) + " to " + Name(g, c.nBatSide, p.bat);
            p.value = ValidSlot(p.bat) && ValidSlot(p.bowler)
                          ? Shown(c.nBowlVsBat[p.bowler][p.bat], g.options.nPlayerBowlAggression)
                          : 0;
        }
    return v;
}

void ApplyBowlingAggression(Game& g, const BowlingAggressionView& v)
{
    for (const AggressionPairing& p : v.pairing) SetBowlPairing(g, p.bowler, p.bat, p.value);
    if (NetworkPlay(g)) NetworkSendAggression(g, AggressionSent::Bowling);
}

TeamAggressionView TeamAggressionState(const Game& g)
{
    const CURRENT& c = g.Current;
    TeamAggressionView v;
    v.side[0] = c.nBatSide;
    v.side[1] = c.nBowlSide;
    v.label[0] = SquadName(g, c.nBatSide) + " - Batting";
    v.label[1] = SquadName(g, c.nBowlSide) + " - Bowling";
    for (int i = 0; i < 2; ++i) {
        v.value[i] = TeamAggression(g, v.side[i]);
        v.editable[i] = TeamAggressionEditable(g, v.side[i]);
    }
    return v;
}

void ApplyTeamAggression(Game& g, const TeamAggressionView& v)
{
    for (int i = 0; i < 2; ++i)
        if (TeamAggressionEditable(g, v.side[i])) SetTeamAggression(g, v.side[i], v.value[i]);
    if (NetworkPlay(g)) NetworkSendAggression(g, AggressionSent::Team);
}

// --- The dialogs ----------------------------------------------------------------

int BattingFactorBox(Game& g, int force, bool* shown)
{
    FillBatPairings(g);
    if (!force && !AutomaticDisplay(g)) return 1;
    return RunAggressionDialog(g, Dialog::BatAggression, g.Current.nBatSide, shown);
}

int BowlingFactorBox(Game& g, int force, bool* shown)
{
    FillBowlPairings(g);
    if (!force && !AutomaticDisplay(g)) return 1;
    return RunAggressionDialog(g, Dialog::BowlAggression, g.Current.nBowlSide, shown);
}

int TeamFactorBox(Game& g, int force, bool* shown)
{
    if (!force && !AutomaticDisplay(g)) return 1;
    return RunAggressionDialog(g, Dialog::TeamAggression, -1, shown);
}

AggressionDefaults ReadAggressionDefaults(const OPTIONS& o)
{
    AggressionDefaults d;
    d.teamBat = ClampAggression(o.nTeamBatAggression);
    d.teamBowl = ClampAggression(o.nTeamBowlAggression);
    d.playerBat = ClampAggression(o.nPlayerBatAggression);
    d.playerBowl = ClampAggression(o.nPlayerBowlAggression);
    d.automatic = !(o.wShowMessages & kNoAutoAggressionDialogs);
    return d;
}

void ApplyAggressionDefaults(OPTIONS& o, const AggressionDefaults& d)
{
    o.nTeamBatAggression = static_cast<std::int8_t>(ClampAggression(d.teamBat));
    o.nTeamBowlAggression = static_cast<std::int8_t>(ClampAggression(d.teamBowl));
    o.nPlayerBatAggression = static_cast<std::int8_t>(ClampAggression(d.playerBat));
    o.nPlayerBowlAggression = static_cast<std::int8_t>(ClampAggression(d.playerBowl));
    unsigned show = o.wShowMessages;
    o.wShowMessages = static_cast<std::uint16_t>(d.automatic ? (show & ~kNoAutoAggressionDialogs)
                                                             : (show | kNoAutoAggressionDialogs));
}

}  // namespace ovs
