// The ball-by-ball scorecard file of a Test.
#include "core/ballbyball.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/format.h"
#include "core/arith.h"
#include "core/clock.h"
#include "core/conditions.h"
#include "core/flow.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/replay.h"
#include "core/setup.h"
#include "report/scoreboard_text.h"
#include "sim/booking.h"

namespace ovs {

namespace {

const std::string kRule(LINE_WIDTH, '-');

bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }

template <std::size_t N>
std::string Field(const char (&text)[N])
{
    return std::string(text, strnlen(text, N));
}

// Balls have been bowled in the innings in play.
bool BallsBowled(const Game& g) { return g.pInnings && g.pInnings->nTotalBalls > 0; }

std::string BatsmanName(const Game& g, int slot)
{
    return ValidSlot(slot) ? ball::SlotName(g, g.Current.nBatSide, slot) : std::string();
}

std::string FilePath(Game& g, const std::string& name)
{
    return (std::filesystem::path(g.host->DataDir()) / name).string();
}

// A fixed-width piece of the over line; the character its terminator left
// behind is then set by the caller.
void PutAt(BallByBall& b, const std::string& text, int col) { LinePut(b.out, text, col); }

// Up to three letters or digits of a squad abbreviation, upper case.
std::string Abbreviation(const char* text, std::size_t size)
{
    std::string s;
    for (std::size_t i = 0; i < size && text[i] && s.size() < 3; ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (std::isalnum(ch)) s += static_cast<char>(std::toupper(ch));
    }
    return s;
}

std::string VenueName(const Game& g, int t)
{
    const int gr = g.Series.nGround[t];
    if (gr < static_cast<int>(g.db.grounds.size())) return Field(g.db.grounds[gr].szName);
    return Field(g.Series.Venue[t].szName);
}

}  // namespace

// --- The writing primitives ---------------------------------------------------

bool BbbIsOpen(const Game& g) { return TextFileIsOpen(g.bbb.out); }

void BbbWrite(Game& g, const std::string& text)
{
    if (!BbbIsOpen(g)) return;
    TextWrite(g.bbb.out, text);
}

void BbbInningsHeader(Game& g)
{
    if (!BbbIsOpen(g)) return;
    const int n = g.Current.nInnings;
    BbbWrite(g, Format("%s %s Innings\n", SquadName(g, g.Current.nBatSide).c_str(), n < 2 ? "1st" : "2nd"));
    g.bbb.bBlockOpen = 0;
    g.bbb.bLineOpen = 0;
}

void BbbOpenBlock(Game& g)
{
    if (!BbbIsOpen(g)) return;
    const CURRENT& c = g.Current;
    std::string text = "\n" + kRule + "\n| Time|Bl|";
    text += Format("%-18s|Rns|Bls|", BatsmanName(g, c.nPartnerA).c_str());
    text += Format("%-18s|Rns|Bls| Over|Totl|Wk|\n", BatsmanName(g, c.nPartnerB).c_str());
    text += kRule + "\n";
    BbbWrite(g, text);
    LineClear(g.bbb.out);
    g.bbb.bBlockOpen = 1;
}

void BbbCloseBlock(Game& g)
{
    if (!BbbIsOpen(g) || !g.bbb.bBlockOpen) return;
    BbbWrite(g, kRule + "\n\n");
    g.bbb.bBlockOpen = 0;
    g.bbb.bLineOpen = 0;
}

void BbbStartLine(Game& g)
{
    if (!BbbIsOpen(g)) return;
    BallByBall& b = g.bbb;
    const CURRENT& c = g.Current;
    if (!b.bBlockOpen) BbbOpenBlock(g);
    LineClear(b.out);
    // The time at this ball: the over's start plus its share of the over.
    const int start = b.nOverStart >= 0 ? static_cast<int>(b.nOverStart) : static_cast<int>(c.nTime);
    const int minutes = ValidSlot(c.nBowler) ? CurrentOverMinutes(g) : 0;
    const int t = AddMinutes(start, minutes * c.nBall / 6);
    PutAt(b, Format("|%2d:%02d|%2d", t / 100, t % 100, static_cast<int>(c.nBowler) + 1), 0);
    b.out.line[9] = '|';
    b.bLineOpen = 1;
}

const char* BbbCodeText(int outcome)
{
    switch (outcome) {
    case 1: case 20: case 22: case 29: case 30: case 31: return " .";
    case 2: return " 1";
    case 3: return " 2";
    case 4: return " 3";
    case 5: return " 4";
    case 6: return " 5";
    case 7: return " 6";
    case 8: return "WD";
    case 9: return "W2";
    case 10: return "W3";
    case 11: return "W4";
    case 12: return "L1";
    case 13: return "L2";
    case 14: return "L3";
    case 15: return "L4";
    case 16: return "B1";
    case 17: return "B2";
    case 18: return "B3";
    case 19: return "B4";
    case 21: return "DC";
    case 23: return "RM";
    case 24: return "R1";
    case 25: return "R2";
    case 26: return "R3";
    case 27: return "LA";
    case 28: return "MS";
    case 32: case 33: case 35: case 36: case 37: return "W!";
    case 64: return "NB";
    case 34: case 38: case 39: case 40: case 41: case 42: return "";
    default: return "  ";
    }
}

void BbbBallCode(Game& g, int outcome)
{
    BallByBall& b = g.bbb;
    if (!BbbIsOpen(g) || !b.bLineOpen) return;
    const char* code = BbbCodeText(outcome);
    if (!*code) return;
    const CURRENT& c = g.Current;
    const int k = c.nBallInOver;
    if (k < 0) return;
    // The over pane's mark says who received the ball; the strike may have
    // changed since (a run before a chance).
    int mark = 0;
    if (c.nOverRow >= 0 && c.nOverRow < OVER_HISTORY_ROWS && k < 12) mark = c.OverHistory[c.nOverRow].nMark[k];
    const bool toA = mark == 1 || mark == 2 ? mark == 1 : c.nStriker == c.nPartnerA;
    const int col = (toA ? BBB_CODES_A : BBB_CODES_B) + 2 * k;
    const int other = (toA ? BBB_CODES_B : BBB_CODES_A) + 2 * k;
    if (col + 2 > LINE_WIDTH) return;
    std::memcpy(b.out.line + col, code, 2);
    if (other + 2 <= LINE_WIDTH) std::memcpy(b.out.line + other, "  ", 2);
}

void BbbEndLine(Game& g)
{
    if (!BbbIsOpen(g)) return;
    BallByBall& b = g.bbb;
    if (!b.bLineOpen) BbbStartLine(g);
    const CURRENT& c = g.Current;
    int runsA = 0, ballsA = 0, runsB = 0, ballsB = 0, balls = 0, total = 0, wickets = 0;
    if (g.pInnings) {
        const INNINGS& in = *g.pInnings;
        if (ValidSlot(c.nPartnerA)) runsA = in.Bat[c.nPartnerA].nRuns, ballsA = in.Bat[c.nPartnerA].nBalls;
        if (ValidSlot(c.nPartnerB)) runsB = in.Bat[c.nPartnerB].nRuns, ballsB = in.Bat[c.nPartnerB].nBalls;
        balls = in.nTotalBalls;
        total = in.nTotal;
        wickets = in.nWickets;
    }
    PutAt(b, Format("|%3d|%3d", runsA, ballsA), BBB_FIGURES_A);
    b.out.line[36] = '|';
    PutAt(b, Format("|%3d|%3d", runsB, ballsB), BBB_FIGURES_B);
    b.out.line[63] = '|';
    PutAt(b, Format("%3d.%1d|%4d|%2d|", balls / 6, balls % 6, total, wickets), BBB_SCORE);
    BbbWrite(g, std::string(b.out.line, LINE_WIDTH) + "\n");
    b.bLineOpen = 0;
}

void BbbEventLine(Game& g, std::string_view text)
{
    if (!BbbIsOpen(g)) return;
    if (BallsBowled(g)) {
        // A second event of the same ball finds the line already written.
        if (g.bbb.bLineOpen) BbbEndLine(g);
        BbbCloseBlock(g);
    }
    BbbWrite(g, std::string(text) + "\n");
    // The over goes on below the event, unless it is done or the innings is.
    if (g.Current.nBall != 6 && g.pInnings && g.pInnings->nStatus == INNINGS_INPROGRESS) {
        BbbOpenBlock(g);
        BbbStartLine(g);
    }
}

void BbbIntervalLine(Game& g, const std::string& text)
{
    if (!BbbIsOpen(g)) return;
    if (BallsBowled(g)) BbbCloseBlock(g);
    BbbWrite(g, text + "\n");
}

// --- Where the match flow writes ----------------------------------------------

std::string BbbFileName(const Game& g, int t)
{
    std::string name;
    for (int side = 0; side < 2; ++side) {
        const SQUADSERIES& sq = g.Series.Squad[side];
        std::string abbr = Abbreviation(sq.szShort, sizeof sq.szShort);
        if (abbr.empty()) abbr = Abbreviation(sq.szName, sizeof sq.szName);
        if (abbr.empty()) abbr = side == 0 ? "HOM" : "AWY";
        name += abbr;
    }
    // At most 3 + 3 + 1 + 4 characters: the series record keeps 12 and a NUL.
    return name + Format("%d", (t >= 0 && t < MAX_TESTS ? t : 0) + 1) + ".TXT";
}

std::string BbbFilePath(Game& g, int t)
{
    if (g.Series.bBallByBall != 1 || t < 0 || t >= MAX_TESTS) return "";
    const std::string name = Field(g.Series.szBallByBall[t]);
    return name.empty() ? name : FilePath(g, name);
}

void BbbStartTest(Game& g)
{
    const int t = g.Current.nTest;
    if (g.Series.bBallByBall == 1 && !Replaying(g) && t >= 0 && t < MAX_TESTS) {
        const std::string name = BbbFileName(g, t);
        char(&stored)[13] = g.Series.szBallByBall[t];
        std::memset(stored, 0, sizeof stored);
        std::memcpy(stored, name.data(), std::min(name.size(), sizeof stored - 1));
        BbbForget(g);
        if (!TextFileOpen(g.bbb.out, FilePath(g, name), "wt")) g.Log("Unable to create %s\n", name.c_str());
        g.bbb.out.fileName = name;
    }
    BbbHeader(g);
}

void BbbHeader(Game& g)
{
    if (!BbbIsOpen(g)) return;
    const CURRENT& c = g.Current;
    BbbWrite(g, "Ovalspin Ball by Ball Scorecard\n" + std::string(49, '=') + "\n\n\n");
    BbbWrite(g, Format("%s vs %s\n", SquadName(g, 0).c_str(), SquadName(g, 1).c_str()));
    const int t = c.nTest;
    if (g.Series.nNumTests > 1)
        BbbWrite(g, Format("%s Test in a series of %d Tests.\n", TestOrdinal(t + 1).c_str(),
                           static_cast<int>(g.Series.nNumTests)));
    else if (t >= 0 && t < MAX_TESTS)
        BbbWrite(g, Format("Played at %s\n\n", VenueName(g, t).c_str()));
    BbbWrite(g, ConditionsText(c));
    const int winner = g.pTest ? static_cast<int>(g.pTest->nTossWinner) : -1;
    BbbWrite(g, Format("\n%s won the toss and elected to ", SquadName(g, winner).c_str()));
    BbbWrite(g, winner == c.nBatSide ? "bat.\n\n" : "bowl.\n\n");
}

void BbbBeginOver(Game& g)
{
    g.bbb.nOverStart = g.Current.nTime;
    BbbStartLine(g);
}

void BbbEndOver(Game& g)
{
    if (g.bbb.bLineOpen) BbbEndLine(g);
}

void BbbWicketBall(Game& g)
{
    if (!BbbIsOpen(g) || !BallsBowled(g)) return;
    BbbEndOver(g);
    BbbCloseBlock(g);
}

void BbbContinueOver(Game& g)
{
    BbbOpenBlock(g);
    BbbStartLine(g);
}

void BbbInningsScoreboard(Game& g)
{
    if (!BbbIsOpen(g)) return;
    BbbCloseBlock(g);
    WriteInningsScoreboard(g, g.bbb.out, g.Current.nTest, g.Current.nInnings);
}

void BbbEndTest(Game& g, int test)
{
    if (!BbbIsOpen(g)) return;
    BbbWrite(g, "\n" + kRule + "\n");
    WriteScoreboardText(g, g.bbb.out, test);
    TextFileClose(g.bbb.out);
    g.bbb.bBlockOpen = g.bbb.bLineOpen = 0;
    if (g.Watched() && test >= 0 && test < MAX_TESTS)
        g.host->MessageBox(Format("Ball By Ball output written to %s.\n", Field(g.Series.szBallByBall[test]).c_str()),
                           "Ovalspin", BoxButtons::Ok, BoxIcon::Information);
}

void BbbForget(Game& g)
{
    TextFileClose(g.bbb.out);
    g.bbb.bBlockOpen = g.bbb.bLineOpen = 0;
    g.bbb.nOverStart = -1;
}

void CloseBallByBall(Game& g, const char* line)
{
    if (!BbbIsOpen(g)) return;
    BbbCloseBlock(g);
    BbbWrite(g, line);
    BbbForget(g);
}

void BbbContinue(Game& g, bool testBegun)
{
    CloseBallByBall(g, "Abandonned Current Position\n");
    if (g.Series.bBallByBall != 1 || !testBegun) return;
    const int t = g.Current.nTest;
    const std::string name = t >= 0 && t < MAX_TESTS ? Field(g.Series.szBallByBall[t]) : std::string();
    if (name.empty() || !TextFileOpen(g.bbb.out, FilePath(g, name), "at")) {
        TextFileClose(g.bbb.out);
        g.host->MessageBox("Unable to open Ball by Ball Test file.", "Ovalspin", BoxButtons::Ok,
                           BoxIcon::Exclamation);
        return;
    }
    g.bbb.out.fileName = name;
    BbbWrite(g, "\nContinuing from saved Position\n");
    // A position saved in mid-over goes on with that over in a block of its own.
    const CURRENT& c = g.Current;
    if (g.pInnings && g.pInnings->nStatus == INNINGS_INPROGRESS && c.nBall > 0 && c.nBall < 6) {
        g.bbb.nOverStart = c.nTime;
        BbbContinueOver(g);
    }
}

}  // namespace ovs
