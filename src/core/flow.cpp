// The main loop of play: the application message dispatcher, pause and resume.
#include "core/flow.h"

#include "core/flow_steps.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/replay.h"

namespace ovs {

namespace {

// A watched game with this play option pauses after every ball.
constexpr unsigned kPauseEveryBall = 0x400;

bool LeagueRunning(const Game& g) { return g.League.nTests >= 1 && g.League.nTests <= 6; }

void Pause(Game& g) { g.bPaused = 1; }

// Both WM_NEXTBALL and the client's WM_CLIENTNEWBALL bowl one delivery, but
// never past the sixth legal ball nor after the innings ended within the over:
// a ball message still queued at that point is stale. Unwatched, the balls of
// an over follow one another here (BowlDelivery says when).
void NextBall(Game& g)
{
    while (g.Current.nBall < 6 && !g.Current.bEndInnings) {
        g.nBallsPosted++;
        g.deliveriesBowled++;
        if (!BowlDelivery(g)) return;
    }
}

}  // namespace

bool PostUnlessQueued(Game& g, std::uint32_t msg, std::int32_t wParam)
{
    if (g.queue.Peek(msg)) return false;
    g.queue.Post(msg, wParam);
    return true;
}

bool PostNextStep(Game& g, std::uint32_t msg, std::int32_t wParam)
{
    if (g.queue.Empty() && !g.Watched() && !NetworkPlay(g)) {
        MainWndProc(g, msg, wParam);
        return true;
    }
    return PostUnlessQueued(g, msg, wParam);
}

void Repost(Game& g, std::uint32_t msg, std::int32_t wParam)
{
    g.queue.Remove(msg);
    g.queue.Post(msg, wParam);
}

void MainWndProc(Game& g, std::uint32_t msg, std::int32_t wParam, std::int64_t lParam)
{
    CURRENT& c = g.Current;
    // A replay whose stream turned out damaged goes no further.
    if (g.replayBroken) [[unlikely]] {
        StopBrokenReplay(g);
        return;
    }
    switch (msg) {
    case WM_NEWSERIES:
        g.Log("Processing WM_NEWSERIES message\n");
        // A running league greys its start command; its next rubber comes from the league.
        if (LeagueRunning(g) && !g.commands.Enabled(CMD_NEWLEAGUE))
            PlayNextLeagueMatch(g);
        else
            StartNewSeries(g, wParam);
        break;

    case WM_NEWTEST:
        g.Log("Processing WM_NEWTEST message (wParam = %d)\n", wParam);
        StartNewTest(g, wParam);
        break;

    case WM_REPLAYTEST:
        g.Log("Processing WM_REPLAYTEST message (wParam = %d)\n", wParam);
        c.nTest = static_cast<std::int16_t>(wParam);
        g.SelectTestAndInnings();
        StartReplayTest(g, wParam);
        break;

    case WM_NEWINNINGS:
        g.Log("Processing WM_NEWINNINGS message (wParam = %d)\n", wParam);
        // A new innings starts a new over; an innings declared within an over
        // never reached WM_ENDOVER, so its ball count would linger.
        g.nBallsPosted = 0;
        NewInnings(g, wParam);
        break;

    case WM_NEWOVER:
        g.Log("Processing WM_NEWOVER message (wParam = %d)\n", wParam);
        // The client's overs start with WM_CLIENTNEWOVER from the server.
        if (NetworkClient(g)) {
            g.nPostedOver = static_cast<std::int16_t>(wParam);
        } else {
            NewOver(g, wParam);
        }
        break;

    case WM_NEXTBALL:
        // The client bowls its balls when the server says so (WM_CLIENTNEWBALL).
        if (NetworkClient(g)) break;
        NextBall(g);
        break;

    case WM_CONTINNINGS:
        g.Log("Processing WM_CONTINNINGS message (wParam = %d)\n", wParam);
        g.nPostedOver = static_cast<std::int16_t>(wParam);
        // nBallsPosted is left alone: a stop within an over (a wide or no-ball
        // may be all it has seen) must resume that over, not start a new one.
        if (NetworkPlay(g)) {
            // Both copies wait for each other before the next over.
            NetworkToggleWait(g);
            g.bSendResume = 1;
            Pause(g);
        } else if (g.Watched()) {
            Pause(g);
        } else {
            PostUnlessQueued(g, WM_NEWOVER, g.nPostedOver);
        }
        break;

    case WM_RESUMEPLAY:
        if (NetworkPlay(g)) {
            if (g.bSendResume) {
                NetworkSendResume(g);
                g.bSendResume = 0;
            }
        } else if (c.nBall == 0 && g.nBallsPosted == 0) {
            PostUnlessQueued(g, WM_NEWOVER, g.nPostedOver);
        } else {
            PostUnlessQueued(g, WM_NEXTBALL, g.nPostedOver);
        }
        break;

    case WM_ENDSERIES:
        g.Log("Processing WM_ENDSERIES message\n");
        g.bPaused = 0;
        EndSeries(g);
        break;

    case WM_ENDTEST:
        g.Log("Processing WM_ENDTEST message\n");
        g.bPaused = 0;
        c.nTime = 0;
        EndTest(g);
        break;

    case WM_ENDINNINGS:
        g.Log("Processing WM_ENDINNINGS message\n");
        if (NetworkServer(g)) NetworkSendEndInnings(g);
        EndInnings(g);
        break;

    case WM_ENDOVER:
        g.Log("Processing WM_ENDOVER message (wParam = %d)\n", wParam);
        g.nBallsPosted = 0;
        EndOfOver(g, wParam);
        break;

    case WM_ENDBALL:
        g.nBallsPosted++;
        if ((g.options.wPlayOptions & kPauseEveryBall) && g.Watched())
            Pause(g);
        else
            PostUnlessQueued(g, WM_NEXTBALL, g.nPostedOver);
        break;

    case WM_CLIENTNEWOVER:
        g.Log("Processing WM_CLIENTNEWOVER message (wParam = %d)\n", wParam);
        if (!NetworkClient(g)) break;
        g.nBallsPosted = 0;
        NewOver(g, g.nPostedOver);
        break;

    case WM_CLIENTNEWBALL:
        g.Log("Processing WM_CLIENTNEWBALL message (nBall = %d, bEndInnings = %d)\n",
              static_cast<int>(c.nBall), static_cast<int>(c.bEndInnings));
        if (!NetworkClient(g)) break;
        NextBall(g);
        break;

    case WM_CLIENTENDBALL:
        g.Log("Processing WM_CLIENTENDBALL message (nBall = %d, bEndInnings = %d)\n",
              static_cast<int>(c.nBall), static_cast<int>(c.bEndInnings));
        if (!NetworkClient(g)) break;
        NetworkSendEndDelivery(g);
        break;

    case WM_NETWORKCONTOVER:
        g.Log("Processing WM_NETWORKCONTOVER message (nBall = %d, nOver = %d)\n",
              static_cast<int>(g.nBallsPosted), static_cast<int>(g.nPostedOver));
        if (!NetworkPlay(g)) break;
        // The peer's echo may have queued the step already: replace, never add.
        if (c.nBall == 0 && g.nBallsPosted == 0)
            Repost(g, WM_NEWOVER, g.nPostedOver);
        else
            Repost(g, WM_NEXTBALL, g.nPostedOver);
        break;

    case WM_NETWORKENDBALL:
        g.Log("Processing WM_NETWORKENDBALL message (nBall = %d, bEndInnings = %d)\n",
              static_cast<int>(c.nBall), static_cast<int>(c.bEndInnings));
        if (!NetworkPlay(g)) break;
        g.nBallsPosted++;
        if (g.options.wPlayOptions & kPauseEveryBall) {
            NetworkToggleWait(g);
            g.bSendResume = 1;
            Pause(g);
        } else {
            Repost(g, WM_NEXTBALL, g.nPostedOver);
        }
        break;

    case WM_NETSOCKET:
        if (!NetworkPlay(g)) break;
        NetworkSocketEvent(g, wParam, static_cast<int>(lParam & 0xFFFF));
        break;

    default:
        // 1030, 1031 and anything else: nothing to do.
        break;
    }
}

bool PumpOne(Game& g)
{
    // Once the quit message is posted no further step runs; the front end
    // sees it waiting and ends its loop.
    if (QuitPosted(g)) return false;
    std::optional<AppMessage> m = g.queue.Pop();
    if (!m) return false;
    MainWndProc(g, m->msg, m->wParam, m->lParam);
    return true;
}

bool QuitPosted(const Game& g) { return g.queue.Peek(WM_QUIT); }

long PumpAll(Game& g, long limit)
{
    long n = 0;
    while ((limit < 0 || n < limit) && PumpOne(g)) ++n;
    return n;
}

bool Resume(Game& g, bool click)
{
    if (click) {
        if (g.bPaused != 1 || g.queue.Peek(WM_RESUMEPLAY)) return false;
        g.bPaused = 0;
        g.queue.Post(WM_RESUMEPLAY, 0);
        return true;
    }
    return PostUnlessQueued(g, WM_RESUMEPLAY, 0);
}

}  // namespace ovs
