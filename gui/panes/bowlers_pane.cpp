// The bowlers pane: the bowling rotation, one row of 15 pixels per bowler,
// with the bowler of this over marked, fitness, type and figures.
#include <QPainter>

#include "core/game.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

namespace {

const char* FitnessWord(int fatigue)
{
    if (fatigue < 8) return "Supreme";
    if (fatigue < 16) return "Very Fit";
    if (fatigue < 24) return "Fit";
    if (fatigue < 32) return "Okay";
    if (fatigue < 40) return "Tiring";
    if (fatigue < 56) return "Tired";
    return "Exhausted";
}

const char* BowlingWord(int type)
{
    switch (type) {
    case 1: return "Off Spin";
    case 2: return "Leg Spin";
    case 4: return "Slow";
    case 8: return "Medium";
    case 16: return "Medium Fast";
    case 32: return "Fast Medium";
    case 64: return "Fast";
    case -1: return "Wkt Keeper";
    default: return "";
    }
}

}  // namespace

BowlersPane::BowlersPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "BowlersClass", kGrey) {}

void BowlersPane::Paint(QPainter& p)
{
    const Game& gm = g();
    const CURRENT& c = gm.Current;
    const INNINGS* in = CurrentInnings(gm);
    if (!in || in->nBowlSide < 0) return;
    const int side = in->nBowlSide;
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = font();
    f.setPixelSize(12);
    p.setFont(f);
    const int cw = p.fontMetrics().averageCharWidth();
    int y = 3;
    for (int i = 0; i < 10; ++i, y += 15) {
        const int slot = in->nBowlers[i];
        if (slot < 0 || slot >= MAX_ELEVEN) break;
        const bool bowling = slot == c.nBowler;
        // The radio button: filled for the bowler of this over.
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(10, y + 7), 5, 5);
        if (bowling) {
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(10, y + 7), 2.5, 2.5);
        }
        const int member = gm.pTest->nPlayer[slot][side];
        const int type = member >= 0 && member < MAX_SQUAD ? static_cast<int>(gm.Series.Player[member][side].nBowlType) : 0;
        const BOWL& b = in->Bowl[slot];
        p.setPen(bowling ? kYellow : QColor(Qt::white));
        TextLeft(p, 22, y, Q(PlayerName(gm, side, slot)));
        p.setPen(kCyan);
        TextLeft(p, 22 + 22 * cw, y, FitnessWord(c.Spell[slot].nTiredness));
        p.setPen(Qt::white);
        TextLeft(p, 22 + 33 * cw, y, BowlingWord(type));
        TextLeft(p, 22 + 48 * cw, y, QString::asprintf("%d.%d", b.nBalls / 6, b.nBalls % 6));
        TextLeft(p, 22 + 56 * cw, y, QString::asprintf("%d-%d", int(b.nWickets), int(b.nRuns)));
    }
}

}  // namespace gui
