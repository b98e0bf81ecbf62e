// The colours of the main window and its panes.
#pragma once

#include <QColor>

namespace gui {

inline const QColor kGreen(0, 128, 0);        // the main window's background
inline const QColor kGrey(128, 128, 128);     // the grey panes
inline const QColor kStock(192, 192, 192);    // the panes on the stock brush
inline const QColor kCyan(0, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kPurple(255, 128, 255);   // light enough to read on grey
inline const QColor kBrightGreen(0, 255, 0);
inline const QColor kBlue(64, 128, 255);
inline const QColor kTeal(0, 160, 160);
inline const QColor kSilver(192, 192, 192);
inline const QColor kRed(255, 64, 64);

}  // namespace gui
