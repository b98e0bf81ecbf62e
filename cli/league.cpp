// ovalspin-cli league: the computer plays a whole league, unwatched, and the
// final table and the results matrix are printed; --resume plays on a league
// saved in CURRENT.DAT.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "commands.h"
#include "options.h"
#include "core/flow.h"
#include "core/league.h"
#include "core/messages.h"
#include "data/files.h"
#include "play_common.h"
#include "report/league_text.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "report/turn_files.h"
#include "resume.h"

namespace ovs::cli {

namespace {

// Ten squads of six-Test rubbers are some 540 Tests; a league that needs more is stuck.
constexpr long kMessageLimit = 2'000'000'000;

// The table, then the results matrix, on stdout.
void PrintLeague(const Game& g)
{
    TextOutput out;
    out.file = stdout;
    ReportOut text(out, false);
    WriteLeagueTable(g, text);
    text.Blank();
    WriteLeagueResults(g, text);
    out.file = nullptr;
}

// Play until `rubbers` rubbers have ended (the next is about to start) or, with
// -1, until the league is over. False when the message limit was reached.
bool PlayRubbers(Game& g, long rubbers, long limit)
{
    long ended = 0;
    for (long n = 0; n < limit; ++n) {
        if (QuitPosted(g)) return true;
        std::optional<AppMessage> m = g.queue.Pop();
        if (!m) {
            if (g.bPaused != 1) return true;
            Resume(g, true);
            continue;
        }
        MainWndProc(g, m->msg, m->wParam, m->lParam);
        if (m->msg == WM_ENDSERIES && ++ended == rubbers) return true;
    }
    return false;
}

// Every turn file of a play-by-mail league there is so far, one line per squad.
void PrintTurnFiles(const Game& g)
{
    if (!(g.League.wFlags & LEAGUE_PLAYBYMAIL)) return;
    for (int team = 0; team < LeagueTeamCount(g.League); ++team) {
        std::string line;
        for (int turn = 0; turn < 100; ++turn) {
            const std::string path = TurnFilePath(g, team, turn);
            if (!std::filesystem::exists(path)) break;
            line += (line.empty() ? "Turn files: " : ", ") + path;
        }
        if (!line.empty()) std::printf("%s\n", line.c_str());
    }
}

}  // namespace

int CmdLeague(const CliOptions& opts, const Parsed& args)
{
    const long tests = static_cast<long>(args.Number("--tests", 6));
    const bool playByMail = args.Has("--pbm");
    const bool resume = args.Has("--resume");
    const bool saveAtEnd = args.Has("--save");
    const long saveAfterRubbers = static_cast<long>(args.Number("--save-after-rubbers", -1));
    const long saveAfterOvers = static_cast<long>(args.Number("--save-after-overs", -1));
    const Args& names = args.operands;
    if (resume && (!names.empty() || args.Has("--tests") || playByMail))
        return UsageError("league --resume takes no SQUAD, --tests or --pbm: the saved league has its own");
    if (saveAfterRubbers > 0 && saveAfterOvers >= 0)
        return UsageError("league: --save-after-rubbers and --save-after-overs exclude each other");
    if (!resume && (names.size() < 2 || names.size() > MAX_LEAGUE_TEAMS))
        return UsageError("league wants 2 to 10 SQUADs");

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();

    if (resume) {
        if (!LoadSavedPosition(g)) return 1;
        if (!LeagueSetUp(g.League)) {
            return Refuse("league --resume: the saved position holds no league");
        }
        if (LeagueComplete(g.League)) {
            PrintLeague(g);
            std::printf("The saved league has been completed.\n");
            return 0;
        }
        if (!LoadSavedData(g)) return 1;
    } else {
        if (args.Has("--from-saved")) {
            const int code = StartFromSaved(g, "league");
            if (code != kExitDone) return code;
            if (LeagueSetUp(g.League) && !LeagueComplete(g.League))
                return Refuse("league --from-saved: the saved league is not over; play it on with league --resume");
        }
        std::vector<int> squads;
        for (const std::string& name : names) {
            const int s = FindSquad(g, name);
            if (s < 0) {
                return Refuse("league: no squad '" + name + "' in the database (see db)");
            }
            squads.push_back(s);
        }
        std::string refusal;
        if (!SetUpComputerLeague(g, squads, static_cast<int>(tests), playByMail, refusal)) {
            return Refuse(refusal);
        }
        BeginLeague(g);
    }

    bool ok = true;
    if (saveAfterOvers >= 0)
        ok = PlayOvers(g, saveAfterOvers, kMessageLimit) != SaveStop::Stuck;
    else
        ok = PlayRubbers(g, saveAfterRubbers, kMessageLimit);
    if (!ok) {
        return Refuse("league: the league did not end");
    }
    PrintLeague(g);
    PrintTurnFiles(g);
    const bool stopped = saveAfterOvers >= 0 || saveAfterRubbers > 0;
    if (stopped && !LeagueComplete(g.League))
        std::printf("League stopped in round %d, fixture %d.\n", g.League.nRound + 1, g.League.nFixture + 1);
    if ((stopped || saveAtEnd) && !SavePositionAndSay(g, "league")) return 1;
    return 0;
}

}  // namespace ovs::cli
