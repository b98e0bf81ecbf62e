// The help's sections for the boxes and the menus, and the F1 key that opens them.
#include "help_topics.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "report/view_tables.h"
#include "report_files.h"

namespace gui {

const std::vector<std::pair<QString, QString>>& BoxHelpTopics()
{
    static const std::vector<std::pair<QString, QString>> topics = [] {
        std::vector<std::pair<QString, QString>> t = {
            {"AboutBox", "boxes.html#about"},
            {"NewSeriesBox", "boxes.html#newseries"},
            {"SelectTeamBox", "boxes.html#pickteam"},
            {"TossCallBox", "boxes.html#toss"},
            {"TossChoiceBox", "boxes.html#toss"},
            {"ConditionsBox", "boxes.html#conditions"},
            {"NewBatsmanBox", "boxes.html#newbatsman"},
            {"NewBowlerBox", "boxes.html#newbowler"},
            {"BattingFactorBox", "boxes.html#aggression"},
            {"BowlingFactorBox", "boxes.html#aggression"},
            {"TeamFactorBox", "boxes.html#aggression"},
            {"ScoreboardBox", "boxes.html#scoreboard"},
            {"TestRatingBox", "boxes.html#points"},
            {"SeriesSummaryBox", "boxes.html#summary"},
            {"ChartsBox", "boxes.html#charts"},
            {"NewLeagueBox", "leagues.html#start"},
            {"LeagueTableBox", "leagues.html#following"},
            {"LeagueResultsBox", "leagues.html#following"},
            {"LeagueFixturesBox", "leagues.html#following"},
            {"LeagueSummaryBox", "leagues.html#following"},
            {"NetworkServerBox", "network.html#server"},
            {"NetworkClientBox", "network.html#client"},
            {"NetworkSeriesBox", "network.html#series"},
            {"NetworkInfoBox", "network.html#chat"},
            {"NetworkYesNoBox", "network.html#chat"},
            {"NetworkWaitingBox", "network.html#chat"},
            {"NewMailBox", "reports.html#mail"},
            {"ConfigMailBox", "reports.html#configmail"},
            {"PrintPreview", "reports.html#print"},
            {"PrintStopBox", "reports.html#print"},
            {kReportFileDialog, "reports.html#file"},
            {kWebsiteDialog, "reports.html#website"},
            {"OptionsDisplayBox", "options.html#display"},
            {"OptionsAggressionBox", "options.html#aggression"},
            {"HelpWindow", "help.html"},
        };
        // Every record, career, averages and details view is one kind of box.
        for (const ovs::ViewInfo& v : ovs::ViewCatalogue()) t.emplace_back(v.box, "boxes.html#views");
        return t;
    }();
    return topics;
}

QString HelpTopicForBox(const QString& objectName, const QString& title)
{
    for (const auto& [name, topic] : BoxHelpTopics())
        if (name == objectName) return topic;
    // The engine's message boxes are known by their captions.
    if (title == "Exit Ovalspin") return "boxes.html#exit";
    if (title == "Loading Error") return "boxes.html#readdata";
    if (title == "Writing Error") return "reports.html#file";
    if (title == "Follow On" || title == "New Ball" || title.endsWith(" Innings")) return "boxes.html#questions";
    if (title.endsWith(" Test")) return "boxes.html#result";
    return "boxes.html";
}

void SetMenuHelpTopics(QMenuBar* bar)
{
    for (QAction* top : bar->actions()) {
        if (!top->menu()) continue;
        const QString topic = "menus.html#" + QString(top->text()).remove('&').toLower();
        QList<QMenu*> open{top->menu()};
        while (!open.isEmpty())
            for (QAction* a : open.takeFirst()->actions()) {
                if (a->menu()) open.append(a->menu());
                a->setProperty("helpTopic", topic);
            }
    }
}

bool HelpKey::eventFilter(QObject* /*watched*/, QEvent* e)
{
    if (e->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(e);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        const QString topic = menu->activeAction() ? menu->activeAction()->property("helpTopic").toString() : QString();
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        show_(topic.isEmpty() ? "menus.html" : topic, nullptr);
        return true;
    }
    QWidget* box = QApplication::activeModalWidget();
    if (!box) box = qobject_cast<QDialog*>(QApplication::activeWindow());
    if (!box) return false;
    show_(HelpTopicForBox(box->objectName(), box->windowTitle()), box);
    return true;
}

}  // namespace gui
