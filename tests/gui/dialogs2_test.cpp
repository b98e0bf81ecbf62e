// More play dialogs on the offscreen platform: the aggression commands and
// their boxes, declaring from the new-batsman box, the averages views of the
// series summary and of "Pick Team".
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

#include "core/clock.h"
#include "core/innings.h"
#include "core/menu.h"
#include "core/series.h"
#include "data/statistics.h"
#include "data/texts.h"
#include "dialogs.h"
#include "dialogs/dialog_util.h"
#include "gui_session.h"
#include "sim/aggression.h"
#include "sim/booking.h"

namespace {

using guitest::Click;
using guitest::OnDialog;
using guitest::Shot;

QString Text(QDialog* d, const QString& name)
{
    auto* l = d->findChild<QLabel*>(name);
    return l ? l->text() : QString("<no %1>").arg(name);
}

QScrollBar* Bar(QDialog* d, int k) { return d->findChild<QScrollBar*>(QString("bar%1").arg(k)); }


// The squad's display name of a member of the eleven, as the boxes name him.
std::string Name(const ovs::Game& g, int side, int slot) { return ovs::ball::SlotName(g, side, slot); }

}  // namespace

class Dialogs2Test : public QObject {
    Q_OBJECT

private slots:
    void aggressionCommandsOpenTheirBoxesEvenWhenNotAutomatic();
    void declaringFromTheNewBatsmanBoxEndsTheInnings();
    void seriesSummaryAveragesButtons();
    void pickTeamAveragesButtons();
    void bowlerFitnessFollowsTheOvers();
};

void Dialogs2Test::aggressionCommandsOpenTheirBoxesEvenWhenNotAutomatic()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    QVERIFY(s.StartWatchedSeries(0, 1, 1));
    g.Series.bAllowWeather = 0;
    // Two bowlers on, so all four pairings exist.
    QVERIFY(s.PlayOversUntil([&] { return g.pInnings && g.pInnings->nTotalBalls >= 18 && g.Current.nOtherBowler >= 0; }));
    ovs::CURRENT& c = g.Current;
    const int a = c.nPartnerA, b = c.nPartnerB, bowler = c.nBowler, other = c.nOtherBowler;
    const int bat = c.nBatSide, bowl = c.nBowlSide;
    // The boxes would not open by themselves; asked for by name they do.
    g.options.wShowMessages = static_cast<std::uint16_t>(g.options.wShowMessages | ovs::kNoAutoAggressionDialogs);
    g.options.nPlayerBatAggression = 7;
    g.options.nPlayerBowlAggression = 2;
    c.nBatVsBowl[a][other] = ovs::kPairingUnset;
    c.nBowlVsBat[other][b] = ovs::kPairingUnset;
    s.host().dialogAnswer = nullptr;

    bool seen = false;
    OnDialog("BattingFactorBox", [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Batting Aggression"));
        QCOMPARE(Text(d, "label0"), QString::fromStdString(Name(g, bat, a) + " facing " + Name(g, bowl, bowler)));
        QCOMPARE(Text(d, "label1"), QString::fromStdString(Name(g, bat, a) + " facing " + Name(g, bowl, other)));
        QCOMPARE(Text(d, "label2"), QString::fromStdString(Name(g, bat, b) + " facing " + Name(g, bowl, bowler)));
        QCOMPARE(Text(d, "label3"), QString::fromStdString(Name(g, bat, b) + " facing " + Name(g, bowl, other)));
        // The unset pairing opens on the default player batting aggression.
        QCOMPARE(Bar(d, 1)->value(), 7);
        auto* protect = d->findChild<QRadioButton*>("protect2");
        QCOMPARE(protect->text(), QString::fromStdString("Protect " + Name(g, bat, b) + " from strike"));
        QVERIFY(d->findChild<QRadioButton*>("protect0")->isChecked());
        // A page step moves 5 and the bar stops at 10.
        Bar(d, 0)->setValue(8);
        Bar(d, 0)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Bar(d, 0)->value(), 10);
        Bar(d, 2)->setValue(3);
        protect->setChecked(true);
        Shot(d, "batting_aggression_box");
        Click(d, "ctl150");
        seen = true;
    });
    ovs::ControlMenu(g, ovs::CMD_BATAGGRESSION);
    QVERIFY(seen);
    QCOMPARE(static_cast<int>(c.nBatVsBowl[a][bowler]), 10);
    QCOMPARE(static_cast<int>(c.nBatVsBowl[a][other]), 7);
    QCOMPARE(static_cast<int>(c.nBatVsBowl[b][bowler]), 3);
    QCOMPARE(static_cast<int>(c.nProtected), b);

    // Cancel keeps everything; "Protect neither" is id 0, not a stray slot.
    seen = false;
    OnDialog("BattingFactorBox", [&](QDialog* d) {
        QVERIFY(d->findChild<QRadioButton*>("protect2")->isChecked());
        Bar(d, 0)->setValue(0);
        Click(d, "ctl151");
        seen = true;
    });
    ovs::ControlMenu(g, ovs::CMD_BATAGGRESSION);
    QVERIFY(seen);
    QCOMPARE(static_cast<int>(c.nBatVsBowl[a][bowler]), 10);
    OnDialog("BattingFactorBox", [&](QDialog* d) {
        d->findChild<QRadioButton*>("protect0")->setChecked(true);
        Click(d, "ctl150");
    });
    ovs::ControlMenu(g, ovs::CMD_BATAGGRESSION);
    QCOMPARE(static_cast<int>(c.nProtected), -1);

    seen = false;
    OnDialog("BowlingFactorBox", [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Bowling Aggression"));
        QCOMPARE(Text(d, "label0"), QString::fromStdString(Name(g, bowl, bowler) + " to " + Name(g, bat, a)));
        QCOMPARE(Text(d, "label1"), QString::fromStdString(Name(g, bowl, bowler) + " to " + Name(g, bat, b)));
        QCOMPARE(Text(d, "label2"), QString::fromStdString(Name(g, bowl, other) + " to " + Name(g, bat, a)));
        QCOMPARE(Text(d, "label3"), QString::fromStdString(Name(g, bowl, other) + " to " + Name(g, bat, b)));
        QCOMPARE(Bar(d, 3)->value(), 2);
        QVERIFY(!d->findChild<QRadioButton*>("protect0"));
        Bar(d, 3)->setValue(9);
        Click(d, "ctl150");
        seen = true;
    });
    ovs::ControlMenu(g, ovs::CMD_BOWLAGGRESSION);
    QVERIFY(seen);
    QCOMPARE(static_cast<int>(c.nBowlVsBat[other][b]), 9);

    // Team aggression: only a person's own side can be moved.
    g.Series.nControl[bat] = ovs::CONTROL_HUMAN;
    const int bowlTeam = c.nTeamAggression[bowl];
    seen = false;
    OnDialog("TeamFactorBox", [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Team Aggression"));
        QCOMPARE(Text(d, "label0"), QString::fromStdString(ovs::SquadName(g, bat) + " - Batting"));
        QCOMPARE(Text(d, "label1"), QString::fromStdString(ovs::SquadName(g, bowl) + " - Bowling"));
        QVERIFY(Bar(d, 0)->isEnabled());
        QVERIFY(!Bar(d, 1)->isEnabled());
        Bar(d, 0)->setValue(1);
        Click(d, "ctl150");
        seen = true;
    });
    ovs::ControlMenu(g, ovs::CMD_TEAMAGGRESSION);
    QVERIFY(seen);
    QCOMPARE(static_cast<int>(c.nTeamAggression[bat]), 1);
    QCOMPARE(static_cast<int>(c.nTeamAggression[bowl]), bowlTeam);
}

void Dialogs2Test::declaringFromTheNewBatsmanBoxEndsTheInnings()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    QVERIFY(s.StartWatchedSeries(0, 1, 1));
    g.Series.bAllowWeather = 0;
    QVERIFY(s.PlayOversUntil([&] { return g.pInnings && g.pInnings->nTotalBalls >= 6 && g.Current.nInnings == 0; }));
    // The side batting now becomes a person's, who is asked for the next
    // batsman at the next wicket; every other choice stays the computer's.
    const int bat = g.Current.nBatSide;
    g.Series.nControl[bat] = ovs::CONTROL_HUMAN;
    s.host().dialogAnswer = [](ovs::DialogRequest& r) { return r.id == ovs::Dialog::NewBatsman ? -1 : 0; };

    bool declared = false;
    int wicketsThen = -1, totalThen = -1;
    OnDialog("NewBatsmanBox", [&](QDialog* d) {
        auto* declare = d->findChild<QCheckBox*>("ctl140");
        QVERIFY(declare->isVisible());
        QVERIFY(declare->text().startsWith("Declare: Ahead by ") || declare->text() == "Declare: Scores level");
        declare->setChecked(true);
        wicketsThen = g.pInnings->nWickets;   // the wicket just fallen counted
        totalThen = g.pInnings->nTotal;
        const auto before = s.host().boxes.size();
        Click(d, "ctl150");
        QVERIFY(!d->isVisible());
        QCOMPARE(s.host().boxes.size(), before + 1);
        QCOMPARE(QString::fromStdString(s.host().boxes.back().text), QString("Are you sure you want to declare"));
        QCOMPARE(QString::fromStdString(s.host().boxes.back().caption), QString("Declare Innings"));
        declared = true;
    });
    QVERIFY(s.PlayOversUntil([&] { return declared && g.Current.nInnings >= 1; }));
    const ovs::INNINGS& first = g.pTest->Innings[0];
    QCOMPARE(static_cast<int>(first.nStatus), ovs::INNINGS_DECLARED);
    QCOMPARE(static_cast<int>(first.nWickets), wicketsThen);
    QCOMPARE(static_cast<int>(first.nTotal), totalThen);
    // Nobody new came in: the men out and the one left at the crease batted.
    int batted = 0;
    for (int k = 0; k < ovs::MAX_ELEVEN; ++k) batted += first.Bat[k].nHowOut != ovs::HOWOUT_DIDNOTBAT;
    QCOMPARE(batted, wicketsThen + 1);
    const QString line = QString("End of innings:  %1  %2 for %3 declared")
                             .arg(QString::fromStdString(ovs::SquadName(g, bat)))
                             .arg(totalThen)
                             .arg(wicketsThen);
    bool highlighted = false;
    for (const auto& h : g.Current.szHighlights) highlighted = highlighted || QString(h).contains(line);
    QVERIFY2(highlighted, qPrintable(line));
}

void Dialogs2Test::seriesSummaryAveragesButtons()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    std::string refusal;
    QVERIFY(ovs::SetUpComputerSeries(g, 0, 1, 2, true, refusal));
    g.Current.nTest = 0;
    g.SelectTestAndInnings();

    // Before the first Test is over there is nothing to average.
    OnDialog("SeriesSummaryBox", [&](QDialog* d) {
        for (int id : {802, 803, 804}) QVERIFY(d->findChild<QPushButton*>(QString("ctl%1").arg(id))->isHidden());
        Click(d, "ctl150");
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::SeriesSummary;
    QVERIFY(gui::RunSeriesSummaryBox(&s.window(), g, req));

    // The first Test over: three home members and one away member with
    // figures worked out by hand.
    std::snprintf(g.Series.Test[0].szResult, sizeof g.Series.Test[0].szResult, "%s", "Match Drawn.");
    // Every field in record order: T I NO Runs Avge HS how-out 100 50 balls 4s 6s.
    g.Series.Average[0][0].Bat = {1, 2, 1, 95, 95.0f, 60, ovs::HOWOUT_NOTOUT, 0, 1, 0, 0, 0};
    g.Series.Average[1][0].Bat = {1, 2, 0, 150, 75.0f, 120, ovs::HOWOUT_CAUGHT, 1, 0, 0, 0, 0};
    // Matches, catches, keeper's catches, stumpings.
    g.Series.Average[0][0].Field = {0, 2, 0, 0};
    g.Series.Average[1][0].Field = {0, 0, 3, 1};
    // M balls maidens runs W Avge best(W, R) 5wI 10wM nb w; the second has no wicket yet.
    g.Series.Average[2][0].Bowl = {1, 200, 5, 99, 4, 24.75f, 3, 41, 0, 0, 0, 0};
    g.Series.Average[3][0].Bowl = {1, 60, 0, 30, 0, 100030.0f, 0, 0, 0, 0, 0, 0};
    const auto memberName = [&](int side, int m) {
        const ovs::SQUAD& sq = g.db.squads[g.Series.nSquad[side]];
        return QString::fromStdString(ovs::DisplayName(g.db.players[sq.nPlayer[m]]));
    };

    // Home first, then away; the better average leads.
    std::vector<QString> titles;
    std::map<QString, QStringList> rows;
    auto readBox = [&](QDialog* d) {
        titles.push_back(d->windowTitle());
        auto* canvas = d->findChild<gui::ColumnCanvas*>("canvas");
        QVERIFY(canvas);
        for (int r = 0; r < 5; ++r) rows[QString("%1/%2").arg(titles.size()).arg(r)] = guitest::CanvasRow(*canvas, r);
        if (titles.size() == 1) Shot(d, d->objectName() == "BattingAveragesBox" ? "series_batting_averages"
                                                                                 : "series_bowling_averages");
        Click(d, "ctl150");
    };
    OnDialog("SeriesSummaryBox", [&](QDialog* d) {
        auto* bat = d->findChild<QPushButton*>("ctl802");
        QVERIFY(!bat->isHidden() && bat->isEnabled());
        // Each Test's scoreboard can be printed and mailed.
        QVERIFY(d->findChild<QPushButton*>("ctl400")->isEnabled());
        QVERIFY(d->findChild<QPushButton*>("ctl600")->isEnabled());
        OnDialog("BattingAveragesBox", readBox);
        OnDialog("BattingAveragesBox", readBox);
        bat->click();
        QCOMPARE(static_cast<int>(titles.size()), 2);
        OnDialog("BowlingAveragesBox", readBox);
        OnDialog("BowlingAveragesBox", readBox);
        Click(d, "ctl803");
        Click(d, "ctl150");
    });
    QVERIFY(gui::RunSeriesSummaryBox(&s.window(), g, req));
    QCOMPARE(static_cast<int>(titles.size()), 4);
    QCOMPARE(titles[0], QString::fromStdString("Series Batting Averages - " + ovs::SquadName(g, 0)));
    QCOMPARE(titles[1], QString::fromStdString("Series Batting Averages - " + ovs::SquadName(g, 1)));
    QCOMPARE(titles[2], QString::fromStdString("Series Bowling Averages - " + ovs::SquadName(g, 0)));
    QCOMPARE(rows["1/1"], QStringList({"Player", "T", "I", "NO", "Runs", "Avge", "HS", "100", "50", "Ct", "St"}));
    QCOMPARE(rows["1/3"], QStringList({memberName(0, 0), "1", "2", "1", "95", "95.00", "60*", "0", "1", "2", "0"}));
    QCOMPARE(rows["1/4"], QStringList({memberName(0, 1), "1", "2", "0", "150", "75.00", "120", "1", "0", "3", "1"}));
    QCOMPARE(rows["3/0"], QStringList({"5", "10"}));
    QCOMPARE(rows["3/1"],
             QStringList({"Player", "T", "O", "M", "Runs", "Wkts", "Avge", "Best", "wI", "wM"}));
    // 200 balls are 33.2 overs; the wicketless bowler shows no average or best.
    QCOMPARE(rows["3/3"], QStringList({memberName(0, 2), "1", "33.2", "5", "99", "4", "24.75", "3-41", "0", "0"}));
    QCOMPARE(rows["3/4"], QStringList({memberName(0, 3), "1", "10.0", "0", "30", "0", "0", "0"}));
}

void Dialogs2Test::pickTeamAveragesButtons()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    std::string refusal;
    QVERIFY(ovs::SetUpComputerSeries(g, 0, 1, 2, true, refusal));
    const int squadIndex = g.Series.nSquad[0];
    g.db.squads[squadIndex].nPlayed = 3;

    auto open = [&](int test, std::function<void(QDialog*)> act) {
        g.Current.nTest = static_cast<std::int16_t>(test);
        g.SelectTestAndInnings();
        OnDialog("SelectTeamBox", act);
        ovs::DialogRequest req;
        req.id = ovs::Dialog::PickTeam;
        req.side = 0;
        QVERIFY(gui::RunPickTeamBox(&s.window(), g, req));
    };
    auto button = [](QDialog* d, int id) { return d->findChild<QPushButton*>(QString("ctl%1").arg(id)); };

    // First Test: no series figures yet; the careers are there.
    QString careerTitle;
    open(0, [&](QDialog* d) {
        QCOMPARE(button(d, 122)->text(), QString("Series Batting Averages"));
        QCOMPARE(button(d, 123)->text(), QString("Series Bowling Averages"));
        QVERIFY(!button(d, 122)->isEnabled());
        QVERIFY(!button(d, 123)->isEnabled());
        QCOMPARE(button(d, 124)->text(), QString("Career Batting Averages"));
        QCOMPARE(button(d, 125)->text(), QString("Career Bowling Averages"));
        QVERIFY(button(d, 124)->isEnabled());
        OnDialog("BattingAveragesBox", [&](QDialog* a) {
            careerTitle = a->windowTitle();
            Click(a, "ctl150");
        });
        button(d, 124)->click();
        Click(d, "ctl120");
        Click(d, "ctl150");
    });
    QCOMPARE(careerTitle, QString("Career Batting Averages - ") + g.db.squads[squadIndex].szName);

    // Second Test: the series buttons open this team's series figures.
    QString seriesTitle;
    open(1, [&](QDialog* d) {
        QVERIFY(button(d, 122)->isEnabled());
        OnDialog("BowlingAveragesBox", [&](QDialog* a) {
            seriesTitle = a->windowTitle();
            Click(a, "ctl150");
        });
        button(d, 123)->click();
        Click(d, "ctl120");
        Click(d, "ctl150");
    });
    QCOMPARE(seriesTitle, QString::fromStdString("Series Bowling Averages - " + ovs::SquadName(g, 0)));

    // A squad that has never played has no career figures to show.
    g.db.squads[squadIndex].nPlayed = 0;
    open(1, [&](QDialog* d) {
        QVERIFY(!button(d, 124)->isEnabled());
        QVERIFY(!button(d, 125)->isEnabled());
        Click(d, "ctl120");
        Click(d, "ctl150");
    });
}

void Dialogs2Test::bowlerFitnessFollowsTheOvers()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    QVERIFY(s.StartWatchedSeries(0, 1, 1));
    g.Series.bAllowWeather = 0;
    // Two people who leave every choice to the computer: the opening pair
    // then bowls unchanged, over and over, until lunch.
    g.Series.nControl[0] = g.Series.nControl[1] = ovs::CONTROL_HUMAN;
    QVERIFY(s.PlayOversUntil([&] { return g.pInnings && g.Current.nOver >= 1; }));
    const int side = g.Current.nBowlSide;
    const int first = g.Current.nOtherBowler;   // bowled the first over
    const int second = g.Current.nBowler;
    const int c1 = ovs::OverMinutes(ovs::ball::SlotPlayer(g, side, first).nBowlType);
    const int c2 = ovs::OverMinutes(ovs::ball::SlotPlayer(g, side, second).nBowlType);

    // After 2m overs the first has gained c1 + 1 in each of his m overs and
    // lost 1 in every over: m (c1 - 1); the second m (c2 - 1) + 1.
    for (int m = 1; m <= 7; ++m) {
        QVERIFY(s.PlayOversUntil([&] { return g.Current.nOver >= 2 * m; }));
        QCOMPARE(static_cast<int>(g.Current.nOver), 2 * m);
        QCOMPARE(static_cast<int>(g.Current.Spell[first].nTiredness), m * (c1 - 1));
        QCOMPARE(static_cast<int>(g.Current.Spell[second].nTiredness), m * (c2 - 1) + 1);
    }
    QVERIFY(g.Current.nTime < 1300);   // lunch has not rested them yet

    // The bowler box names the fitness of each of them by that figure.
    std::map<int, QString> words;
    OnDialog("NewBowlerBox", [&](QDialog* d) {
        for (int slot : {first, second}) {
            auto* label = d->findChild<QLabel*>(QString("ctl%1").arg(200 + slot));
            QVERIFY(label);
            words[slot] = label->text();
        }
        Shot(d, "new_bowler_box_tired");
        Click(d, "ctl150");
    });
    s.host().dialogAnswer = nullptr;
    g.commands.Enable(ovs::CMD_NEWBOWLER);
    ovs::ControlMenu(g, ovs::CMD_NEWBOWLER);
    QCOMPARE(words[first], QString(ovs::FitnessText(7 * (c1 - 1))));
    QCOMPARE(words[second], QString(ovs::FitnessText(7 * (c2 - 1) + 1)));
    // Seven overs each leave nobody but a non-bowler "Supreme".
    if (c1 >= 3) QVERIFY(words[first] != "Supreme");
    if (c2 >= 3) QVERIFY(words[second] != "Supreme");

    // The words by the figures, at each boundary.
    const std::pair<int, const char*> table[] = {{0, "Supreme"},  {7, "Supreme"},  {8, "Very Fit"}, {15, "Very Fit"},
                                                 {16, "Fit"},     {23, "Fit"},     {24, "Okay"},    {31, "Okay"},
                                                 {32, "Tiring"},  {39, "Tiring"},  {40, "Tired"},   {55, "Tired"},
                                                 {56, "Exhausted"}, {300, "Exhausted"}};
    for (const auto& [fatigue, word] : table) QCOMPARE(QString(ovs::FitnessText(fatigue)), QString(word));
}

QTEST_MAIN(Dialogs2Test)
#include "dialogs2_test.moc"
