// The display options and aggression options boxes.
#pragma once

class QWidget;

namespace ovs {
struct OPTIONS;
}

namespace gui {

// "Display Options": the window size, the optional message boxes and the
// play options. True on OK, with `options` changed.
// `ballByBall`: write a ball-by-ball file of each Test of the series.
bool RunDisplayOptionsBox(QWidget* parent, ovs::OPTIONS& options, bool* ballByBall = nullptr);

// "Aggression Options": the four default aggressions and whether the
// aggression dialogs open by themselves. True on OK, with `options` changed.
bool RunAggressionOptionsBox(QWidget* parent, ovs::OPTIONS& options);

}  // namespace gui
