// The league's boxes: "New League" with its checks, the league table, the
// results matrix (each played rubber opens its series summary, from which a
// Test may be replayed), the next fixtures and the current round's scores.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/league.h"
#include "core/menu.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "report/catalogue.h"
#include "report/league_text.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "report_files.h"

namespace gui {

namespace {

const char* const kError = "Ovalspin - Error";

// What the new-league box remembers between openings, for the program's lifetime.
struct LeagueBoxMemory {
    int tests = 6;
    bool filled = false;
    std::vector<ovs::LeagueEntry> rows;
    bool playByMail = false;
};
LeagueBoxMemory memory;

// The text a league report writes, as the box shows it.
std::string ReportText(const std::function<void(ovs::ReportOut&)>& write)
{
    return ovs::CaptureText([&](ovs::TextOutput& out) {
        ovs::ReportOut text(out, false);
        write(text);
    });
}

// A box showing one league report in a fixed-pitch font, with OK and, for
// the catalogued reports, the four report buttons.
void ShowTextBox(QWidget* parent, ovs::Game& g, const char* objectName, const QString& title,
                 const std::string& text, const char* report)
{
    QDialog d(parent);
    d.setObjectName(objectName);
    StyleDialog(d, title);
    auto* top = new QVBoxLayout(&d);
    auto* view = new QPlainTextEdit(&d);
    view->setObjectName("text");
    view->setReadOnly(true);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setPlainText(Q(text));
    view->setMinimumSize(QFontMetrics(view->font()).horizontalAdvance(QString(80, 'M')), 260);
    top->addWidget(view);
    if (report) AddReportButtons(d, top, g, report, ovs::ReportParams{});
    AddOkButton(d, top);
    d.exec();
}

}  // namespace

bool RunNewLeagueBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    const int limit = std::min(g.db.NumSquads(), ovs::MAX_LEAGUE_TEAMS);
    if (!memory.filled) {
        for (int s = 0; s < g.db.NumSquads() && static_cast<int>(memory.rows.size()) < limit; ++s)
            if (g.db.squads[s].szName[0]) memory.rows.push_back({g.db.squads[s].szName, false});
        memory.filled = true;
    }
    std::vector<ovs::LeagueEntry> rows = memory.rows;
    if (static_cast<int>(rows.size()) > limit) rows.resize(static_cast<std::size_t>(limit));

    QDialog d(parent);
    d.setObjectName("NewLeagueBox");
    StyleDialog(d, "New League");
    auto* top = new QVBoxLayout(&d);
    auto* grid = new QGridLayout;
    top->addLayout(grid);

    struct RowWidgets {
        QPushButton* get;
        QLabel* name;
        QRadioButton* cpu;
        QRadioButton* human;
        QPushButton* clear;
    };
    std::vector<RowWidgets> w;
    for (int i = 0; i < ovs::MAX_LEAGUE_TEAMS; ++i) {
        RowWidgets r{};
        r.get = new QPushButton("Get Squad", &d);
        r.get->setObjectName(QString("get%1").arg(i));
        r.name = new QLabel(&d);
        r.name->setObjectName(QString("name%1").arg(i));
        r.name->setMinimumWidth(170);
        r.name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        r.cpu = new QRadioButton("CPU", &d);
        r.cpu->setObjectName(QString("cpu%1").arg(i));
        r.human = new QRadioButton("Human", &d);
        r.human->setObjectName(QString("human%1").arg(i));
        auto* group = new QButtonGroup(&d);
        group->addButton(r.cpu);
        group->addButton(r.human);
        r.clear = new QPushButton("Clear", &d);
        r.clear->setObjectName(QString("clear%1").arg(i));
        grid->addWidget(r.get, i, 0);
        grid->addWidget(r.name, i, 1);
        grid->addWidget(r.cpu, i, 2);
        grid->addWidget(r.human, i, 3);
        grid->addWidget(r.clear, i, 4);
        w.push_back(r);
    }
    // The chosen rows, then one empty row while more squads may be added.
    auto show = [&] {
        for (int i = 0; i < ovs::MAX_LEAGUE_TEAMS; ++i) {
            const bool filled = i < static_cast<int>(rows.size());
            const bool visible = filled || (i == static_cast<int>(rows.size()) && i < limit);
            RowWidgets& r = w[static_cast<std::size_t>(i)];
            for (QWidget* x : {static_cast<QWidget*>(r.get), static_cast<QWidget*>(r.name),
                               static_cast<QWidget*>(r.cpu), static_cast<QWidget*>(r.human),
                               static_cast<QWidget*>(r.clear)})
                x->setVisible(visible);
            r.name->setText(filled ? Q(rows[static_cast<std::size_t>(i)].name) : QString());
            (filled && rows[static_cast<std::size_t>(i)].human ? r.human : r.cpu)->setChecked(true);
            r.clear->setEnabled(filled);
        }
    };
    // The radio buttons' state into the rows.
    auto take = [&] {
        for (std::size_t i = 0; i < rows.size(); ++i) rows[i].human = w[i].human->isChecked();
    };
    for (int i = 0; i < ovs::MAX_LEAGUE_TEAMS; ++i) {
        QObject::connect(w[static_cast<std::size_t>(i)].get, &QPushButton::clicked, &d, [&, i] {
            take();
            int current = -1;
            if (i < static_cast<int>(rows.size()))
                for (int s = 0; s < g.db.NumSquads(); ++s)
                    if (rows[static_cast<std::size_t>(i)].name == g.db.squads[s].szName) current = s;
            const int chosen = RunGetSquadBox(&d, g, current);
            if (chosen < 0) return;
            const bool human = w[static_cast<std::size_t>(i)].human->isChecked();
            if (i < static_cast<int>(rows.size()))
                rows[static_cast<std::size_t>(i)].name = g.db.squads[chosen].szName;
            else
                rows.push_back({g.db.squads[chosen].szName, human});
            show();
        });
        QObject::connect(w[static_cast<std::size_t>(i)].clear, &QPushButton::clicked, &d, [&, i] {
            take();
            if (i < static_cast<int>(rows.size())) rows.erase(rows.begin() + i);
            show();
        });
    }

    auto* testsRow = new QHBoxLayout;
    testsRow->addWidget(new QLabel("Each rubber is played over", &d));
    auto* tests = new QLineEdit(QString::number(memory.tests), &d);
    tests->setObjectName("tests");
    tests->setMaximumWidth(40);
    testsRow->addWidget(tests);
    testsRow->addWidget(new QLabel("Tests", &d));
    testsRow->addStretch();
    top->addLayout(testsRow);
    auto* mail = new QCheckBox("Write play-by-mail turn files", &d);
    mail->setObjectName("pbm");
    mail->setChecked(memory.playByMail);
    top->addWidget(mail);
    show();

    auto* buttons = AddOkCancelButtons(d, top, false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
        take();
        bool ok = false;
        const int n = tests->text().trimmed().toInt(&ok);
        const int numTests = ok ? n : 0;
        int bad = -1;
        const std::string refusal = ovs::CheckNewLeague(g, rows, numTests, &bad);
        if (!refusal.empty()) {
            DialogMessage(g, refusal, kError, false);
            if (bad >= 0 && bad < ovs::MAX_LEAGUE_TEAMS) w[static_cast<std::size_t>(bad)].get->setFocus();
            return;
        }
        memory.rows = rows;
        memory.tests = numTests;
        memory.playByMail = mail->isChecked();
        ovs::ApplyNewLeague(g, rows, numTests, memory.playByMail);
        d.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, [&] {
        take();
        memory.rows = rows;
    });

    const bool accepted = d.exec() == QDialog::Accepted;
    req.result = accepted ? 1 : 0;
    return accepted;
}

bool RunLeagueTableBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest&)
{
    ShowTextBox(parent, g, "LeagueTableBox", "League Table",
                ReportText([&](ovs::ReportOut& out) { ovs::WriteLeagueTable(g, out); }), "league-table");
    return true;
}

bool RunLeagueResultsBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest&)
{
    const ovs::LEAGUE& l = g.League;
    const int n = ovs::LeagueTeamCount(l);
    int playingHome = -1, playingAway = -1;
    if (!ovs::LeagueComplete(l) && !ovs::IsBye(l, l.nRound, l.nFixture)) {
        playingHome = l.Fixture[l.nRound][l.nFixture].nHome;
        playingAway = l.Fixture[l.nRound][l.nFixture].nAway;
    }
    QDialog d(parent);
    d.setObjectName("LeagueResultsBox");
    StyleDialog(d, "League Results");
    auto* top = new QVBoxLayout(&d);
    auto* grid = new QGridLayout;
    top->addLayout(grid);
    for (int k = 0; k < n; ++k) {
        grid->addWidget(new QLabel(Q(ovs::LeagueTeamSquadShort(g, k)), &d), 0, k + 1, Qt::AlignCenter);
        grid->addWidget(new QLabel(Q(ovs::LeagueTeamSquadShort(g, k)), &d), k + 1, 0);
    }
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            const ovs::LEAGUE_RESULT& r = l.Result[h][a];
            const bool playing = h == playingHome && a == playingAway;
            auto* cell = new QPushButton(r.nPlayed > 0 ? QString("%1 - %2").arg(int{r.nHomeWins}).arg(int{r.nAwayWins})
                                                       : QString(playing ? "..." : ""),
                                         &d);
            cell->setObjectName(QString("cell%1%2").arg(h).arg(a));
            // A rubber whose Tests have all been played opens its series summary.
            const bool played = g.db.leagueSeries.size() == ovs::LEAGUE_SERIES && g.db.LeagueSeries(h, a).nPlayed > 0;
            cell->setEnabled(played);
            if (playing) cell->setToolTip("Being played");
            grid->addWidget(cell, h + 1, a + 1);
            // A Test of it may be replayed, which closes this box (GuiHost::CloseLeagueBoxes).
            QObject::connect(cell, &QPushButton::clicked, &d,
                             [&g, h, a] { ovs::ControlMenu(g, ovs::CMD_RESULTS, h * 10 + a + 1); });
        }
    AddReportButtons(d, top, g, "league-results", ovs::ReportParams{});
    AddOkButton(d, top);
    d.exec();
    return true;
}

bool RunLeagueFixturesBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest&)
{
    const int round = ovs::NextFixturesRound(g);
    ShowTextBox(parent, g, "LeagueFixturesBox", "Next League Fixtures",
                ReportText([&](ovs::ReportOut& out) { ovs::WriteLeagueFixtures(g, out, round); }), nullptr);
    return true;
}

bool RunLeagueSummaryBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest&)
{
    ShowTextBox(parent, g, "LeagueSummaryBox", QString("Current Fixtures Round %1").arg(g.League.nRound + 1),
                ReportText([&](ovs::ReportOut& out) { ovs::WriteLeagueSummary(g, out); }), nullptr);
    return true;
}

}  // namespace gui
