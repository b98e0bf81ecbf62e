// The choice and information dialogs of play, one function per dialog.
//
// Each Run*Box takes the DialogRequest the engine passed to Host::RunDialog,
// shows its modal dialog on `parent`, writes the answer into the request and
// returns true when the person answered (false: cancelled, or the computer is
// to choose). Information boxes return true once shown.
#pragma once

#include <functional>
#include <string>

#include "core/host.h"

class QWidget;
namespace ovs {
struct Game;
enum class SquadAverages;
}

namespace gui {

// Runs the dialog `req.id` names (all of the ones below but About, which is
// the main window's); false when there is none or the computer is to choose.
bool RunPlayDialog(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);

// "New Series": checks and sets up the series itself on OK (Dialog::NewSeries).
bool RunNewSeriesBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "Setup Network Series" and "Connect to Network Series": true once connected
// to the other copy and the names are swapped.
bool RunNetworkServerBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
bool RunNetworkClientBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "Network Series": both players agree the series; result 1 once it is started.
bool RunNetworkSeriesBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The program's message box in network play: "Ovalspin" boxes become the
// information box (OK, answer IDOK) or the yes/no box (Yes IDYES, No IDNO),
// each with a chat line whose Send pops the line up on the other copy.
int RunNetworkMessageBox(QWidget* parent, ovs::Game& g, const std::string& text, const std::string& caption,
                         ovs::BoxButtons buttons, ovs::BoxIcon icon);
// "Network Waiting": shows `text` and the chat line until done() is true
// (true) or the person cancels (false).
bool RunNetworkWaitingBox(QWidget* parent, ovs::Game& g, const std::string& text, const std::function<bool()>& done);
// "Get Squad", "Get Player", "Get Ground": the choosers other boxes use; the
// chosen store index, or -1 (the caller keeps its choice).
int RunGetSquadBox(QWidget* parent, ovs::Game& g, int current);
int RunGetPlayerBox(QWidget* parent, ovs::Game& g, int current);
int RunGetGroundBox(QWidget* parent, ovs::Game& g, int current);
// A view of the catalogue (report/view_tables.h, by name) in its box, opened
// with `arg` as the view takes it; a details view given -1 shows its first
// entry and offers the others in its combo box.
void RunViewBox(QWidget* parent, ovs::Game& g, const std::string& name, int arg);
// "Charts": the worm, Manhattans and partnerships of Test `test` of the
// series (-1: the Test in play, else the last one begun).
void RunChartsBox(QWidget* parent, ovs::Game& g, int test);
// "Pick Team" for req.side: fills the side's eleven in the match state.
bool RunPickTeamBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The away side's call: result 0 heads, 1 tails.
bool RunTossCallBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The toss winner's choice: result 0 bat, 1 field.
bool RunTossChoiceBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The two openers (result the striker, result2 the non-striker).
bool RunOpenersBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "Select Batsman": result the slot; result2 == 1 when the person ticked the
// declaration and confirmed it (the engine then closes the innings instead).
bool RunNewBatsmanBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "Select Bowler": result the slot (may take the new ball).
bool RunNewBowlerBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "Follow On" question: result IDYES or IDNO.
bool RunFollowOnBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The Test's result text (req.text).
bool RunTestResultBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "Test Performance Points".
bool RunTestRatingBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "Playing Conditions".
bool RunConditionsBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The scoreboard box of the innings in play.
bool RunScoreboardBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The scoreboard box of innings k of the Test in play (the scorecard pane's
// innings buttons): the match state is restored afterwards.
void ShowInningsScoreboard(QWidget* parent, ovs::Game& g, int k);
// "Batting Aggression", "Bowling Aggression", "Team Aggression".
bool RunBatAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
bool RunBowlAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
bool RunTeamAggressionBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// "New League": up to ten squads, each the computer's or a person's, and the
// Tests per rubber; checks and sets up the league itself on OK.
bool RunNewLeagueBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The league table, the results matrix (a played rubber opens its series
// summary), the next round's fixtures and the current round's scores.
bool RunLeagueTableBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
bool RunLeagueResultsBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
bool RunLeagueFixturesBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
bool RunLeagueSummaryBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The series summary: result 1 OK, 0 cancel, 100 + t to replay Test t.
bool RunSeriesSummaryBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req);
// The batting, bowling or points averages of one squad's members: `mode` 1
// the series in play (teamOrSquad the team 0 or 1), 2 careers, 4 the league
// (teamOrSquad a squad store index).
void RunSquadAveragesBox(QWidget* parent, ovs::Game& g, ovs::SquadAverages kind, int mode, int teamOrSquad);
// The series averages of both sides in turn, home first.
void RunSeriesAveragesBoxes(QWidget* parent, ovs::Game& g, ovs::SquadAverages kind);

}  // namespace gui
