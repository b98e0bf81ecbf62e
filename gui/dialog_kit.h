// Habits every dialog of the game shares, for whoever adds a box:
//
// - OK ("ctl150") is the one default button: Return presses it wherever the
//   focus is, never the button clicked last (Computer Side, View ...);
// - a dialog opens with the focus on the checked choice of its first group
//   of radio buttons, so the arrow keys move the selection from there;
// - every scroll bar and slider takes the focus by Tab (the arrows move it
//   one step, Page Up and Page Down a page);
// - a dialog too big for the screen is tightened and set in smaller type
//   until it fits, then placed within the screen.
//
// The main window installs DialogKit once: every QDialog gets all three as it
// shows (message boxes and file dialogs keep their own). A box that wants them
// earlier, or on another button, calls the functions itself.
#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QDialog;
class QPushButton;

namespace gui {

// Make `ok` the dialog's only default button; the others never become it.
void SetDefaultButton(QDialog& d, QPushButton* ok);
// Let every scroll bar and slider of the dialog take the focus by Tab.
void SlidersTakeFocus(QDialog& d);
// Focus the checked button of the first group of radio buttons that has one.
void FocusCheckedChoice(QDialog& d);
// Tighten and shrink the type until the dialog fits the screen; centre it on
// its parent within the screen.
void FitToScreen(QDialog& d);
// A button that shows a letter or a picture: its tooltip and accessible name.
void LabelIconButton(QAbstractButton* b, const QString& what);

// Applies the habits above to every dialog as it shows.
class DialogKit : public QObject {
public:
    using QObject::QObject;
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};

}  // namespace gui
