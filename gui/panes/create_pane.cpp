// Creating the match panes by index.
#include "main_window.h"
#include "panes/pane_classes.h"

namespace gui {

QWidget* CreatePane(int index, MainWindow& w, QWidget* parent)
{
    switch (index) {
    case PaneScoreboard: return new ScoreboardPane(w, parent);
    case PaneOver: return new OverPane(w, parent);
    case PaneButtons: return new MenuPane(w, parent);
    case PaneScorecard: return new ScorecardPane(w, parent);
    case PaneBowlers: return new BowlersPane(w, parent);
    case PaneAggression: return new AggressionPane(w, parent);
    case PaneHighlights: return new HighlightsPane(w, parent);
    case PaneSession: return new SessionPane(w, parent);
    default: return new MatchPane(w, parent);
    }
}

}  // namespace gui
