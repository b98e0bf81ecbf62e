// Declarations (the person's question and the computer's rule), the result
// after an innings, the leads and the target, and who plays each side.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/game.h"
#include "core/format.h"
#include "core/innings.h"
#include "core/flow.h"
#include "core/menu.h"
#include "core/replay.h"
#include "sim/aggression.h"

namespace ovs {

namespace {

constexpr int kDeclaredMark = 255;   // the replay stream's note of a declaration
constexpr int kNotionalOvers = 450;  // five days of 90 overs, whatever the clock did

const char* RunWord(int n) { return n == 1 ? "run" : "runs"; }

void Declare(Game& g)
{
    g.pInnings->nStatus = INNINGS_DECLARED;
    if (!Replaying(g)) ReplayAppendByte(g, kDeclaredMark);
}

// "You are ahead by ...", "You are behind by ..." or level, for a lead d.
std::string LeadQuestion(int d)
{
    char buf[96];
    if (d > 0)
        FormatTo(buf, sizeof buf, "You are ahead by %d run%s.\nDo you want to declare?", d, d == 1 ? "" : "s");
    else if (d < 0)
        FormatTo(buf, sizeof buf, "You are behind by %d run%s.\nDo you want to declare?", -d, -d == 1 ? "" : "s");
    else
        FormatTo(buf, sizeof buf, "The scores are level.\nDo you want to declare?");
    return buf;
}

}  // namespace

bool ComputerSide(const Game& g, int side)
{
    if (side < 0 || side > 1) return false;
    unsigned control = g.Series.nControl[side];
    return (control & CONTROL_COMPUTER) && !(control & (CONTROL_NETHOME | CONTROL_NETAWAY | CONTROL_REPLAY));
}

bool HumanSide(const Game& g, int side)
{
    return side >= 0 && side <= 1 && g.Series.nControl[side] == CONTROL_HUMAN;
}

bool PersonInvolved(const Game& g)
{
    constexpr unsigned kPerson = CONTROL_HUMAN | CONTROL_NETHOME | CONTROL_NETAWAY;
    return (g.Series.nControl[0] & kPerson) || (g.Series.nControl[1] & kPerson);
}

std::string SquadName(const Game& g, int side)
{
    if (side < 0 || side > 1) return "";
    int sq = g.Series.nSquad[side];
    if (sq < 0 || sq >= static_cast<int>(g.db.squads.size())) return "";
    const SQUAD& s = g.db.squads[sq];
    return std::string(s.szName, strnlen(s.szName, sizeof s.szName));
}

int InningsRuns(const Game& g, int i) { return g.pTest->Innings[i].nTotal; }

bool FollowOnInForce(const Game& g)
{
    const TEST& t = *g.pTest;
    return t.Innings[1].nBatSide == t.Innings[2].nBatSide && t.Innings[2].nStatus != INNINGS_NOTSTARTED;
}

int FirstInningsLead(const Game& g) { return InningsRuns(g, 0) - InningsRuns(g, 1); }

int ThirdInningsLead(const Game& g, int r)
{
    if (FollowOnInForce(g)) return r + InningsRuns(g, 1) - InningsRuns(g, 0);
    return r + InningsRuns(g, 0) - InningsRuns(g, 1);
}

int MatchOvers(const Game& g) { return (g.Current.nDay - 1) * 90 + g.Current.nOversToday; }

std::string LeadText(const Game& g)
{
    int lead = FirstInningsLead(g);
    if (lead == 0) return "Scores are equal after first innings.\n\n";
    int side = lead > 0 ? g.pTest->Innings[0].nBatSide : g.pTest->Innings[1].nBatSide;
    int by = lead > 0 ? lead : -lead;
    char buf[160];
    FormatTo(buf, sizeof buf, "%s lead by %d run%s on first innings.\n\n", SquadName(g, side).c_str(), by,
             by == 1 ? "" : "s");
    return buf;
}

std::string TargetText(const Game& g)
{
    int target = g.Current.nTarget;
    char buf[160];
    FormatTo(buf, sizeof buf, "%s need %d %s to win.\n\n", SquadName(g, g.Current.nBatSide).c_str(), target,
             RunWord(target));
    return buf;
}

std::string AvoidInningsDefeatText(const Game& g, int side, int lead)
{
    char buf[160];
    FormatTo(buf, sizeof buf, "%s need %d runs to avoid an innings defeat.", SquadName(g, side).c_str(), lead);
    return buf;
}

void CheckResult(Game& g)
{
    bool followOn = FollowOnInForce(g);
    int r0 = InningsRuns(g, 0), r1 = InningsRuns(g, 1), r2 = InningsRuns(g, 2), r3 = InningsRuns(g, 3);
    int margin = 0;
    if (g.Current.nInnings == 3) {
        // The side batting last fell short of the target: a loss, or a tie at 0.
        margin = followOn ? r0 + r3 - r1 - r2 : r1 + r3 - r0 - r2;
        if (margin < 1) g.pInnings->nStatus = INNINGS_RESULT;
    } else if (g.Current.nInnings == 2) {
        // Still behind after two innings to one: an innings defeat.
        margin = followOn ? r1 + r2 - r0 : r0 + r2 - r1;
        if (margin < 0) g.pInnings->nStatus = INNINGS_RESULT;
    }
}

bool AskDeclare(Game& g)
{
    const CURRENT& c = g.Current;
    if (ComputerSide(g, c.nBatSide)) return false;
    int n = c.nInnings;
    if (n < 0 || n > 3) return false;
    int r = g.pInnings->nTotal;
    std::string caption = SquadName(g, c.nBatSide) + (n < 2 ? " 1st Innings" : " 2nd Innings");
    std::string question;
    if (n == 0) {
        char buf[96];
        FormatTo(buf, sizeof buf, "You are ahead by %d run%s.\nDo you want to declare?", r, r == 1 ? "" : "s");
        question = buf;
    } else if (n == 1) {
        question = LeadQuestion(r - InningsRuns(g, 0));
    } else if (n == 2) {
        question = LeadQuestion(ThirdInningsLead(g, r));
    } else {
        // Declaring while chasing the target makes no sense; the menu greys it.
        g.host->MessageBox("You cannot declare in the last innings.", caption, BoxButtons::Ok, BoxIcon::Information);
        return false;
    }
    if (g.host->MessageBox(question, caption, BoxButtons::YesNo, BoxIcon::Question) != IDYES) return false;
    Declare(g);
    return true;
}

int ComputerDeclares(Game& g, int n)
{
    const CURRENT& c = g.Current;
    int r = g.pInnings->nTotal;
    int overs = MatchOvers(g);
    int left = kNotionalOvers - overs;

    if (n == 2 && HumanSide(g, c.nBatSide) && !NetworkPlay(g) && ThirdInningsLead(g, r) >= 1 &&
        !g.commands.Enabled(CMD_DECLARE)) {
        g.commands.Enable(CMD_DECLARE);
        g.host->CommandsChanged();
    }
    // The computer captains review their aggression with this rule.
    ComputerOverReview(g, n);
    if (!ComputerSide(g, c.nBatSide)) return 0;

    bool declare = false;
    if (n == 0) {
        declare = overs >= 200 && r >= 400;
    } else if (n == 1) {
        int d = r - InningsRuns(g, 0);
        if (d < 0) return 0;
        declare = (left * 3 < d && d > 200) || (r >= 600 && d >= 250);
    } else if (n == 2) {
        int d = ThirdInningsLead(g, r);
        if (d < 0) return 0;
        declare = (left * 4 < d && d > 250) || d >= 500;
    }
    if (!declare) return 0;
    Declare(g);
    return 1;
}

}  // namespace ovs
