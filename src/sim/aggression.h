// The aggression model: how hard each side, batsman, bowler and pairing of
// batsman and bowler attacks (0 "Defensive" .. 10 "Attacking"), the values an
// innings starts with, the computer captain's moves, and the engine side of
// the batting, bowling, team and options aggression dialogs.
#pragma once

#include <cstdint>
#include <string>

namespace ovs {

struct Game;
struct OPTIONS;

inline constexpr int kAggressionMin = 0;
inline constexpr int kAggressionMax = 10;
// A pairing nobody has chosen yet.
inline constexpr std::uint16_t kPairingUnset = 0xFFFF;
// OPTION.DAT wShowMessages bit: the aggression dialogs do not open by themselves.
inline constexpr unsigned kNoAutoAggressionDialogs = 0x4000;

// A value brought into 0..10.
int ClampAggression(int v);

// --- Innings start --------------------------------------------------------

// Every batsman and bowler value 0, both matrices unset, no protected
// batsman, the batting team on the default team batting aggression and the
// bowling team on the default team bowling aggression.
void ResetInningsAggression(Game& g);
// Once openers and opening bowlers are in: a computer batting side sets its
// team value and both openers' to 0, a computer bowling side its team value
// and both opening bowlers' to 10.
void OpeningAggression(Game& g);

// --- The computer captain ---------------------------------------------------

// After a wicket (before the next batsman is chosen): the computer batting
// side calms the survivor and itself by 1, the computer bowling side urges its
// bowler and itself on by 1; the check marks are taken afresh.
void ComputerWicketAggression(Game& g);
// After a wicket, before the new batsman comes in: a computer side keeps the
// values of the two batsmen at the crease / the current bowler in the matrix
// entries of the pairings with the current bowler / those batsmen.
void ComputerPairingsAtWicket(Game& g);
// Once the new batsman is in: a person's side settles his pairing with the
// current bowler (its dialog, or the default), then the three pairing bytes
// go to the replay stream (a replay reads them back into place).
void SettleNewBatsmanPairings(Game& g);
// The end-of-over review of innings n (0..3) for each computer side.
void ComputerOverReview(Game& g, int n);
// The fourth-innings step k of the review: o overs notionally left, w wickets
// in hand, n runs still needed; `batting` chooses the batting side's table
// (the bowling side's k is already raised to at least 2).
int FourthInningsStep(int o, int w, int n, bool batting);
// Runs the side batting fourth still needs to win.
int RunsStillNeeded(const Game& g);
// The bowling team's value and every bowler's rise by `by` (at most 10): the
// computer's new ball.
void RaiseAllBowlingAggression(Game& g, int by);
// The bowling team's value and the two named bowlers' rise by `by` (at most
// 10): the computer's pair at a new day or after a stoppage.
void RaisePairAggression(Game& g, int first, int second, int by);

// --- Reading and setting values (dialogs, the aggression pane, network) -----

int TeamAggression(const Game& g, int side);
void SetTeamAggression(Game& g, int side, int value);
// May the person on this copy move this side's team value? Not for a
// computer side (nor, in network play, the other player's side).
bool TeamAggressionEditable(const Game& g, int side);
// The batting matrix entry of batsman `bat` facing `bowler` (batting slots of
// the batting side, bowling slots of the bowling side); -1 when unset.
int BatPairing(const Game& g, int bat, int bowler);
void SetBatPairing(Game& g, int bat, int bowler, int value);
// The bowling matrix entry of `bowler` bowling to `bat`; -1 when unset.
int BowlPairing(const Game& g, int bowler, int bat);
void SetBowlPairing(Game& g, int bowler, int bat, int value);
// The value a batsman or bowler plays the current ball with.
int BatsmanAggression(const Game& g, int slot);
void SetBatsmanAggression(Game& g, int slot, int value);
int BowlerAggression(const Game& g, int slot);
void SetBowlerAggression(Game& g, int slot, int value);
// The protected batsman when he is one of the two at the crease, else -1.
int ProtectedAtCrease(const Game& g);
// Protect `slot` (one of the two at the crease) or, with -1 or anyone else, nobody.
void SetProtected(Game& g, int slot);
// Unset entries of the four pairings of the two batsmen at the crease with
// the current and the other-end bowler take the default player batting (or
// bowling) aggression.
void FillBatPairings(Game& g);
void FillBowlPairings(Game& g);

// The four pairings of a dialog, in the order the dialog shows them.
struct AggressionPairing {
    int bat = -1;          // batting slot
    int bowler = -1;       // bowling slot
    std::string label;     // "%s facing %s" or "%s to %s"
    int value = 0;
};

// What the "Batting Aggression" dialog shows and hands back: first batsman
// against the current bowler, first against the other-end bowler, second
// against current, second against other-end; the three protection choices
// ("Protect neither batsman", "Protect %s from strike" for each batsman) and
// which is chosen (0 neither, 1 first batsman, 2 second).
struct BattingAggressionView {
    AggressionPairing pairing[4];
    std::string protectLabel[3];
    int batsman[2] = {-1, -1};
    int protect = 0;
};
// What the "Bowling Aggression" dialog shows: current bowler to the first
// batsman, current to second, other-end bowler to first, other-end to second.
struct BowlingAggressionView {
    AggressionPairing pairing[4];
};
// What the "Team Aggression" dialog shows: "%s - Batting" and "%s - Bowling".
struct TeamAggressionView {
    int side[2] = {-1, -1};       // batting side, bowling side
    std::string label[2];
    int value[2] = {0, 0};
    bool editable[2] = {false, false};
};

BattingAggressionView BattingAggressionState(const Game& g);
// OK of the batting dialog: the four entries (clamped) and the protection.
void ApplyBattingAggression(Game& g, const BattingAggressionView& v);
BowlingAggressionView BowlingAggressionState(const Game& g);
void ApplyBowlingAggression(Game& g, const BowlingAggressionView& v);
TeamAggressionView TeamAggressionState(const Game& g);
// OK of the team dialog: the editable values (clamped).
void ApplyTeamAggression(Game& g, const TeamAggressionView& v);

// The engine side of the dialogs. Each fills what must be filled, opens its
// dialog through the host unless automatic display is off and `force` is 0,
// and returns the dialog's result (IDOK, IDCANCEL), or 1 when no dialog ran;
// `shown`, when given, becomes true when a dialog ran. The front end's dialog
// reads its view (BattingAggressionState ...) and on OK applies it
// (ApplyBattingAggression ...); the engine sends nothing back itself.
// What an aggression box sends when OK stores it in network play: the
// batting pairings of the two batsmen against every bowler and the protected
// batsman (NM_BATTINGAGGRESSION), the bowling pairings (NM_BOWLINGAGGRESSION),
// or this copy's team aggression (NM_TEAMAGGRESSION).
enum class AggressionSent { Batting, Bowling, Team };
void NetworkSendAggression(Game& g, AggressionSent what);

int BattingFactorBox(Game& g, int force, bool* shown = nullptr);
int BowlingFactorBox(Game& g, int force, bool* shown = nullptr);
int TeamFactorBox(Game& g, int force, bool* shown = nullptr);

// The four defaults and the automatic-display switch of "Aggression Options".
struct AggressionDefaults {
    int teamBat = 5;
    int teamBowl = 5;
    int playerBat = 5;
    int playerBowl = 5;
    bool automatic = true;   // "Automatically Display Aggression dialog boxes"
};
AggressionDefaults ReadAggressionDefaults(const OPTIONS& o);
// OK of "Aggression Options": all four (clamped) and the switch.
void ApplyAggressionDefaults(OPTIONS& o, const AggressionDefaults& d);

}  // namespace ovs
