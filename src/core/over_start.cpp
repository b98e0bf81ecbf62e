// The start of an over: the captains' commands, a replayed declaration, a
// weather stoppage, the bowler of the over and the aggression of the pairings.
#include "core/ballbyball.h"
#include "core/innings.h"
#include "core/innings_internal.h"
#include "core/menu.h"
#include "core/replay.h"
#include "core/weather.h"
#include "sim/aggression.h"
#include "sim/bowling.h"

namespace ovs {

using namespace innings_detail;

void NewOver(Game& g, int nOver)
{
    (void)nOver;
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;

    bool greyed = false;
    if (HumanSide(g, c.nBowlSide) && (g.options.wPlayOptions & 0x400)) {
        g.commands.Disable(CMD_NEWBOWLER);
        greyed = true;
    }
    if (PersonInvolved(g) && !(g.options.wPlayOptions & 0x400)) {
        SetCommands(g, {CMD_BATAGGRESSION, CMD_BOWLAGGRESSION, CMD_TEAMAGGRESSION}, false);
        greyed = true;
    }
    if (greyed) {
        g.host->CommandsChanged();
        g.host->Refresh(PANE_BUTTONS);
    }

    if (Replaying(g) && ReplayTakeByteIf(g, 255)) in.nStatus = INNINGS_DECLARED;
    // The server starts the client's over at once when it will not be
    // bowled; otherwise once its bowler and aggression have gone.
    const bool bowled = in.nStatus == INNINGS_INPROGRESS && c.nWeather < kNoPlayWeather;
    if (!bowled) NetworkOverStarts(g);
    if (in.nStatus != INNINGS_INPROGRESS) return PostEndInnings(g);

    if (c.nWeather >= kNoPlayWeather) {
        if (WeatherStoppage(g) == 0) {
            g.Log("Posting WM_CONTINNINGS message from NewOver ()\n");
            PostUnlessQueued(g, WM_CONTINNINGS, c.nOver);
        } else {
            PostEndInnings(g);
        }
        return;
    }

    c.bEndInnings = 0;
    // The over pane scrolls up a row when the over's row is already taken.
    int row = c.nOverRow;
    if (row >= 0 && row < OVER_HISTORY_ROWS && c.OverHistory[row].nBowler != 0xFFFF) {
        for (int r = 0; r < row; ++r) c.OverHistory[r] = c.OverHistory[r + 1];
    }
    BeginOver(g);
    // Taken once the bowler is booked: a replay learns him only in BeginOver.
    c.nRunsAtOverStart = ValidSlot(c.nBowler) ? static_cast<int>(in.Bowl[c.nBowler].nRuns) : 0;
    if (row >= 0 && row < OVER_HISTORY_ROWS) {
        OVERHISTORY& h = c.OverHistory[row];
        h.nBowler = static_cast<std::uint16_t>(c.nBowler);
        for (auto& o : h.nOutcome) o = 0xFFFF;
        for (auto& m : h.nMark) m = 0xFFFF;
    }
    c.nBall = 0;
    c.nBallInOver = 0;
    BbbBeginOver(g);

    // Each batsman's aggression against this bowler, and the bowler's against them.
    int b = c.nBowler;
    int bats[2] = {c.nStriker, c.nNonStriker};
    bool shown = false;
    if (ValidSlot(b)) {
        for (int s : bats) {
            if (!ValidSlot(s)) continue;
            if (ComputerSide(g, c.nBatSide)) SetBatPairing(g, s, b, c.nBatAggression[s]);
            if (ComputerSide(g, c.nBowlSide)) SetBowlPairing(g, b, s, c.nBowlAggression[b]);
        }
        // A person's side: its box (which first gives unset pairings the
        // default); a side played elsewhere just gets the defaults.
        if (HumanSide(g, c.nBatSide))
            BattingFactorBox(g, 0, &shown);
        else if (!ComputerSide(g, c.nBatSide))
            FillBatPairings(g);
        if (HumanSide(g, c.nBowlSide))
            BowlingFactorBox(g, 0, &shown);
        else if (!ComputerSide(g, c.nBowlSide))
            FillBowlPairings(g);

        int pa = c.nPartnerA, pb = c.nPartnerB;
        if (ValidSlot(pa) && ValidSlot(pb)) {
            // The three bytes as this copy has them; a replay reads them
            // back and a network client takes the server's, and both set
            // them as the live copy had them.
            int bytes[3] = {(c.nBatVsBowl[pa][b] & 15) * 16 + (c.nBatVsBowl[pb][b] & 15),
                            (c.nBowlVsBat[b][pa] & 15) * 16 + (c.nBowlVsBat[b][pb] & 15),
                            (c.nTeamAggression[c.nBowlSide] & 15) * 16 + (c.nTeamAggression[c.nBatSide] & 15)};
            const bool client = NetworkClient(g);
            if (Replaying(g)) {
                bytes[0] = ReplayAggressionPair(g, "a batting aggression");
                bytes[1] = ReplayAggressionPair(g, "a bowling aggression");
                bytes[2] = ReplayAggressionPair(g, "a team aggression");
            } else {
                if (client) NetworkTakeOverAggression(g, bytes);
                for (int x : bytes) ReplayAppendByte(g, x);
                if (!client) NetworkSendOverAggression(g, bytes);
            }
            if (Replaying(g) || client) {
                // On the client a nibble of 15 is a pairing the server had not set.
                auto value = [client](int nibble) {
                    return static_cast<std::uint16_t>(client && nibble == 15 ? 0xFFFF : nibble);
                };
                c.nBatVsBowl[pa][b] = value((bytes[0] >> 4) & 15);
                c.nBatVsBowl[pb][b] = value(bytes[0] & 15);
                c.nBowlVsBat[b][pa] = value((bytes[1] >> 4) & 15);
                c.nBowlVsBat[b][pb] = value(bytes[1] & 15);
                c.nTeamAggression[c.nBowlSide] = static_cast<std::int16_t>((bytes[2] >> 4) & 15);
                c.nTeamAggression[c.nBatSide] = static_cast<std::int16_t>(bytes[2] & 15);
            }
        }
    }
    if (shown && g.nMainWidth >= 800) g.host->Refresh(PANE_AGGRESSION);
    NetworkOverStarts(g);

    // A network client bowls each ball when the server's NM_STARTDELIVERY says so.
    if (!NetworkClient(g)) PostNextStep(g, WM_NEXTBALL, c.nOver);
}

}  // namespace ovs
