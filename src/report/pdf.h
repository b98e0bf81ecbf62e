// Printed reports as a PDF file without a printer or a display: a print
// writer (print.h) that draws the report's grid of character cells on A4
// pages in PDF's standard Helvetica fonts, which every reader has, so
// nothing is embedded.
#pragma once

#include <string>

#include "report/print.h"

namespace ovs {

struct Game;
struct ReportEntry;
struct ReportParams;

// Prints report `r` to the PDF file `path` (written under a temporary name
// and renamed). False with `error` ("<path>: <reason>") when it could not be
// written.
bool WritePdfReport(Game& g, const ReportEntry& r, const ReportParams& p, const std::string& path,
                    std::string& error);

// The width of `text` in thousandths of the font size, in Helvetica or
// Helvetica-Bold (characters outside printable ASCII count as a digit).
int PdfTextWidth(const std::string& text, bool bold);

}  // namespace ovs
