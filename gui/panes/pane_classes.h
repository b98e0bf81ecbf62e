// The nine match pane classes.
#pragma once

#include <QPoint>

#include "panes/panes.h"

class QScrollBar;

class QPushButton;

namespace gui {

// ScoreboardClass: batsmen, score, day and clock, last wicket, lead or target.
class ScoreboardPane : public PaneBase {
public:
    ScoreboardPane(MainWindow& w, QWidget* parent);

protected:
    void Paint(QPainter& p) override;
};

// OverClass: the overs of the innings, ball by ball, as pictures.
class OverPane : public PaneBase {
public:
    OverPane(MainWindow& w, QWidget* parent);

protected:
    void Paint(QPainter& p) override;
};

// MenuClass: the seven captain's buttons and the five condition pictures.
class MenuPane : public PaneBase {
public:
    MenuPane(MainWindow& w, QWidget* parent);
    // The button under x (0..6), or -1.
    int ButtonAt(QPoint pos) const;
    // 0 normal, 1 greyed, 2 selected.
    int ButtonState(int button) const;
    // The tooltip of the button or picture at `pos` ("" for none).
    QString ToolTipAt(QPoint pos) const;

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter& p) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int selected_ = -1;
};

// ScorecardClass: the innings card.
class ScorecardPane : public PaneBase {
public:
    ScorecardPane(MainWindow& w, QWidget* parent);

protected:
    void Paint(QPainter& p) override;

private:
    // Commands 3000 + k: the scoreboard of each innings begun ("ctl3000"..).
    void PlaceInningsButtons();
    QPushButton* innings_[4] = {};
};

// BowlersClass: the bowling rotation with fitness and figures. A person
// bowling may pick the next bowler by clicking his row.
class BowlersPane : public PaneBase {
public:
    BowlersPane(MainWindow& w, QWidget* parent);
    // The row under a point (0..9), or -1; rows are 15 pixels high.
    static int RowAt(QPoint pos);
    // The middle of row `row` (for clicks).
    QPoint RowCentre(int row) const;

protected:
    void Paint(QPainter& p) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int pressed_ = -1;   // the row pressed, while the button is down
};

// AggressionClass: the batting and bowling pairings, each with its 0..10 bar,
// and the two team values. A person's own bars can be moved.
class AggressionPane : public PaneBase {
public:
    AggressionPane(MainWindow& w, QWidget* parent);
    // Where bar `bar` (0..9) lies in the pane: the whole bar with its arrows.
    QRect BarRect(int bar) const;
    // The middle of the thumb of a bar at `value`.
    QPoint ThumbCentre(int bar, int value) const;

protected:
    void Paint(QPainter& p) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // The layout of the pane: the top of each bar and the text line height.
    struct Layout {
        int lineHeight = 13;
        int barTop[10] = {};
    };
    Layout MakeLayout() const;
    int BarAt(QPoint pos) const;
    int ValueAt(int bar, int x) const;
    void Move(int bar, int value);

    int dragging_ = -1;   // the bar whose thumb is held
    int grab_ = 0;        // where in the thumb it was taken
    bool tookPress_ = false;
};

// HighlightsClass: the highlight lines of the match, newest at the bottom.
class HighlightsPane : public PaneBase {
public:
    HighlightsPane(MainWindow& w, QWidget* parent);

protected:
    void Paint(QPainter& p) override;
};

// SessionClass: the session summaries ("Lunch", "Tea", "Stumps").
class SessionPane : public PaneBase {
public:
    SessionPane(MainWindow& w, QWidget* parent);

protected:
    void Paint(QPainter& p) override;
};

// MatchClass: the two sides, the Test, the ground and the series score.
class MatchPane : public PaneBase {
public:
    MatchPane(MainWindow& w, QWidget* parent);

protected:
    void Paint(QPainter& p) override;
};

}  // namespace gui
