// The scoreboard box: the full card of one innings, painted in 88 character
// columns, with the Test's other innings and the target underneath.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/clock.h"
#include "core/clock_internal.h"
#include "core/game.h"
#include "core/innings.h"
#include "dialog_util.h"
#include "report_files.h"
#include "dialogs.h"

namespace gui {

namespace {

const char* InningsWord(int n) { return n < 2 ? "1st" : "2nd"; }

// The card's rows: a heading, eleven batsmen, extras, total, the fall of
// wickets, a heading and ten bowlers, then the Test so far on two rows.
constexpr int kSummaryRow = 27;
constexpr int kScoreboardRows = kSummaryRow + 2;

QString Fmt(const char* format, int a)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, format, a);
    return QString::fromLatin1(buf);
}

// The title: whose innings, and its state from the batting side's view.
QString ScoreboardTitle(ovs::Game& g)
{
    const ovs::CURRENT& c = g.Current;
    const ovs::INNINGS& in = *g.pInnings;
    std::string s = ovs::SquadName(g, in.nBatSide) + " " + InningsWord(c.nInnings) + " Innings";
    if (ovs::FollowOnInForce(g) && c.nInnings == 2) s += " Following On";
    char buf[64];
    switch (static_cast<int>(in.nStatus)) {
    case ovs::INNINGS_INPROGRESS: {
        const ovs::DayTimes& tt = ovs::Timetable(g);
        const int t = c.nTime;
        const bool brk = g.pTest->bBreak == 1;
        auto day = [&](const char* word) {
            std::snprintf(buf, sizeof buf, " Day %d%s", static_cast<int>(c.nDay), word);
            s += buf;
        };
        if (in.nTotalBalls == 0) day(" Start");
        if (brk && tt.nLunchTime <= t && t <= ovs::CarryTime(tt.nLunchTime + 50)) day(" Lunchtime");
        if (brk && tt.nTeaTime <= t && t <= ovs::CarryTime(tt.nTeaTime + 30)) day(" Teatime");
        if (t >= tt.nStumpsTime && c.nOversToday >= c.nOversRequired) day(" Stumps");
        break;
    }
    case ovs::INNINGS_ENDED: s += " End Innings"; break;
    case ovs::INNINGS_DECLARED: s += " Declared"; break;
    case ovs::INNINGS_DRAWN: s += " End of Test - Draw"; break;
    case ovs::INNINGS_RESULT:
        if (in.nWickets < 10) {
            s += " End of Test - Won";
        } else {
            const int r0 = ovs::InningsRuns(g, 0), r1 = ovs::InningsRuns(g, 1), r2 = ovs::InningsRuns(g, 2),
                      r3 = ovs::InningsRuns(g, 3);
            const int m = ovs::FollowOnInForce(g) ? r0 + r3 - r1 - r2 : r1 + r3 - r0 - r2;
            s += m == 0 ? " End of Test - Tie" : " End of Test - Lost";
        }
        break;
    default: break;
    }
    return Q(s);
}

}  // namespace

void FillScoreboard(ovs::Game& g, ColumnCanvas& cv, QString* title)
{
    cv.Clear();
    if (!g.pTest || !g.pInnings) return;
    const ovs::INNINGS& in = *g.pInnings;
    const int bat = in.nBatSide, bowl = in.nBowlSide;
    if (bat < 0 || bat > 1) return;
    if (title) *title = ScoreboardTitle(g);
    using A = CellText;

    // Headings over the figures, a row above the batsmen and above the bowlers.
    cv.Add(77, 0, A::Right, "R");
    cv.Add(82, 0, A::Right, "B");
    cv.Add(85, 0, A::Right, "4s");
    cv.Add(87, 0, A::Right, "6s");
    double row = 1;
    for (int pos = 0; pos < ovs::MAX_ELEVEN && in.nOrder[pos] >= 0; ++pos, ++row) {
        const int slot = in.nOrder[pos];
        if (slot >= ovs::MAX_ELEVEN) break;
        const ovs::BAT& b = in.Bat[slot];
        cv.Add(1, row, A::Left, Q(SlotPlayerName(g, bat, slot)));
        const std::string fielder = b.nFielder < ovs::MAX_ELEVEN ? SlotPlayerName(g, bowl, b.nFielder) : "";
        QString how;
        bool credited = false;
        switch (static_cast<int>(b.nHowOut)) {
        case ovs::HOWOUT_LBW: how = "           lbw"; credited = true; break;
        case ovs::HOWOUT_STUMPED: how = Q("st  " + fielder); credited = true; break;
        case ovs::HOWOUT_RUNOUT: how = "         run out"; break;
        case ovs::HOWOUT_NOTOUT: how = "                               not out"; break;
        case ovs::HOWOUT_BOWLED: credited = true; break;
        case ovs::HOWOUT_CAUGHT:
            how = b.nFielder == b.nBowler ? QString("                                    ct   &") : Q("ct  " + fielder);
            credited = true;
            break;
        default: break;
        }
        if (!how.isEmpty()) cv.Add(23, row, A::Left, how);
        if (credited && b.nBowler < ovs::MAX_ELEVEN) cv.Add(50, row, A::Left, Q("b  " + SlotPlayerName(g, bowl, b.nBowler)));
        cv.Add(77, row, A::Right, QString::number(static_cast<int>(b.nRuns)));
        cv.Add(82, row, A::Right, QString::number(static_cast<int>(b.nBalls)));
        cv.Add(85, row, A::Right, QString::number(static_cast<int>(b.nFours)));
        cv.Add(87, row, A::Right, QString::number(static_cast<int>(b.nSixes)));
    }

    char buf[128];
    cv.Add(1, row, A::Left, "Extras");
    std::snprintf(buf, sizeof buf, "(byes %d   leg byes %d   no balls %d   wides %d)", static_cast<int>(in.nByes),
                  static_cast<int>(in.nLegByes), static_cast<int>(in.nNoBalls), static_cast<int>(in.nWides));
    cv.Add(48, row, A::Centre, buf);
    cv.Add(77, row, A::Right, QString::number(static_cast<int>(in.nExtras)));
    ++row;
    const int wkts = in.nWickets, balls = in.nTotalBalls;
    cv.Add(1, row, A::Left, "Total");
    std::snprintf(buf, sizeof buf, "(%d Wkt%s  %d.%d Over%s)", wkts, wkts < 2 ? "" : "s", balls / 6, balls % 6,
                  balls < 12 ? "" : "s");
    cv.Add(48, row, A::Centre, buf);
    cv.Add(77, row, A::Right, QString::number(static_cast<int>(in.nTotal)));

    row += 1.5;
    cv.Add(1, row, A::Left, wkts == 1 ? "Fall of Wkt" : "Fall of Wkts");
    for (int w = 0; w < wkts && w < 10; ++w) cv.Add(5 * w + 24, row, A::Centre, QString::number(static_cast<int>(in.Fow[w].nScore)));

    row += 1.5;
    const struct {
        double col;
        const char* text;
    } kBowlingHeads[] = {{30, "O"}, {36, "M"}, {42, "R"}, {47, "W"}, {55, "NB"}, {60, "Wd"}};
    for (const auto& h : kBowlingHeads) cv.Add(h.col, row, A::Right, h.text);
    ++row;
    for (int i = 0; i < 10 && in.nBowlers[i] >= 0 && in.nBowlers[i] < ovs::MAX_ELEVEN; ++i, ++row) {
        const int slot = in.nBowlers[i];
        const ovs::BOWL& b = in.Bowl[slot];
        cv.Add(1, row, A::Left, Q(SlotPlayerName(g, bowl, slot)));
        cv.Add(30, row, A::Right, QString::number(b.nBalls / 6));
        if (b.nBalls % 6 != 0) cv.Add(30.05, row, A::Left, Fmt(".%d", b.nBalls % 6));
        cv.Add(36, row, A::Right, QString::number(static_cast<unsigned>(b.nMaidens)));
        cv.Add(42, row, A::Right, QString::number(static_cast<int>(b.nRuns)));
        cv.Add(47, row, A::Right, QString::number(static_cast<unsigned>(b.nWickets)));
        cv.Add(55, row, A::Right, QString::number(static_cast<int>(b.nNoBalls)));
        cv.Add(60, row, A::Right, QString::number(static_cast<int>(b.nWides)));
    }

    // The Test so far on the last two rows, below the tenth bowler.
    const int n = g.Current.nInnings;
    auto figures = [&](int i) {
        const ovs::INNINGS& x = g.pTest->Innings[i];
        std::snprintf(buf, sizeof buf, "%d-%d", static_cast<int>(x.nTotal), static_cast<int>(x.nWickets));
        return QString::fromLatin1(buf);
    };
    auto squad = [&](int i) { return Q(ovs::SquadName(g, g.pTest->Innings[i].nBatSide)); };
    if (n >= 1) {
        cv.Add(1, kSummaryRow, A::Left, "1st Inns.");
        cv.Add(11, kSummaryRow, A::Left, squad(0));
        cv.Add(35, kSummaryRow, A::Right, figures(0));
    }
    if (n >= 2) {
        cv.Add(11, kSummaryRow + 1, A::Left, squad(1));
        cv.Add(35, kSummaryRow + 1, A::Right, figures(1));
    }
    if (n >= 3) {
        cv.Add(53, kSummaryRow, A::Left, "2nd Inns.");
        cv.Add(63, kSummaryRow, A::Left, squad(2));
        cv.Add(87, kSummaryRow, A::Right, figures(2));
    }
    if (g.Current.nTarget > 0) {
        cv.Add(53, kSummaryRow + 1, A::Left, "Target");
        cv.Add(63, kSummaryRow + 1, A::Left, squad(3));
        cv.Add(87, kSummaryRow + 1, A::Right, QString::number(static_cast<int>(g.Current.nTarget)));
    }
}

bool RunScoreboardBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& /*req*/)
{
    if (!g.pTest || !g.pInnings) return false;
    // Painting must leave the striker and bowler as they were.
    const int striker = g.Current.nStriker, bowler = g.Current.nBowler;
    QDialog d(parent);
    d.setObjectName("ScoreboardBox");
    auto* top = new QVBoxLayout(&d);
    auto* canvas = new ColumnCanvas(88, kScoreboardRows, &d);
    canvas->setObjectName("canvas");
    QString title;
    FillScoreboard(g, *canvas, &title);
    StyleDialog(d, title);
    top->addWidget(canvas);
    ovs::ReportParams p;
    p.test = g.Current.nTest;
    AddReportButtons(d, top, g, "scoreboard", p);
    AddOkButton(d, top);
    d.exec();
    g.Current.nStriker = static_cast<std::int16_t>(striker);
    g.Current.nBowler = static_cast<std::int16_t>(bowler);
    return true;
}

void ShowInningsScoreboard(QWidget* parent, ovs::Game& g, int k)
{
    if (!g.pTest || k < 0 || k > 3 || k > g.Current.nInnings) return;
    const ovs::CURRENT saved = g.Current;
    g.Current.nInnings = static_cast<std::int16_t>(k);
    g.SelectTestAndInnings();
    ovs::DialogRequest req;
    req.id = ovs::Dialog::Scoreboard;
    RunScoreboardBox(parent, g, req);
    g.Current = saved;
    g.SelectTestAndInnings();
}

}  // namespace gui
