// ovalspin-cli play: the computer plays a series between two squads, unwatched,
// and the Tests' results and the series standing are printed.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands.h"
#include "core/flow.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/series.h"
#include "core/setup.h"
#include "data/texts.h"
#include "play_common.h"
#include "resume.h"

namespace ovs::cli {

namespace {

std::string Lower(std::string s)
{
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

bool ParseCount(const std::string& s, int& out)
{
    if (s.empty() || s.size() > 6) return false;
    for (char ch : s)
        if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
    out = std::atoi(s.c_str());
    return true;
}

// Enough messages for six Tests many times over; a series that needs more is stuck.
constexpr long kMessageLimit = 50'000'000;

// The engine's own refusal, and what would be allowed instead.
std::string RefusalWithHint(const Game& g, int home, const std::string& refusal)
{
    if (refusal == "Selected same Squad twice!") return refusal + " HOME and AWAY must be two different squads";
    if (refusal == "Home Squad does not have enough Test venues.") {
        const int grounds = g.db.squads[home].nGrounds;
        return refusal + " HOME has " + std::to_string(grounds) + "; give --tests " + std::to_string(grounds) +
               " or fewer";
    }
    return refusal;
}

}  // namespace

int FindSquad(const Game& g, const std::string& text)
{
    int n = g.db.NumSquads();
    int number = 0;
    if (ParseCount(text, number)) return number >= 1 && number <= n ? number - 1 : -1;
    std::string want = Lower(text);
    for (int s = 0; s < n; ++s)
        if (Lower(FieldText(g.db.squads[s].szName)) == want) return s;
    for (int s = 0; s < n; ++s)
        if (Lower(FieldText(g.db.squads[s].szShort)) == want) return s;
    return -1;
}

int FindPlayer(const Game& g, const std::string& text)
{
    int n = 0;
    if (ParseCount(text, n)) return n >= 1 && n <= g.db.NumPlayers() ? n - 1 : -1;
    const std::string want = Lower(text);
    for (int p = 0; p < g.db.NumPlayers(); ++p)
        if (Lower(FieldText(g.db.players[p].szSurname)) == want || Lower(DisplayName(g.db.players[p])) == want)
            return p;
    return -1;
}

int FindGround(const Game& g, const std::string& text)
{
    int n = 0;
    if (ParseCount(text, n)) return n >= 1 && n <= g.db.NumGrounds() ? n - 1 : -1;
    const std::string want = Lower(text);
    for (int k = 0; k < g.db.NumGrounds(); ++k)
        if (Lower(FieldText(g.db.grounds[k].szName)) == want) return k;
    return -1;
}

bool PlayOut(Game& g, long limit)
{
    for (long n = 0; n < limit; ++n) {
        if (g.queue.Peek(WM_QUIT)) return true;
        std::optional<AppMessage> m = g.queue.Pop();
        if (!m) return true;
        MainWndProc(g, m->msg, m->wParam, m->lParam);
    }
    return false;
}

int CmdPlay(const CliOptions& opts, const Parsed& args)
{
    int tests = static_cast<int>(args.Number("--tests", -1));
    const bool allowWeather = !args.Has("--no-weather");
    const bool ballByBall = args.Has("--ball-by-ball");
    const long saveAfterOvers = static_cast<long>(args.Number("--save-after-overs", -1));
    const bool saveAtEnd = args.Has("--save");
    const Args& names = args.operands;

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    if (args.Has("--from-saved")) {
        const int code = StartFromSaved(g, "play");
        if (code != kExitDone) return code;
    }

    int side[2];
    for (int s = 0; s < 2; ++s) {
        side[s] = FindSquad(g, names[s]);
        if (side[s] < 0)
            return Refuse("play: no squad '" + names[s] + "'; give a squad's name, short name or number from 1 to " +
                          std::to_string(g.db.NumSquads()) + " (see ovalspin-cli db)");
    }
    // Without --tests the series has a Test at each of the home squad's
    // grounds, six at most (at least one, which the checks refuse when it
    // has no ground).
    if (tests < 0) tests = std::clamp<int>(g.db.squads[side[0]].nGrounds, 1, MAX_TESTS);

    std::string refusal;
    if (!SetUpComputerSeries(g, side[0], side[1], tests, allowWeather, refusal))
        return Refuse("play: " + RefusalWithHint(g, side[0], refusal));
    // Each Test's ball-by-ball file goes into the data directory.
    if (ballByBall) g.Series.bBallByBall = 1;
    ControlMenu(g, CMD_PREPAREDSERIES);
    // With --save-after-overs the series stops between two overs (or at its end, when sooner).
    if (saveAfterOvers >= 0 ? PlayOvers(g, saveAfterOvers, kMessageLimit) == SaveStop::Stuck
                            : !PlayOut(g, kMessageLimit))
        return Refuse("play: the series did not end");

    PrintSeriesResults(g);
    if ((saveAfterOvers >= 0 || saveAtEnd) && !SavePositionAndSay(g, "play")) return 1;
    return 0;
}

}  // namespace ovs::cli
