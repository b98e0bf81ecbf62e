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

// A player's name as a NUL-terminated text, made without an allocation: a
// Test announces its wickets, fifties and partnerships many times over.
struct Name {
    char s[32];
    Name(const Game& g, int side, int slot) { SetText(s, ball::SlotNameView(g, side, slot)); }
    const char* c_str() const { return s; }
};

// How the batsman went: "b  ", "ct  Smith  b  ", ... with the bowler's name.
void ModeText(Game& g, const BAT& bat, char (&mode)[112])
{
    const int side = g.Current.nBowlSide;
    const Name bowler(g, side, bat.nBowler);  // blank for a run out
    switch (static_cast<int>(bat.nHowOut)) {
    case HOWOUT_BOWLED: FormatTo(mode, sizeof mode, "b  %s", bowler.c_str()); break;
    case HOWOUT_CAUGHT:
        if (bat.nFielder == bat.nBowler)
            FormatTo(mode, sizeof mode, "ct  &  b  %s", bowler.c_str());
        else
            FormatTo(mode, sizeof mode, "ct  %s  b  %s", Name(g, side, bat.nFielder).c_str(), bowler.c_str());
        break;
    case HOWOUT_LBW: FormatTo(mode, sizeof mode, "lbw  b  %s", bowler.c_str()); break;
    case HOWOUT_STUMPED:
        FormatTo(mode, sizeof mode, "st  %s  b  %s", Name(g, side, g.pInnings->nKeeperPos).c_str(), bowler.c_str());
        break;
    case HOWOUT_RUNOUT: FormatTo(mode, sizeof mode, "run out%s", bowler.c_str()); break;
    default: FormatTo(mode, sizeof mode, "%s", bowler.c_str()); break;
    }
}

}  // namespace

void AnnounceWicket(Game& g)
{
    const CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    int out = c.nOut;
    if (!ValidSlot(out)) return;
    const BAT& bat = in.Bat[out];
    const Name name(g, c.nBatSide, out);
    char mode[112];
    ModeText(g, bat, mode);
    int runs = bat.nRuns, balls = bat.nBalls, fours = bat.nFours, sixes = bat.nSixes;

    OptionalBox(g, 0x200, [&] {
        return Format("%s    %s    %d\n  Balls  %d    4's  %d    6's  %d", name.c_str(), mode, runs, balls, fours,
                      sixes);
    }, "Fall of Wicket");
    char line[192];
    FormatTo(line, sizeof line, "%s  %s  %d\nBalls %d  4's %d  6's %d", name.c_str(), mode, runs, balls, fours, sixes);
    if (BbbIsOpen(g)) BbbWrite(g, std::string(line) + "\n");
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
    const Name name(g, c.nBatSide, s);
    int runs = bat.nRuns, balls = bat.nBalls, fours = bat.nFours, sixes = bat.nSixes;
    OptionalBox(g, 0x8, [&] {
        return Format("%s    not out    %d\nBalls  %d    4's  %d    6's  %d", name.c_str(), runs, balls, fours, sixes);
    }, "Batting Achievement");
    char line[128];
    FormatTo(line, sizeof line, "%s  not out  %d  Balls  %d   4's %d  6's  %d", name.c_str(), runs, balls, fours, sixes);
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

    const Name nameA(g, c.nBatSide, a), nameB(g, c.nBatSide, b);
    int runsA = in.Bat[a].nRuns, runsB = in.Bat[b].nRuns;
    OptionalBox(g, 0x10, [&] {
        return Format("Partnership between %s [%d] &\n%s [%d] is now worth %d runs.", nameA.c_str(), runsA,
                      nameB.c_str(), runsB, p);
    }, "Batting Achievement");
    char line[160];
    FormatTo(line, sizeof line, "Partnership between %s [%d] & %s [%d]\nis now worth %d runs.", nameA.c_str(), runsA,
             nameB.c_str(), runsB, p);
    BbbEventLine(g, line);
    AddHighlight(g, line);
}

}  // namespace ovs
