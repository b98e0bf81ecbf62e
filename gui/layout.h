// The sizes of the main window for each nResolution.
#pragma once

#include <QRect>
#include <QSize>

namespace gui {

// The window size nResolution `resolution` gives on this screen.
QSize MainWindowSize(int resolution);
// Can the screen show this resolution (the display options disable those that do not fit)?
bool ResolutionFits(int resolution);
// The screen's size, and the part of it windows may use.
QSize ScreenSize();
QRect ScreenRect();
// Tests pretend to have a screen of this size (an invalid size: the real one).
void SetScreenSizeForTests(QSize size);

}  // namespace gui
