// The match panes of the main window and what they share.
//
// Each pane is a child widget that paints what the Game holds; the engine
// asks for redraws through the Host. Panes that take no input let clicks
// through to the main window, where a left click resumes a pause.
#pragma once

#include <QColor>
#include <QWidget>
#include <string>

namespace ovs {
struct Game;
struct INNINGS;
}

class QPainter;

namespace gui {

class MainWindow;

class PaneBase : public QWidget {
public:
    PaneBase(MainWindow& w, QWidget* parent, const char* className, QColor background);

protected:
    void paintEvent(QPaintEvent*) override;
    // Draw the pane's contents; the background is filled already.
    virtual void Paint(QPainter& p) = 0;

    ovs::Game& g() const;
    MainWindow& w_;
    QColor background_;
};

// Create pane `index` (a PaneIndex) as a child of `parent`.
QWidget* CreatePane(int index, MainWindow& w, QWidget* parent);

// --- helpers the panes share ---------------------------------------------

// A fixed-width text field as a string.
template <std::size_t N>
std::string Field(const char (&field)[N])
{
    std::size_t n = 0;
    while (n < N && field[n]) ++n;
    return std::string(field, n);
}

// The innings in play, or null.
const ovs::INNINGS* CurrentInnings(const ovs::Game& g);
// The squad name of side 0 or 1 in the series.
std::string SideName(const ovs::Game& g, int side);
// The display name of slot `slot` of side `side` ("" for no such slot).
std::string PlayerName(const ovs::Game& g, int side, int slot);
// "%s %s Innings": the batting side and "1st" or "2nd".
std::string InningsTitle(const ovs::Game& g);
// Draw text with its top at y: left-aligned at x, centred on x, or right-aligned at x.
void TextLeft(QPainter& p, int x, int y, const QString& s);
void TextCentre(QPainter& p, int x, int y, const QString& s);
void TextRight(QPainter& p, int x, int y, const QString& s);
QString Q(const std::string& s);

}  // namespace gui
