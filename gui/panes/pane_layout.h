// Where the match panes stand at each window width, and which redraws the
// state of play holds back.
#pragma once

#include <QRect>
#include <array>

#include "main_window.h"

namespace ovs {
struct Game;
}

namespace gui {

// The panes' places in a client area `width` x `height` whose text lines are
// `lineHeight` high. A pane with an empty rectangle is not shown at this width.
std::array<QRect, PaneCount> PaneRects(int width, int height, int lineHeight);

// The height the aggression pane needs for its ten bars with text lines
// `lineHeight` high (the pane font's, not the window's).
int AggressionPaneHeight(int lineHeight);

// Rows of overs the over pane shows at this width.
int OverPaneRows(int width);

// The panes of `mask` that may be redrawn now: while play in an innings is
// stopped by bad light or rain the session and highlights panes keep what
// they show.
unsigned PanesToRedraw(const ovs::Game& g, unsigned mask);

}  // namespace gui
