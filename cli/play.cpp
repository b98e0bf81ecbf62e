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

void PlayUsage()
{
    std::fprintf(stderr, "usage: ovalspin-cli [options] play [--tests N] [--no-weather] [--ball-by-ball]\n"
                         "                                   [--save-after-overs K | --save] HOME AWAY\n"
                         "  HOME, AWAY  squad names or 0-based squad numbers\n"
                         "  --save-after-overs K  stop after K overs and save the position to CURRENT.DAT\n"
                         "  --save                save the position to CURRENT.DAT when the series has ended\n");
}

}  // namespace

int FindSquad(const Game& g, const std::string& text)
{
    int n = g.db.NumSquads();
    int index = 0;
    if (ParseCount(text, index)) return index < n ? index : -1;
    std::string want = Lower(text);
    for (int s = 0; s < n; ++s)
        if (Lower(FieldText(g.db.squads[s].szName)) == want) return s;
    for (int s = 0; s < n; ++s)
        if (Lower(FieldText(g.db.squads[s].szShort)) == want) return s;
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

int CmdPlay(const CliOptions& opts, const Args& args)
{
    int tests = -1;
    bool allowWeather = true;
    bool ballByBall = false;
    int saveAfterOvers = -1;
    bool saveAtEnd = false;
    Args names;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--tests") {
            if (i + 1 >= args.size() || !ParseCount(args[i + 1], tests)) {
                std::fprintf(stderr, "ovalspin-cli play: --tests wants a number of Tests\n");
                PlayUsage();
                return 2;
            }
            ++i;
        } else if (a == "--no-weather") {
            allowWeather = false;
        } else if (a == "--ball-by-ball") {
            ballByBall = true;
        } else if (a == "--save-after-overs") {
            if (i + 1 >= args.size() || !ParseCount(args[i + 1], saveAfterOvers)) {
                std::fprintf(stderr, "ovalspin-cli play: --save-after-overs wants a number of overs\n");
                PlayUsage();
                return 2;
            }
            ++i;
        } else if (a == "--save") {
            saveAtEnd = true;
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            std::fprintf(stderr, "ovalspin-cli play: unknown option %s\n", a.c_str());
            PlayUsage();
            return 2;
        } else {
            names.push_back(a);
        }
    }
    if (names.size() != 2) {
        PlayUsage();
        return 2;
    }

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();

    int side[2];
    for (int s = 0; s < 2; ++s) {
        side[s] = FindSquad(g, names[s]);
        if (side[s] < 0) {
            std::fprintf(stderr, "ovalspin-cli play: no squad '%s' in the database\n", names[s].c_str());
            return 1;
        }
    }
    // Without --tests the series has a Test at each of the home squad's
    // grounds, six at most (at least one, which the checks refuse when it
    // has no ground).
    if (tests < 0) tests = std::clamp<int>(g.db.squads[side[0]].nGrounds, 1, MAX_TESTS);

    std::string refusal;
    if (!SetUpComputerSeries(g, side[0], side[1], tests, allowWeather, refusal)) {
        std::fprintf(stderr, "%s\n", refusal.c_str());
        return 1;
    }
    // Each Test's ball-by-ball file goes into the data directory.
    if (ballByBall) g.Series.bBallByBall = 1;
    ControlMenu(g, CMD_PREPAREDSERIES);
    // With --save-after-overs the series stops between two overs (or at its end, when sooner).
    if (saveAfterOvers >= 0 ? PlayOvers(g, saveAfterOvers, kMessageLimit) == SaveStop::Stuck
                            : !PlayOut(g, kMessageLimit)) {
        std::fprintf(stderr, "ovalspin-cli play: the series did not end\n");
        return 1;
    }

    const SERIES& s = g.Series;
    for (int t = 0; t < s.nNumTests; ++t) {
        int ground = s.nGround[t];
        std::string venue = ground < g.db.NumGrounds() ? FieldText(g.db.grounds[ground].szName) : "";
        std::printf("%s Test - %s: %s\n", TestOrdinal(t + 1).c_str(), venue.c_str(),
                    FieldText(s.Test[t].szResult).c_str());
    }
    std::printf("%s\n", SeriesStandingText(g).c_str());
    if ((saveAfterOvers >= 0 || saveAtEnd) && !SavePositionAndSay(g, "play")) return 1;
    return 0;
}

}  // namespace ovs::cli
