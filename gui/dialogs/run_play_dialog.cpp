// Routes a DialogRequest from the engine to its dialog.
#include "core/game.h"
#include "dialogs.h"

namespace gui {

bool RunPlayDialog(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    using D = ovs::Dialog;
    switch (req.id) {
    case D::NewSeries: return RunNewSeriesBox(parent, g, req);
    case D::PickTeam: return RunPickTeamBox(parent, g, req);
    case D::TossCall: return RunTossCallBox(parent, g, req);
    case D::TossChoice: return RunTossChoiceBox(parent, g, req);
    case D::Openers: return RunOpenersBox(parent, g, req);
    case D::NewBatsman: return RunNewBatsmanBox(parent, g, req);
    case D::NewBowler: return RunNewBowlerBox(parent, g, req);
    case D::FollowOn: return RunFollowOnBox(parent, g, req);
    case D::BatAggression: return RunBatAggressionBox(parent, g, req);
    case D::BowlAggression: return RunBowlAggressionBox(parent, g, req);
    case D::TeamAggression: return RunTeamAggressionBox(parent, g, req);
    case D::Conditions: return RunConditionsBox(parent, g, req);
    case D::TestResult: return RunTestResultBox(parent, g, req);
    case D::TestRating: return RunTestRatingBox(parent, g, req);
    case D::SeriesSummary: return RunSeriesSummaryBox(parent, g, req);
    case D::Scoreboard: return RunScoreboardBox(parent, g, req);
    case D::View: RunViewBox(parent, g, req.text, req.side); return true;
    case D::NetworkServer: return RunNetworkServerBox(parent, g, req);
    case D::NetworkClient: return RunNetworkClientBox(parent, g, req);
    case D::NetworkSeries: return RunNetworkSeriesBox(parent, g, req);
    case D::About: return false;
    case D::NewLeague: return RunNewLeagueBox(parent, g, req);
    case D::LeagueTable: return RunLeagueTableBox(parent, g, req);
    case D::LeagueResults: return RunLeagueResultsBox(parent, g, req);
    case D::LeagueFixtures: return RunLeagueFixturesBox(parent, g, req);
    case D::LeagueSummary: return RunLeagueSummaryBox(parent, g, req);
    }
    return false;
}

}  // namespace gui
