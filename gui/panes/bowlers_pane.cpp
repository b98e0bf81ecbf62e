// The bowlers pane: the rotation list of the side in the field, one row of 15
// pixels per bowler, with the bowler of the next over marked, his fitness,
// type and figures. A person bowling picks the next bowler by clicking a row.
#include <QMouseEvent>
#include <QPainter>

#include "core/game.h"
#include "data/texts.h"
#include "main_window.h"
#include "panes/pane_classes.h"
#include "sim/bowler_click.h"
#include "theme.h"

namespace gui {

using namespace ovs;

namespace {

constexpr int kRowHeight = 15;

}  // namespace

BowlersPane::BowlersPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "BowlersClass", kGrey) {}

int BowlersPane::RowAt(QPoint pos)
{
    if (pos.y() < 0 || pos.x() < 0) return -1;
    const int row = pos.y() / kRowHeight;
    return row < kBowlersPaneRows ? row : -1;
}

QPoint BowlersPane::RowCentre(int row) const { return QPoint(width() / 3, row * kRowHeight + kRowHeight / 2); }

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
    const int ascent = p.fontMetrics().ascent();
    // Columns from the right edge back, so the figures keep their place at every width.
    const int figures = width() - 10 * cw, overs = figures - 8 * cw, type = overs - 14 * cw, fitness = type - 12 * cw;
    // The person who may click sees which rows he can pick.
    bool picking = false;
    for (int row = 0; row < kBowlersPaneRows && !picking; ++row) picking = BowlerClickAllowed(gm, row);
    for (int row = 0; row < kBowlersPaneRows; ++row) {
        const int slot = BowlersPaneSlot(gm, row);
        if (slot < 0) break;
        const int y = row * kRowHeight;
        const int base = y + (kRowHeight - p.fontMetrics().height()) / 2;
        const bool bowling = slot == c.nBowler;
        const bool open = !picking || BowlerClickAllowed(gm, row);
        // The radio button: filled for the bowler of the over.
        p.setPen(QPen(open ? QColor(Qt::white) : QColor(200, 200, 200), 1));
        p.setBrush(bowling ? QColor(Qt::white) : QColor(160, 160, 160));
        p.drawEllipse(QPointF(10, y + 7.5), 5, 5);
        if (bowling) {
            p.setBrush(Qt::black);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(10, y + 7.5), 2.2, 2.2);
        }
        const int member = gm.pTest->nPlayer[slot][side];
        const int kind = member >= 0 && member < MAX_SQUAD ? static_cast<int>(gm.Series.Player[member][side].nBowlType) : 0;
        const BOWL& b = in->Bowl[slot];
        const int nameRoom = fitness - 22 - cw;
        p.setPen(bowling ? kYellow : open ? QColor(Qt::white) : QColor(188, 188, 188));
        p.drawText(22, base + ascent, p.fontMetrics().elidedText(Q(PlayerName(gm, side, slot)), Qt::ElideRight, nameRoom));
        p.setPen(kCyan);
        p.drawText(fitness, base + ascent, FitnessText(c.Spell[slot].nTiredness));
        p.setPen(Qt::white);
        p.drawText(type, base + ascent, BowlTypeShort(kind));
        TextRight(p, figures - cw, base, QString::asprintf("%d.%d", b.nBalls / 6, b.nBalls % 6));
        TextRight(p, width() - 2 * cw, base, QString::asprintf("%d-%d", int(b.nWickets), int(b.nRuns)));
    }
}

void BowlersPane::mousePressEvent(QMouseEvent* e)
{
    pressed_ = -1;
    const int row = RowAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && BowlerClickAllowed(g(), row)) {
        pressed_ = row;
        e->accept();
        return;
    }
    // Not a pick: the main window has the click.
    e->ignore();
}

void BowlersPane::mouseReleaseEvent(QMouseEvent* e)
{
    const int pressed = pressed_;
    pressed_ = -1;
    if (e->button() == Qt::LeftButton && BowlersPaneClick(g(), pressed, RowAt(e->position().toPoint()))) {
        e->accept();
        return;
    }
    // Released off the row pressed, or no pick at all: the main window has the click.
    e->ignore();
}

}  // namespace gui
