// The squad averages views: the batting, bowling or performance points
// averages of one side's members for the series in play, the league or their
// careers, painted as a fixed table in character columns.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <iterator>
#include <vector>

#include "core/game.h"
#include "core/innings.h"
#include "data/statistics.h"
#include "data/texts.h"
#include "dialog_util.h"
#include "report_files.h"
#include "dialogs.h"

namespace gui {

namespace {

using ovs::SquadAverages;

// Cells across the table; the columns below end (right-aligned) or start
// (left-aligned, the names) at these cells, as the text averages have them.
constexpr int kCells = 83;
constexpr int kHeadRow = 1;
constexpr int kFirstRow = 3;

struct Column {
    const char* head;
    int cell;   // right edge, or left edge for the name
};

const Column kBatting[] = {{"Player", 0}, {"T", 28},    {"I", 34},    {"NO", 39}, {"Runs", 47}, {"Avge", 54},
                           {"HS", 58},    {"100", 64},  {"50", 69},   {"Ct", 74}, {"St", 78}};
const Column kBowling[] = {{"Player", 0}, {"T", 28},    {"O", 37},    {"M", 43},  {"Runs", 51}, {"Wkts", 57},
                           {"Avge", 64},  {"Best", 70}, {"wI", 75},   {"wM", 78}};
const Column kPoints[] = {{"Player", 0}, {"T", 28}, {"Pts", 38}, {"Avge", 48}, {"Best", 56}};

QString Num(long v) { return QString::number(v); }

QString Fixed2(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

// The figures of one member in the columns of `kind` after the name.
std::vector<QString> Figures(SquadAverages kind, const ovs::AVERAGE& a)
{
    switch (kind) {
    case SquadAverages::Batting: {
        const ovs::AVERAGE_BAT& b = a.Bat;
        // Never dismissed: no average; no innings: no highest score.
        const QString avge = b.fAverage >= 0 ? Fixed2(b.fAverage) : QString();
        QString hs;
        if (b.nHighScore >= 0) hs = Num(b.nHighScore) + (b.nHighHowOut == ovs::HOWOUT_NOTOUT ? "*" : "");
        return {Num(b.nTests),    Num(b.nInnings),  Num(b.nNotOuts),
                Num(b.nRuns),     avge,             hs,
                Num(b.nHundreds), Num(b.nFifties),  Num(a.Field.nCatches + a.Field.nKeeperCatches),
                Num(a.Field.nStumpings)};
    }
    case SquadAverages::Bowling: {
        const ovs::AVERAGE_BOWL& w = a.Bowl;
        const long balls = w.nBalls;
        const QString overs = QString::asprintf("%ld.%d", balls / 6, static_cast<int>(balls % 6));
        // Without a wicket the stored average is runs + 100000.
        const QString avge = w.nWickets > 0 && w.fAverage < 100000.0f ? Fixed2(w.fAverage) : QString();
        const bool best = w.nBestWickets > 0 || w.nBestRuns > 0;
        return {Num(w.nMatches),
                overs,
                Num(w.nMaidens),
                Num(w.nRuns),
                Num(w.nWickets),
                avge,
                best ? QString::asprintf("%d-%d", int(w.nBestWickets), int(w.nBestRuns)) : QString(),
                Num(w.nFiveWickets),
                Num(w.nTenWickets)};
    }
    case SquadAverages::Points: {
        const ovs::AVERAGE_POINTS& p = a.Points;
        const bool played = p.nMatches > 0;
        return {Num(p.nMatches), Num(p.nPoints), played ? Fixed2(p.fAverage) : QString(),
                played ? Num(p.nBest) : QString()};
    }
    }
    return {};
}

template <std::size_t N>
void Heads(ColumnCanvas& canvas, const Column (&cols)[N])
{
    for (const Column& c : cols)
        canvas.Add(c.cell, kHeadRow, c.cell == 0 ? CellText::Left : CellText::Right, c.head);
}

const char* KindWord(SquadAverages kind)
{
    switch (kind) {
    case SquadAverages::Batting: return "Batting";
    case SquadAverages::Bowling: return "Bowling";
    case SquadAverages::Points: return "Performance Points";
    }
    return "";
}

const char* ModeWord(int mode)
{
    if (mode == ovs::AVERAGES_LEAGUE) return "League ";
    if (mode == ovs::AVERAGES_CAREER) return "Career ";
    return "Series ";
}

// The squad's name and member m's display name. In series mode the members
// are those of the squad as it stood when the series began (its snapshot,
// once taken).
std::string SquadTitleName(const ovs::Game& g, int mode, int teamOrSquad)
{
    if (mode == ovs::AVERAGES_SERIES) return teamOrSquad == 0 || teamOrSquad == 1 ? ovs::SquadName(g, teamOrSquad) : "";
    if (teamOrSquad < 0 || teamOrSquad >= static_cast<int>(g.db.squads.size())) return "";
    return g.db.squads[teamOrSquad].szName;
}

std::string MemberName(const ovs::Game& g, int mode, int teamOrSquad, int m)
{
    int player = -1;
    if (mode == ovs::AVERAGES_SERIES) {
        const ovs::SQUADSERIES& snap = g.Series.Squad[teamOrSquad];
        const int squad = g.Series.nSquad[teamOrSquad];
        if (snap.nMembers > 0)
            player = snap.nPlayer[m];
        else if (squad >= 0 && squad < static_cast<int>(g.db.squads.size()))
            player = g.db.squads[squad].nPlayer[m];
    } else {
        player = g.db.squads[teamOrSquad].nPlayer[m];
    }
    if (player < 0 || player >= static_cast<int>(g.db.players.size())) return "";
    return ovs::DisplayName(g.db.players[player]);
}

}  // namespace

QString SquadAveragesTitle(const ovs::Game& g, SquadAverages kind, int mode, int teamOrSquad)
{
    return Q(std::string(ModeWord(mode)) + KindWord(kind) + " Averages - " + SquadTitleName(g, mode, teamOrSquad));
}

int FillSquadAverages(const ovs::Game& g, SquadAverages kind, int mode, int teamOrSquad, ColumnCanvas& canvas)
{
    canvas.Clear();
    const Column* cols = nullptr;
    int n = 0;
    switch (kind) {
    case SquadAverages::Batting:
        Heads(canvas, kBatting);
        cols = kBatting;
        n = static_cast<int>(std::size(kBatting));
        break;
    case SquadAverages::Bowling:
        // "5" and "10" stand above "wI" and "wM".
        canvas.Add(75, kHeadRow - 1, CellText::Right, "5");
        canvas.Add(78, kHeadRow - 1, CellText::Right, "10");
        Heads(canvas, kBowling);
        cols = kBowling;
        n = static_cast<int>(std::size(kBowling));
        break;
    case SquadAverages::Points:
        Heads(canvas, kPoints);
        cols = kPoints;
        n = static_cast<int>(std::size(kPoints));
        break;
    }
    const std::vector<int> order = ovs::SquadAveragesOrder(g, kind, mode, teamOrSquad);
    int row = kFirstRow;
    for (int m : order) {
        const ovs::AVERAGE* a = ovs::SquadMemberAverage(g, mode, teamOrSquad, m);
        if (!a) continue;
        canvas.Add(cols[0].cell, row, CellText::Left, Q(MemberName(g, mode, teamOrSquad, m)));
        const std::vector<QString> figures = Figures(kind, *a);
        for (int k = 1; k < n && k - 1 < static_cast<int>(figures.size()); ++k)
            if (!figures[k - 1].isEmpty()) canvas.Add(cols[k].cell, row, CellText::Right, figures[k - 1]);
        ++row;
    }
    return row - kFirstRow;
}

void RunSquadAveragesBox(QWidget* parent, ovs::Game& g, SquadAverages kind, int mode, int teamOrSquad)
{
    QDialog d(parent);
    d.setObjectName(kind == SquadAverages::Batting   ? "BattingAveragesBox"
                    : kind == SquadAverages::Bowling ? "BowlingAveragesBox"
                                                     : "RatingAveragesBox");
    StyleDialog(d, SquadAveragesTitle(g, kind, mode, teamOrSquad));
    auto* top = new QVBoxLayout(&d);
    auto* canvas = new ColumnCanvas(kCells, kFirstRow + ovs::MAX_SQUAD, &d);
    canvas->setObjectName("canvas");
    const int rows = FillSquadAverages(g, kind, mode, teamOrSquad, *canvas);
    canvas->setMinimumHeight(canvas->fontMetrics().height() * (kFirstRow + rows + 1) + 8);
    canvas->setFixedHeight(canvas->minimumHeight());
    top->addWidget(canvas);
    // The averages report: the side's (or squad's) batting and bowling averages.
    ovs::ReportParams p;
    p.squad = mode == ovs::AVERAGES_SERIES ? static_cast<int>(g.Series.nSquad[teamOrSquad & 1]) : teamOrSquad;
    p.averages = mode == ovs::AVERAGES_SERIES   ? ovs::AveragesOf::Series
                 : mode == ovs::AVERAGES_LEAGUE ? ovs::AveragesOf::League
                                                : ovs::AveragesOf::Career;
    AddReportButtons(d, top, g, "averages", p);
    AddOkButton(d, top);
    d.exec();
}

void RunSeriesAveragesBoxes(QWidget* parent, ovs::Game& g, SquadAverages kind)
{
    for (int side = 0; side < 2; ++side) RunSquadAveragesBox(parent, g, kind, ovs::AVERAGES_SERIES, side);
}

}  // namespace gui
