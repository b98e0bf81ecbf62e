// The aggression pane: the four batting and four bowling pairings of the two
// batsmen and the two bowlers, each with its 0..10 bar, and the two team
// values. The bars behave as scroll bars: an arrow moves 1, the trough 5
// towards the click, and the thumb can be dragged. Bars that are not this
// person's to move are drawn flat, without arrows.
#include <QMouseEvent>
#include <QPainter>

#include "core/game.h"
#include "main_window.h"
#include "panes/pane_classes.h"
#include "panes/pane_layout.h"
#include "sim/aggression.h"
#include "sim/aggression_pane.h"
#include "theme.h"

namespace gui {

using namespace ovs;

namespace {

constexpr int kMargin = 6;     // either side of a bar
constexpr int kBarHeight = 13;
constexpr int kArrow = 13;     // the arrow boxes at the ends
constexpr int kThumb = 15;

QFont PaneFont(const QFont& base)
{
    QFont f = base;
    f.setPixelSize(11);
    return f;
}

void Arrow(QPainter& p, QRect box, bool left)
{
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(224, 224, 224));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    const QPointF c = QRectF(box).center();
    QPolygonF tri;
    if (left) tri << QPointF(c.x() - 2.5, c.y()) << QPointF(c.x() + 2, c.y() - 4) << QPointF(c.x() + 2, c.y() + 4);
    else tri << QPointF(c.x() + 2.5, c.y()) << QPointF(c.x() - 2, c.y() - 4) << QPointF(c.x() - 2, c.y() + 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(tri);
}

}  // namespace

AggressionPane::AggressionPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "AggressionClass", kGrey) {}

AggressionPane::Layout AggressionPane::MakeLayout() const
{
    Layout l;
    l.lineHeight = QFontMetrics(PaneFont(font())).height();
    const int L = l.lineHeight;
    // A pairing: name, "facing" / "bowling to", name, bar; a team: its label, bar.
    const int total = AggressionPaneHeight(L);
    // Spare height is spread between the blocks, so a tall pane does not bunch at the top.
    const int gap = std::clamp((height() - total) / 10, 0, 2 * L);
    int y = 4 + gap / 2;
    for (int bar = 0; bar < kAggressionPaneBars; ++bar) {
        const bool isTeam = bar == kBattingTeamBar || bar == kBowlingTeamBar;
        y += isTeam ? L + 1 : 3 * L + 1;
        l.barTop[bar] = y;
        y += kBarHeight + (isTeam ? 7 : 5) + gap;
    }
    return l;
}

QRect AggressionPane::BarRect(int bar) const
{
    if (bar < 0 || bar >= kAggressionPaneBars) return {};
    return QRect(kMargin, MakeLayout().barTop[bar], width() - 2 * kMargin, kBarHeight);
}

QPoint AggressionPane::ThumbCentre(int bar, int value) const
{
    const QRect r = BarRect(bar);
    const int track = r.width() - 2 * kArrow - kThumb;
    return QPoint(r.left() + kArrow + track * std::clamp(value, 0, 10) / 10 + kThumb / 2, r.center().y());
}

int AggressionPane::BarAt(QPoint pos) const
{
    for (int bar = 0; bar < kAggressionPaneBars; ++bar)
        if (BarRect(bar).contains(pos)) return bar;
    return -1;
}

// The value whose thumb starts nearest `x` (the left edge of the dragged thumb).
int AggressionPane::ValueAt(int bar, int x) const
{
    const QRect r = BarRect(bar);
    const int track = r.width() - 2 * kArrow - kThumb;
    if (track <= 0) return 0;
    const int along = x - (r.left() + kArrow);
    return std::clamp((along * 10 + track / 2) / track, 0, 10);
}

void AggressionPane::Move(int bar, int value)
{
    if (SetAggressionPaneBar(g(), bar, value)) update();
}

void AggressionPane::Paint(QPainter& p)
{
    const AggressionPaneView v = AggressionPaneState(g());
    if (!v.shown) return;
    const Layout l = MakeLayout();
    const int L = l.lineHeight;
    p.setFont(PaneFont(font()));
    const int mid = width() / 2, room = width() - 4;
    auto centred = [&](int y, const QColor& colour, const std::string& text) {
        p.setPen(colour);
        TextCentre(p, mid, y, p.fontMetrics().elidedText(Q(text), Qt::ElideRight, room));
    };
    const std::string batSide = SideName(g(), v.bar[kBattingTeamBar].side);
    const std::string bowlSide = SideName(g(), v.bar[kBowlingTeamBar].side);

    for (int bar = 0; bar < kAggressionPaneBars; ++bar) {
        const AggressionPaneBar& x = v.bar[bar];
        const int top = l.barTop[bar];
        if (bar == kBattingTeamBar || bar == kBowlingTeamBar) {
            centred(top - L - 1, kYellow, (bar == kBattingTeamBar ? batSide + " - Batting" : bowlSide + " - Bowling"));
        } else {
            const bool batting = bar < kBattingTeamBar;
            centred(top - 3 * L - 1, batting ? QColor(Qt::white) : kPurple, x.firstName);
            centred(top - 2 * L - 1, Qt::black, batting ? "facing" : "bowling to");
            centred(top - L - 1, batting ? kPurple : QColor(Qt::white), x.secondName);
        }
        const QRect r = BarRect(bar);
        // The trough, with its ten steps marked.
        p.setPen(QColor(64, 64, 64));
        p.setBrush(x.editable ? QColor(200, 200, 200) : QColor(160, 160, 160));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        if (x.editable) {
            Arrow(p, QRect(r.left(), r.top(), kArrow, r.height()), true);
            Arrow(p, QRect(r.right() - kArrow + 1, r.top(), kArrow, r.height()), false);
        }
        const QPoint c = ThumbCentre(bar, x.value);
        const QRect thumb(c.x() - kThumb / 2, r.top() + 1, kThumb, r.height() - 2);
        p.setPen(x.editable ? QColor(Qt::black) : QColor(96, 96, 96));
        p.setBrush(x.editable ? QColor(240, 240, 240) : QColor(184, 184, 184));
        p.drawRect(thumb.adjusted(0, 0, -1, -1));
        // The value itself in the thumb: a bar alone does not say 6 from 7.
        QFont small = p.font();
        small.setPixelSize(9);
        p.save();
        p.setFont(small);
        p.setPen(x.editable ? QColor(Qt::black) : QColor(64, 64, 64));
        p.drawText(thumb, Qt::AlignCenter, QString::number(x.value));
        p.restore();
    }
}

void AggressionPane::mousePressEvent(QMouseEvent* e)
{
    tookPress_ = false;
    dragging_ = -1;
    const QPoint pos = e->position().toPoint();
    const int bar = e->button() == Qt::LeftButton ? BarAt(pos) : -1;
    const AggressionPaneView v = bar >= 0 ? AggressionPaneState(g()) : AggressionPaneView{};
    if (bar < 0 || !v.shown || !v.bar[bar].editable) {
        // Not a bar this person may move: the main window has the click.
        e->ignore();
        return;
    }
    tookPress_ = true;
    e->accept();
    const QRect r = BarRect(bar);
    const int value = v.bar[bar].value;
    const QPoint c = ThumbCentre(bar, value);
    if (pos.x() < r.left() + kArrow) Move(bar, value - 1);
    else if (pos.x() > r.right() - kArrow) Move(bar, value + 1);
    else if (pos.x() < c.x() - kThumb / 2) Move(bar, value - 5);
    else if (pos.x() > c.x() + kThumb / 2) Move(bar, value + 5);
    else {
        dragging_ = bar;
        grab_ = pos.x() - (c.x() - kThumb / 2);
    }
}

void AggressionPane::mouseMoveEvent(QMouseEvent* e)
{
    if (dragging_ < 0) {
        e->ignore();
        return;
    }
    const int value = ValueAt(dragging_, e->position().toPoint().x() - grab_);
    if (value != AggressionPaneState(g()).bar[dragging_].value) Move(dragging_, value);
}

void AggressionPane::mouseReleaseEvent(QMouseEvent* e)
{
    dragging_ = -1;
    if (tookPress_ && e->button() == Qt::LeftButton) {
        tookPress_ = false;
        e->accept();
        return;
    }
    e->ignore();
}

}  // namespace gui
