// "Select Bowler": the bowler of the next over, with each man's fitness,
// type and figures, and the new ball once 80 overs old.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/game.h"
#include "data/texts.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "sim/booking.h"
#include "sim/bowling.h"

namespace gui {

namespace {

bool Valid(int slot) { return slot >= 0 && slot < ovs::MAX_ELEVEN; }

}  // namespace

bool RunNewBowlerBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    if (!g.pInnings || !g.pTest) return false;
    ovs::CURRENT& c = g.Current;
    const ovs::INNINGS& in = *g.pInnings;
    const int side = req.side >= 0 ? req.side : static_cast<int>(c.nBowlSide);

    ChoiceDialog d(parent);
    d.setObjectName("NewBowlerBox");
    StyleDialog(d, "Select Bowler");
    auto* top = new QVBoxLayout(&d);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    top->addLayout(grid);
    const char* const heads[] = {"Bowler", "Fitness", "Type", "O", "M", "R", "W"};
    for (int k = 0; k < 7; ++k) grid->addWidget(new QLabel(QString("<b>%1</b>").arg(heads[k]), &d), 0, k);

    // The other-end bowler may not bowl two overs running; at an innings
    // start the caller names who may be chosen.
    auto allowed = [&](int slot) {
        if (!req.choices.empty()) return std::find(req.choices.begin(), req.choices.end(), slot) != req.choices.end();
        return slot != c.nOtherBowler;
    };
    QRadioButton* rows[ovs::MAX_ELEVEN] = {};
    for (int slot = 0; slot < ovs::MAX_ELEVEN; ++slot) {
        const int type = ovs::ball::SlotPlayer(g, side, slot).nBowlType;
        const int r = slot + 1;
        rows[slot] = new QRadioButton(Q(SlotPlayerName(g, side, slot)), &d);
        rows[slot]->setObjectName(QString("ctl%1").arg(100 + slot));
        rows[slot]->setEnabled(type != -1 && allowed(slot));
        grid->addWidget(rows[slot], r, 0);
        auto* fitness = new QLabel(ovs::FitnessText(c.Spell[slot].nTiredness), &d);
        fitness->setObjectName(QString("ctl%1").arg(200 + slot));
        grid->addWidget(fitness, r, 1);
        auto* typeWord = new QLabel(ovs::BowlTypeShort(type), &d);
        typeWord->setObjectName(QString("ctl%1").arg(300 + slot));
        grid->addWidget(typeWord, r, 2);
        const ovs::BOWL& b = in.Bowl[slot];
        if (b.nBalls > 0) {
            const int figures[4] = {b.nBalls / 6, b.nMaidens, b.nRuns, b.nWickets};
            for (int k = 0; k < 4; ++k) {
                auto* l = new QLabel(QString::number(figures[k]), &d);
                l->setObjectName(QString("ctl%1").arg(400 + 100 * k + slot));
                grid->addWidget(l, r, 3 + k, Qt::AlignRight);
            }
        }
    }

    // The first choice: the list's first bowler, the second when the other
    // end is taken, or whoever bowled last at this end.
    const int first = c.nBowlOrder[0][side], second = c.nBowlOrder[1][side];
    int initial = -1;
    if (in.nTotalBalls >= 6 && Valid(c.nLastBowler))
        initial = c.nLastBowler;
    else if (!Valid(c.nBowler) && !Valid(c.nOtherBowler))
        initial = first;
    else if (!Valid(c.nBowler))
        initial = second == c.nOtherBowler ? first : second;
    else
        initial = c.nBowler;
    if (!Valid(initial) || !rows[initial]->isEnabled()) {
        initial = -1;
        for (int slot : {first, second})
            if (initial < 0 && Valid(slot) && rows[slot]->isEnabled()) initial = slot;
    }
    if (Valid(initial)) rows[initial]->setChecked(true);

    auto* newBall = new QCheckBox("Take new ball", &d);
    newBall->setObjectName("ctl140");
    newBall->setVisible(c.nOversSinceNewBall >= 80);
    top->addWidget(newBall);

    auto* buttons = AddOkButton(d, top, false);
    int chosen = -1;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
        for (int slot = 0; slot < ovs::MAX_ELEVEN; ++slot)
            if (rows[slot]->isChecked() && rows[slot]->isEnabled()) chosen = slot;
        if (chosen < 0) return;  // OK without a row does nothing
        if (newBall->isVisible() && newBall->isChecked()) ovs::TakeNewBall(g);
        d.accept();
    });
    d.exec();
    req.result = chosen;
    return chosen >= 0;
}

}  // namespace gui
