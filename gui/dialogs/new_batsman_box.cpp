// "Select Batsman": the next batsman after a wicket, the two openers, and
// the declaration the batting side may make instead of sending one in.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/innings.h"
#include "data/texts.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "sim/booking.h"

namespace gui {

namespace {

// The declaration check box's text, or "" when it is not offered.
std::string DeclareText(const ovs::Game& g)
{
    const ovs::INNINGS& in = *g.pInnings;
    if (in.nTotalBalls == 0) return "";
    const int total = in.nTotal;
    int d = 0;
    switch (g.Current.nInnings) {
    case 0: d = total; break;
    case 1: d = total - ovs::InningsRuns(g, 0); break;
    case 2:
        d = ovs::ThirdInningsLead(g, total);
        if (d < 0) return "";
        break;
    default: return "";
    }
    char buf[64];
    if (d > 0)
        std::snprintf(buf, sizeof buf, "Declare: Ahead by %d run%s", d, Plural(d));
    else if (d < 0)
        std::snprintf(buf, sizeof buf, "Declare: Behind by %d run%s", -d, Plural(-d));
    else
        std::snprintf(buf, sizeof buf, "Declare: Scores level");
    return buf;
}

// One run of the box: the chosen slot, `declared` when the person declared.
// Slots in `barred` are disabled besides those who have batted.
int BatsmanBox(QWidget* parent, ovs::Game& g, int side, int barred, bool offerDeclare, bool& declared)
{
    declared = false;
    const ovs::INNINGS& in = *g.pInnings;
    ChoiceDialog d(parent);
    d.setObjectName("NewBatsmanBox");
    StyleDialog(d, "Select Batsman");
    auto* top = new QVBoxLayout(&d);
    auto* grid = new QGridLayout;
    top->addLayout(grid);
    QRadioButton* rows[ovs::MAX_ELEVEN] = {};
    int first = -1;
    for (int slot = 0; slot < ovs::MAX_ELEVEN; ++slot) {
        const bool batted = in.Bat[slot].nHowOut != ovs::HOWOUT_DIDNOTBAT;
        const bool notOut = in.Bat[slot].nHowOut == ovs::HOWOUT_NOTOUT;
        rows[slot] = new QRadioButton(Q(SlotPlayerName(g, side, slot)), &d);
        rows[slot]->setObjectName(QString("ctl%1").arg(100 + slot));
        rows[slot]->setEnabled(!batted && slot != barred);
        grid->addWidget(rows[slot], slot, 0);
        if (!batted || notOut) {
            auto* type = new QLabel(ovs::BatTypeShort(ovs::ball::SlotPlayer(g, side, slot).nBatType), &d);
            type->setObjectName(QString("ctl%1").arg(200 + slot));
            grid->addWidget(type, slot, 1);
        }
        if (first < 0 && rows[slot]->isEnabled()) first = slot;
    }
    if (first >= 0) rows[first]->setChecked(true);

    auto* declare = new QCheckBox(&d);
    declare->setObjectName("ctl140");
    const std::string text = offerDeclare ? DeclareText(g) : "";
    declare->setText(Q(text));
    declare->setVisible(!text.empty());
    top->addWidget(declare);

    auto* buttons = AddOkButton(d, top, false);
    int chosen = -1;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
        for (int slot = 0; slot < ovs::MAX_ELEVEN; ++slot)
            if (rows[slot]->isChecked() && rows[slot]->isEnabled()) chosen = slot;
        if (chosen < 0) return;
        if (declare->isVisible() && declare->isChecked())
            declared = g.host->MessageBox("Are you sure you want to declare", "Declare Innings",
                                          ovs::BoxButtons::YesNo, ovs::BoxIcon::Question) == ovs::IDYES;
        d.accept();
    });
    d.exec();
    return chosen;
}

}  // namespace

bool RunNewBatsmanBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    if (!g.pInnings || !g.pTest) return false;
    const int side = req.side >= 0 ? req.side : static_cast<int>(g.Current.nBatSide);
    bool declared = false;
    req.result = BatsmanBox(parent, g, side, -1, true, declared);
    req.result2 = declared ? 1 : 0;
    return req.result >= 0;
}

bool RunOpenersBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    if (!g.pInnings || !g.pTest) return false;
    const int side = req.side >= 0 ? req.side : static_cast<int>(g.Current.nBatSide);
    bool declared = false;
    // The striker first; the non-striker may not be the same man.
    req.result = BatsmanBox(parent, g, side, -1, false, declared);
    if (req.result < 0) return false;
    req.result2 = BatsmanBox(parent, g, side, req.result, false, declared);
    if (req.result2 == req.result) {
        DialogMessage(g, "Please choose two different opening batsmen.", "Ovalspin - Error", false);
        return false;
    }
    return req.result2 >= 0;
}

}  // namespace gui
