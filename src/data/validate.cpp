// The check of a loaded image: every index and count against its store.
#include "data/validate.h"

#include <cstdarg>
#include <cstdio>

#include "core/format.h"

namespace ovs {

namespace {

// Collects the first fault. Each test names the record and field as the
// refusal will show them; later tests after a fault do nothing.
class Check {
public:
    explicit Check(const char* fileWord) : word_(fileWord) {}

    bool Ok() const { return fault_.empty(); }
    const std::string& Fault() const { return fault_; }

    // v must lie in lo..hi, or equal `none` (the field's "no such thing").
    void Range(int v, int lo, int hi, int none, const char* what)
    {
        if (!Ok() || v == none || (v >= lo && v <= hi)) return;
        char text[240];
        if (hi < lo)
            FormatTo(text, sizeof text, "This %s is damaged: %s is %d, but there is nothing it can refer to.", word_,
                     what, v);
        else
            FormatTo(text, sizeof text, "This %s is damaged: %s is %d; it must lie between %d and %d.", word_, what,
                     v, lo, hi);
        fault_ = text;
    }
    void Range(int v, int lo, int hi, const char* what) { Range(v, lo, hi, lo, what); }

    // An enumeration code that must be one of `codes`.
    void Code(int v, std::initializer_list<int> codes, const char* what)
    {
        if (!Ok()) return;
        for (int c : codes)
            if (v == c) return;
        char text[240];
        FormatTo(text, sizeof text, "This %s is damaged: %s has the unknown code %d.", word_, what, v);
        fault_ = text;
    }

    // A name for the field, built only when a test is about to be made.
    const char* Name(const char* fmt, ...) __attribute__((format(printf, 2, 3)))
    {
        std::va_list ap;
        va_start(ap, fmt);
        FormatV(name_, sizeof name_, fmt, ap);
        va_end(ap);
        return name_;
    }

private:
    const char* word_;
    std::string fault_;
    char name_[160] = {};
};

constexpr int kNone = -1;
constexpr int kSlots = MAX_ELEVEN - 1;   // slots 0..10

// Bowling types, and 0 for a blank record not yet given one.
constexpr std::initializer_list<int> kBowlTypes = {BOWL_NONE,       BOWL_OFFSPIN,    BOWL_LEGSPIN, BOWL_SLOW,
                                                   BOWL_MEDIUM,     BOWL_MEDIUMFAST, BOWL_FASTMEDIUM,
                                                   BOWL_FAST,       0};

void CheckPlayer(Check& k, const PLAYER& p, int i)
{
    k.Code(p.nBowlType, kBowlTypes, k.Name("player %d's bowling type", i));
    k.Range(p.nMorale, 0, 7, k.Name("player %d's morale", i));
    k.Range(p.nInjury, 0, 0x7FFF, k.Name("player %d's injury", i));
}

void CheckSquad(Check& k, const SQUAD& s, int i, int players, int grounds)
{
    k.Range(s.nMembers, 0, MAX_SQUAD, k.Name("the number of members of squad %d", i));
    k.Range(s.nGrounds, 0, MAX_HOME_GROUNDS, k.Name("the number of home grounds of squad %d", i));
    if (!k.Ok()) return;
    for (int m = 0; m < MAX_SQUAD; ++m)
        if (m < s.nMembers)
            k.Range(s.nPlayer[m], 0, players - 1, k.Name("squad %d member %d's player", i, m));
        else
            k.Range(s.nPlayer[m], 0, players - 1, kNone, k.Name("squad %d member %d's player", i, m));
    for (int gr = 0; gr < MAX_HOME_GROUNDS; ++gr)
        if (gr < s.nGrounds)
            k.Range(s.nGround[gr], 0, grounds - 1, k.Name("squad %d home ground %d", i, gr));
        else
            k.Range(s.nGround[gr], 0, grounds - 1, kNone, k.Name("squad %d home ground %d", i, gr));
    k.Range(s.nLeaguePos, 0, MAX_LEAGUE_TEAMS - 1, kNone, k.Name("squad %d's league position", i));
}

void CheckTimeOfDay(Check& k, int hhmm, const char* what)
{
    k.Range(hhmm, 0, 2359, what);
    if (k.Ok()) k.Range(hhmm % 100, 0, 59, what);
}

void CheckGround(Check& k, const GROUND& gr, int i)
{
    k.Range(gr.nSize, -5, 5, k.Name("ground %d's size", i));
    for (int f = 0; f < PACE_FACTORS; ++f) k.Range(gr.nPace[f], -5, 5, k.Name("ground %d's pace factor %d", i, f));
    CheckTimeOfDay(k, gr.nStart, k.Name("ground %d's start of play", i));
    CheckTimeOfDay(k, gr.nSunset, k.Name("ground %d's sunset", i));
}

void CheckWhere(Check& k, const RECORD_WHERE& w, const Stores& db, int rank, const char* table)
{
    k.Range(w.nTeam, 0, db.NumSquads() - 1, kNone, k.Name("record rank %d of %s: the team", rank, table));
    k.Range(w.nOpponent, 0, db.NumSquads() - 1, kNone, k.Name("record rank %d of %s: the opponent", rank, table));
    k.Range(w.nGround, 0, db.NumGrounds() - 1, kNone, k.Name("record rank %d of %s: the ground", rank, table));
}

template <typename E>
void CheckEntry(Check& k, const E& e, const Stores& db, int rank, const char* table)
{
    if constexpr (requires { e.nPlayer; })
        k.Range(e.nPlayer, 0, db.NumPlayers() - 1, kNone, k.Name("record rank %d of %s: the player", rank, table));
    if constexpr (requires { e.nBatA; }) {
        k.Range(e.nBatA, 0, db.NumPlayers() - 1, kNone, k.Name("record rank %d of %s: the batsman", rank, table));
        k.Range(e.nBatB, 0, db.NumPlayers() - 1, kNone, k.Name("record rank %d of %s: the partner", rank, table));
    }
    CheckWhere(k, e.Where, db, rank, table);
}

void CheckRecords(Check& k, const RECORDS& r, const Stores& db, int rank)
{
    CheckEntry(k, r.HighInnings, db, rank, "highest innings");
    CheckEntry(k, r.LowInnings, db, rank, "lowest innings");
    CheckEntry(k, r.HighScore, db, rank, "highest scores");
    CheckEntry(k, r.SeriesRuns, db, rank, "most runs in a series");
    for (const auto& p : r.Partnership) CheckEntry(k, p, db, rank, "partnerships");
    CheckEntry(k, r.BowlInnings, db, rank, "best bowling in an innings");
    CheckEntry(k, r.BowlTest, db, rank, "best bowling in a Test");
    CheckEntry(k, r.SeriesWickets, db, rank, "most wickets in a series");
    CheckEntry(k, r.KeeperInnings, db, rank, "keeping in an innings");
    CheckEntry(k, r.KeeperTest, db, rank, "keeping in a Test");
    CheckEntry(k, r.KeeperSeries, db, rank, "keeping in a series");
    CheckEntry(k, r.CatchesInnings, db, rank, "catches in an innings");
    CheckEntry(k, r.CatchesTest, db, rank, "catches in a Test");
    CheckEntry(k, r.CatchesSeries, db, rank, "catches in a series");
    CheckEntry(k, r.PointsTest, db, rank, "points in a Test");
    CheckEntry(k, r.PointsSeries, db, rank, "points in a series");
}

void CheckInnings(Check& k, const INNINGS& in, const char* what, int i)
{
    // A started innings has its two sides; one not started may have none yet.
    const int none = in.nStatus == INNINGS_NOTSTARTED ? kNone : 0;
    k.Range(in.nBatSide, 0, 1, none, k.Name("%s innings %d's batting side", what, i));
    if (in.nBatSide == 0 || in.nBatSide == 1)
        k.Range(in.nBowlSide, 1 - in.nBatSide, 1 - in.nBatSide, none, k.Name("%s innings %d's bowling side", what, i));
    else
        k.Range(in.nBowlSide, 0, 1, none, k.Name("%s innings %d's bowling side", what, i));
    for (int p = 0; p < MAX_ELEVEN; ++p)
        k.Range(in.nOrder[p], 0, kSlots, kNone, k.Name("%s innings %d's batting order entry %d", what, i, p));
    for (int b = 0; b < 10; ++b)
        k.Range(in.nBowlers[b], 0, kSlots, kNone, k.Name("%s innings %d's bowler %d", what, i, b));
    k.Range(in.nKeeperPos, 0, kSlots, kNone, k.Name("%s innings %d's keeper", what, i));
    k.Code(in.nStatus,
           {INNINGS_NOTSTARTED, INNINGS_INPROGRESS, INNINGS_ENDED, INNINGS_ENDED | INNINGS_DECLARED,
            INNINGS_DECLARED, INNINGS_ENDED | INNINGS_RESULT, INNINGS_RESULT, INNINGS_ENDED | INNINGS_DRAWN,
            INNINGS_DRAWN, INNINGS_ENDED | INNINGS_DECLARED | INNINGS_RESULT,
            INNINGS_DECLARED | INNINGS_RESULT, INNINGS_ENDED | INNINGS_DECLARED | INNINGS_DRAWN,
            INNINGS_DECLARED | INNINGS_DRAWN},
           k.Name("%s innings %d's status", what, i));
    for (int s = 0; s < MAX_ELEVEN; ++s) {
        const BAT& b = in.Bat[s];
        k.Code(b.nHowOut,
               {HOWOUT_DIDNOTBAT, HOWOUT_NOTOUT, HOWOUT_BOWLED, HOWOUT_CAUGHT, HOWOUT_RUNOUT, HOWOUT_LBW,
                HOWOUT_STUMPED},
               k.Name("%s innings %d slot %d's how out", what, i, s));
        k.Range(b.nBowler, 0, kSlots, 255, k.Name("%s innings %d slot %d's bowler", what, i, s));
        k.Range(b.nFielder, 0, kSlots, 255, k.Name("%s innings %d slot %d's fielder", what, i, s));
    }
    for (int w = 0; w < 10; ++w) {
        k.Range(in.Fow[w].nBatA, 0, kSlots, k.Name("%s innings %d wicket %d's batsman", what, i, w + 1));
        k.Range(in.Fow[w].nBatB, 0, kSlots, k.Name("%s innings %d wicket %d's partner", what, i, w + 1));
    }
    k.Range(in.nWickets, 0, 10, k.Name("%s innings %d's wickets", what, i));
}

void CheckTest(Check& k, const TEST& t, const Stores& db, const char* what, int i)
{
    k.Range(t.nTossWinner, 0, 1, kNone, k.Name("%s Test %d's toss winner", what, i));
    k.Range(t.nGround, 0, db.NumGrounds() - 1, kNone, k.Name("%s Test %d's ground", what, i));
    k.Range(t.nWinner, 0, 1, kNone, k.Name("%s Test %d's winner", what, i));
    for (int s = 0; s < MAX_ELEVEN; ++s)
        for (int side = 0; side < 2; ++side)
            k.Range(t.nPlayer[s][side], 0, MAX_SQUAD - 1, kNone,
                    k.Name("%s Test %d side %d slot %d's member", what, i, side, s));
    for (int side = 0; side < 2; ++side) {
        k.Range(t.nKeeper[side], 0, MAX_SQUAD - 1, 0xFFFF, k.Name("%s Test %d side %d's keeper", what, i, side));
        k.Range(t.nNewBall1[side], 0, MAX_SQUAD - 1, 0xFFFF,
                k.Name("%s Test %d side %d's first new-ball bowler", what, i, side));
        k.Range(t.nNewBall2[side], 0, MAX_SQUAD - 1, 0xFFFF,
                k.Name("%s Test %d side %d's second new-ball bowler", what, i, side));
    }
    for (int n = 0; n < MAX_INNINGS && k.Ok(); ++n) CheckInnings(k, t.Innings[n], k.Name("%s Test %d", what, i), n);
    k.Range(t.Replay.nLength, 0, REPLAY_DATA, k.Name("the length of %s Test %d's replay stream", what, i));
    k.Range(t.Replay.nPosition, 0, t.Replay.nLength,
            k.Name("the read position of %s Test %d's replay stream", what, i));
}

}  // namespace

std::string CheckDatabaseImage(const Stores& db, const char* fileWord)
{
    Check k(fileWord);
    const int players = db.NumPlayers(), squads = db.NumSquads(), grounds = db.NumGrounds();
    for (int i = 0; i < players && k.Ok(); ++i) CheckPlayer(k, db.players[static_cast<std::size_t>(i)], i);
    for (int i = 0; i < squads && k.Ok(); ++i)
        CheckSquad(k, db.squads[static_cast<std::size_t>(i)], i, players, grounds);
    for (int i = 0; i < grounds && k.Ok(); ++i) CheckGround(k, db.grounds[static_cast<std::size_t>(i)], i);
    for (int i = 0; i < db.NumRecords() && k.Ok(); ++i)
        CheckRecords(k, db.records[static_cast<std::size_t>(i)], db, i);
    return k.Fault();
}

std::string CheckSeries(const Stores& db, const SERIES& s, const char* what)
{
    Check k("Saved Data");
    for (int side = 0; side < 2; ++side) {
        k.Code(s.nControl[side],
               {0xFFFF, CONTROL_COMPUTER, CONTROL_HUMAN, CONTROL_HUMAN | CONTROL_COMPUTER, CONTROL_NETHOME,
                CONTROL_NETAWAY, CONTROL_REPLAY},
               k.Name("%s side %d's control", what, side));
        k.Range(s.nSquad[side], 0, db.NumSquads() - 1, kNone, k.Name("%s side %d's squad", what, side));
    }
    for (int t = 0; t < MAX_TESTS; ++t)
        k.Range(s.nGround[t], 0, db.NumGrounds() - 1, 255, k.Name("%s Test %d's venue", what, t));
    k.Range(s.nNumTests, 0, MAX_TESTS, k.Name("the number of Tests of %s", what));
    for (int side = 0; side < 2 && k.Ok(); ++side) {
        const SQUADSERIES& sq = s.Squad[side];
        k.Range(sq.nMembers, 0, MAX_SQUAD, k.Name("%s side %d's number of members", what, side));
        k.Range(sq.nGrounds, 0, MAX_HOME_GROUNDS, k.Name("%s side %d's number of home grounds", what, side));
        for (int m = 0; m < MAX_SQUAD; ++m)
            k.Range(sq.nPlayer[m], 0, db.NumPlayers() - 1, kNone,
                    k.Name("%s side %d member %d's player", what, side, m));
        for (int gr = 0; gr < MAX_HOME_GROUNDS; ++gr)
            k.Range(sq.nGround[gr], 0, db.NumGrounds() - 1, kNone,
                    k.Name("%s side %d home ground %d", what, side, gr));
        for (int m = 0; m < MAX_SQUAD; ++m)
            k.Code(s.Player[m][side].nBowlType, kBowlTypes, k.Name("%s side %d member %d's bowling type", what, side, m));
    }
    for (int t = 0; t < MAX_TESTS && k.Ok(); ++t) CheckTest(k, s.Test[t], db, what, t);
    return k.Fault();
}

std::string CheckPositionState(const Stores& db, const SERIES& s, const CURRENT& c)
{
    Check k("Saved Data");
    // -1 between series; the number of Tests once every Test is played and
    // the end of the series is still to come.
    const bool inSeries = c.nTest >= 0;
    const bool inTest = inSeries && c.nTest < s.nNumTests;
    k.Range(c.nTest, 0, MAX_TESTS, kNone, "the current Test");
    if (inSeries) {
        // A series in play needs both squads and a Test count that reaches the current Test.
        k.Range(s.nNumTests, c.nTest == 0 ? 1 : static_cast<int>(c.nTest), MAX_TESTS, "the number of Tests of the series");
        for (int side = 0; side < 2; ++side)
            k.Range(s.nSquad[side], 0, db.NumSquads() - 1, k.Name("the series side %d's squad", side));
        for (int side = 0; side < 2 && inTest && k.Ok(); ++side) {
            const SQUAD& sq = db.squads[static_cast<std::size_t>(s.nSquad[side])];
            const TEST& t = s.Test[c.nTest];
            for (int slot = 0; slot < MAX_ELEVEN; ++slot)
                k.Range(t.nPlayer[slot][side], 0, sq.nMembers - 1, kNone,
                        k.Name("the current Test side %d slot %d's member", side, slot));
        }
    }
    k.Range(c.nInnings, 0, MAX_INNINGS, "the current innings");
    k.Range(c.nDay, 0, 6, "the current day");
    k.Range(c.nBatSide, 0, 1, kNone, "the batting side");
    k.Range(c.nBowlSide, 0, 1, kNone, "the bowling side");
    if (inTest && c.nInnings < MAX_INNINGS && k.Ok()) {
        const INNINGS& in = s.Test[c.nTest].Innings[c.nInnings];
        if (in.nStatus == INNINGS_INPROGRESS) {
            k.Range(c.nBatSide, 0, 1, "the batting side of the innings in play");
            k.Range(c.nBowlSide, 1 - c.nBatSide, 1 - c.nBatSide, "the bowling side of the innings in play");
        }
    }
    const struct {
        std::int16_t v;
        const char* name;
    } slots[] = {{c.nStriker, "the striker"},       {c.nNonStriker, "the non-striker"},
                 {c.nOut, "the batsman out last"},  {c.nPartnerA, "the first partner"},
                 {c.nPartnerB, "the second partner"}, {c.nBowler, "the bowler"},
                 {c.nOtherBowler, "the other bowler"}, {c.nProtected, "the protected batsman"},
                 {c.nLastBowler, "the last bowler"}};
    for (const auto& sl : slots) k.Range(sl.v, 0, kSlots, kNone, sl.name);
    k.Range(c.nBall, 0, 6, "the ball of the over");
    k.Range(c.nBallInOver, 0, 12, "the outcomes shown in the over");
    k.Range(c.nOverRow, 0, OVER_HISTORY_ROWS - 1, "the over pane's row");
    k.Range(c.nOverRows, 0, OVER_HISTORY_ROWS, "the over pane's rows");
    k.Range(c.nNumBowlers, 0, MAX_ELEVEN, "the number of bowlers in the rotation");
    k.Range(c.nRotation, 0, MAX_ELEVEN, "the place in the bowling rotation");
    for (int side = 0; side < 2; ++side) {
        k.Range(c.nMainBowlers[side], 0, MAX_ELEVEN, k.Name("side %d's main bowlers", side));
        k.Range(c.nMaxBowlers[side], 0, MAX_ELEVEN, k.Name("side %d's most bowlers", side));
        for (int i = 0; i < MAX_ELEVEN; ++i)
            k.Range(c.nBowlOrder[i][side], 0, kSlots, kNone, k.Name("side %d's bowling order entry %d", side, i));
    }
    for (int r = 0; r < OVER_HISTORY_ROWS; ++r)
        k.Range(c.OverHistory[r].nBowler, 0, kSlots, 0xFFFF, k.Name("the bowler of over pane row %d", r));
    return k.Fault();
}

std::string CheckLeague(const Stores& db, const LEAGUE& l)
{
    Check k("Saved Data");
    k.Range(l.nSquads, 0, MAX_LEAGUE_TEAMS, "the number of league teams");
    k.Range(l.nTests, 0, MAX_TESTS, 255, "the Tests of a league rubber");
    k.Range(l.nRound, 0, MAX_LEAGUE_ROUNDS, "the league round");
    k.Range(l.nFixture, 0, MAX_LEAGUE_FIXTURES, "the league fixture");
    if (!k.Ok()) return k.Fault();
    for (int t = 0; t < MAX_LEAGUE_TEAMS; ++t) {
        if (t < l.nSquads)
            k.Range(l.nSquad[t], 0, db.NumSquads() - 1, k.Name("league team %d's squad", t));
        else
            k.Range(l.nSquad[t], 0, db.NumSquads() - 1, kNone, k.Name("league team %d's squad", t));
    }
    // A league set up: two teams at least, each the computer's or a person's,
    // and a round and fixture the league can play on from.
    if (LeagueSetUp(l)) {
        k.Range(l.nSquads, 2, MAX_LEAGUE_TEAMS, "the number of league teams");
        for (int t = 0; t < l.nSquads && t < MAX_LEAGUE_TEAMS; ++t)
            k.Range(l.nControl[t], 1, 2, k.Name("league team %d's controller", t));
        k.Range(l.nRound, 0, LeagueAllRounds(l.nSquads), "the league round");
        k.Range(l.nFixture, 0, LeagueSlots(l.nSquads) - 1, "the league fixture");
    }
    for (int r = 0; r < MAX_LEAGUE_ROUNDS; ++r)
        for (int f = 0; f < MAX_LEAGUE_FIXTURES; ++f) {
            k.Range(l.Fixture[r][f].nHome, 0, l.nSquads - 1, kNone,
                    k.Name("league round %d fixture %d's home team", r, f));
            k.Range(l.Fixture[r][f].nAway, 0, l.nSquads - 1, kNone,
                    k.Name("league round %d fixture %d's away team", r, f));
        }
    return k.Fault();
}

}  // namespace ovs
