// The highlights pane and the session pane: lines of the match on black.
#include <QPainter>

#include "core/game.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

HighlightsPane::HighlightsPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "HighlightsClass", Qt::black) {}

void HighlightsPane::Paint(QPainter& p)
{
    const Game& gm = g();
    const int L = p.fontMetrics().height();
    p.setPen(QColor(200, 200, 200));
    int y = height() - L - 2;
    // Newest at the bottom, drawn upward while there is room.
    for (int i = 23; i >= 0 && y >= 0; --i) {
        std::string line = Field(gm.Current.szHighlights[i]);
        if (line.empty()) continue;
        TextLeft(p, 6, y, Q(line));
        y -= L;
    }
}

SessionPane::SessionPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "SessionClass", Qt::black) {}

void SessionPane::Paint(QPainter& p)
{
    const Game& gm = g();
    QFont f = font();
    f.setPixelSize(12);
    p.setFont(f);
    const int L = p.fontMetrics().height();
    const int cw = p.fontMetrics().averageCharWidth();
    const QColor colours[3] = {kBlue, kTeal, kCyan};
    int y = 3;
    for (int i = 0; i < 16; ++i) {
        std::string line = Field(gm.Current.szSessions[i]);
        if (line.empty()) break;
        if (line.rfind("Lunch", 0) != 0 && line.rfind("Tea", 0) != 0 && line.rfind("Stumps", 0) != 0) {
            g().Log("Aborting Painting hWndSession due to invalid szSession\n");
            break;
        }
        std::size_t colon = line.find(':');
        p.setPen(colours[i % 3]);
        TextLeft(p, 4, y, Q(line.substr(0, colon)));
        if (colon != std::string::npos) TextLeft(p, 4 + 14 * cw, y, Q(line.substr(colon + 1)));
        y += L;
        if (i % 3 == 2) y += L;   // a day's three lines, then a gap
    }
}

}  // namespace gui
