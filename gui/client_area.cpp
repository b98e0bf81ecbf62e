// The main window's client area: the title screen (PaintTitle) and clicks.
#include "client_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/game.h"
#include "core/setup.h"
#include "core/startup.h"
#include "main_window.h"
#include "theme.h"

namespace gui {

namespace {

std::string SquadText(const char (&field)[21])
{
    std::size_t n = 0;
    while (n < sizeof field && field[n]) ++n;
    return std::string(field, n);
}

// Does the series wait for its next Test (so the title names it)?
bool SeriesPending(const ovs::Game& g)
{
    const ovs::SERIES& s = g.Series;
    if (s.nNumTests <= 0 || s.nSquad[0] < 0) return false;
    const ovs::TEST& last = s.Test[std::min<int>(s.nNumTests, ovs::MAX_TESTS) - 1];
    return last.nTossWinner == -1 && last.nGround == -1 && last.nWinner == -1;
}

void DrawCentred(QPainter& p, int width, int top, const QString& text)
{
    QFontMetrics fm(p.font());
    p.drawText((width - fm.horizontalAdvance(text)) / 2, top + fm.ascent(), text);
}

}  // namespace

ClientArea::ClientArea(MainWindow& w) : QWidget(&w), w_(w)
{
    setObjectName("ClientArea");
    setAutoFillBackground(false);
}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kGreen);
    const ovs::Game& g = w_.game();
    const int mid = height() / 2;
    const int width = this->width();

    p.setPen(Qt::white);
    QFont big = font();
    // A Windows font of height 100 is the whole cell; Qt sizes the em.
    big.setPixelSize(86);
    big.setBold(true);
    big.setItalic(true);
    p.setFont(big);
    DrawCentred(p, width, mid - 200, "Oval");
    DrawCentred(p, width, mid - 125, "spin");

    QFont version = font();
    version.setPixelSize(19);
    version.setBold(true);
    version.setItalic(true);
    p.setFont(version);
    // Just below the descender of "spin".
    DrawCentred(p, width, mid - 22, ovs::kVersion);

    QFont plain = font();
    plain.setPixelSize(15);
    p.setFont(plain);
    if (!SeriesPending(g)) {
        DrawCentred(p, width, mid + 100, "Press Ctrl+N to start a new Series.");
        DrawCentred(p, width, mid + 120, "Press Ctrl+L to start a new League.");
    } else {
        std::string line = SquadText(g.Series.Squad[0].szName) + " vs " + SquadText(g.Series.Squad[1].szName) +
                           " - " + ovs::TestOrdinal(g.Current.nTest + 1) + " Test";
        DrawCentred(p, width, mid + 100, QString::fromStdString(line));
    }
}

void ClientArea::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) w_.ResumePlay(true);
    else if (e->button() == Qt::RightButton) w_.RightClick();
}

}  // namespace gui
