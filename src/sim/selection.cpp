// The computer's team selection and the bowling order built from an eleven.
#include "sim/selection.h"

#include <algorithm>
#include <string>

#include "core/game.h"
#include "sim/delivery.h"

namespace ovs {

namespace {

// Selection looks ahead to a worn pitch: the wear is raised by 200 (at most 749).
int LookAheadPitchFactor(const Game& g, int type)
{
    int group = BowlerGroup(type);
    if (group < 0) return 0;
    int wear = std::min<int>(g.Current.nPitch + 200, 749);
    return BowlerPitchFactor(group, std::clamp(wear / 150, 0, 8));
}

const SQUAD& SideSquad(const Game& g, int team) { return g.db.squads[g.Series.nSquad[team]]; }

const PLAYER& Member(const Game& g, int team, int member)
{
    return g.db.players[SideSquad(g, team).nPlayer[member]];
}

// Ordering strength of a bowler once the eleven is chosen.
int OrderingBowlStrength(const Game& g, const PLAYER& p)
{
    return 3 * LookAheadPitchFactor(g, p.nBowlType) + p.nBowlSkill;
}

// Sorts squad members by preferred batting position, lowest first, and at
// equal positions by batting skill, highest first (11 passes over 10 pairs).
void SortByBattingPosition(const Game& g, int team, int (&eleven)[MAX_ELEVEN])
{
    // The keys travel with the members so the passes look nothing up.
    int pos[MAX_ELEVEN], skill[MAX_ELEVEN];
    for (int i = 0; i < MAX_ELEVEN; ++i) {
        const PLAYER& p = Member(g, team, eleven[i]);
        pos[i] = p.nBatPos;
        skill[i] = p.nBatSkill;
    }
    for (int pass = 0; pass < MAX_ELEVEN; ++pass) {
        for (int i = 0; i + 1 < MAX_ELEVEN; ++i) {
            if (pos[i] > pos[i + 1] || (pos[i] == pos[i + 1] && skill[i] < skill[i + 1])) {
                std::swap(eleven[i], eleven[i + 1]);
                std::swap(pos[i], pos[i + 1]);
                std::swap(skill[i], skill[i + 1]);
            }
        }
    }
}

}  // namespace

int WantedBowlers(const Game& g)
{
    return g.Current.nPitch + g.Current.nBounce >= 375 ? 4 : 5;
}

void SelectComputerTeam(Game& g, int team)
{
    const SQUAD& squad = SideSquad(g, team);
    const int n = std::clamp<int>(squad.nMembers, 0, MAX_SQUAD);
    int bat[MAX_SQUAD] = {};
    int bowl[MAX_SQUAD] = {};
    bool picked[MAX_SQUAD] = {};
    bool injured[MAX_SQUAD] = {};
    int status[MAX_SQUAD] = {};

    for (int m = 0; m < n; ++m) {
        const PLAYER& p = Member(g, team, m);
        status[m] = p.nBowlStatus;
        injured[m] = p.nInjury != 0;
        if (injured[m]) {
            bat[m] = bowl[m] = -1;
            continue;
        }
        bat[m] = p.nBatSkill + p.nMorale + p.nBatRating / 128;
        bowl[m] = 2 * LookAheadPitchFactor(g, p.nBowlType) + p.nBowlSkill + p.nMorale + p.nBowlRating / 128 +
                  2 * GroundPace(g, p.nBowlType);
    }

    // The batting list swaps equal neighbours too: a pair of equals changes
    // places on every pass.
    int batList[MAX_SQUAD], bowlList[MAX_SQUAD];
    for (int m = 0; m < n; ++m) batList[m] = bowlList[m] = m;
    for (int pass = 0; pass < n; ++pass)
        for (int i = 0; i + 1 < n; ++i)
            if (bat[batList[i]] <= bat[batList[i + 1]]) std::swap(batList[i], batList[i + 1]);
    for (int pass = 0; pass < n; ++pass) {
        for (int i = 0; i + 1 < n; ++i) {
            int a = bowlList[i], b = bowlList[i + 1];
            int sa = status[a], sb = status[b];
            if (sa < sb || (sa == sb && bowl[a] < bowl[b])) std::swap(bowlList[i], bowlList[i + 1]);
        }
    }

    const int wanted = WantedBowlers(g);
    const int middle = MAX_ELEVEN - 3 - wanted;
    int sel[MAX_ELEVEN];
    int count = 0;
    auto available = [&](int m) { return !picked[m] && !injured[m]; };
    auto pick = [&](int m) {
        picked[m] = true;
        sel[count++] = m;
    };

    // Bowlers: up to two New Ball bowlers, then the best of the rest.
    int bowlers = 0;
    for (int i = 0; i < n && bowlers < 2; ++i) {
        int m = bowlList[i];
        const PLAYER& p = Member(g, team, m);
        if (available(m) && p.nBowlType != BOWL_NONE && p.nBowlStatus == STATUS_NEWBALL) {
            pick(m);
            ++bowlers;
        }
    }
    for (int i = 0; i < n && bowlers < wanted; ++i) {
        int m = bowlList[i];
        if (available(m) && Member(g, team, m).nBowlType != BOWL_NONE) {
            pick(m);
            ++bowlers;
        }
    }
    g.pTest->nNewBall1[team] = bowlers > 0 ? sel[0] : 0xFFFF;
    g.pTest->nNewBall2[team] = bowlers > 1 ? sel[1] : 0xFFFF;

    // Keeper: the first non-bowler of the bowling list, else the best batsman.
    int keeper = -1;
    for (int i = 0; i < n && keeper < 0; ++i)
        if (available(bowlList[i]) && Member(g, team, bowlList[i]).nBowlType == BOWL_NONE) keeper = bowlList[i];
    for (int i = 0; i < n && keeper < 0; ++i)
        if (available(batList[i])) keeper = batList[i];
    if (keeper >= 0) pick(keeper);

    // Openers, then the middle order, from the batting list.
    int openers = 0;
    for (int i = 0; i < n && openers < 2; ++i) {
        int m = batList[i];
        if (available(m) && (Member(g, team, m).nBatType & 0x1F & BAT_OPENER)) {
            pick(m);
            ++openers;
        }
    }
    for (int i = 0; i < n && openers < 2; ++i) {
        if (available(batList[i])) {
            pick(batList[i]);
            ++openers;
        }
    }
    int batsmen = 0;
    for (int i = 0; i < n && batsmen < middle; ++i) {
        if (available(batList[i])) {
            pick(batList[i]);
            ++batsmen;
        }
    }
    // A squad short of bowlers leaves places open: the best remaining batsmen fill them.
    for (int i = 0; i < n && count < MAX_ELEVEN; ++i)
        if (available(batList[i])) pick(batList[i]);

    if (count < MAX_ELEVEN) {
        // The new-series checks make this impossible: at least 11 fit members.
        g.Log("Only %d fit players for Team %d\n", count, team);
        for (int k = 0; k < MAX_ELEVEN; ++k) g.pTest->nPlayer[k][team] = k < count ? sel[k] : -1;
        return;
    }

    SortByBattingPosition(g, team, sel);
    for (int k = 0; k < MAX_ELEVEN; ++k) g.pTest->nPlayer[k][team] = sel[k];
    BuildBowlingOrder(g, team, false);
}

void CompleteTeamSelection(Game& g, int team, bool sortByBattingPosition, bool personsTeam)
{
    if (sortByBattingPosition) {
        int eleven[MAX_ELEVEN];
        for (int k = 0; k < MAX_ELEVEN; ++k) eleven[k] = g.pTest->nPlayer[k][team];
        SortByBattingPosition(g, team, eleven);
        for (int k = 0; k < MAX_ELEVEN; ++k) g.pTest->nPlayer[k][team] = eleven[k];
    }
    BuildBowlingOrder(g, team, personsTeam);
}

void BuildBowlingOrder(Game& g, int team, bool personsTeam)
{
    CURRENT& c = g.Current;
    for (int k = 0; k < MAX_ELEVEN; ++k) {
        int m = g.pTest->nPlayer[k][team];
        if (m < 0 || m >= MAX_SQUAD) {
            g.Log("No eleven for Team %d: no bowling order\n", team);
            return;
        }
    }
    const PLAYER* p[MAX_ELEVEN];
    int strength[MAX_ELEVEN];
    bool candidate[MAX_ELEVEN] = {};
    for (int k = 0; k < MAX_ELEVEN; ++k) {
        p[k] = &Member(g, team, g.pTest->nPlayer[k][team]);
        strength[k] = OrderingBowlStrength(g, *p[k]);
    }

    // Keeper: the candidate with the highest bowling (keeping) strength; all
    // candidates then sort last. Without a candidate, the best fielder keeps.
    int keeper = -1;
    for (int k = 0; k < MAX_ELEVEN; ++k) {
        candidate[k] = p[k]->nBowlType == BOWL_NONE || p[k]->nFieldType == FIELD_KEEPER;
        if (candidate[k] && (keeper < 0 || strength[k] > strength[keeper])) keeper = k;
    }
    if (keeper < 0) {
        keeper = 0;
        for (int k = 1; k < MAX_ELEVEN; ++k)
            if (p[k]->nFieldSkill > p[keeper]->nFieldSkill) keeper = k;
        candidate[keeper] = true;
    }
    for (int k = 0; k < MAX_ELEVEN; ++k)
        if (candidate[k]) strength[k] = -1;
    g.pTest->nKeeper[team] = g.pTest->nPlayer[keeper][team];

    // The rotation list holds positions of the eleven, best bowler first.
    int order[MAX_ELEVEN];
    for (int k = 0; k < MAX_ELEVEN; ++k) order[k] = k;
    for (int pass = 0; pass < MAX_ELEVEN; ++pass)
        for (int i = 0; i + 1 < MAX_ELEVEN; ++i)
            if (strength[order[i]] < strength[order[i + 1]]) std::swap(order[i], order[i + 1]);

    int main = 0, occasional = 0, any = 0;
    for (int k = 0; k < MAX_ELEVEN; ++k) {
        int status = p[k]->nBowlStatus;
        if (status >= STATUS_MAIN) ++main;
        if (status >= STATUS_SUPPORT) ++occasional;
        if (status >= STATUS_VERYOCCASIONAL) ++any;
    }
    const int wanted = WantedBowlers(g);
    c.nMainBowlers[team] = main;
    c.nMaxBowlers[team] = occasional;
    g.Log("Want to select %d bowlers for Team %d\n", wanted, team);
    g.Log("Found  Main:%d  Occasional:%d  Any:%d\n", main, occasional, any);
    if (main < wanted) {
        int raised = std::min(wanted, 4);
        g.Log("Upping nMainBowlers from %d to %d\n", main, raised);
        c.nMainBowlers[team] = raised;
    }
    if (occasional < wanted) {
        g.Log("Upping nAllBowlers from %d to %d\n", static_cast<int>(c.nMaxBowlers[team]), any);
        c.nMaxBowlers[team] = any;
    }
    if (any < wanted) {
        if (personsTeam && any < 4)
            g.host->MessageBox("Not enough bowlers selected.", "Ovalspin - Warning", BoxButtons::Ok,
                               BoxIcon::Exclamation);
        int raised = std::max(any, 4);
        g.Log("Upping nAnyBowlers from %d to %d\n", static_cast<int>(c.nMaxBowlers[team]), raised);
        c.nMaxBowlers[team] = raised;
    }
    if (c.nMaxBowlers[team] < c.nMainBowlers[team]) c.nMaxBowlers[team] = c.nMainBowlers[team];
    g.Log("_Current.nMainBowlers [%d] = %d\n", team, static_cast<int>(c.nMainBowlers[team]));
    g.Log("_Current.nMaxBowlers [%d]  = %d\n", team, static_cast<int>(c.nMaxBowlers[team]));

    // The bowlers who may bowl: keepers last, then by status, pace and strength.
    auto after = [&](int a, int b) {
        if (candidate[a] != candidate[b]) return candidate[a];
        int sa = p[a]->nBowlStatus, sb = p[b]->nBowlStatus;
        if (sa != sb) return sa < sb;
        int ta = p[a]->nBowlType, tb = p[b]->nBowlType;
        if (ta != tb) return ta < tb;
        return strength[a] < strength[b];
    };
    for (int pass = 0; pass < any; ++pass)
        for (int i = 0; i + 1 < any; ++i)
            if (after(order[i], order[i + 1])) std::swap(order[i], order[i + 1]);

    for (int i = 0; i < MAX_ELEVEN; ++i) c.nBowlOrder[i][team] = i < any ? order[i] : -1;
    // The log line is only put together when the log will take it.
    if (g.log.Wanted()) {
        std::string line = "Final Bowling Order is ";
        for (int i = 0; i < MAX_ELEVEN; ++i) line += std::to_string(static_cast<int>(c.nBowlOrder[i][team])) + " ";
        g.Log("%s\n", line.c_str());
    }
}

}  // namespace ovs
