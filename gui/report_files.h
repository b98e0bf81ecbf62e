// The File (153) and HTML (155) buttons of the report boxes: the file box for
// a report's default name, and writing the report there as text or a page.
#pragma once

#include <QString>
#include <string>

#include "report/catalogue.h"

class QDialog;
class QLayout;
class QWidget;

namespace ovs {
struct Game;
}

namespace gui {

// Object name of the file box, for tests that answer it.
inline constexpr const char* kReportFileDialog = "ReportFileDialog";

// The save box for `defaultName`, in the database's directory: text files
// offered when the name contains ".txt", HTML files otherwise, then all
// files. The chosen path, or empty on Cancel.
QString ChooseReportFile(QWidget* parent, const ovs::Game& g, const std::string& defaultName);

// File or HTML of a box: asks for the file (the report's default name) and
// writes report `name` there; a file that cannot be written is reported.
// True when a file was written.
bool SaveReport(QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p, bool html);

// The box's row of report buttons for report `name` with `p`, which never
// change while the box is open (report_actions.h decides what each does).
void AddReportButtons(QDialog& d, QLayout* top, ovs::Game& g, const char* name, const ovs::ReportParams& p);

// File > Export Website...: asks for a folder (a new name in the data
// directory by default, "website") and writes the series website there,
// telling the user where it went or what failed.
inline constexpr const char* kWebsiteDialog = "WebsiteFolderDialog";
void ExportWebsite(QWidget* parent, ovs::Game& g);

}  // namespace gui
