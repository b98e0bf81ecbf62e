// The four outputs every report box offers: "Print" (152), "File" (153),
// "Mail" (154) and "HTML" (155).
//
// A box says which report it shows (a name of the report catalogue and its
// parameters: squad, Test, player, ground, whose averages) and adds the four
// buttons with AddReportButtons; this hook alone decides whether each one is
// enabled and what it does, so every box behaves the same and each output is
// written once.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "report/catalogue.h"

class QBoxLayout;
class QDialog;
class QPushButton;
class QWidget;

namespace ovs {
struct Game;
}

namespace gui {

// What a report box shows.
struct ReportRef {
    std::string report;          // a catalogue name ("highest-innings"); "" none
    ovs::ReportParams params;
};

enum class ReportAction { Print = 152, File = 153, Mail = 154, Html = 155 };

// Whether the button of `action` is offered for `ref` (greyed otherwise).
bool ReportActionEnabled(const ovs::Game& g, const ReportRef& ref, ReportAction action);
// Carry it out for the user (asking for a file name, a printer ...).
void RunReportAction(QWidget* parent, ovs::Game& g, const ReportRef& ref, ReportAction action);

// Adds "Print", "File", "Mail" and "HTML" (objects "ctl152".."ctl155") to
// `row`. `ref` is asked again at each click and each refresh, so a box whose
// choice changes (a details view's combo box) passes what it shows now; call
// the returned function after such a change to re-grey the buttons.
std::function<void()> AddReportButtons(QDialog& d, QBoxLayout* row, ovs::Game& g, std::function<ReportRef()> ref);

}  // namespace gui
