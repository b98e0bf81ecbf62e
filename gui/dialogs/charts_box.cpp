// The Charts box: the worm, each innings' Manhattan and partnerships of the
// Test in play or any begun Test of the series, drawn from the engine's SVG.
// A Test's figures are worked out when it is chosen (a replay of its stream,
// with the wait cursor up); nothing of the box is kept. Page Up and Page
// Down step through the charts, Escape or OK closes it.
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <string>

#include "chart_view.h"
#include "core/game.h"
#include "core/setup.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "report/charts.h"
#include "report/report_table.h"

namespace gui {

namespace {

std::vector<ovs::Chart> ChartsOf(const ovs::Game& g, int t)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ovs::TestFigures f;
    std::vector<ovs::Chart> charts;
    if (ovs::BuildTestFigures(g, t, f)) charts = ovs::TestCharts(f);
    QGuiApplication::restoreOverrideCursor();
    return charts;
}

// Page Up and Page Down step through the charts.
class PageKeys : public QObject {
public:
    explicit PageKeys(std::function<void(int)> step) : step_(std::move(step)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) return QObject::eventFilter(o, e);
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_PageUp && key != Qt::Key_PageDown) return false;
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        step_(key == Qt::Key_PageDown ? 1 : -1);
        return true;
    }

private:
    std::function<void(int)> step_;
};

}  // namespace

void RunChartsBox(QWidget* parent, ovs::Game& g, int test)
{
    const std::vector<int> tests = ovs::ChartTests(g);
    if (tests.empty()) {
        DialogMessage(g, "No Test of the series has begun yet, so there is nothing to chart.", "Charts", false);
        return;
    }
    // The Test in play, else the last one begun.
    const int inPlay = g.Current.nTest;
    if (std::find(tests.begin(), tests.end(), test) == tests.end())
        test = std::find(tests.begin(), tests.end(), inPlay) != tests.end() ? inPlay : tests.back();

    QDialog d(parent);
    d.setObjectName("ChartsBox");
    StyleDialog(d, "Charts");
    auto* top = new QVBoxLayout(&d);

    auto* choose = new QHBoxLayout;
    auto* testLabel = new QLabel("&Test:", &d);
    auto* testCombo = new QComboBox(&d);
    testCombo->setObjectName("ctlTest");
    testLabel->setBuddy(testCombo);
    for (int t : tests) {
        const std::string ground = ovs::GroundText(g, g.Series.nGround[t]);
        std::string text = ovs::TestOrdinal(t + 1) + " Test" + (ground.empty() ? "" : " at " + ground);
        const char* field = g.Series.Test[t].szResult;
        const std::string result(field, strnlen(field, sizeof g.Series.Test[t].szResult));
        if (result.rfind("In progress", 0) == 0) text += result.find("Replay") != std::string::npos ? " (replay)" : " (in play)";
        testCombo->addItem(Q(text), t);
        if (t == test) testCombo->setCurrentIndex(testCombo->count() - 1);
    }
    auto* chartLabel = new QLabel("&Chart:", &d);
    auto* chartCombo = new QComboBox(&d);
    chartCombo->setObjectName("ctlChart");
    chartLabel->setBuddy(chartCombo);
    choose->addWidget(testLabel);
    choose->addWidget(testCombo, 1);
    choose->addSpacing(8);
    choose->addWidget(chartLabel);
    choose->addWidget(chartCombo, 2);
    top->addLayout(choose);

    auto* view = new ChartView(&d);
    view->setObjectName("chart");
    top->addWidget(view, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Page Up / Page Down: the other charts", &d));
    row->addStretch(1);
    QPushButton* ok = AddOkButton(d, row)->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    top->addLayout(row);

    std::vector<ovs::Chart> charts;
    auto showChart = [&] {
        const int k = chartCombo->currentIndex();
        view->SetSvg(k >= 0 && k < static_cast<int>(charts.size()) ? charts[k].svg : std::string());
    };
    auto showTest = [&] {
        const int keep = std::max(chartCombo->currentIndex(), 0);
        charts = ChartsOf(g, testCombo->currentData().toInt());
        const QSignalBlocker block(chartCombo);
        chartCombo->clear();
        for (const ovs::Chart& c : charts) chartCombo->addItem(Q(c.caption));
        chartCombo->setCurrentIndex(std::min(keep, chartCombo->count() - 1));
        showChart();
    };
    QObject::connect(testCombo, &QComboBox::currentIndexChanged, &d, showTest);
    QObject::connect(chartCombo, &QComboBox::currentIndexChanged, &d, showChart);
    const std::function<void(int)> step = [&](int by) {
        const int n = chartCombo->count();
        if (n > 0) chartCombo->setCurrentIndex((chartCombo->currentIndex() + by + n) % n);
    };
    // Page Up and Page Down wherever the focus is (a combo box would take them for its own list).
    PageKeys keys(step);
    for (QWidget* w : std::initializer_list<QWidget*>{&d, testCombo, chartCombo, ok, view}) w->installEventFilter(&keys);
    showTest();

    // The chart's own size, within the window the box opens on.
    const QWidget* window = parent ? parent->window() : nullptr;
    const QSize room = window ? window->size() : QSize(1024, 768);
    d.resize(std::min(room.width() - 16, 960), std::min(room.height() - 16, 680));
    chartCombo->setFocus();
    d.exec();
}

}  // namespace gui
