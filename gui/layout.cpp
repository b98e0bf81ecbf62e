// The main window's size (ResizeMainWindow), the tiling of the match panes
// (their places at each width are in panes/pane_layout) and their redraws.
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "client_area.h"
#include "core/game.h"
#include "layout.h"
#include "main_window.h"
#include "panes/pane_layout.h"

namespace gui {

namespace {

QSize g_screenOverride;

// The window size of each nResolution.
QSize ResolutionSize(int resolution)
{
    switch (resolution) {
    case 1: return {640, 480};
    case 2: return {800, 600};
    case 3: return {1024, 768};
    case 4: return {1152, 864};
    case 5: return {1280, 1024};
    default: return {};
    }
}

}  // namespace

void SetScreenSizeForTests(QSize size) { g_screenOverride = size; }

QSize ScreenSize()
{
    if (g_screenOverride.isValid()) return g_screenOverride;
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}

QRect ScreenRect()
{
    if (g_screenOverride.isValid()) return QRect(QPoint(0, 0), g_screenOverride);
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize MainWindowSize(int resolution)
{
    QSize screen = ScreenSize();
    QSize want = ResolutionSize(resolution);
    if (!want.isValid()) want = QSize(std::min(screen.width(), 1280), std::min(screen.height(), 1024));
    if (screen.width() < want.width()) want = screen;
    return want;
}

bool ResolutionFits(int resolution)
{
    QSize want = ResolutionSize(resolution);
    return !want.isValid() || want.width() <= ScreenSize().width();
}

void MainWindow::ResizeMainWindow(bool redraw)
{
    QSize screen = ScreenSize();
    QSize size = MainWindowSize(g_.options.nResolution);
    g_.Log("Windows is running at a resolution of %d x %d\n", screen.width(), screen.height());
    g_.Log("OVS main window is %d x %d\n", size.width(), size.height());
    g_.nMainWidth = static_cast<std::int16_t>(size.width());
    g_.nMainHeight = static_cast<std::int16_t>(size.height());
    setFixedSize(size);
    move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);

    QFontMetrics fm(font());
    charWidth_ = fm.averageCharWidth();
    lineHeight_ = fm.height() + fm.leading();
    LayoutPanes();
    if (redraw) {
        client_->update();
        g_.Log("Resizing Main Window to %d to %d\n", size.width(), size.height());
    }
}

bool MainWindow::TestOnScreen() const
{
    return g_.pTest && g_.Current.nTime >= 800 && g_.Series.nNumTests > 0 && g_.Watched();
}

void MainWindow::LayoutPanes()
{
    if (!panes_[0]) return;
    // The client area is the window less its menu bar.
    const int W = g_.nMainWidth;
    const int H = g_.nMainHeight - (menuBar() ? menuBar()->sizeHint().height() : 0);
    const std::array<QRect, PaneCount> r = PaneRects(W, H, lineHeight_);
    for (int i = 0; i < PaneCount; ++i) {
        if (r[i].isValid()) panes_[i]->setGeometry(r[i]);
        panes_[i]->setProperty("atThisWidth", r[i].isValid());
    }
    // The rows the over pane can show; the flow scrolls the rows by it.
    g_.Current.nOverRows = static_cast<std::int16_t>(std::clamp((r[PaneOver].height() - 6) / 40, 1, 8));
    panesShown_ = !panesShown_;   // make the next refresh set visibility afresh
    RefreshPanes(ovs::PANE_ALL);
}

void MainWindow::RefreshPanes(unsigned mask)
{
    if (!panes_[0]) {
        if (mask & ovs::PANE_TITLE) client_->update();
        return;
    }
    const bool on = TestOnScreen();
    if (on != panesShown_) {
        panesShown_ = on;
        for (QWidget* p : panes_) p->setVisible(on && p->property("atThisWidth").toBool());
        client_->update();
        mask = ovs::PANE_ALL;
    }
    if (!on) {
        if (mask & ovs::PANE_TITLE) client_->update();
        return;
    }
    // During a Test the panes cover the title: redrawing it would redraw
    // every pane, the ones the state of play holds back included.
    mask = PanesToRedraw(g_, mask);
    for (int i = 0; i < PaneCount; ++i)
        if ((mask & (1u << i)) && panes_[i]->isVisible()) panes_[i]->update();
}

}  // namespace gui
