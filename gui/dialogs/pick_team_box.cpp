// The "Pick Team" box: a side's eleven and batting order, ticked member by
// member in the order they are to bat.
#include <QCheckBox>
#include <QStyle>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/league.h"
#include "data/league.h"
#include "data/statistics.h"
#include "data/texts.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "sim/selection.h"

namespace gui {

namespace {

// Members beyond twenty are not offered.
constexpr int kRows = 20;

// The box's state: the selection number of each member (0 not selected).
struct Selection {
    int number[kRows] = {};
    int count = 0;

    void Clear()
    {
        for (int& n : number) n = 0;
        count = 0;
    }
    void Toggle(int m)
    {
        if (number[m] > 0) {
            for (int& n : number)
                if (n > number[m]) --n;
            number[m] = 0;
            --count;
        } else {
            number[m] = ++count;
        }
    }
};

bool LeagueRunning(const ovs::Game& g) { return g.League.nTests >= 1 && g.League.nTests <= 6; }

}  // namespace

bool RunPickTeamBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    const int side = req.side;
    if (side < 0 || side > 1 || !g.pTest) return false;
    const int squadIndex = g.Series.nSquad[side];
    if (squadIndex < 0 || squadIndex >= static_cast<int>(g.db.squads.size())) return false;
    const ovs::SQUAD& squad = g.db.squads[squadIndex];
    const int members = std::min<int>(squad.nMembers, kRows);
    auto player = [&](int m) -> const ovs::PLAYER& { return g.db.players[squad.nPlayer[m]]; };
    auto injured = [&](int m) { return player(m).nInjury > 0; };

    ChoiceDialog d(parent);
    d.setObjectName("SelectTeamBox");
    StyleDialog(d, Q(std::string("Select team for ") + squad.szName));
    auto* top = new QVBoxLayout(&d);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(1);
    top->addLayout(grid);
    const char* const heads[] = {"Player", "Batting", "Skill", "Bowling", "Skill", "Morale", "Status"};
    for (int k = 0; k < 7; ++k) grid->addWidget(new QLabel(QString("<b>%1</b>").arg(heads[k]), &d), 0, k);

    Selection sel;
    QCheckBox* boxes[kRows] = {};
    QLabel* status[kRows] = {};
    auto* ok = new QPushButton("OK", &d);
    ok->setObjectName("ctl150");

    auto refresh = [&] {
        for (int m = 0; m < members; ++m) {
            if (injured(m)) {
                const int n = player(m).nInjury;
                status[m]->setText(QString("%1 Test%2").arg(n).arg(Plural(n)));
            } else if (sel.number[m] > 0) {
                status[m]->setText(QString("  Player No.%1  ").arg(sel.number[m]));
            } else {
                status[m]->setText("Not Selected");
            }
            boxes[m]->setChecked(sel.number[m] > 0);
        }
        ok->setEnabled(sel.count == 11);
    };

    for (int m = 0; m < members; ++m) {
        const ovs::PLAYER& p = player(m);
        const int r = m + 1;
        boxes[m] = new QCheckBox(Q(ovs::DisplayName(p)), &d);
        boxes[m]->setObjectName(QString("ctl%1").arg(100 + m));
        grid->addWidget(boxes[m], r, 0);
        // An injured member cannot be picked: his box is hidden, his name stays.
        if (injured(m)) {
            boxes[m]->hide();
            auto* name = new QLabel(Q(ovs::DisplayName(p)), &d);
            name->setObjectName(QString("injured%1").arg(100 + m));
            name->setIndent(boxes[m]->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4);
            grid->addWidget(name, r, 0);
        }
        grid->addWidget(new QLabel(ovs::BatTypeShort(p.nBatType), &d), r, 1);
        grid->addWidget(new QLabel(QString::number(p.nBatSkill), &d), r, 2, Qt::AlignRight);
        grid->addWidget(new QLabel(ovs::BowlTypeShort(p.nBowlType), &d), r, 3);
        const int bowlSkill = ovs::ShownBowlingSkill(p);
        grid->addWidget(new QLabel(bowlSkill >= 0 ? QString::number(bowlSkill) : QString(), &d), r, 4, Qt::AlignRight);
        grid->addWidget(new QLabel(injured(m) ? "Injured" : ovs::MoraleText(p.nMorale), &d), r, 5);
        status[m] = new QLabel(&d);
        status[m]->setObjectName(QString("status%1").arg(m));
        status[m]->setMinimumWidth(status[m]->fontMetrics().horizontalAdvance("  Player No.11  ") + 4);
        grid->addWidget(status[m], r, 6);
        QObject::connect(boxes[m], &QCheckBox::clicked, &d, [&, m] {
            if (sel.number[m] > 0 || !injured(m)) sel.Toggle(m);
            refresh();
        });
    }

    const int t = g.Current.nTest;
    const bool league = LeagueRunning(g);
    auto* computer = new QPushButton("Computer Side", &d);
    computer->setObjectName("ctl120");
    auto* last = new QPushButton("Last Test Side", &d);
    last->setObjectName("ctl121");
    // In a league the eleven last picked for this team, in any rubber.
    int leagueEleven[ovs::MAX_ELEVEN];
    const bool leagueLast = league && ovs::LeagueLastEleven(g, side, leagueEleven);
    last->setEnabled(league ? leagueLast : t > 0);
    // The series figures of this team (none before the first Test is over),
    // and the league's while one runs, else the members' careers.
    auto* batSeries = new QPushButton("Series Batting Averages", &d);
    auto* bowlSeries = new QPushButton("Series Bowling Averages", &d);
    auto* batOther = new QPushButton(league ? "League Batting Averages" : "Career Batting Averages", &d);
    auto* bowlOther = new QPushButton(league ? "League Bowling Averages" : "Career Bowling Averages", &d);
    batSeries->setObjectName("ctl122");
    bowlSeries->setObjectName("ctl123");
    batOther->setObjectName("ctl124");
    bowlOther->setObjectName("ctl125");
    batSeries->setEnabled(t > 0);
    bowlSeries->setEnabled(t > 0);
    const int leagueTeam = squad.nLeaguePos;
    const bool otherFigures =
        league ? leagueTeam >= 0 && leagueTeam < ovs::MAX_LEAGUE_TEAMS && g.League.Points[leagueTeam].nPlayed > 0
               : squad.nPlayed > 0;
    batOther->setEnabled(otherFigures);
    bowlOther->setEnabled(otherFigures);
    const int otherMode = league ? ovs::AVERAGES_LEAGUE : ovs::AVERAGES_CAREER;
    auto open = [&d, &g](QPushButton* b, ovs::SquadAverages kind, int mode, int who) {
        QObject::connect(b, &QPushButton::clicked, &d,
                         [&d, &g, kind, mode, who] { RunSquadAveragesBox(&d, g, kind, mode, who); });
    };
    open(batSeries, ovs::SquadAverages::Batting, ovs::AVERAGES_SERIES, side);
    open(bowlSeries, ovs::SquadAverages::Bowling, ovs::AVERAGES_SERIES, side);
    open(batOther, ovs::SquadAverages::Batting, otherMode, squadIndex);
    open(bowlOther, ovs::SquadAverages::Bowling, otherMode, squadIndex);

    QObject::connect(computer, &QPushButton::clicked, &d, [&] {
        ovs::SelectComputerTeam(g, side);
        sel.Clear();
        for (int k = 0; k < ovs::MAX_ELEVEN; ++k) {
            const int m = g.pTest->nPlayer[k][side];
            if (m >= 0 && m < members && sel.number[m] == 0) sel.number[m] = ++sel.count;
        }
        refresh();
    });
    QObject::connect(last, &QPushButton::clicked, &d, [&] {
        sel.Clear();
        if (t > 0 || leagueLast)
            for (int k = 0; k < ovs::MAX_ELEVEN; ++k) {
                const int m = leagueLast ? leagueEleven[k] : int{g.Series.Test[t - 1].nPlayer[k][side]};
                if (m >= 0 && m < members && !injured(m) && sel.number[m] == 0) sel.number[m] = ++sel.count;
            }
        refresh();
    });
    QObject::connect(ok, &QPushButton::clicked, &d, [&] {
        if (sel.count != 11) return;
        int order[ovs::MAX_ELEVEN] = {};
        bool keeper = false;
        for (int m = 0; m < members; ++m)
            if (sel.number[m] > 0) {
                order[sel.number[m] - 1] = m;
                keeper = keeper || player(m).nBowlType == -1;
            }
        if (!keeper) {
            DialogMessage(g, "No Wicket Keeper selected.", "Ovalspin - Error", false);
            return;
        }
        for (int k = 0; k < ovs::MAX_ELEVEN; ++k) g.pTest->nPlayer[k][side] = static_cast<std::int16_t>(order[k]);
        d.accept();
    });

    auto* averages = new QHBoxLayout;
    for (QPushButton* b : {batSeries, bowlSeries, batOther, bowlOther}) averages->addWidget(b);
    averages->addStretch();
    top->addLayout(averages);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {computer, last}) row->addWidget(b);
    row->addStretch();
    row->addWidget(ok);
    top->addLayout(row);
    refresh();
    d.exec();
    return true;
}

}  // namespace gui
