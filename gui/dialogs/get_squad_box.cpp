// "Get Squad": the squad chooser of the new-series box.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/game.h"
#include "dialog_util.h"
#include "dialogs.h"

namespace gui {

int RunGetSquadBox(QWidget* parent, ovs::Game& g, int current)
{
    QDialog d(parent);
    d.setObjectName("GetSquadBox");
    StyleDialog(d, "Get Squad");
    auto* top = new QVBoxLayout(&d);
    auto* combo = new QComboBox(&d);
    combo->setObjectName("ctl200");
    combo->setMinimumWidth(220);
    for (int s = 0; s < g.db.NumSquads(); ++s) {
        if (g.db.squads[s].szName[0] == '\0') continue;
        combo->addItem(Q(g.db.squads[s].szName), s);
        if (s == current) combo->setCurrentIndex(combo->count() - 1);
    }
    top->addWidget(combo);
    AddOkCancelButtons(d, top);
    if (d.exec() != QDialog::Accepted || combo->currentIndex() < 0) return -1;
    return combo->currentData().toInt();
}

}  // namespace gui
