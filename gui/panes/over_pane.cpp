// The over pane: a row of 40 pixels per over, the bowler's name and the
// pictures of the balls, framed by the batsman who faced them.
#include <QPainter>

#include "core/game.h"
#include "icons.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

namespace {

constexpr int kBannerTop = 60;   // the weather banner's top line

}  // namespace

OverPane::OverPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "OverClass", kStock) {}

void OverPane::Paint(QPainter& p)
{
    Game& gm = g();
    const CURRENT& c = gm.Current;
    const INNINGS* in = CurrentInnings(gm);
    if (!in || in->nBowlSide < 0) return;
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const int rows = std::clamp<int>(c.nOverRows, 1, OVER_HISTORY_ROWS);
    int y = (height() % 40) / 2 + 3;
    // Play stopped by the weather: its banner stands at the top, and the
    // overs go below it, the latest ones as many as there is room for.
    const int category = c.nWeather / 5;
    const bool stopped = gm.Series.bAllowWeather && (category == 7 || category == 8);
    QFont big = f;
    big.setPixelSize(36);
    int firstRow = 0;
    if (stopped) {
        y = kBannerTop + QFontMetrics(big).height() + 6;
        firstRow = std::max(0, rows - std::max(0, (height() - y) / 40));
    }
    for (int r = firstRow; r < rows; ++r, y += 40) {
        const OVERHISTORY& h = c.OverHistory[r];
        if (h.nBowler == 0xFFFF) continue;
        p.setPen(Qt::black);
        QString name = Q(PlayerName(gm, in->nBowlSide, h.nBowler));
        name = p.fontMetrics().elidedText(name, Qt::ElideRight, 170);
        p.drawText(QRect(6, y, 172, 32), Qt::AlignVCenter | Qt::AlignLeft, name);
        for (int b = 0; b < 12; ++b) {
            if (h.nOutcome[b] == 0xFFFF) continue;
            const int x = 180 + 40 * b;
            auto [first, second] = BallPictures(gm, h.nOutcome[b]);
            const int w = second.isEmpty() ? 32 : 64;
            if (!first.isEmpty()) p.drawPixmap(x, y, IconPixmap(first));
            if (!second.isEmpty()) p.drawPixmap(x + 32, y, IconPixmap(second));
            // The frame tells who faced it: white the first of the pair, yellow the second.
            if (h.nMark[b] == 1 || h.nMark[b] == 2) {
                p.setPen(QPen(h.nMark[b] == 1 ? QColor(Qt::white) : kYellow, 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(x - 2, y - 2, w + 3, 35);
            }
        }
    }
    if (stopped) {
        p.setFont(big);
        p.setPen(kRed);
        TextCentre(p, 318, kBannerTop, category == 7 ? "Bad Light Stopped Play" : "Rain Stopped Play");
    }
}

}  // namespace gui
