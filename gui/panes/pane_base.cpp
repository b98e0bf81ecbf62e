// What the match panes share: background, painting entry and text helpers.
#include <QPainter>

#include "core/game.h"
#include "main_window.h"
#include "panes/panes.h"
#include "sim/booking.h"

namespace gui {

PaneBase::PaneBase(MainWindow& w, QWidget* parent, const char* className, QColor background)
    : QWidget(parent), w_(w), background_(background)
{
    setObjectName(className);
}

ovs::Game& PaneBase::g() const { return w_.game(); }

void PaneBase::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), background_);
    // Panes draw only when the game is watched and a Test is on.
    if (!w_.TestOnScreen()) return;
    Paint(p);
}

const ovs::INNINGS* CurrentInnings(const ovs::Game& g)
{
    if (!g.pTest || g.Current.nInnings < 0 || g.Current.nInnings >= ovs::MAX_INNINGS) return nullptr;
    return &g.pTest->Innings[g.Current.nInnings];
}

std::string SideName(const ovs::Game& g, int side)
{
    if (side < 0 || side > 1) return {};
    return Field(g.Series.Squad[side].szName);
}

std::string PlayerName(const ovs::Game& g, int side, int slot)
{
    if (side < 0 || side > 1 || slot < 0 || slot >= ovs::MAX_ELEVEN || !g.pTest) return {};
    if (g.pTest->nPlayer[slot][side] < 0) return {};
    return ovs::ball::SlotName(g, side, slot);
}

std::string InningsTitle(const ovs::Game& g)
{
    const ovs::INNINGS* in = CurrentInnings(g);
    if (!in || in->nBatSide < 0) return {};
    int before = 0;
    for (int i = 0; i < g.Current.nInnings; ++i)
        if (g.pTest->Innings[i].nBatSide == in->nBatSide) ++before;
    return SideName(g, in->nBatSide) + " " + (before == 0 ? "1st" : "2nd") + " Innings";
}

void TextLeft(QPainter& p, int x, int y, const QString& s) { p.drawText(x, y + p.fontMetrics().ascent(), s); }

void TextCentre(QPainter& p, int x, int y, const QString& s)
{
    p.drawText(x - p.fontMetrics().horizontalAdvance(s) / 2, y + p.fontMetrics().ascent(), s);
}

void TextRight(QPainter& p, int x, int y, const QString& s)
{
    p.drawText(x - p.fontMetrics().horizontalAdvance(s), y + p.fontMetrics().ascent(), s);
}

QString Q(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }

}  // namespace gui
