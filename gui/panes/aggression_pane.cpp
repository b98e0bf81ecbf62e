// The aggression pane: the four batting and four bowling pairings of the two
// batsmen and the two bowlers, each with its 0..10 bar, and the team values.
#include <QPainter>

#include "core/game.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

namespace {

bool PersonSide(const Game& g, int side)
{
    return (g.Series.nControl[side] & (CONTROL_HUMAN | CONTROL_REPLAY)) != 0;
}

// A pairing value for display: an unset pairing shows the default.
int Shown(unsigned value, int fallback) { return value == 0xFFFF ? fallback : std::clamp<int>(value, 0, 10); }

void Bar(QPainter& p, int x, int y, int w, int value)
{
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(x, y, w, 10);
    const int knob = x + 1 + (w - 12) * value / 10;
    p.setBrush(QColor(240, 240, 240));
    p.setPen(Qt::black);
    p.drawRect(knob, y + 1, 10, 8);
}

}  // namespace

AggressionPane::AggressionPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "AggressionClass", kGrey) {}

void AggressionPane::Paint(QPainter& p)
{
    const Game& gm = g();
    const CURRENT& c = gm.Current;
    const INNINGS* in = CurrentInnings(gm);
    if (!in || in->nBatSide < 0) return;
    const int bats[2] = {c.nPartnerA, c.nPartnerB};
    const int bowls[2] = {c.nBowler, c.nOtherBowler};
    for (int i = 0; i < 2; ++i)
        if (bats[i] < 0 || bats[i] >= MAX_ELEVEN || bowls[i] < 0 || bowls[i] >= MAX_ELEVEN) return;

    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    const int L = p.fontMetrics().height();
    const int mid = width() / 2, barW = width() - 16;
    const int batSide = in->nBatSide, bowlSide = in->nBowlSide;
    const bool batPerson = PersonSide(gm, batSide), bowlPerson = PersonSide(gm, bowlSide);
    int y = 4;
    auto pairing = [&](int first, int firstSide, const char* verb, int second, int secondSide, int value, QColor a,
                       QColor b) {
        p.setPen(a);
        TextCentre(p, mid, y, p.fontMetrics().elidedText(Q(PlayerName(gm, firstSide, first)), Qt::ElideRight, width() - 4));
        y += L;
        p.setPen(Qt::black);
        TextCentre(p, mid, y, verb);
        y += L;
        p.setPen(b);
        TextCentre(p, mid, y, p.fontMetrics().elidedText(Q(PlayerName(gm, secondSide, second)), Qt::ElideRight, width() - 4));
        y += L + 1;
        Bar(p, 8, y, barW, value);
        y += 16;
    };
    auto team = [&](const QString& label, int value) {
        p.setPen(kYellow);
        TextCentre(p, mid, y, label);
        y += L + 1;
        Bar(p, 8, y, barW, std::clamp(value, 0, 10));
        y += 20;
    };

    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            int v = batPerson ? Shown(c.nBatVsBowl[bats[a]][bowls[b]], gm.options.nPlayerBatAggression)
                              : std::clamp<int>(c.nBatAggression[bats[a]], 0, 10);
            pairing(bats[a], batSide, "facing", bowls[b], bowlSide, v, Qt::white, kPurple);
        }
    team("Batting Team", c.nTeamAggression[batSide]);
    for (int b = 0; b < 2; ++b)
        for (int a = 0; a < 2; ++a) {
            int v = bowlPerson ? Shown(c.nBowlVsBat[bowls[b]][bats[a]], gm.options.nPlayerBowlAggression)
                               : std::clamp<int>(c.nBowlAggression[bowls[b]], 0, 10);
            pairing(bowls[b], bowlSide, "bowling to", bats[a], batSide, v, kPurple, Qt::white);
        }
    team("Bowling Team", c.nTeamAggression[bowlSide]);
}

}  // namespace gui
