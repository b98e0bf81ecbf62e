// The start of a Test (and of a replayed Test) and the toss.
#include "core/flow.h"
#include "core/setup.h"

#include <cstdio>
#include <cstring>

#include "core/conditions.h"
#include "core/ballbyball.h"
#include "core/format.h"
#include "core/league.h"
#include "core/game.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/weather.h"
#include "sim/selection.h"

namespace ovs {

namespace {

const char* SquadName(const Game& g, int side)
{
    int s = g.Series.nSquad[side];
    return s >= 0 ? g.db.squads[s].szName : "";
}

// Grey the Test menu commands 1301..1309 (the tool buttons go with them).
void GreyTestCommands(Game& g)
{
    for (int id = 1301; id <= 1309; ++id) g.commands.Disable(id);
    g.host->CommandsChanged();
    g.host->Refresh(PANE_BUTTONS);
}

// The Test, CURRENT and the innings reference for Test t, with its venue.
void PrepareTest(Game& g, int t, bool replay)
{
    g.Current.nTest = static_cast<std::int16_t>(t);
    g.pTest = &g.Series.Test[t];
    if (replay)
        InitTestForReplay(*g.pTest);
    else
        InitTestForPlay(*g.pTest);
    InitCurrentForTest(g.Current);
    InitOverHistory(g.Current);
    g.pInnings = &g.pTest->Innings[0];
    int venue = g.Series.nGround[t];
    g.pTest->nGround = venue == 255 ? -1 : venue;
}

}  // namespace

std::string TestOrdinal(int n)
{
    static const char* const kOrdinals[] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    if (n >= 1 && n <= 6) return kOrdinals[n - 1];
    return std::to_string(n) + "th";
}

const GROUND* TestGround(const Game& g)
{
    if (!g.pTest) return nullptr;
    int ground = g.pTest->nGround;
    if (ground < 0 || ground >= static_cast<int>(g.db.grounds.size())) return nullptr;
    return &g.db.grounds[ground];
}

void AgeRatings(Game& g, int t)
{
    for (int side = 0; side < 2; ++side) {
        int s = g.Series.nSquad[side];
        if (s < 0) continue;
        const SQUAD& squad = g.db.squads[s];
        for (int m = 0; m < squad.nMembers && m < MAX_SQUAD; ++m) {
            PLAYER& p = g.db.players[squad.nPlayer[m]];
            i16* ratings[3] = {&p.nBatRating, &p.nBowlRating, &p.nFieldRating};
            i16* histories[3] = {p.nBatHistory, p.nBowlHistory, p.nFieldHistory};
            for (int r = 0; r < 3; ++r) {
                if (t == 0) {
                    for (int i = MAX_RATING_HISTORY - 1; i > 0; --i) histories[r][i] = histories[r][i - 1];
                    histories[r][0] = *ratings[r];
                }
                *ratings[r] = static_cast<std::int16_t>(*ratings[r] * 197 / 200);
            }
        }
    }
}

void ShowNewTestBox(Game& g)
{
    const GROUND* ground = TestGround(g);
    std::string caption = TestOrdinal(g.Current.nTest + 1) + " Test - " + (ground ? ground->szName : "");
    std::string text = std::string(g.Series.szPlayer[0]) + "\n" + SquadName(g, 0) + "\nvs\n" +
                       g.Series.szPlayer[1] + "\n" + SquadName(g, 1);
    g.host->MessageBox(text, caption, BoxButtons::Ok, BoxIcon::None);
}

void ShowConditionsBox(Game& g)
{
    const CURRENT& c = g.Current;
    DialogRequest req;
    req.id = Dialog::Conditions;
    req.text = std::string(BallText(BallLevel(c.nBallWear))) + "\n" + PitchText(PitchLevel(c.nPitch)) + "\n" +
               BounceText(BounceLevel(c.nBounce)) + "\n" + OutfieldText(OutfieldLevel(c.nOutfield)) + "\n" +
               WeatherText(c.nWeather / 5);
    g.host->RunDialog(req);
}

void StartNewTest(Game& g, int t)
{
    if (t < 0 || t > 5) {
        g.Log("Invalid Test Num of %d sent to StartNewTest ()\n", t);
        g.Log("Posting WM_ENDSERIES message from StartNewTest ()\n");
        g.queue.Post(WM_ENDSERIES, 0);
        return;
    }
    AgeRatings(g, t);
    if (t >= g.Series.nNumTests) {
        g.Log("Posting WM_ENDSERIES message from StartNewTest ()\n");
        g.queue.Post(WM_ENDSERIES, 0);
        return;
    }
    GreyTestCommands(g);
    PrepareTest(g, t, false);

    // Between two copies the new-Test box and the toss come first, then the
    // day's weather and the conditions, then the elevens. The toss is written
    // to the replay stream at the first innings, in its usual place.
    const bool watched = g.Watched();
    if (NetworkPlay(g)) {
        if (watched) ShowNewTestBox(g);
        NetworkNewTestBox(g);
        NetworkTossNow(g);
    }

    DailyWeather(g);
    CURRENT& c = g.Current;
    if (NetworkClient(g)) {
        NetworkTakeConditions(g);
    } else {
        const GROUND* ground = TestGround(g);
        c.nTime = ground ? static_cast<int>(ground->nStart) : 1100;
        DrawConditions(g);
        NetworkSendConditions(g);
    }
    ReplayAppendWord(g, c.nTime);
    ReplayAppendWord(g, c.nPitch);
    ReplayAppendWord(g, c.nOutfield);
    ReplayAppendWord(g, c.nBounce);

    SetText(g.pTest->szResult, sizeof g.pTest->szResult, "In progress.");

    if (watched && !NetworkPlay(g)) ShowNewTestBox(g);
    g.host->Refresh(watched ? PANE_ALL : PANE_TITLE);
    if (watched && !(g.options.wPlayOptions & 0x100)) ShowConditionsBox(g);

    if (NetworkPlay(g)) NetworkPickTeams(g);
    for (int side = 0; side < 2 && !NetworkPlay(g); ++side) {
        int control = g.Series.nControl[side];
        bool box = control == CONTROL_HUMAN ||
                   (control == CONTROL_COMPUTER && g.Series.bPickComputerTeams == 1 && g.League.nTests != 255);
        DialogRequest req;
        req.id = Dialog::PickTeam;
        req.side = side;
        // A host that shows no team box leaves the eleven to the computer.
        if (box && g.host->RunDialog(req)) {
            CompleteTeamSelection(g, side, false, control == CONTROL_HUMAN);
            StoreLeagueEleven(g, side);
        } else
            SelectComputerTeam(g, side);
    }

    // A new Test starts with no ball-by-ball file open.
    BbbForget(g);
    g.Log("Posting WM_NEWINNINGS message from StartNewTest ()\n");
    g.queue.Post(WM_NEWINNINGS, 0);
}

void StartReplayTest(Game& g, int t)
{
    if (t < 0 || t > 5) return;
    ReplayKeepTest(g);
    for (int id : {1201, 1850, 1851, 1852, 1202, 1203, 1001, 1800}) g.commands.Disable(id);
    g.commands.Enable(1205);
    g.commands.Enable(1002);
    g.Series.nControl[0] = CONTROL_REPLAY;
    g.Series.nControl[1] = CONTROL_REPLAY;
    GreyTestCommands(g);
    PrepareTest(g, t, true);
    g.pTest->Replay.nPosition = 0;

    DailyWeather(g);  // reads the day's weather back in a replay
    CURRENT& c = g.Current;
    c.nTime = ReplayTimeOfDay(g, "the time of the start");
    c.nPitch = ReplayWordIn(g, 0, 0x7FFF, "the pitch");
    c.nOutfield = ReplayWordIn(g, 0, 0x7FFF, "the outfield");
    c.nBounce = ReplayWordIn(g, 0, 0x7FFF, "the bounce");
    SetText(g.pTest->szResult, sizeof g.pTest->szResult, "In progress. [Replay]");

    g.host->Refresh(PANE_ALL);
    ShowNewTestBox(g);
    if (!(g.options.wPlayOptions & 0x100)) ShowConditionsBox(g);
    BuildBowlingOrder(g, 0);
    BuildBowlingOrder(g, 1);

    g.Log("Posting WM_NEWINNINGS message from StartReplayTest ()\n");
    g.queue.Post(WM_NEWINNINGS, 0);
}

void NetworkTossNow(Game& g)
{
    // Each copy's own side calls or chooses; the other copy is told.
    TEST& test = *g.pTest;
    CURRENT& c = g.Current;
    int call = 0, coin = 0;
    NetworkToss(g, call, coin);
    const int winner = call == coin ? 1 : 0;
    test.nTossWinner = winner;
    const int field = NetworkTossChoice(g, winner);
    c.nBatSide = field ? 1 - winner : winner;
    c.nBowlSide = 1 - c.nBatSide;
}

void TheToss(Game& g)
{
    TEST& test = *g.pTest;
    CURRENT& c = g.Current;
    if (Replaying(g)) {
        test.nTossWinner = ReplayWordIn(g, 0, 1, "the toss winner");
        c.nBatSide = ReplayWordIn(g, 0, 1, "the side batting first");
        c.nBowlSide = 1 - c.nBatSide;
        char text[128];
        FormatTo(text, sizeof text, "%s won the toss.\nThey have elected to %s.",
                 SquadName(g, test.nTossWinner), test.nTossWinner == c.nBatSide ? "bat" : "field");
        g.host->MessageBox(text, "The Toss", BoxButtons::Ok, BoxIcon::Information);
        return;
    }

    if (NetworkPlay(g)) {
        // Made at the Test's start (NetworkTossNow); recorded here.
        ReplayAppendWord(g, test.nTossWinner);
        ReplayAppendWord(g, c.nBatSide);
        return;
    }

    // The away side calls.
    int call = -1;
    if (g.Series.nControl[1] & CONTROL_HUMAN) {
        DialogRequest req;
        req.id = Dialog::TossCall;
        req.side = 1;
        req.text = SquadName(g, 1);
        if (g.host->RunDialog(req) && (req.result == 0 || req.result == 1)) call = req.result;
    }
    if (call < 0) {
        call = g.rng.Below(2);
        if (g.Watched()) {
            char text[128];
            FormatTo(text, sizeof text, "%s choose %s.", SquadName(g, 1), call == 0 ? "Heads" : "Tails");
            g.host->MessageBox(text, "The Toss", BoxButtons::Ok, BoxIcon::Information);
        }
    }
    int coin = g.rng.Below(2);
    int winner = call == coin ? 1 : 0;
    test.nTossWinner = winner;

    int field = -1;  // 0 bat, 1 field
    if (g.Series.nControl[winner] == CONTROL_HUMAN) {
        DialogRequest req;
        req.id = Dialog::TossChoice;
        req.side = winner;
        if (g.host->RunDialog(req) && (req.result == 0 || req.result == 1)) field = req.result;
    }
    if (field < 0) {
        // The draw is made whatever the weather.
        bool bowl = g.rng.Below(6) == 5;
        if (c.nWeather >= 30) bowl = true;
        field = bowl ? 1 : 0;
        if (g.Watched()) {
            char text[128];
            FormatTo(text, sizeof text, "%s won the toss.\nThey have elected to %s.", SquadName(g, winner),
                     field ? "field" : "bat");
            g.host->MessageBox(text, "The Toss", BoxButtons::Ok, BoxIcon::Information);
        }
    }
    c.nBatSide = field ? 1 - winner : winner;
    c.nBowlSide = 1 - c.nBatSide;
    ReplayAppendWord(g, winner);
    ReplayAppendWord(g, c.nBatSide);
}

}  // namespace ovs
