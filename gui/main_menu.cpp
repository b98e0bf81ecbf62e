// The menu "Vezurev" of the main window with its accelerators, and greying
// from the engine's enabled commands.
#include <QAction>
#include <QMenuBar>

#include "core/game.h"
#include "core/menu.h"
#include "report/view_tables.h"
#include "main_window.h"
#include "panes/panes.h"
#include "dialogs.h"
#include "report_files.h"

namespace gui {

using namespace ovs;

QAction* MainWindow::AddCommand(QMenu* menu, int id, const QString& text, const QList<QKeySequence>& keys)
{
    QAction* a = menu->addAction(text);
    a->setData(id);
    if (!keys.isEmpty()) a->setShortcuts(keys);
    connect(a, &QAction::triggered, this, [this, id] { Command(id); });
    actions_.insert(id, a);
    return a;
}

void MainWindow::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("Vezurev");

    QMenu* file = bar->addMenu("&File");
    AddCommand(file, CMD_READDATA, "&Read Data");
    AddCommand(file, CMD_WRITEDATA, "&Write Data");
    file->addSeparator();
    // The series website: the front end's own command, offered with the series summary.
    QAction* website = file->addAction(QString::fromUtf8("&Export Website\u2026"));
    website->setObjectName("ExportWebsite");
    connect(website, &QAction::triggered, this, [this] { ExportWebsite(this, g_); });
    connect(file, &QMenu::aboutToShow, website, [this, website] { website->setEnabled(g_.commands.Enabled(CMD_RESULTS)); });
    file->addSeparator();
    AddCommand(file, CMD_EXIT, "E&xit", {QKeySequence(Qt::ALT | Qt::Key_F4)});

    QMenu* series = bar->addMenu("&Series");
    AddCommand(series, CMD_NEWSERIES, "Start &New Series", {QKeySequence(Qt::CTRL | Qt::Key_N)});
    series->addSeparator();
    AddCommand(series, CMD_BATAVERAGES, "&Batting Averages");
    AddCommand(series, CMD_BOWLAVERAGES, "B&owling Averages");
    AddCommand(series, CMD_POINTSAVERAGES, "&Points Averages");
    AddCommand(series, CMD_RESULTS, "&Results");
    // The charts of the Test in play and the series' other Tests: the front end's own command.
    QAction* charts = series->addAction("&Charts");
    charts->setObjectName("Charts");
    charts->setShortcut(QKeySequence(Qt::Key_8));
    connect(charts, &QAction::triggered, this, [this] { RunChartsBox(this, g_, -1); });
    addAction(charts);

    QMenu* test = bar->addMenu("&Test");
    AddCommand(test, CMD_BATAGGRESSION, "&Batting Aggression", {QKeySequence(Qt::Key_1)});
    AddCommand(test, CMD_BOWLAGGRESSION, "B&owling Aggression", {QKeySequence(Qt::Key_2)});
    AddCommand(test, CMD_TEAMAGGRESSION, "&Team Aggression", {QKeySequence(Qt::Key_3)});
    test->addSeparator();
    AddCommand(test, CMD_NEWBOWLER, "&New Bowler", {QKeySequence(Qt::Key_4)});
    AddCommand(test, CMD_DECLARE, "&Declare Innings", {QKeySequence(Qt::Key_5)});
    test->addSeparator();
    AddCommand(test, CMD_SCOREBOARD, "&Scoreboard", {QKeySequence(Qt::Key_6), QKeySequence(Qt::Key_Return)});
    AddCommand(test, CMD_PERFORMANCE, "&Performance Points");
    AddCommand(test, CMD_CONDITIONS, "Current &Conditions", {QKeySequence(Qt::Key_0)});
    test->addSeparator();
    AddCommand(test, CMD_NEXTOVER, "Ne&xt Over", {QKeySequence(Qt::Key_7), QKeySequence(Qt::Key_Space)});

    QMenu* details = bar->addMenu("&Details");
    AddCommand(details, CMD_SQUADDETAILS, "&Squad Details", {QKeySequence(Qt::CTRL | Qt::Key_S)});
    AddCommand(details, CMD_PLAYERDETAILS, "&Player Details", {QKeySequence(Qt::CTRL | Qt::Key_P)});
    AddCommand(details, CMD_GROUNDDETAILS, "&Ground Details", {QKeySequence(Qt::CTRL | Qt::Key_G)});

    BuildRecordsMenu(bar->addMenu("&Records"));

    QMenu* league = bar->addMenu("&League");
    AddCommand(league, CMD_NEWLEAGUE, "Start New &League", {QKeySequence(Qt::CTRL | Qt::Key_L)});
    AddCommand(league, CMD_LEAGUETABLE, "League &Table", {QKeySequence(Qt::CTRL | Qt::Key_T)});
    AddCommand(league, CMD_LEAGUERESULTS, "League &Results", {QKeySequence(Qt::CTRL | Qt::Key_R)});
    AddCommand(league, CMD_NEXTFIXTURES, "&Next Fixtures");
    AddCommand(league, CMD_CURRENTFIXTURES, "&Current Fixtures");

    QMenu* net = bar->addMenu("&Network");
    AddCommand(net, CMD_NETINFO, "Local &IP Information");
    AddCommand(net, CMD_NETSERVER, "&Start Network Series");
    AddCommand(net, CMD_NETCLIENT, "&Connect to Network Series");

    QMenu* options = bar->addMenu("&Options");
    AddCommand(options, CMD_DISPLAYOPTIONS, "&Display Options");
    AddCommand(options, CMD_AGGRESSIONOPTIONS, "&Aggression Options");

    QMenu* help = bar->addMenu("&Help");
    AddCommand(help, CMD_HELPINDEX, "&Contents", {QKeySequence(Qt::Key_F1)});
    AddCommand(help, CMD_HELPONHELP, "&Help on Help");
    help->addSeparator();
    AddCommand(help, CMD_ABOUT, "&About Ovalspin", {QKeySequence(Qt::ALT | Qt::Key_F1)});

    // Accelerators work while the menus are closed, anywhere in the window.
    for (QAction* a : std::as_const(actions_)) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
}

// Every record table: the whole lot, a group in turn, or one table from the
// group's submenu (each titled as its view).
void MainWindow::BuildRecordsMenu(QMenu* records)
{
    records->setObjectName("RecordsMenu");
    AddCommand(records, CMD_RECORDS_ALL, "&All Records");
    records->addSeparator();
    struct Group {
        const char* title;
        int all;          // the group in turn
        int first, last;  // its tables
        const char* allText;
    };
    const Group groups[] = {{"&Batting", CMD_RECORDS_BATTING, 1620, 1629, "All &Batting Records"},
                            {"B&owling", CMD_RECORDS_BOWLING, 1630, 1636, "All B&owling Records"},
                            {"&Fielding", CMD_RECORDS_FIELDING, 1640, 1647, "All &Fielding Records"},
                            {"&Points", CMD_RECORDS_POINTS, 1651, 1654, "All &Points Records"},
                            {"&Ratings", 0, 1610, 1615, nullptr}};
    for (const Group& grp : groups) {
        QMenu* sub = records->addMenu(grp.title);
        if (grp.all) {
            AddCommand(sub, grp.all, grp.allText);
            sub->addSeparator();
        }
        for (int id = grp.first; id <= grp.last; ++id) {
            const std::vector<std::string> views = RecordsCommandViews(id);
            if (views.empty()) continue;
            // The ten stands open in a row under one entry.
            const std::string text = id == 1624 ? "Highest Wicket Stands" : FindView(views[0])->title;
            AddCommand(sub, id, QString::fromStdString(text).replace("&", "&&"));
        }
    }
}

void MainWindow::UpdateCommands()
{
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) it.value()->setEnabled(g_.commands.Enabled(it.key()));
    if (panes_[PaneButtons]) panes_[PaneButtons]->update();
}

}  // namespace gui
