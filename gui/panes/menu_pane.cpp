// The menu pane: the seven captain's buttons and the five condition pictures.
#include <QAction>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>

#include "core/conditions.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/toolbar.h"
#include "icons.h"
#include "main_window.h"
#include "panes/pane_classes.h"
#include "theme.h"

namespace gui {

using namespace ovs;

namespace {

const ToolbarButton* const kButtons = kToolbarButtons;

}  // namespace

MenuPane::MenuPane(MainWindow& w, QWidget* parent) : PaneBase(w, parent, "MenuClass", kStock)
{
    setMouseTracking(false);
    setAccessibleName("Captain's buttons");
    setAccessibleDescription("Batting, bowling and team aggression, new bowler, declare, scoreboard and next over "
                             "(keys 1 to 7); then the ball, pitch, bounce, outfield and weather");
}

bool MenuPane::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return PaneBase::event(e);
}

QString MenuPane::ToolTipAt(QPoint pos) const
{
    if (pos.x() >= width() - 160 && pos.x() < width() && pos.y() >= 0 && pos.y() < 32) {
        static const char* const kPictures[5] = {"Ball", "Pitch", "Bounce", "Outfield", "Weather"};
        return QString("%1: click for the playing conditions").arg(kPictures[(pos.x() - (width() - 160)) / 32]);
    }
    const int b = ButtonAt(pos);
    const QAction* a = b >= 0 ? w_.Action(kButtons[b].command) : nullptr;
    if (!a) return QString();
    QString tip = a->text().remove('&');
    if (!a->shortcut().isEmpty()) tip += " (" + a->shortcut().toString(QKeySequence::NativeText) + ")";
    return tip;
}

int MenuPane::ButtonAt(QPoint pos) const
{
    if (pos.y() < 0 || pos.y() >= 32 || pos.x() < 0) return -1;
    int b = pos.x() / 32;
    return b < 7 ? b : -1;
}

int MenuPane::ButtonState(int button) const
{
    if (!g().commands.Enabled(kButtons[button].command)) return 1;
    return button == selected_ ? 2 : 0;
}

void MenuPane::Paint(QPainter& p)
{
    const CURRENT& c = g().Current;
    for (int b = 0; b < 7; ++b)
        p.drawPixmap(32 * b, 0, IconPixmap(QString(kButtons[b].icon) + ToolbarStateName(ButtonState(b))));

    const int right = width();
    p.drawPixmap(right - 160, 0, IconPixmap(QString("Ball_%1").arg(BallLevel(c.nBallWear) + 1)));
    p.drawPixmap(right - 128, 0, IconPixmap(QString("Pitch_%1").arg(PitchLevel(c.nPitch) + 1)));
    p.drawPixmap(right - 96, 0, IconPixmap(QString("Bounce_%1").arg(BounceLevel(c.nBounce) + 1)));
    p.drawPixmap(right - 64, 0, IconPixmap(QString("Outfield_%1").arg(OutfieldLevel(c.nOutfield) + 1)));
    p.drawPixmap(right - 32, 0, IconPixmap(QString("Weather_%1").arg(std::clamp(c.nWeather / 5, 0, 8) + 1)));
    if (c.nOversSinceNewBall > 0) {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(20);
        p.setFont(f);
        p.setPen(Qt::white);
        TextCentre(p, right - 144, 6, QString::number(c.nOversSinceNewBall));
    }
}

void MenuPane::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    selected_ = ButtonAt(e->position().toPoint());
    update();
}

void MenuPane::mouseMoveEvent(QMouseEvent* e)
{
    int b = ButtonAt(e->position().toPoint());
    if (b != selected_) {
        selected_ = b;
        update();
    }
}

void MenuPane::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    selected_ = -1;
    update();
    const QPoint pos = e->position().toPoint();
    // The condition pictures open the conditions view.
    if (pos.x() >= width() - 160 && pos.x() < width() && pos.y() >= 1 && pos.y() < 32) {
        w_.Command(CMD_CONDITIONS);
        return;
    }
    int b = ButtonAt(pos);
    if (b < 0 || !g().commands.Enabled(kButtons[b].command)) return;
    g().Log("Posting WM_COMMAND message from MenuWndProc ()\n");
    w_.Command(kButtons[b].command);
}

}  // namespace gui
