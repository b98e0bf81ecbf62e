// The batting, bowling and team aggression boxes: scroll bars from 0
// ("Defensive") to 10 ("Attacking") for each pairing or team.
//
// What they show and what OK stores are the engine's (the views of
// sim/aggression.h); the boxes only lay the views out and hand them back.
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/game.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "sim/aggression.h"

namespace gui {

namespace {

bool Valid(int slot) { return slot >= 0 && slot < ovs::MAX_ELEVEN; }
bool ValidSide(int side) { return side == 0 || side == 1; }

// One labelled bar: the label centred above it, the ends named, the value
// beside it. Arrows move 1, the page areas 5, always within 0..10.
QScrollBar* AddBar(QDialog& d, QVBoxLayout* top, const QString& label, int value, int index)
{
    auto* title = new QLabel(label, &d);
    title->setAlignment(Qt::AlignCenter);
    title->setObjectName(QString("label%1").arg(index));
    top->addWidget(title);
    auto* row = new QGridLayout;
    auto* bar = new QScrollBar(Qt::Horizontal, &d);
    bar->setObjectName(QString("bar%1").arg(index));
    bar->setRange(ovs::kAggressionMin, ovs::kAggressionMax);
    bar->setSingleStep(1);
    bar->setPageStep(5);
    bar->setValue(ovs::ClampAggression(value));
    bar->setMinimumWidth(260);
    auto* shown = new QLabel(QString::number(bar->value()), &d);
    shown->setObjectName(QString("value%1").arg(index));
    shown->setMinimumWidth(20);
    QObject::connect(bar, &QScrollBar::valueChanged, shown, [shown](int v) { shown->setText(QString::number(v)); });
    row->addWidget(new QLabel("Defensive", &d), 0, 0);
    row->addWidget(bar, 0, 1);
    row->addWidget(new QLabel("Attacking", &d), 0, 2);
    row->addWidget(shown, 0, 3);
    top->addLayout(row);
    return bar;
}

// The bars of the pairings that exist (the other-end bowler is missing until
// the second over of an innings); null for the others.
void AddPairingBars(QDialog& d, QVBoxLayout* top, const ovs::AggressionPairing (&pairing)[4],
                    QScrollBar* (&bars)[4])
{
    int index = 0;
    for (int k = 0; k < 4; ++k) {
        bars[k] = nullptr;
        if (!Valid(pairing[k].bat) || !Valid(pairing[k].bowler)) continue;
        bars[k] = AddBar(d, top, Q(pairing[k].label), pairing[k].value, index++);
    }
}

void TakeBars(ovs::AggressionPairing (&pairing)[4], QScrollBar* const (&bars)[4])
{
    for (int k = 0; k < 4; ++k)
        if (bars[k]) pairing[k].value = bars[k]->value();
}

// Crease and bowler there to talk about: both batsmen and the current bowler.
bool PairingsExist(const ovs::Game& g)
{
    const ovs::CURRENT& c = g.Current;
    return ValidSide(c.nBatSide) && ValidSide(c.nBowlSide) && Valid(c.nPartnerA) && Valid(c.nPartnerB) &&
           Valid(c.nBowler);
}

int Finish(ovs::DialogRequest& req, bool accepted)
{
    req.result = accepted ? ovs::IDOK : ovs::IDCANCEL;
    return req.result;
}

}  // namespace

bool RunBatAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    if (!PairingsExist(g)) return false;
    ovs::BattingAggressionView view = ovs::BattingAggressionState(g);

    QDialog d(parent);
    d.setObjectName("BattingFactorBox");
    StyleDialog(d, "Batting Aggression");
    auto* top = new QVBoxLayout(&d);
    QScrollBar* bars[4];
    AddPairingBars(d, top, view.pairing, bars);
    // Button ids are the view's protection choices: 0 neither, 1 and 2 a batsman.
    auto* group = new QButtonGroup(&d);
    for (int k = 0; k < 3; ++k) {
        auto* b = new QRadioButton(Q(view.protectLabel[k]), &d);
        b->setObjectName(QString("protect%1").arg(k));
        group->addButton(b, k);
        top->addWidget(b);
        b->setChecked(k == view.protect);
    }
    AddOkCancelButtons(d, top);
    if (Finish(req, d.exec() == QDialog::Accepted) != ovs::IDOK) return true;
    TakeBars(view.pairing, bars);
    view.protect = std::max(0, group->checkedId());
    ovs::ApplyBattingAggression(g, view);
    return true;
}

bool RunBowlAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    if (!PairingsExist(g)) return false;
    ovs::BowlingAggressionView view = ovs::BowlingAggressionState(g);

    QDialog d(parent);
    d.setObjectName("BowlingFactorBox");
    StyleDialog(d, "Bowling Aggression");
    auto* top = new QVBoxLayout(&d);
    QScrollBar* bars[4];
    AddPairingBars(d, top, view.pairing, bars);
    AddOkCancelButtons(d, top);
    if (Finish(req, d.exec() == QDialog::Accepted) != ovs::IDOK) return true;
    TakeBars(view.pairing, bars);
    ovs::ApplyBowlingAggression(g, view);
    return true;
}

bool RunTeamAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    const ovs::CURRENT& c = g.Current;
    if (!ValidSide(c.nBatSide) || !ValidSide(c.nBowlSide)) return false;
    ovs::TeamAggressionView view = ovs::TeamAggressionState(g);

    QDialog d(parent);
    d.setObjectName("TeamFactorBox");
    StyleDialog(d, "Team Aggression");
    auto* top = new QVBoxLayout(&d);
    QScrollBar* bars[2];
    for (int k = 0; k < 2; ++k) {
        bars[k] = AddBar(d, top, Q(view.label[k]), view.value[k], k);
        // The computer's own value is not the person's to move.
        bars[k]->setEnabled(view.editable[k]);
    }
    AddOkCancelButtons(d, top);
    if (Finish(req, d.exec() == QDialog::Accepted) != ovs::IDOK) return true;
    for (int k = 0; k < 2; ++k) view.value[k] = bars[k]->value();
    ovs::ApplyTeamAggression(g, view);
    return true;
}

}  // namespace gui
