// Announcements of innings events: the optional box, the highlight line and
// the ball-by-ball file line of each.
#include "core/announce.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "core/format.h"
#include "core/ballbyball.h"
#include "core/game.h"
#include "core/highlights.h"
#include "sim/booking.h"

namespace ovs {

namespace {

bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }

// An optional box, shown when the game is watched and its switch is on; its
// text is only built then.
template <typename MakeText>
void OptionalBox(Game& g, unsigned bit, MakeText makeText, const char* caption)
{
    if (g.Watched() && (g.options.wShowMessages & bit))
        g.host->MessageBox(makeText(), caption, BoxButtons::Ok, BoxIcon::Information);
}

// How the batsman went: "b  ", "ct  Smith  b  ", ... with the bowler's name.
std::string ModeText(Game& g, const BAT& bat)
{
    const CURRENT& c = g.Current;
    int side = c.nBowlSide;
    std::string mode;
    switch (static_cast<int>(bat.nHowOut)) {
    case HOWOUT_BOWLED: mode = "b  "; break;
    case HOWOUT_CAUGHT:
        if (bat.nFielder == bat.nBowler)
            mode = "ct  &  b  ";
        else
            mode = "ct  " + ball::SlotName(g, side, bat.nFielder) + "  b  ";
        break;
    case HOWOUT_LBW: mode = "lbw  b  "; break;
    case HOWOUT_STUMPED: mode = "st  " + ball::SlotName(g, side, g.pInnings->nKeeperPos) + "  b  "; break;
    case HOWOUT_RUNOUT: mode = "run out"; break;
    default: break;
    }
    if (bat.nBowler != 255) mode += ball::SlotName(g, side, bat.nBowler);
    return mode;
}

}  // namespace

void AnnounceWicket(Game& g)
{
    const CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    int out = c.nOut;
    if (!ValidSlot(out)) return;
    const BAT& bat = in.Bat[out];
    std::string name = ball::SlotName(g, c.nBatSide, out);
    std::string mode = ModeText(g, bat);
    int runs = bat.nRuns, balls = bat.nBalls, fours = bat.nFours, sixes = bat.nSixes;

    OptionalBox(g, 0x200, [&] {
        return Format("%s    %s    %d\n  Balls  %d    4's  %d    6's  %d", name.c_str(), mode.c_str(), runs, balls,
                      fours, sixes);
    }, "Fall of Wicket");
    std::string line =
        Format("%s  %s  %d\nBalls %d  4's %d  6's %d", name.c_str(), mode.c_str(), runs, balls, fours, sixes);
    if (BbbIsOpen(g)) BbbWrite(g, line + "\n");
    AddHighlight(g, line);

    int b = c.nBowler;
    if (!ValidSlot(b) || in.Bowl[b].nWickets < 5) return;
    const BOWL& bowl = in.Bowl[b];
    std::string figures = Format("%s    %d.%d - %d - %d - %d", ball::SlotName(g, c.nBowlSide, b).c_str(),
                                 bowl.nBalls / 6, bowl.nBalls % 6, static_cast<int>(bowl.nMaidens),
                                 static_cast<int>(bowl.nRuns), static_cast<int>(bowl.nWickets));
    if (BbbIsOpen(g)) BbbWrite(g, "\n" + figures + "\n\n");
    AddHighlight(g, figures);
    OptionalBox(g, 0x400, [&] { return figures; }, "Bowling Achievement");
}

void AnnounceBatsman(Game& g)
{
    const CURRENT& c = g.Current;
    int s = c.nStriker;
    if (!ValidSlot(s)) return;
    const BAT& bat = g.pInnings->Bat[s];
    std::string name = ball::SlotName(g, c.nBatSide, s);
    int runs = bat.nRuns, balls = bat.nBalls, fours = bat.nFours, sixes = bat.nSixes;
    OptionalBox(g, 0x8, [&] {
        return Format("%s    not out    %d\nBalls  %d    4's  %d    6's  %d", name.c_str(), runs, balls, fours, sixes);
    }, "Batting Achievement");
    std::string line =
        Format("%s  not out  %d  Balls  %d   4's %d  6's  %d", name.c_str(), runs, balls, fours, sixes);
    BbbEventLine(g, line);
    AddHighlight(g, line);
}

void AnnouncePartnership(Game& g, int nRuns)
{
    const CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    int a = c.nPartnerA, b = c.nPartnerB;
    if (!ValidSlot(a) || !ValidSlot(b)) return;
    int atLastWicket = in.nWickets > 0 ? static_cast<int>(in.Fow[in.nWickets - 1].nScore) : 0;
    int p = in.nTotal - atLastWicket;
    if ((p - nRuns) % 50 + nRuns < 50) return;

    std::string nameA = ball::SlotName(g, c.nBatSide, a), nameB = ball::SlotName(g, c.nBatSide, b);
    int runsA = in.Bat[a].nRuns, runsB = in.Bat[b].nRuns;
    OptionalBox(g, 0x10, [&] {
        return Format("Partnership between %s [%d] &\n%s [%d] is now worth %d runs.", nameA.c_str(), runsA,
                      nameB.c_str(), runsB, p);
    }, "Batting Achievement");
    std::string line = Format("Partnership between %s [%d] & %s [%d]\nis now worth %d runs.", nameA.c_str(), runsA,
                              nameB.c_str(), runsB, p);
    BbbEventLine(g, line);
    AddHighlight(g, line);
}

}  // namespace ovs
