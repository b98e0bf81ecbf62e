// The four report buttons of every box: which are offered, and what each does.
#include "report_actions.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

#include "core/game.h"
#include "mail_boxes.h"
#include "report_print.h"
#include "report_files.h"

namespace gui {

bool ReportActionEnabled(const ovs::Game&, const ReportRef& ref, ReportAction)
{
    const ovs::ReportEntry* r = ref.report.empty() ? nullptr : ovs::FindReport(ref.report);
    // Every output of a report the catalogue can write is offered, the
    // tables of the views included.
    return r && ovs::ReportWritable(*r);
}

void RunReportAction(QWidget* parent, ovs::Game& g, const ReportRef& ref, ReportAction action)
{
    if (!ReportActionEnabled(g, ref, action)) return;
    switch (action) {
    case ReportAction::File: SaveReport(parent, g, ref.report.c_str(), ref.params, false); break;
    case ReportAction::Html: SaveReport(parent, g, ref.report.c_str(), ref.params, true); break;
    case ReportAction::Mail: MailReport(parent, g, ref.report.c_str(), ref.params); break;
    case ReportAction::Print: PrintReportBox(parent, g, ref.report.c_str(), ref.params); break;
    }
}

std::function<void()> AddReportButtons(QDialog& d, QBoxLayout* row, ovs::Game& g, std::function<ReportRef()> ref)
{
    struct Button {
        const char* text;
        ReportAction action;
    };
    static const Button kButtons[] = {{"Print", ReportAction::Print},
                                      {"File", ReportAction::File},
                                      {"Mail", ReportAction::Mail},
                                      {"HTML", ReportAction::Html}};
    std::vector<std::pair<QPushButton*, ReportAction>> made;
    for (const Button& b : kButtons) {
        auto* button = new QPushButton(b.text, &d);
        button->setObjectName(QString("ctl%1").arg(static_cast<int>(b.action)));
        button->setAutoDefault(false);
        row->addWidget(button);
        const ReportAction action = b.action;
        QObject::connect(button, &QPushButton::clicked, &d, [&d, &g, ref, action] {
            RunReportAction(&d, g, ref(), action);
            // Back to OK, so that Return closes the box after a file is written.
            if (auto* ok = d.findChild<QPushButton*>("ctl150")) ok->setFocus();
        });
        made.emplace_back(button, action);
    }
    auto refresh = [made, &g, ref] {
        const ReportRef now = ref();
        for (const auto& [button, action] : made) button->setEnabled(ReportActionEnabled(g, now, action));
    };
    refresh();
    return refresh;
}

}  // namespace gui
