// "Test Performance Points": each eleven's batting, bowling and fielding
// points of the Test in play, as shown (batting and bowling raised by a
// tenth, fielding cut to seven tenths).
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/innings.h"
#include "dialog_util.h"
#include "dialogs.h"

namespace gui {

namespace {

// Points are kept unsigned but mean signed 16-bit values.
int Signed(unsigned v) { return static_cast<std::int16_t>(v); }

// Two rows of headings and eleven players, then two of the note on rounding.
constexpr double kRatingNoteRow = 13;
constexpr int kRatingRows = 15;

}  // namespace

// The texts of the box, also used by the tests.
void FillTestRating(const ovs::Game& g, ColumnCanvas& canvas)
{
    canvas.Clear();
    if (!g.pTest) return;
    const ovs::TEST& t = *g.pTest;
    const int nameCol[2] = {1, 43};
    const int cols[2][4] = {{21, 27, 33, 40}, {66, 72, 78, 85}};
    const char* const heads[4] = {"Bat", "Bowl", "Field", "Total"};
    for (int side = 0; side < 2; ++side) {
        canvas.Add(nameCol[side], 0, CellText::Left, Q(ovs::SquadName(g, side)));
        for (int k = 0; k < 4; ++k) canvas.Add(cols[side][k], 0, CellText::Right, heads[k]);
        for (int slot = 0; slot < ovs::MAX_ELEVEN; ++slot) {
            const double row = slot + 1.5;
            canvas.Add(nameCol[side], row, CellText::Left, Q(SlotPlayerName(g, side, slot)));
            const int bat = Signed(t.nBatPoints[slot][side]);
            const int bowl = Signed(t.nBowlPoints[slot][side]);
            const int field = Signed(t.nFieldPoints[slot][side]);
            // Each column is rounded down on its own and the total once, from
            // the unrounded points, so a total may exceed the sum of its
            // columns by one or two (658 + 0 + 521 makes 1180 when the
            // batting points are 599 and the fielding 745). The series and
            // career figures round the batting points before adding
            // (TestPoints), which is why they can be one lower than this total.
            const int shown[4] = {static_cast<int>(bat * 1.1), static_cast<int>(bowl * 1.1),
                                  static_cast<int>(field * 0.7),
                                  static_cast<int>(bat * 1.1 + bowl * 1.1 + field * 0.7)};
            for (int k = 0; k < 4; ++k) canvas.Add(cols[side][k], row, CellText::Right, QString::number(shown[k]));
        }
    }
    canvas.Add(1, kRatingNoteRow, CellText::Left,
               "Each column is rounded down; Total is rounded once, from the unrounded points.");
    canvas.Add(1, kRatingNoteRow + 1, CellText::Left,
               "The series figures round Bat first, so their totals can be one lower.");
}

bool RunTestRatingBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& /*req*/)
{
    QDialog d(parent);
    d.setObjectName("TestRatingBox");
    StyleDialog(d, "Test Performance Points");
    auto* top = new QVBoxLayout(&d);
    auto* canvas = new ColumnCanvas(86, kRatingRows, &d);
    canvas->setObjectName("canvas");
    FillTestRating(g, *canvas);
    top->addWidget(canvas);
    AddOkButton(d, top);
    d.exec();
    return true;
}

}  // namespace gui
