// Where the match panes stand at each window width: three panes at 640, five
// at 800, all nine at 1024 and wider. From 1024 on the middle column is 640
// wide from x 160, the left column holds the aggression and match panes, and
// the right column from x 800 takes whatever width is left, so the wider
// windows give the scorecard and the session lines their extra columns; the
// extra height goes to more overs, more highlights and a taller match pane.
#include "panes/pane_layout.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

#include "core/game.h"
#include "core/weather.h"
#include "panes/panes.h"
#include "sim/bowler_click.h"

namespace gui {

namespace {

// The text line of the aggression pane's small font.
int AggressionLine()
{
    QFont f = QApplication::font();
    f.setPixelSize(11);
    return QFontMetrics(f).height();
}

}  // namespace

int AggressionPaneHeight(int lineHeight)
{
    // Eight pairings of three lines and a bar, two team labels with a bar.
    return 26 * lineHeight + 202;
}

int OverPaneRows(int width)
{
    if (width >= 1280) return 6;
    if (width >= 1152) return 5;
    return 4;
}

std::array<QRect, PaneCount> PaneRects(int W, int H, int L)
{
    std::array<QRect, PaneCount> r{};
    // Five text lines: the innings and clock, the batsmen and score, the last
    // wicket, the earlier innings, the state of the match.
    const int scoreH = 5 * L + 12;
    if (W < 800) {
        r[PaneButtons] = QRect(0, 0, 638, 32);
        r[PaneScoreboard] = QRect(0, H - scoreH, W, scoreH);
        r[PaneOver] = QRect(0, 32, W, H - scoreH - 32);
    } else if (W < 1024) {
        const int x = 161;
        // Room for every bowler of the rotation list, 15 pixels a row.
        const int bowlH = ovs::kBowlersPaneRows * 15 + 2;
        r[PaneAggression] = QRect(0, 0, x, H);
        r[PaneButtons] = QRect(x + 1, 0, 638, 32);
        r[PaneBowlers] = QRect(x, H - bowlH, W - x, bowlH);
        r[PaneScoreboard] = QRect(x, H - bowlH - scoreH, W - x, scoreH);
        r[PaneOver] = QRect(x, 32, W - x, H - bowlH - scoreH - 32);
    } else {
        const int x = 160, mid = 640, right = x + mid;
        const int overH = OverPaneRows(W) * 40 + 6;
        const int bowlH = 150;
        int y = 0;
        r[PaneButtons] = QRect(x, y, mid, 32);
        y += 32;
        r[PaneOver] = QRect(x, y, mid, overH);
        y += overH;
        r[PaneScoreboard] = QRect(x, y, mid, scoreH);
        y += scoreH;
        r[PaneBowlers] = QRect(x, y, mid, bowlH);
        y += bowlH;
        r[PaneHighlights] = QRect(x, y, mid, H - y);
        // The match pane keeps at least seven lines of its own.
        const int aggH = std::min(AggressionPaneHeight(AggressionLine()), H - (7 * L + 10));
        r[PaneAggression] = QRect(0, 0, x, aggH);
        r[PaneMatch] = QRect(0, aggH, x, H - aggH);
        const int cardH = H * 11 / 20;
        r[PaneScorecard] = QRect(right, 0, W - right, cardH);
        r[PaneSession] = QRect(right, cardH, W - right, H - cardH);
    }
    return r;
}

unsigned PanesToRedraw(const ovs::Game& g, unsigned mask)
{
    const ovs::INNINGS* in = CurrentInnings(g);
    const int category = g.Current.nWeather / 5;
    if (in && in->nStatus == ovs::INNINGS_INPROGRESS &&
        (category == ovs::WEATHER_BAD_LIGHT || category == ovs::WEATHER_RAIN))
        mask &= ~(ovs::PANE_SESSION | ovs::PANE_HIGHLIGHTS);
    return mask;
}

}  // namespace gui
