// ovalspin-cli resume: load the saved position CURRENT.DAT and play the series
// on to its end, printing the results as play does. Also the pieces that play
// uses to stop at an over and save.
#include "resume.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "commands.h"
#include "core/ballbyball.h"
#include "core/flow.h"
#include "core/messages.h"
#include "core/series.h"
#include "core/setup.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "play_common.h"

namespace ovs::cli {

namespace {

// Enough messages for six Tests many times over; a series that needs more is stuck.
constexpr long kMessageLimit = 50'000'000;

// Handle one message; resume a pause (as a click would) when nothing is
// queued. False when the flow has nothing left to do.
bool Step(Game& g, std::uint32_t* handled)
{
    *handled = 0;
    if (QuitPosted(g)) return false;
    std::optional<AppMessage> m = g.queue.Pop();
    if (!m) {
        if (g.bPaused != 1) return false;
        return Resume(g, true);
    }
    *handled = m->msg;
    MainWndProc(g, m->msg, m->wParam, m->lParam);
    return true;
}

}  // namespace

SaveStop PlayOvers(Game& g, long overs, long limit)
{
    long bowled = 0;
    for (long n = 0; n < limit; ++n) {
        std::uint32_t msg = 0;
        if (!Step(g, &msg)) return SaveStop::SeriesEnded;
        if (msg == WM_ENDOVER) ++bowled;
        if ((msg != WM_ENDOVER && msg != WM_CONTINNINGS) || bowled < overs) continue;
        // Between two overs: the next over is queued, or a watched game waits.
        // (Unwatched, the end of an over goes on to the break at once.)
        bool next = g.queue.Size() == 1 && g.queue.Peek(WM_NEWOVER);
        bool waiting = g.bPaused == 1 && g.queue.Empty();
        if (next || waiting) return SaveStop::AtOver;
    }
    return SaveStop::Stuck;
}

bool PlayToEnd(Game& g, long limit)
{
    for (long n = 0; n < limit; ++n) {
        std::uint32_t msg = 0;
        if (!Step(g, &msg)) return true;
    }
    return false;
}

void PrintSeriesResults(Game& g)
{
    const SERIES& s = g.Series;
    for (int t = 0; t < s.nNumTests && t < MAX_TESTS; ++t) {
        int ground = s.nGround[t];
        std::string venue = ground < g.db.NumGrounds() ? FieldText(g.db.grounds[ground].szName) : "";
        std::printf("%s Test - %s: %s\n", TestOrdinal(t + 1).c_str(), venue.c_str(),
                    FieldText(s.Test[t].szResult).c_str());
    }
    std::printf("%s\n", SeriesStandingText(g).c_str());
    for (int t = 0; t < s.nNumTests && t < MAX_TESTS; ++t) {
        const std::string file = BbbFilePath(g, t);
        if (!file.empty() && std::filesystem::exists(file))
            std::printf("%s Test ball by ball: %s\n", TestOrdinal(t + 1).c_str(), file.c_str());
    }
}

std::string SavedPositionFile(const Game& g) { return SavedPositionPath(g); }

bool SavePositionAndSay(Game& g, const char* command)
{
    if (!SavePosition(g)) {
        Refuse(std::string(command) + ": the position could not be saved");
        return false;
    }
    std::printf("Position saved to %s\n", SavedPositionFile(g).c_str());
    return true;
}

int StartFromSaved(Game& g, const char* command)
{
    const std::string file = SavedPositionFile(g);
    if (!std::filesystem::exists(file)) {
        std::printf("No saved position at %s yet: starting from the database\n", file.c_str());
        return kExitDone;
    }
    if (!LoadSavedPosition(g)) return kExitRefused;
    if (!SeriesOver(g))
        return Refuse(std::string(command) + " --from-saved: the saved series has a Test in progress; finish it " +
                      "with resume (or play without --from-saved)");
    return kExitDone;
}

bool SeriesOver(const Game& g)
{
    const int t = g.Current.nTest;
    if (t < 0 || t >= g.Series.nNumTests || t >= MAX_TESTS) return true;
    return std::strcmp(g.Series.Test[t].szResult, "In progress.") != 0;
}

int CmdResume(const CliOptions& opts, const Parsed& args)
{
    const long saveAfter = static_cast<long>(args.Number("--save-after-overs", -1));
    const bool saveAtEnd = args.Has("--save");

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();

    // Look first: a position saved after its series ended has nothing to play.
    if (!LoadSavedPosition(g)) return 1;
    if (SeriesOver(g)) {
        PrintSeriesResults(g);
        std::printf("The saved series has no Test in progress.\n");
        return 0;
    }
    if (!LoadSavedData(g)) return 1;

    if (saveAfter >= 0) {
        SaveStop stop = PlayOvers(g, saveAfter, kMessageLimit);
        if (stop == SaveStop::Stuck) {
            return Refuse("resume: the series did not end");
        }
        PrintSeriesResults(g);
        return SavePositionAndSay(g, "resume") ? 0 : 1;
    }
    if (!PlayToEnd(g, kMessageLimit)) {
        return Refuse("resume: the series did not end");
    }
    PrintSeriesResults(g);
    if (saveAtEnd && !SavePositionAndSay(g, "resume")) return 1;
    return 0;
}

}  // namespace ovs::cli
