// The match pane: the two sides, the Test being played, its ground and the
// series score, centred on black.
#include <QPainter>

#include "core/game.h"
#include "core/setup.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

MatchPane::MatchPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "MatchClass", Qt::black) {}

void MatchPane::Paint(QPainter& p)
{
    const Game& gm = g();
    if (gm.nMainWidth < 1024 || !gm.Watched()) return;
    const int divisor = gm.nMainWidth >= 1280 ? 17 : gm.nMainWidth >= 1152 ? 11 : 7;
    const int k = height() / divisor;
    int y = (height() % divisor) / 2 + (gm.nMainWidth >= 1280 ? 5 * k : gm.nMainWidth >= 1152 ? 2 * k : 0);
    const int mid = width() / 2;
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    auto line = [&](const QColor& c, const std::string& s) {
        p.setPen(c);
        TextCentre(p, mid, y, p.fontMetrics().elidedText(Q(s), Qt::ElideRight, width() - 4));
    };
    line(kBrightGreen, SideName(gm, 0));
    y += k;
    line(kCyan, "vs");
    y += k;
    line(kBlue, SideName(gm, 1));
    y += k + k / 2;
    const int t = gm.Current.nTest;
    line(kSilver, TestOrdinal(t + 1) + " Test");
    y += k;
    if (t >= 0 && t < MAX_HOME_GROUNDS) {
        const int ground = gm.Series.Squad[0].nGround[t];
        if (ground >= 0 && ground < gm.db.NumGrounds()) line(kYellow, Field(gm.db.grounds[ground].szName));
    }
    y += k + k / 2;
    line(kRed, std::to_string(gm.Series.nHomeWins) + " - " + std::to_string(gm.Series.nAwayWins));
}

}  // namespace gui
