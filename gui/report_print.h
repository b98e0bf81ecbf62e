// The Print button (152) of the report boxes: the report drawn with QPainter
// on a QPrinter, through the print preview and the standard print dialog
// (the system's printers and "Print to PDF"), with the PrintStop box whose
// Cancel aborts the job; and a report written straight to a PDF file.
#pragma once

#include <QString>

#include "report/catalogue.h"

class QPrinter;
class QWidget;

namespace ovs {
struct Game;
}

namespace gui {

// Print (152): the print preview of report `name`, printed from there on the
// printer the user picks. 1 when a job was printed.
int PrintReportBox(QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p);

// Draws report `name` on `printer` (already set up), with the PrintStop box
// over `parent` when given. False when it failed or was cancelled (said so).
bool DrawReport(QPrinter& printer, QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p);

// The report as a PDF file, without any box but the failure's; false on failure.
bool PrintReportToPdf(ovs::Game& g, const char* name, const ovs::ReportParams& p, const QString& file);

// `ovalspin --print-pdf NAME FILE`: the report of the saved position (or of
// the database when none is saved) as a PDF; the exit code.
int PrintPdfCommand(ovs::Game& g, const QString& name, const QString& file);

}  // namespace gui
