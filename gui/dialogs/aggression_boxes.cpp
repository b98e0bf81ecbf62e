// The batting, bowling and team aggression boxes: scroll bars from 0
// ("Defensive") to 10 ("Attacking") for each pairing or team.
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/innings.h"
#include "dialog_util.h"
#include "dialogs.h"

namespace gui {

namespace {

bool Valid(int slot) { return slot >= 0 && slot < ovs::MAX_ELEVEN; }

// One labelled bar: the label centred above it, the ends named, the value
// beside it.
QScrollBar* AddBar(QDialog& d, QVBoxLayout* top, const QString& label, int value, int index)
{
    auto* title = new QLabel(label, &d);
    title->setAlignment(Qt::AlignCenter);
    title->setObjectName(QString("label%1").arg(index));
    top->addWidget(title);
    auto* row = new QGridLayout;
    auto* bar = new QScrollBar(Qt::Horizontal, &d);
    bar->setObjectName(QString("bar%1").arg(index));
    bar->setRange(0, 10);
    bar->setSingleStep(1);
    bar->setPageStep(5);
    bar->setValue(std::clamp(value, 0, 10));
    bar->setMinimumWidth(260);
    auto* shown = new QLabel(QString::number(bar->value()), &d);
    shown->setMinimumWidth(20);
    QObject::connect(bar, &QScrollBar::valueChanged, shown, [shown](int v) { shown->setText(QString::number(v)); });
    row->addWidget(new QLabel("Defensive", &d), 0, 0);
    row->addWidget(bar, 0, 1);
    row->addWidget(new QLabel("Attacking", &d), 0, 2);
    row->addWidget(shown, 0, 3);
    top->addLayout(row);
    return bar;
}

QDialogButtonBox* AddButtons(QDialog& d, QVBoxLayout* top)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ctl150");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("ctl151");
    top->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    return buttons;
}

// The two men at the crease, the pair a pairing box is about.
void Pair(const ovs::CURRENT& c, int& a, int& b)
{
    a = Valid(c.nPartnerA) ? c.nPartnerA : c.nStriker;
    b = Valid(c.nPartnerB) ? c.nPartnerB : c.nNonStriker;
}

}  // namespace

bool RunBatAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& /*req*/)
{
    ovs::CURRENT& c = g.Current;
    int a, b;
    Pair(c, a, b);
    const int bats[2] = {a, b}, bowlers[2] = {c.nBowler, c.nOtherBowler};
    const int batSide = c.nBatSide, bowlSide = c.nBowlSide;
    if (!Valid(a) || !Valid(b) || !Valid(bowlers[0]) || batSide < 0 || batSide > 1) return false;
    for (int s : bats)
        for (int w : bowlers)
            if (Valid(w) && c.nBatVsBowl[s][w] == 0xFFFF) c.nBatVsBowl[s][w] = g.options.nPlayerBatAggression;

    QDialog d(parent);
    d.setObjectName("BattingFactorBox");
    StyleDialog(d, "Batting Aggression");
    auto* top = new QVBoxLayout(&d);
    QScrollBar* bars[2][2] = {};
    int index = 0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            if (!Valid(bowlers[j])) continue;
            const QString label = Q(SlotPlayerName(g, batSide, bats[i]) + " facing " +
                                    SlotPlayerName(g, bowlSide, bowlers[j]));
            bars[i][j] = AddBar(d, top, label, c.nBatVsBowl[bats[i]][bowlers[j]], index++);
        }
    auto* group = new QButtonGroup(&d);
    auto* neither = new QRadioButton("Protect neither batsman", &d);
    neither->setObjectName("protect0");
    group->addButton(neither, -1);
    top->addWidget(neither);
    QRadioButton* protect[2];
    for (int i = 0; i < 2; ++i) {
        protect[i] = new QRadioButton(Q("Protect " + SlotPlayerName(g, batSide, bats[i]) + " from strike"), &d);
        protect[i]->setObjectName(QString("protect%1").arg(i + 1));
        group->addButton(protect[i], bats[i]);
        top->addWidget(protect[i]);
    }
    // A protected man no longer at the crease counts as none.
    if (c.nProtected == a)
        protect[0]->setChecked(true);
    else if (c.nProtected == b)
        protect[1]->setChecked(true);
    else
        neither->setChecked(true);
    AddButtons(d, top);
    if (d.exec() != QDialog::Accepted) return true;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (bars[i][j]) c.nBatVsBowl[bats[i]][bowlers[j]] = static_cast<std::uint16_t>(bars[i][j]->value());
    c.nProtected = static_cast<std::int16_t>(group->checkedId());
    return true;
}

bool RunBowlAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& /*req*/)
{
    ovs::CURRENT& c = g.Current;
    int a, b;
    Pair(c, a, b);
    const int bats[2] = {a, b}, bowlers[2] = {c.nBowler, c.nOtherBowler};
    const int batSide = c.nBatSide, bowlSide = c.nBowlSide;
    if (!Valid(a) || !Valid(b) || !Valid(bowlers[0]) || bowlSide < 0 || bowlSide > 1) return false;
    for (int w : bowlers)
        for (int s : bats)
            if (Valid(w) && c.nBowlVsBat[w][s] == 0xFFFF) c.nBowlVsBat[w][s] = g.options.nPlayerBowlAggression;

    QDialog d(parent);
    d.setObjectName("BowlingFactorBox");
    StyleDialog(d, "Bowling Aggression");
    auto* top = new QVBoxLayout(&d);
    QScrollBar* bars[2][2] = {};
    int index = 0;
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            if (!Valid(bowlers[j])) continue;
            const QString label =
                Q(SlotPlayerName(g, bowlSide, bowlers[j]) + " to " + SlotPlayerName(g, batSide, bats[i]));
            bars[j][i] = AddBar(d, top, label, c.nBowlVsBat[bowlers[j]][bats[i]], index++);
        }
    AddButtons(d, top);
    if (d.exec() != QDialog::Accepted) return true;
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i)
            if (bars[j][i]) c.nBowlVsBat[bowlers[j]][bats[i]] = static_cast<std::uint16_t>(bars[j][i]->value());
    return true;
}

bool RunTeamAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& /*req*/)
{
    ovs::CURRENT& c = g.Current;
    const int batSide = c.nBatSide, bowlSide = c.nBowlSide;
    if (batSide < 0 || batSide > 1 || bowlSide < 0 || bowlSide > 1) return false;
    QDialog d(parent);
    d.setObjectName("TeamFactorBox");
    StyleDialog(d, "Team Aggression");
    auto* top = new QVBoxLayout(&d);
    QScrollBar* bat = AddBar(d, top, Q(ovs::SquadName(g, batSide) + " - Batting"), c.nTeamAggression[batSide], 0);
    QScrollBar* bowl = AddBar(d, top, Q(ovs::SquadName(g, bowlSide) + " - Bowling"), c.nTeamAggression[bowlSide], 1);
    // The computer's own value is not the person's to move.
    bat->setEnabled(!ovs::ComputerSide(g, batSide));
    bowl->setEnabled(!ovs::ComputerSide(g, bowlSide));
    AddButtons(d, top);
    if (d.exec() != QDialog::Accepted) return true;
    c.nTeamAggression[batSide] = static_cast<std::int16_t>(bat->value());
    c.nTeamAggression[bowlSide] = static_cast<std::int16_t>(bowl->value());
    return true;
}

}  // namespace gui
