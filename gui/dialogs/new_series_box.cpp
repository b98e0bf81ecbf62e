// The "New Series" box: the two squads, who plays them, the number of Tests
// and the two options; its checks keep the box open until they pass.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/series.h"
#include "dialog_util.h"
#include "dialogs.h"

namespace gui {

namespace {

// What the box remembers between uses, for the program's lifetime.
int nLastTests = 6;
int nLastSquad[2] = {-1, -1};
int nLastHuman[2] = {0, 0};

const char* const kError = "Ovalspin - Error";

// One side's row: the squad's name, "Get Squad" and the CPU/Human choice.
struct SideRow {
    int squad = -1;
    QLabel* name = nullptr;
    QPushButton* get = nullptr;
    QRadioButton* cpu = nullptr;
    QRadioButton* human = nullptr;
};

QString SquadLabel(const ovs::Game& g, int squad)
{
    if (squad < 0 || squad >= g.db.NumSquads()) return QString();
    return Q(g.db.squads[squad].szName);
}

}  // namespace

bool RunNewSeriesBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    if (g.db.NumSquads() < 2) {
        DialogMessage(g, "Not enough Squads to play a Series.", kError, false);
        return false;
    }
    if (nLastSquad[0] < 0 || nLastSquad[1] < 0 || nLastSquad[0] >= g.db.NumSquads() ||
        nLastSquad[1] >= g.db.NumSquads()) {
        int found = 0;
        for (int s = 0; s < g.db.NumSquads() && found < 2; ++s)
            if (g.db.squads[s].szName[0] != '\0') nLastSquad[found++] = s;
        if (found < 2) nLastSquad[0] = 0, nLastSquad[1] = 1;
    }

    QDialog d(parent);
    d.setObjectName("NewSeriesBox");
    StyleDialog(d, "New Series");
    auto* top = new QVBoxLayout(&d);

    SideRow rows[2];
    const char* const kTitles[2] = {"Home Squad", "Away Squad"};
    const int kNameIds[2] = {100, 104}, kGetIds[2] = {103, 107}, kCpuIds[2] = {101, 105}, kHumanIds[2] = {102, 106};
    for (int side = 0; side < 2; ++side) {
        SideRow& r = rows[side];
        r.squad = nLastSquad[side];
        auto* box = new QGroupBox(kTitles[side], &d);
        auto* grid = new QGridLayout(box);
        r.name = new QLabel(SquadLabel(g, r.squad), box);
        r.name->setObjectName(QString("ctl%1").arg(kNameIds[side]));
        r.name->setMinimumWidth(180);
        r.name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        r.get = new QPushButton("Get Squad", box);
        r.get->setObjectName(QString("ctl%1").arg(kGetIds[side]));
        r.cpu = new QRadioButton("CPU", box);
        r.cpu->setObjectName(QString("ctl%1").arg(kCpuIds[side]));
        r.human = new QRadioButton("Human", box);
        r.human->setObjectName(QString("ctl%1").arg(kHumanIds[side]));
        (nLastHuman[side] ? r.human : r.cpu)->setChecked(true);
        grid->addWidget(r.name, 0, 0, 1, 2);
        grid->addWidget(r.get, 0, 2);
        grid->addWidget(r.cpu, 1, 0);
        grid->addWidget(r.human, 1, 1);
        top->addWidget(box);
        QObject::connect(r.get, &QPushButton::clicked, &d, [&g, &d, &r] {
            int chosen = RunGetSquadBox(&d, g, r.squad);
            if (chosen >= 0) {
                r.squad = chosen;
                r.name->setText(SquadLabel(g, chosen));
            }
        });
    }

    auto* testsRow = new QHBoxLayout;
    testsRow->addWidget(new QLabel("Number of Tests (1-6):", &d));
    auto* tests = new QLineEdit(QString::number(nLastTests), &d);
    tests->setObjectName("ctl108");
    tests->setMaximumWidth(50);
    testsRow->addWidget(tests);
    testsRow->addStretch();
    top->addLayout(testsRow);

    auto* pick = new QCheckBox("Pick Computer Teams manually", &d);
    pick->setObjectName("ctl109");
    pick->setChecked(g.Series.bPickComputerTeams == 1);
    auto* noRain = new QCheckBox("Do not allow rain or bad light", &d);
    noRain->setObjectName("ctl110");
    noRain->setChecked(g.Series.bAllowWeather == 0);
    top->addWidget(pick);
    top->addWidget(noRain);

    auto* buttons = AddOkCancelButtons(d, top, false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
        bool ok = false;
        const int n = tests->text().trimmed().toInt(&ok);
        const int numTests = ok ? n : 0;
        bool warning = false;
        std::string refusal = ovs::CheckNewSeries(g, rows[0].squad, rows[1].squad, numTests, &warning);
        if (!refusal.empty()) {
            DialogMessage(g, refusal, kError, warning);
            return;
        }
        nLastTests = numTests;
        for (int side = 0; side < 2; ++side) {
            nLastSquad[side] = rows[side].squad;
            nLastHuman[side] = rows[side].human->isChecked() ? 1 : 0;
        }
        ovs::ApplyNewSeries(g, rows[0].squad, rows[1].squad, numTests, nLastHuman[0] == 1, nLastHuman[1] == 1,
                            pick->isChecked(), !noRain->isChecked());
        d.accept();
    });

    const bool accepted = d.exec() == QDialog::Accepted;
    req.result = accepted ? 1 : 0;
    return accepted;
}

}  // namespace gui
