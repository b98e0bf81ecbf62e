// The scoreboard pane: the innings, the clock, the batsmen and the score, the
// last wicket, the earlier innings and the state of the match.
#include <QPainter>

#include "core/game.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

namespace {

// "b Smith", "ct Jones  b Smith", "run out" ...
std::string HowOut(const Game& g, const INNINGS& in, const BAT& b)
{
    const int bowl = in.nBowlSide;
    const std::string bowler = PlayerName(g, bowl, b.nBowler);
    switch (static_cast<int>(b.nHowOut)) {
    case HOWOUT_BOWLED: return "b " + bowler;
    case HOWOUT_CAUGHT:
        if (b.nFielder == b.nBowler) return "ct & b " + bowler;
        return "ct " + PlayerName(g, bowl, b.nFielder) + "  b " + bowler;
    case HOWOUT_LBW: return "lbw  b " + bowler;
    case HOWOUT_STUMPED: return "st " + PlayerName(g, bowl, b.nFielder) + "  b " + bowler;
    case HOWOUT_RUNOUT: return "run out";
    default: return {};
    }
}

// Runs of `side` in the innings played so far, this one included.
int SideRuns(const Game& g, int side)
{
    int runs = 0;
    for (int i = 0; i <= g.Current.nInnings && i < MAX_INNINGS; ++i)
        if (g.pTest->Innings[i].nBatSide == side) runs += g.pTest->Innings[i].nTotal;
    return runs;
}

}  // namespace

ScoreboardPane::ScoreboardPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "ScoreboardClass", kGrey) {}

void ScoreboardPane::Paint(QPainter& p)
{
    const Game& gm = g();
    const INNINGS* in = CurrentInnings(gm);
    if (!in || in->nBatSide < 0) return;
    const CURRENT& c = gm.Current;
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const int L = p.fontMetrics().height();
    const int mid = width() / 2;
    const int left = p.fontMetrics().averageCharWidth();
    const int right = width() - left;
    int y = 4;

    p.setPen(kCyan);
    TextCentre(p, mid, y, Q(InningsTitle(gm)));
    const bool inProgress = in->nStatus == INNINGS_INPROGRESS;
    if (inProgress) {
        p.setPen(kBrightGreen);
        TextLeft(p, left, y, QString::asprintf("Day %d - %02d:%02d", int(c.nDay), c.nTime / 100, c.nTime % 100));
        TextRight(p, right, y, QString::asprintf("%d Overs Left", std::max(c.nOversRequired - c.nOversToday, 0)));
    }
    y += L;

    // The two batsmen at the crease, the first of the pair on the left.
    const int a = c.nPartnerA, b = c.nPartnerB;
    if (a >= 0 && a < MAX_ELEVEN) {
        p.setPen(Qt::white);
        TextLeft(p, left, y, Q(PlayerName(gm, in->nBatSide, a) + "  " + std::to_string(in->Bat[a].nRuns)));
    }
    if (b >= 0 && b < MAX_ELEVEN) {
        p.setPen(kYellow);
        TextRight(p, right, y, Q(std::to_string(in->Bat[b].nRuns) + "  " + PlayerName(gm, in->nBatSide, b)));
    }
    QFont big = f;
    big.setPixelSize(f.pixelSize() > 0 ? f.pixelSize() + 4 : L + 2);
    p.setFont(big);
    p.setPen(Qt::white);
    TextCentre(p, mid, y - 2, QString::asprintf("%d - %d", int(in->nTotal), int(in->nWickets)));
    p.setFont(f);
    y += L + 2;

    if (in->nWickets > 0 && in->nWickets <= 10) {
        const FOW& fw = in->Fow[in->nWickets - 1];
        const BAT& bat = in->Bat[fw.nBatA < MAX_ELEVEN ? fw.nBatA : 0];
        p.setPen(kPurple);
        std::string line = "Last Wicket  " + PlayerName(gm, in->nBatSide, fw.nBatA) + "  " + HowOut(gm, *in, bat) +
                           "  " + std::to_string(bat.nRuns) + "  fell at " + std::to_string(fw.nScore);
        TextCentre(p, mid, y, Q(line));
    }
    y += L;

    // The innings before this one on one line: the home side at the left, the
    // away side at the right; short names when the full ones do not fit.
    std::string before[2];
    for (int side = 0; side < 2; ++side) {
        int n = 0;
        for (int i = 0; i < c.nInnings && i < MAX_INNINGS; ++i) {
            const INNINGS& prev = gm.pTest->Innings[i];
            if (prev.nBatSide != side) continue;
            before[side] += std::string(n == 0 ? "1st Inns. " : "   2nd Inns. ") + std::to_string(prev.nTotal) + "-" +
                            std::to_string(prev.nWickets);
            ++n;
        }
    }
    if (!before[0].empty() || !before[1].empty()) {
        QFont plain = f;
        plain.setBold(false);
        p.setFont(plain);
        auto text = [&](int side, bool full) {
            if (before[side].empty()) return QString();
            const std::string name = full ? SideName(gm, side) : Field(gm.Series.Squad[side].szShort);
            return Q(name + "  " + before[side]);
        };
        QString home = text(0, true), away = text(1, true);
        const QFontMetrics& fm = p.fontMetrics();
        if (fm.horizontalAdvance(home) + fm.horizontalAdvance(away) + 4 * left > right - left) {
            home = text(0, false);
            away = text(1, false);
        }
        p.setPen(Qt::white);
        TextLeft(p, left, y, home);
        TextRight(p, right, y, away);
        p.setFont(f);
    }
    y += L;

    // From the second innings on: the lead, or what is needed to win.
    if (c.nInnings >= 1 && inProgress) {
        const std::string bat = SideName(gm, in->nBatSide);
        std::string text;
        if (c.nTarget > 0) {
            int need = c.nTarget - in->nTotal;
            text = need == 1 ? bat + " require 1 run to win" : bat + " require " + std::to_string(need) + " runs to win";
        } else {
            int lead = SideRuns(gm, in->nBatSide) - SideRuns(gm, in->nBowlSide);
            if (lead == 0) text = "Scores are level";
            else if (lead == 1) text = bat + " are 1 run ahead";
            else if (lead > 1) text = bat + " are " + std::to_string(lead) + " runs ahead";
            else if (lead == -1) text = bat + " are 1 run behind";
            else text = bat + " are " + std::to_string(-lead) + " runs behind";
        }
        p.setPen(kCyan);
        TextCentre(p, mid, height() - L - 3, Q(text));
    }
}

}  // namespace gui
