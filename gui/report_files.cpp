// The File and HTML buttons of the report boxes.
#include "report_files.h"

#include "report_actions.h"
#include "mail_boxes.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QPushButton>

#include "core/game.h"
#include "core/host.h"
#include "dialogs/dialog_util.h"
#include "report/site.h"

namespace gui {

namespace {

// Report files go into the data directory, where the game keeps the user's
// files (the database itself may lie beside a read-only program).
QString ReportDirectory(const ovs::Game& g)
{
    const std::string data = g.host ? g.host->DataDir() : std::string();
    if (!data.empty()) return Q(data);
    if (!g.dbPath.empty()) return QFileInfo(Q(g.dbPath)).absolutePath();
    return ".";
}

}  // namespace

QString ChooseReportFile(QWidget* parent, const ovs::Game& g, const std::string& defaultName)
{
    QFileDialog box(parent, "Save As", ReportDirectory(g));
    box.setObjectName(kReportFileDialog);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    // Text files for a ".txt" name (some are written "SERIES.TXT" or
    // "ScoreBrd.Txt"), HTML files for the pages.
    const bool text = QString::fromStdString(defaultName).contains(".txt", Qt::CaseInsensitive);
    box.setNameFilters({text ? "Text Files (*.txt)" : "HTML Files (*.htm)", "All Files (*.*)"});
    box.selectNameFilter(box.nameFilters().first());
    box.selectFile(Q(defaultName));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
    return box.selectedFiles().first();
}

bool SaveReport(QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p, bool html)
{
    const ovs::ReportEntry* r = ovs::FindReport(name);
    if (!r) return false;
    ovs::ReportParams params = p;
    std::string error;
    if (!ovs::ResolveReportParams(g, *r, params, error)) {
        DialogMessage(g, "Unable to write the report: " + error + ".", "Writing Error", true);
        return false;
    }
    const QString path = ChooseReportFile(parent, g, ovs::DefaultFileName(*r, html));
    if (path.isEmpty()) return false;
    if (!ovs::WriteReportFile(g, *r, params, html, path.toStdString(), error)) {
        DialogMessage(g, "Unable to write " + error + ".", "Writing Error", true);
        return false;
    }
    return true;
}

void AddReportButtons(QDialog& d, QLayout* top, ovs::Game& g, const char* name, const ovs::ReportParams& p)
{
    auto* row = new QHBoxLayout;
    const ReportRef ref{name, p};
    gui::AddReportButtons(d, row, g, [ref] { return ref; });
    if (auto* box = qobject_cast<QBoxLayout*>(top)) box->addLayout(row);
}

void ExportWebsite(QWidget* parent, ovs::Game& g)
{
    QFileDialog box(parent, "Export Website", ReportDirectory(g));
    box.setObjectName(kWebsiteDialog);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontConfirmOverwrite);
    box.setLabelText(QFileDialog::FileName, "Folder:");
    box.setNameFilter("Folders (*)");
    box.selectFile("website");
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return;
    const std::string dir = box.selectedFiles().first().toStdString();

    QProgressDialog progress("Writing the website...", QString(), 0, 1, parent);
    progress.setWindowTitle("Export Website");
    progress.setMinimumDuration(500);
    std::string error;
    const bool written = ovs::WriteSite(g, dir, error, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
    });
    progress.reset();
    if (!written) {
        DialogMessage(g, "Unable to write the website: " + error + ".", "Writing Error", true);
        return;
    }
    g.host->MessageBox("Website written to " + dir + "/index.html.", "Ovalspin - Message", ovs::BoxButtons::Ok,
                       ovs::BoxIcon::Information);
}

}  // namespace gui
