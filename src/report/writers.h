// The report writers of the catalogue, by family. Each writes one report in
// the form its ReportOut stands for.
#pragma once

#include "report/catalogue.h"

namespace ovs {

void WriteScoreboardReport(Game& g, ReportOut& out, const ReportParams& p);      // scoreboard_text.cpp

}  // namespace ovs
