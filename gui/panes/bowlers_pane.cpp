// The bowlers pane: the bowling rotation, one row of 15 pixels per bowler,
// with the bowler of this over marked, fitness, type and figures.
#include <QPainter>

#include "core/game.h"
#include "data/texts.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

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
        TextLeft(p, 22 + 22 * cw, y, FitnessText(c.Spell[slot].nTiredness));
        p.setPen(Qt::white);
        TextLeft(p, 22 + 33 * cw, y, BowlTypeShort(type));
        TextLeft(p, 22 + 48 * cw, y, QString::asprintf("%d.%d", b.nBalls / 6, b.nBalls % 6));
        TextLeft(p, 22 + 56 * cw, y, QString::asprintf("%d-%d", int(b.nWickets), int(b.nRuns)));
    }
}

}  // namespace gui
