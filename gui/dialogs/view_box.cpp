// The box of every record, career, rate, ratings, averages and details view:
// the view's table painted in character cells, the chooser of a details
// view, the squad details' averages and ratings buttons, and the four report
// buttons. Escape or OK closes it; nothing of it is kept.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/game.h"
#include "data/statistics.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "report/view_tables.h"
#include "report_actions.h"

namespace gui {

namespace {

std::vector<ovs::ViewChoice> ChoicesOf(const ovs::Game& g, ovs::ViewArg arg)
{
    switch (arg) {
    case ovs::ViewArg::Squad: return ovs::SquadChoices(g);
    case ovs::ViewArg::Player: return ovs::PlayerChoices(g);
    case ovs::ViewArg::Ground: return ovs::GroundChoices(g);
    default: return {};
    }
}

// The report that writes what the box shows.
ReportRef ReportOf(const ovs::Game& g, const ovs::ViewInfo& v, int arg)
{
    ReportRef r;
    r.report = ovs::ReportNameOf(v);
    switch (v.arg) {
    case ovs::ViewArg::Team: r.params.squad = arg == 0 || arg == 1 ? static_cast<int>(g.Series.nSquad[arg]) : -1; break;
    case ovs::ViewArg::Squad: r.params.squad = arg; break;
    case ovs::ViewArg::Player: r.params.player = arg; break;
    case ovs::ViewArg::Ground: r.params.ground = arg; break;
    case ovs::ViewArg::None: break;
    }
    const std::string name = v.name;
    if (name.rfind("career-", 0) == 0) r.params.averages = ovs::AveragesOf::Career;
    if (name.rfind("league-", 0) == 0) r.params.averages = ovs::AveragesOf::League;
    return r;
}

// Builds the table with the sorting cursor up: the career tables sort every player.
ovs::ViewTable Build(const ovs::Game& g, const std::string& name, int arg)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ovs::ViewTable t;
    ovs::BuildView(g, name, arg, t);
    QGuiApplication::restoreOverrideCursor();
    return t;
}

// The squad details' "Career Averages" and ratings buttons, for the squad shown.
void AddSquadButtons(QDialog& d, QVBoxLayout* top, ovs::Game& g, const int& squad)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Career Averages", &d));
    struct Button {
        const char* text;
        const char* view;
    };
    static const Button kButtons[] = {{"&Batting", "career-batting-averages"},
                                      {"B&owling", "career-bowling-averages"},
                                      {"P&oints", "career-points-averages"},
                                      {"&Current Ratings", "current-ratings"},
                                      {"Highest &Ratings", "highest-ratings"}};
    int id = 210;
    for (const Button& b : kButtons) {
        auto* button = new QPushButton(b.text, &d);
        button->setObjectName(QString("ctl%1").arg(id++));
        button->setAutoDefault(false);
        const std::string view = b.view;
        QObject::connect(button, &QPushButton::clicked, &d, [&d, &g, &squad, view] { RunViewBox(&d, g, view, squad); });
        row->addWidget(button);
    }
    top->addLayout(row);
}

}  // namespace

int FillViewCanvas(const ovs::ViewTable& t, ColumnCanvas& canvas)
{
    canvas.Clear();
    const int first = t.headings ? ovs::VIEW_FIRST_ROW_LINE : 0;
    canvas.SetGrid(t.cells + 2, first + std::max<int>(static_cast<int>(t.rows.size()), 1));
    // One cell of air on the left; names start at their cell, figures end there.
    auto put = [&](const ovs::ViewColumn& c, int line, const std::string& text) {
        if (text.empty()) return;
        canvas.Add(1 + c.cell, line, c.left ? CellText::Left : CellText::Right, Q(text));
    };
    if (t.headings)
        for (const ovs::ViewColumn& c : t.columns) {
            put(c, ovs::VIEW_HEAD_LINE - 1, c.over);
            put(c, ovs::VIEW_HEAD_LINE, c.head);
        }
    for (std::size_t r = 0; r < t.rows.size(); ++r)
        for (std::size_t k = 0; k < t.columns.size() && k < t.rows[r].size(); ++k)
            put(t.columns[k], first + static_cast<int>(r), t.rows[r][k]);
    return static_cast<int>(t.rows.size());
}

void RunViewBox(QWidget* parent, ovs::Game& g, const std::string& name, int arg)
{
    const ovs::ViewInfo* info = ovs::FindView(name);
    if (!info) return;
    const std::vector<ovs::ViewChoice> choices =
        info->group == ovs::ViewGroup::Details ? ChoicesOf(g, info->arg) : std::vector<ovs::ViewChoice>{};
    if (info->group == ovs::ViewGroup::Details) {
        if (choices.empty()) return;
        if (arg < 0) arg = choices.front().index;
    }
    int shown = arg;

    QDialog d(parent);
    d.setObjectName(info->box);
    ovs::ViewTable table = Build(g, name, shown);
    StyleDialog(d, Q(table.title));
    auto* top = new QVBoxLayout(&d);

    QComboBox* combo = nullptr;
    if (!choices.empty()) {
        combo = new QComboBox(&d);
        combo->setObjectName("ctl200");
        for (const ovs::ViewChoice& c : choices) {
            combo->addItem(Q(c.text), c.index);
            if (c.index == shown) combo->setCurrentIndex(combo->count() - 1);
        }
        top->addWidget(combo);
    }

    auto* canvas = new ColumnCanvas(table.cells + 2, 1, &d);
    canvas->setObjectName("canvas");
    FillViewCanvas(table, *canvas);
    auto* scroll = new QScrollArea(&d);
    scroll->setObjectName("scroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(canvas);
    // As big as the table, within the window the view opens on: the columns
    // narrow to fit the width, and the rows scroll.
    const QWidget* window = parent ? parent->window() : nullptr;
    const QSize room = (window ? window->size() : QGuiApplication::primaryScreen()->availableGeometry().size()) -
                       QSize(40, 150);
    canvas->setMinimumWidth(std::min(canvas->sizeHint().width(), room.width()));
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(canvas->minimumWidth() + scroll->verticalScrollBar()->sizeHint().width());
    scroll->setMinimumHeight(std::max(120, std::min(canvas->sizeHint().height(), room.height())));
    top->addWidget(scroll, 1);

    if (name == "squad-details") AddSquadButtons(d, top, g, shown);

    auto* row = new QHBoxLayout;
    const std::function<void()> refresh =
        AddReportButtons(d, row, g, [&g, info, &shown] { return ReportOf(g, *info, shown); });
    row->addStretch(1);
    auto* ok = new QPushButton("OK", &d);
    ok->setObjectName("ctl150");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    row->addWidget(ok);
    top->addLayout(row);

    if (combo)
        QObject::connect(combo, &QComboBox::currentIndexChanged, &d, [&, combo] {
            shown = combo->currentData().toInt();
            table = Build(g, name, shown);
            FillViewCanvas(table, *canvas);
            refresh();
        });
    d.exec();
}

void RunSquadAveragesBox(QWidget* parent, ovs::Game& g, ovs::SquadAverages kind, int mode, int teamOrSquad)
{
    const char* prefix = mode == ovs::AVERAGES_SERIES ? "series-" : mode == ovs::AVERAGES_LEAGUE ? "league-" : "career-";
    const char* word = kind == ovs::SquadAverages::Batting   ? "batting"
                       : kind == ovs::SquadAverages::Bowling ? "bowling"
                                                             : "points";
    RunViewBox(parent, g, std::string(prefix) + word + "-averages", teamOrSquad);
}

void RunSeriesAveragesBoxes(QWidget* parent, ovs::Game& g, ovs::SquadAverages kind)
{
    for (int side = 0; side < 2; ++side) RunSquadAveragesBox(parent, g, kind, ovs::AVERAGES_SERIES, side);
}

// The choosers of a player or a ground for other boxes: the index chosen, or -1.
namespace {

int RunChooser(QWidget* parent, const char* box, const char* title, const std::vector<ovs::ViewChoice>& choices,
               int current)
{
    QDialog d(parent);
    d.setObjectName(box);
    StyleDialog(d, title);
    auto* top = new QVBoxLayout(&d);
    auto* combo = new QComboBox(&d);
    combo->setObjectName("ctl200");
    combo->setMinimumWidth(220);
    for (const ovs::ViewChoice& c : choices) {
        combo->addItem(Q(c.text), c.index);
        if (c.index == current) combo->setCurrentIndex(combo->count() - 1);
    }
    top->addWidget(combo);
    AddOkCancelButtons(d, top);
    if (d.exec() != QDialog::Accepted || combo->currentIndex() < 0) return -1;
    return combo->currentData().toInt();
}

}  // namespace

int RunGetSquadBox(QWidget* parent, ovs::Game& g, int current)
{
    return RunChooser(parent, "GetSquadBox", "Get Squad", ovs::SquadChoices(g), current);
}

int RunGetPlayerBox(QWidget* parent, ovs::Game& g, int current)
{
    return RunChooser(parent, "GetPlayerBox", "Get Player", ovs::PlayerChoices(g), current);
}

int RunGetGroundBox(QWidget* parent, ovs::Game& g, int current)
{
    return RunChooser(parent, "GetGroundBox", "Get Ground", ovs::GroundChoices(g), current);
}

}  // namespace gui
