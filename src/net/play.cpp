// The network paths of play: who makes each choice of a network series, how
// the other copy learns it, and the steps at which the two copies meet.
//
// Each copy makes the choices of its own side (in its box, or by the
// computer when its front end leaves the choice to it) and sends them; the
// other copy waits for them. What is left to chance the server alone draws:
// the client takes the values its simulation produced (the conditions, the
// weather, the over's bowler and aggression, each ball's outcome and the
// values that go with it) and books them as a replay does.
#include <algorithm>
#include <cstring>

#include "core/flow.h"
#include "core/format.h"
#include "core/innings.h"
#include "core/innings_internal.h"
#include "core/messages.h"
#include "core/series.h"
#include "core/setup.h"
#include "net/network.h"
#include "net/session.h"
#include "sim/booking.h"
#include "sim/bowling.h"
#include "sim/aggression.h"
#include "sim/aggression_pane.h"
#include "sim/bowler_click.h"
#include "sim/selection.h"

namespace ovs {

using innings_detail::ValidSlot;
using net::BoxCommand;
using net::MessageWriter;
using net::Session;

namespace {

bool OwnSide(Game& g, int side) { return g.net && g.net->side == side; }

// The next command posted to the box in front; false when the peer was lost.
bool NextCommand(Session& s, BoxCommand& cmd)
{
    return s.WaitFor([&] { return s.TakeCommand(cmd); });
}

void SendShort(Session& s, int id, int v)
{
    s.Send(id, [v](MessageWriter& w) { w.PushShort(v); });
}

// The other copy's choice of a slot through a box: the rows clicked (control
// ids 100 to 110), then OK. -1 when lost or no row was chosen.
int AwaitSlotChoice(Session& s)
{
    int slot = -1;
    BoxCommand cmd;
    while (NextCommand(s, cmd)) {
        if (cmd.id >= 100 && cmd.id <= 110) slot = cmd.id - 100;
        if (cmd.id == 150) return slot;
    }
    return -1;
}

void SendSlotChoice(Session& s, int clickId, int endId, int slot)
{
    SendShort(s, clickId, 100 + slot);
    s.Send(endId);
}

// The value that ends the other copy's box (OK with its lParam); -1 when lost.
int AwaitOk(Session& s)
{
    BoxCommand cmd;
    while (NextCommand(s, cmd))
        if (cmd.id == 150) return cmd.param;
    return -1;
}

int FirstNamedSquad(const Game& g, int skip)
{
    for (int s = 0; s < g.db.NumSquads(); ++s)
        if (s != skip && g.db.squads[s].szName[0]) return s;
    return -1;
}

// A squad named in the server's chat line "NAME: Please choose SQUAD.".
int SuggestedSquad(const Game& g, const std::vector<std::string>& chat)
{
    static const std::string kAsk = ": Please choose ";
    for (auto it = chat.rbegin(); it != chat.rend(); ++it) {
        const std::size_t at = it->find(kAsk);
        if (at == std::string::npos || it->size() < at + kAsk.size() + 2 || it->back() != '.') continue;
        const std::string want = it->substr(at + kAsk.size(), it->size() - at - kAsk.size() - 1);
        for (int s = 0; s < g.db.NumSquads(); ++s)
            if (want == std::string(g.db.squads[s].szName, strnlen(g.db.squads[s].szName, sizeof g.db.squads[s].szName)))
                return s;
    }
    return -1;
}

}  // namespace

std::string net::CheckSeries(const Game& g, const SeriesChoice& sc)
{
    if (sc.squad[0] == sc.squad[1]) return "You have both selected the same Squad.";
    return CheckNewSeries(g, sc.squad[0], sc.squad[1], sc.tests);
}

void net::ApplySeries(Game& g, Session& s, const SeriesChoice& sc)
{
    const bool server = NetworkServer(g);
    const int home = sc.homeClient ? sc.squad[1] : sc.squad[0];
    const int away = sc.homeClient ? sc.squad[0] : sc.squad[1];
    ApplyNewSeries(g, home, away, sc.tests, false, false, false, !sc.noWeather);
    SERIES& series = g.Series;
    series.nControl[0] = CONTROL_NETHOME;
    series.nControl[1] = CONTROL_NETAWAY;
    const std::string& serverName = server ? s.name : s.opponent;
    const std::string& clientName = server ? s.opponent : s.name;
    SetText(series.szPlayer[0], sizeof series.szPlayer[0], sc.homeClient ? clientName : serverName);
    SetText(series.szPlayer[1], sizeof series.szPlayer[1], sc.homeClient ? serverName : clientName);
    s.side = (server != sc.homeClient) ? 0 : 1;
    series.bPickComputerTeams = 0;
    series.bAllowWeather = sc.noWeather ? 0 : 1;
    if (s.preset.ballByBall) series.bBallByBall = 1;
}

void net::SendChatLine(Session& s, const std::string& text)
{
    const std::string line = s.name + ": " + text;
    s.AddChatLine(line);
    s.Send(NM_NETSENDCHATTEXT, [&](MessageWriter& w) { w.PushString(line); });
}

// --- The series box ---------------------------------------------------------------

bool NetworkSeriesBox(Game& g)
{
    Session* s = g.net.get();
    if (!s) return false;
    // The desktop game's box agrees the series with the person.
    DialogRequest req;
    req.id = Dialog::NetworkSeries;
    if (g.host->RunDialog(req)) return req.result == 1 && !s->Lost();
    net::SeriesChoice sc;
    sc.squad[0] = FirstNamedSquad(g, -1);
    sc.squad[1] = FirstNamedSquad(g, sc.squad[0]);
    const net::NetworkSeriesPreset& p = s->preset;
    BoxCommand cmd;
    if (NetworkServer(g)) {
        if (p.home >= 0) sc.squad[0] = p.home;
        if (p.tests >= 1 && p.tests <= MAX_TESTS) sc.tests = p.tests;
        SendShort(*s, net::NM_NETSERIESSQUAD, sc.squad[0]);
        s->Send(net::NM_NETSERIESTEST1 + sc.tests - 1);
        if (p.noWeather) {
            sc.noWeather = true;
            s->Send(net::NM_NETSERIESWEATHER);
        }
        if (p.away >= 0) {
            const SQUAD& away = g.db.squads[p.away];
            net::SendChatLine(*s, "Please choose " + std::string(away.szName, strnlen(away.szName, sizeof away.szName)) + ".");
        }
        // OK waits for the client's Ready.
        while (!sc.ready) {
            if (!NextCommand(*s, cmd)) return false;
            sc.Apply(cmd);
        }
    } else {
        // The client takes the server's squad first, then names its own.
        bool heard = false;
        while (!heard) {
            if (!NextCommand(*s, cmd)) return false;
            sc.Apply(cmd);
            heard = cmd.id == 103;
        }
        // Whatever else the server sent in the same breath is in already.
        while (s->TakeCommand(cmd)) sc.Apply(cmd);
        int mine = p.away >= 0 ? p.away : SuggestedSquad(g, s->Chat());
        if (mine < 0 || mine == sc.squad[0]) mine = FirstNamedSquad(g, sc.squad[0]);
        sc.squad[1] = mine;
        SendShort(*s, net::NM_NETSERIESSQUAD, mine);
        s->Send(net::NM_NETREADY);
        sc.ready = true;
        for (;;) {
            if (!NextCommand(*s, cmd)) return false;
            if (cmd.id == 150) break;
            sc.Apply(cmd);
        }
    }
    const std::string refusal = net::CheckSeries(g, sc);
    if (!refusal.empty()) {
        g.host->MessageBox(refusal, "Ovalspin - Error", BoxButtons::Ok, BoxIcon::Exclamation);
        s->Lose("the series was refused: " + refusal, false);
        return false;
    }
    if (NetworkServer(g)) s->Send(net::NM_NETOK);
    net::ApplySeries(g, *s, sc);
    return !s->Lost();
}

// --- A Test's start: the new-Test box, the toss, the elevens -------------------------

void NetworkNewTestBox(Game& g)
{
    Session* s = g.net.get();
    if (!s) return;
    BoxCommand cmd;
    if (NetworkServer(g)) {
        // OK is enabled once the client is ready, and closes both boxes.
        bool ready = false;
        while (!ready && NextCommand(*s, cmd))
            if (cmd.id == 203) ready = true;
        if (ready) s->Send(net::NM_NETOK);
    } else {
        s->Send(net::NM_NETREADY);
        AwaitOk(*s);
    }
}

void NetworkToss(Game& g, int& call, int& coin)
{
    Session* s = g.net.get();
    call = coin = 0;
    if (!s) return;
    // The away copy calls and tosses the coin; the home copy learns both.
    if (s->side == 1) {
        DialogRequest req;
        req.id = Dialog::TossCall;
        req.side = 1;
        req.text = SquadName(g, 1);
        if (g.host->RunDialog(req) && (req.result == 0 || req.result == 1))
            call = req.result;
        else
            call = g.rng.Below(2);
        coin = g.rng.Below(2);
        SendShort(*s, net::NM_TOSSHEADSTAILS, coin * 256 + call);
        return;
    }
    const int v = AwaitOk(*s);
    if (v < 0) return;
    call = v & 0xFF;
    coin = (v >> 8) & 0xFF;
}

int NetworkTossChoice(Game& g, int winner)
{
    Session* s = g.net.get();
    if (!s) return 0;
    if (OwnSide(g, winner)) {
        DialogRequest req;
        req.id = Dialog::TossChoice;
        req.side = winner;
        int field = -1;
        if (g.host->RunDialog(req) && (req.result == 0 || req.result == 1)) field = req.result;
        if (field < 0) field = (g.rng.Below(6) == 5 || g.Current.nWeather >= 30) ? 1 : 0;
        SendShort(*s, net::NM_TOSSBATBOWL, field);
        return field;
    }
    const int v = AwaitOk(*s);
    return v < 0 ? 0 : v;
}

void NetworkPickTeams(Game& g)
{
    Session* s = g.net.get();
    if (!s) return;
    const int own = s->side;
    g.wNetState ^= NET_WAITACK | NET_WAITDATA;
    DialogRequest req;
    req.id = Dialog::PickTeam;
    req.side = own;
    if (g.host->RunDialog(req))
        CompleteTeamSelection(g, own, false, true);
    else
        SelectComputerTeam(g, own);
    g.LogLine("Sending %s Team data.\n", s->name.c_str());
    const TEST& t = *g.pTest;
    const CURRENT& c = g.Current;
    s->Send(net::NM_SENDTEAMDATA, [&](MessageWriter& w) {
        for (int k = 0; k < MAX_ELEVEN; ++k) w.PushShort(t.nPlayer[k][own]);
        w.PushShort(t.nKeeper[own]);
        w.PushShort(t.nNewBall1[own]);
        w.PushShort(t.nNewBall2[own]);
        for (int k = 0; k < MAX_ELEVEN; ++k) w.PushShort(c.nBowlOrder[k][own]);
        w.PushShort(c.nMainBowlers[own]);
        w.PushShort(c.nMaxBowlers[own]);
    });
    s->waiting = Format("Waiting for %s to finish picking their team.", s->opponent.c_str());
    g.LogLine("%s\n", s->waiting.c_str());
    s->WaitFor([&] { return (g.wNetState & (NET_WAITACK | NET_WAITDATA)) == 0; });
    // The box's closing command is spent.
    BoxCommand cmd;
    while (s->TakeCommand(cmd) && cmd.id != 150) {
    }
}

// --- An innings: openers, bowlers, batsmen, the follow-on, its end ----------------------

bool NetworkOpeners(Game& g, int& first, int& second)
{
    Session* s = g.net.get();
    first = 0;
    second = 1;
    if (!s) return false;
    const int bat = g.Current.nBatSide;
    if (OwnSide(g, bat)) {
        DialogRequest req;
        req.id = Dialog::Openers;
        req.side = bat;
        for (int k = 0; k < MAX_ELEVEN; ++k) req.choices.push_back(k);
        if (g.host->RunDialog(req) && ValidSlot(req.result) && ValidSlot(req.result2) && req.result != req.result2) {
            first = req.result;
            second = req.result2;
        }
        SendSlotChoice(*s, net::NM_NEWBATSMAN, net::NM_NEWBATSMANEND, first);
        SendSlotChoice(*s, net::NM_NEWBATSMAN, net::NM_NEWBATSMANEND, second);
        return true;
    }
    const int a = AwaitSlotChoice(*s);
    const int b = AwaitSlotChoice(*s);
    if (!ValidSlot(a) || !ValidSlot(b) || a == b) {
        if (!s->Lost()) s->Lose("two openers that are not two batsmen");
        return false;
    }
    first = a;
    second = b;
    return true;
}

void NetworkOpeningBowlers(Game& g)
{
    Session* s = g.net.get();
    CURRENT& c = g.Current;
    const int bowl = c.nBowlSide;
    int picked[2] = {-1, -1};
    if (s && OwnSide(g, bowl)) {
        for (int k = 0; k < 2; ++k) {
            DialogRequest req;
            req.id = Dialog::NewBowler;
            req.side = bowl;
            for (int slot = 0; slot < MAX_ELEVEN; ++slot)
                if (slot != picked[0]) req.choices.push_back(slot);
            if (g.host->RunDialog(req) && ValidSlot(req.result) && req.result != picked[0]) picked[k] = req.result;
        }
        // The computer opens with the head of the side's bowling order.
        for (int k = 0, at = 0; k < 2; ++k) {
            while (picked[k] < 0 && at < MAX_ELEVEN) {
                const int b = c.nBowlOrder[at++][bowl];
                if (ValidSlot(b) && b != picked[1 - k]) picked[k] = b;
            }
            if (picked[k] < 0) picked[k] = k == 0 ? (picked[1] == 0 ? 1 : 0) : (picked[0] == 1 ? 0 : 1);
        }
        SendSlotChoice(*s, net::NM_NEWBOWLER, net::NM_NEWBOWLEREND, picked[0]);
        SendSlotChoice(*s, net::NM_NEWBOWLER, net::NM_NEWBOWLEREND, picked[1]);
    } else if (s) {
        picked[0] = AwaitSlotChoice(*s);
        picked[1] = AwaitSlotChoice(*s);
        if (!ValidSlot(picked[0]) || !ValidSlot(picked[1]) || picked[0] == picked[1]) {
            if (!s->Lost()) s->Lose("two opening bowlers that are not two bowlers");
            picked[0] = 0;
            picked[1] = 1;
        }
    }
    if (!ValidSlot(picked[0])) return;
    c.nBowler = static_cast<std::int16_t>(picked[0]);
    c.nOtherBowler = static_cast<std::int16_t>(picked[1]);
    StartSpell(g, picked[0]);
    StartSpell(g, picked[1]);
}

int NetworkNextBatsman(Game& g)
{
    Session* s = g.net.get();
    INNINGS& in = *g.pInnings;
    auto batted = [&](int slot) { return in.Bat[slot].nHowOut != HOWOUT_DIDNOTBAT; };
    if (!s) return ComputerNextBatsman(g);
    if (OwnSide(g, g.Current.nBatSide)) {
        int slot = -1;
        DialogRequest req;
        req.id = Dialog::NewBatsman;
        req.side = g.Current.nBatSide;
        for (int k = 0; k < MAX_ELEVEN; ++k)
            if (!batted(k)) req.choices.push_back(k);
        if (g.host->RunDialog(req) && ValidSlot(req.result) && !batted(req.result)) slot = req.result;
        if (slot < 0) slot = ComputerNextBatsman(g);
        if (slot >= 0) SendSlotChoice(*s, net::NM_NEWBATSMAN, net::NM_NEWBATSMANEND, slot);
        return slot;
    }
    // The server lets the client bowl the ball so far: it asks the same question.
    s->StartClientBall();
    const int slot = AwaitSlotChoice(*s);
    if (ValidSlot(slot) && !batted(slot)) return slot;
    if (!s->Lost()) s->Lose("a new batsman who has batted already");
    return ComputerNextBatsman(g);
}

bool NetworkFollowOn(Game& g, int a)
{
    Session* s = g.net.get();
    if (!s) return false;
    // The answer travels as the side's choice to bat again (0) or field (1).
    if (OwnSide(g, a)) {
        const bool yes = g.host->MessageBox("Do you wish to enforce the follow on?", "Follow On", BoxButtons::YesNo,
                                            BoxIcon::Question) == IDYES;
        SendShort(*s, net::NM_TOSSBATBOWL, yes ? 1 : 0);
        return yes;
    }
    return AwaitOk(*s) == 1;
}

void NetworkInningsSync(Game& g)
{
    Session* s = g.net.get();
    if (!s) return;
    s->Send(net::NM_SENDSYNC);
    s->waiting = Format("Waiting for %s to finish viewing Innings scoreboard.", s->opponent.c_str());
    g.LogLine("%s\n", s->waiting.c_str());
    s->WaitFor([&] { return (g.wNetState & (NET_WAITACK | NET_WAITDATA)) == 0; });
    BoxCommand cmd;
    while (s->TakeCommand(cmd) && cmd.id != 150) {
    }
}

// --- Overs and balls --------------------------------------------------------------------

void NetworkOverStarts(Game& g)
{
    if (g.net && NetworkServer(g)) g.net->Send(net::NM_STARTOVER);
}

void NetworkBallStarts(Game& g)
{
    if (g.net && NetworkServer(g)) g.net->NewBall();
}

void NetworkBallDone(Game& g)
{
    if (g.net && NetworkServer(g)) g.net->StartClientBall();
}

void NetworkSendConditions(Game& g)
{
    const CURRENT& c = g.Current;
    if (!g.net || !NetworkServer(g)) return;
    g.net->Send(net::NM_STARTCONDITIONS, [&](MessageWriter& w) {
        w.PushShort(c.nTime);
        w.PushShort(c.nPitch);
        w.PushShort(c.nOutfield);
        w.PushShort(c.nBounce);
    });
}

void NetworkSendWeather(Game& g)
{
    if (g.net && NetworkServer(g)) SendShort(*g.net, net::NM_WEATHER, g.Current.nWeather);
}

void NetworkSendRoller(Game& g)
{
    const CURRENT& c = g.Current;
    if (!g.net || !NetworkServer(g)) return;
    g.net->Send(net::NM_INNINGSROLLER, [&](MessageWriter& w) {
        w.PushShort(c.nPitch);
        w.PushShort(c.nBounce);
    });
}

bool NetworkTakeConditions(Game& g)
{
    int v[4];
    if (!g.net || !g.net->TakeValues(net::NM_STARTCONDITIONS, v, 4)) return false;
    CURRENT& c = g.Current;
    c.nTime = static_cast<std::int16_t>(v[0]);
    c.nPitch = static_cast<std::int16_t>(v[1]);
    c.nOutfield = static_cast<std::int16_t>(v[2]);
    c.nBounce = static_cast<std::int16_t>(v[3]);
    return true;
}

bool NetworkTakeWeather(Game& g)
{
    int v = 0;
    if (!g.net || !g.net->TakeValues(net::NM_WEATHER, &v, 1)) return false;
    g.Current.nWeather = static_cast<std::int16_t>(v);
    return true;
}

bool NetworkTakeRoller(Game& g)
{
    int v[2];
    if (!g.net || !g.net->TakeValues(net::NM_INNINGSROLLER, v, 2)) return false;
    g.Current.nPitch = static_cast<std::int16_t>(v[0]);
    g.Current.nBounce = static_cast<std::int16_t>(v[1]);
    return true;
}

void NetworkSendOverBowler(Game& g)
{
    if (!g.net || !NetworkServer(g)) return;
    g.LogLine("%s: Bowler Data %d\n", g.net->name.c_str(), static_cast<int>(g.Current.nBowler));
    SendShort(*g.net, net::NM_OVERBOWLER, g.Current.nBowler);
}

void NetworkSendOverAggression(Game& g, const int (&bytes)[3])
{
    if (!g.net || !NetworkServer(g)) return;
    g.net->Send(net::NM_OVERAGGRESSION, [&](MessageWriter& w) {
        for (int b : bytes) w.PushByte(b);
    });
}

bool NetworkTakeOverBowler(Game& g)
{
    if (!g.net) return false;
    g.LogLine("%s: Accessed Bowler Data\n", g.net->name.c_str());
    int b = 0;
    if (!NetworkPopBall(g, b, true)) return false;
    if (!ValidSlot(b)) {
        NetworkRefuse(g, "the bowler of the over");
        return false;
    }
    g.Current.nBowler = static_cast<std::int16_t>(b);
    return true;
}

bool NetworkTakeOverAggression(Game& g, int (&bytes)[3])
{
    for (int& b : bytes)
        if (!NetworkPopBall(g, b, false)) return false;
    return true;
}

void NetworkPushBall(Game& g, int v, bool wide)
{
    if (!g.net || !NetworkServer(g)) return;
    net::DeliveryQueue& q = g.net->delivery;
    const bool pushed = wide ? q.PushShort(v) : q.PushByte(v);
    if (wide)
        g.Log("Pushed short %d onto Queue.  Queue now %d bytes.\n", v, q.Length());
    else
        g.Log("Pushed Byte %d onto Queue.  Queue now %d bytes.\n", v, q.Length());
    if (!pushed) g.net->Lose("the delivery data of one ball outgrew its queue");
}

bool NetworkPopBall(Game& g, int& v, bool wide)
{
    if (!g.net || g.net->Lost()) return false;
    if (!g.net->PopDelivery(wide, v)) return false;
    if (wide)
        g.Log("Popped short %d from Queue.  Queue now %d bytes.\n", v, g.net->delivery.Length());
    else
        g.Log("Popped BYTE %d from Queue.  Queue now %d bytes.\n", v, g.net->delivery.Length());
    return true;
}

void NetworkRefuse(Game& g, const char* what)
{
    if (!g.net || g.net->Lost()) return;
    g.LogLine("%s: Refused %s from %s\n", g.net->name.c_str(), what, g.net->opponent.c_str());
    g.net->Lose(std::string(what) + " out of range");
}

void NetworkSharedDraws(Game& g, bool begin)
{
    if (!g.net) return;
    if (begin) {
        ++g.net->sharedDraws;
        return;
    }
    if (--g.net->sharedDraws == 0 && NetworkServer(g)) g.net->SendDeliveryData();
}

void NetworkToggleWait(Game& g) { g.wNetState ^= NET_WAITACK | NET_WAITDATA; }

void NetworkSendResume(Game& g)
{
    if (g.net) g.net->Send(net::NM_CONTINNSSENDSYNC);
}

void NetworkSendEndInnings(Game& g)
{
    if (g.net) g.net->Send(net::NM_ENDINNINGS);
}

void NetworkSendEndDelivery(Game& g)
{
    if (g.net) g.net->Send(net::NM_ENDDELIVERY);
}

void NetworkSendPaneBowler(Game& g, int slot)
{
    if (g.net && NetworkPlay(g)) SendShort(*g.net, net::NM_NEWBOWLER, slot);
}

namespace {

// The pairings of the two batsmen at the crease against every bowling slot,
// batting (the batsmen's values) or bowling (the bowlers' values).
void PushPairings(MessageWriter& w, const CURRENT& c, bool batting)
{
    const int pa = c.nPartnerA, pb = c.nPartnerB;
    for (int b = 0; b < MAX_ELEVEN; ++b) {
        if (batting) {
            w.PushShort(static_cast<std::int16_t>(c.nBatVsBowl[pa][b]));
            w.PushShort(static_cast<std::int16_t>(c.nBatVsBowl[pb][b]));
        } else {
            w.PushShort(static_cast<std::int16_t>(c.nBowlVsBat[b][pa]));
            w.PushShort(static_cast<std::int16_t>(c.nBowlVsBat[b][pb]));
        }
    }
}

}  // namespace

void NetworkSendPaneAggression(Game& g)
{
    if (!g.net || !NetworkPlay(g)) return;
    const CURRENT& c = g.Current;
    const int own = g.net->side;
    if (!ValidSlot(c.nPartnerA) || !ValidSlot(c.nPartnerB)) return;
    g.net->Send(net::NM_AGGRESSION, [&](MessageWriter& w) {
        PushPairings(w, c, c.nBatSide == own);
        w.PushShort(c.nTeamAggression[own]);
    });
}

void NetworkSendAggression(Game& g, AggressionSent what)
{
    if (!g.net || !NetworkPlay(g)) return;
    const CURRENT& c = g.Current;
    if (what == AggressionSent::Team) {
        SendShort(*g.net, net::NM_TEAMAGGRESSION, c.nTeamAggression[g.net->side]);
        return;
    }
    if (!ValidSlot(c.nPartnerA) || !ValidSlot(c.nPartnerB)) return;
    const bool batting = what == AggressionSent::Batting;
    g.net->Send(batting ? net::NM_BATTINGAGGRESSION : net::NM_BOWLINGAGGRESSION, [&](MessageWriter& w) {
        PushPairings(w, c, batting);
        if (batting) w.PushShort(c.nProtected);
    });
}

void NetworkSocketEvent(Game& g, int /*socket*/, int event)
{
    if (!g.net) return;
    if (event & 32)
        g.net->Lose("the other copy closed the connection");
    else
        g.net->OnReady(event);
}

void NetworkClose(Game& g)
{
    if (g.net) g.net->Close();
    g.wNetState = 0;
}

}  // namespace ovs
