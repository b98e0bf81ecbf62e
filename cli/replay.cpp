// ovalspin-cli replay T: replay a finished Test of the series saved in
// CURRENT.DAT from its recorded stream, and print its result and innings.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "commands.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/series.h"
#include "core/setup.h"
#include "data/files.h"
#include "play_common.h"
#include "resume.h"

namespace ovs::cli {

namespace {

constexpr long kMessageLimit = 10'000'000;

bool Finished(const TEST& t)
{
    return std::strcmp(t.szResult, "Not yet played.") != 0 && std::strncmp(t.szResult, "In progress", 11) != 0 &&
           std::strcmp(t.szResult, "Being replayed.") != 0;
}

// What a replay must reproduce: the toss, the four innings, the result and
// the fielding points, which come from the replayed chances alone. Not the
// batting and bowling points: they are worked out from the players' ratings
// as they stand, the Test keeps no copy of those, and the finished Test (and
// every later one) has moved them.
bool SameFigures(const TEST& a, const TEST& b)
{
    return a.nTossWinner == b.nTossWinner && a.nWinner == b.nWinner &&
           std::memcmp(a.Innings, b.Innings, sizeof a.Innings) == 0 && std::strcmp(a.szResult, b.szResult) == 0 &&
           std::memcmp(a.nFieldPoints, b.nFieldPoints, sizeof a.nFieldPoints) == 0;
}

void PrintInnings(const Game& g, const TEST& t)
{
    for (int i = 0; i < MAX_INNINGS; ++i) {
        const INNINGS& in = t.Innings[i];
        if (in.nStatus == INNINGS_NOTSTARTED || in.nBatSide < 0 || in.nBatSide > 1) continue;
        int squad = g.Series.nSquad[in.nBatSide];
        std::string name = squad >= 0 && squad < g.db.NumSquads() ? FieldText(g.db.squads[squad].szName) : "";
        std::printf("  %s %d-%d (%d.%d overs)\n", name.c_str(), static_cast<int>(in.nTotal),
                    static_cast<int>(in.nWickets), in.nTotalBalls / 6, in.nTotalBalls % 6);
    }
}

}  // namespace

int CmdReplay(const CliOptions& opts, const Parsed& args)
{
    const int shown = std::atoi(args.operands.at(0).c_str());

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    if (!LoadSavedPosition(g)) return 1;

    const SERIES& s = g.Series;
    if (shown < 1 || shown > s.nNumTests || shown > MAX_TESTS) {
        const int n = s.nNumTests;
        return Refuse("replay: the saved series has " + std::to_string(n) + " Test" + (n == 1 ? "" : "s") +
                      "; there is no Test " + std::to_string(shown));
    }
    const int t = shown - 1;
    if (!Finished(s.Test[t])) {
        return Refuse("replay: the " + TestOrdinal(shown) + " Test of the saved series has not been finished" +
                      (SeriesOver(g) ? "" : "; resume --save plays the series out and saves it"));
    }

    // As the series summary asks for a replay of one of its Tests.
    auto recorded = std::make_unique<TEST>(s.Test[t]);
    SetReplayFlag(g, 1);
    g.queue.Post(WM_REPLAYTEST, t);
    if (!PlayToEnd(g, kMessageLimit)) {
        return Refuse("replay: the replay did not end");
    }

    // A damaged recording stops the replay (its box has said why) and leaves the Test as it was.
    if (!g.replayFault.empty()) {
        std::fprintf(stderr, "ovalspin-cli replay: the recording of the %s Test is damaged\n",
                     TestOrdinal(shown).c_str());
        return 1;
    }
    const TEST& replayed = g.Series.Test[t];
    int ground = g.Series.nGround[t];
    std::string venue = ground < g.db.NumGrounds() ? FieldText(g.db.grounds[ground].szName) : "";
    std::printf("%s Test - %s: %s [Replay]\n", TestOrdinal(shown).c_str(), venue.c_str(),
                FieldText(replayed.szResult).c_str());
    PrintInnings(g, replayed);
    if (!SameFigures(*recorded, replayed)) {
        return Refuse("replay: the replay did not reproduce the recorded Test");
    }
    return 0;
}

}  // namespace ovs::cli
