// Shared pieces of the play dialogs: texts of the match state and a canvas
// that draws text in character columns, as the scoreboard and points boxes do.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLayout>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace ovs {
struct Game;
enum class SquadAverages;
struct ViewTable;
}

namespace gui {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline QString Q(const char* s) { return QString::fromLatin1(s); }

// Display name of the player in `slot` of `side`'s eleven ("" when unset).
std::string SlotPlayerName(const ovs::Game& g, int side, int slot);
// "1st".."6th".
std::string Ordinal(int n);
// "s" unless n is 1.
inline const char* Plural(int n) { return n == 1 ? "" : "s"; }

// The dialogs' message boxes go through the Host, so that tests record them.
void DialogMessage(ovs::Game& g, const std::string& text, const std::string& caption, bool warning);

// One text of a column canvas: column (may be fractional), row (may be
// fractional), alignment (left, right on the column, centred on it).
struct CellText {
    enum Align { Left, Right, Centre };
    double col = 0;
    double row = 0;
    Align align = Left;
    QString text;
};

// Text laid out in character columns: column width = client width / columns
// (integer), centred by the margin that leaves, rows of the font's height.
class ColumnCanvas : public QWidget {
public:
    ColumnCanvas(int columns, int rows, QWidget* parent = nullptr);
    void Clear() { cells_.clear(); update(); }
    // A new number of columns and rows (the height it asks for follows; the
    // width is the owner's to set).
    void SetGrid(int columns, int rows);
    void Add(double col, double row, CellText::Align align, const QString& text);
    const std::vector<CellText>& Cells() const { return cells_; }
    // All texts, row by row, for tests.
    QString AllText() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int columns_;
    int rows_;
    std::vector<CellText> cells_;
};

// A choice dialog that its close box and Escape cannot end: the choice is
// wanted, and the caller would only open it again.
class ChoiceDialog : public QDialog {
public:
    using QDialog::QDialog;
    void reject() override {}
};

// The painted texts of the points and scoreboard boxes (shared with tests).
void FillTestRating(const ovs::Game& g, ColumnCanvas& canvas);
void FillScoreboard(ovs::Game& g, ColumnCanvas& canvas, QString* title);

// A view's table in a canvas, as its box paints it (also used by tests):
// the headings on rows 0 and 1, the table's rows from row 3 (a form's from
// row 0). Returns the number of table rows.
int FillViewCanvas(const ovs::ViewTable& t, ColumnCanvas& canvas);

// The stock look of our dialogs: light grey, fixed size.
void StyleDialog(QDialog& d, const QString& title);

// The dialog's OK button ("ctl150") in a button row added to `top`; with
// `accepts` it closes the dialog, otherwise the caller connects it.
QDialogButtonBox* AddOkButton(QDialog& d, QLayout* top, bool accepts = true);
// OK ("ctl150") and Cancel ("ctl151"): Cancel rejects; OK accepts with `accepts`.
QDialogButtonBox* AddOkCancelButtons(QDialog& d, QLayout* top, bool accepts = true);

}  // namespace gui
