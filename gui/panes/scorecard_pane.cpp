// The scorecard pane: the card of the innings in play.
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "core/game.h"
#include "dialogs.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

ScorecardPane::ScorecardPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "ScorecardClass", kStock)
{
    static const char* const kText[] = {"1st", "2nd", "3rd", "4th"};
    for (int k = 0; k < 4; ++k) {
        auto* b = new QPushButton(kText[k], this);
        b->setObjectName(QString("ctl%1").arg(3000 + k));
        b->setToolTip(QString("The scoreboard of the %1 innings").arg(kText[k]));
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, k] {
            // The panes wait while the box is open, then show the innings in play again.
            QWidget* panes = parentWidget();
            if (panes) panes->setEnabled(false);
            ShowInningsScoreboard(window(), g(), k);
            if (panes) {
                panes->setEnabled(true);
                panes->update();
            }
        });
        innings_[k] = b;
    }
}

void ScorecardPane::PlaceInningsButtons()
{
    const Game& gm = g();
    const bool started = gm.pTest && gm.pInnings && gm.pInnings->nBatSide >= 0;
    const int w = std::max(24, (width() - 10) / 4);
    const int h = fontMetrics().height() + 6;
    for (int k = 0; k < 4; ++k) {
        const bool shown = started && k <= gm.Current.nInnings && gm.pTest->Innings[k].nBatSide >= 0;
        innings_[k]->setGeometry(5 + k * w, height() - h - 3, w - 2, h);
        if (innings_[k]->isVisible() != shown) innings_[k]->setVisible(shown);
    }
}

void ScorecardPane::Paint(QPainter& p)
{
    PlaceInningsButtons();
    const Game& gm = g();
    const INNINGS* in = CurrentInnings(gm);
    if (!in || in->nBatSide < 0) return;
    QFont f = font();
    f.setPixelSize(12);
    p.setFont(f);
    const int L = p.fontMetrics().height();
    const int left = 6, right = width() - 6;
    const bool wide = gm.nMainWidth >= 1152;
    int y = 3;
    QFont bold = f;
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(0, 0, 128));
    TextCentre(p, width() / 2, y, Q(InningsTitle(gm)));
    p.setFont(f);
    y += L + 2;
    // From 1152 wide the card has room for balls, fours and sixes beside the runs.
    const int cw = p.fontMetrics().averageCharWidth();
    const int col = 5 * cw;
    const int runsX = wide ? right - 3 * col : right;
    p.setPen(QColor(64, 64, 64));
    TextRight(p, runsX, y, "R");
    if (wide) {
        TextRight(p, right - 2 * col, y, "B");
        TextRight(p, right - col, y, "4s");
        TextRight(p, right, y, "6s");
    }
    y += L;
    for (int pos = 0; pos < MAX_ELEVEN; ++pos) {
        const int slot = in->nOrder[pos];
        if (slot < 0 || slot >= MAX_ELEVEN) break;
        const BAT& b = in->Bat[slot];
        const bool in_ = b.nHowOut == HOWOUT_NOTOUT;
        p.setPen(in_ ? QColor(0, 0, 160) : QColor(Qt::black));
        const QString name = Q(PlayerName(gm, in->nBatSide, slot)) + (in_ ? "*" : "");
        TextLeft(p, left, y, p.fontMetrics().elidedText(name, Qt::ElideRight, runsX - left - 4 * cw));
        TextRight(p, runsX, y, QString::number(int(b.nRuns)));
        if (wide) {
            TextRight(p, right - 2 * col, y, QString::number(int(b.nBalls)));
            TextRight(p, right - col, y, QString::number(int(b.nFours)));
            TextRight(p, right, y, QString::number(int(b.nSixes)));
        }
        y += L;
    }
    p.setPen(Qt::black);
    TextLeft(p, left, y, "Extras");
    TextRight(p, runsX, y, QString::number(int(in->nExtras)));
    y += L;
    const int balls = in->nTotalBalls;
    QString total = QString::asprintf("(%d Wkt%s %d.%d Over%s)", int(in->nWickets), in->nWickets >= 2 ? "s" : "",
                                      balls / 6, balls % 6, balls >= 12 ? "s" : "");
    p.setFont(bold);
    TextLeft(p, left, y, "Total");
    p.setFont(f);
    TextLeft(p, left + 40, y, total);
    p.setFont(bold);
    TextRight(p, runsX, y, QString::number(int(in->nTotal)));
    y += L + 4;
    if (in->nWickets > 0) {
        TextLeft(p, left, y, "Fall of Wickets");
        p.setFont(f);
        y += L;
        for (int w = 0; w < in->nWickets && w < 10 && y < height() - L; ++w, y += L) {
            TextLeft(p, left, y, QString::asprintf("%d-%d", w + 1, int(in->Fow[w].nScore)));
            TextLeft(p, left + 50, y, Q(PlayerName(gm, in->nBatSide, in->Fow[w].nBatA)));
        }
    }
}

}  // namespace gui
