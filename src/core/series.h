// The series lifecycle: the new-series checks and set-up, the start of a
// series with its snapshots, and the end of a series.
#pragma once

#include <cstdint>
#include <string>

#include "core/match.h"
#include "data/records.h"

namespace ovs {

struct Game;

// The new-series checks, in order, for squads home and away and numTests
// Tests: "" when the series can be played, else the refusal text
// ("Selected same Squad twice!", "... is in both Squads!", "Invalid number of
// Tests.", "Home/Away Squad does not have enough players.", "... fit
// players.", "Home Squad does not have enough Test venues."), or "Not enough
// Squads to play a Series." when the database has fewer than two squads
// ("Invalid Squad." for an index outside the database).
// `warning` is set for the first two refusals, which carry a warning icon.
std::string CheckNewSeries(const Game& g, int homeSquad, int awaySquad, int numTests, bool* warning = nullptr);

// What the new-series box does on OK once the checks pass: initialises the
// series, its squads, Tests, who plays each side, the two options, and the
// venues (the home squad's home grounds in order).
void ApplyNewSeries(Game& g, int homeSquad, int awaySquad, int numTests, bool humanHome, bool humanAway,
                    bool pickComputerTeams, bool allowWeather);

// A series of two computer sides as the new-series box would set it up. False
// with the refusal text when the checks refuse (the series is left alone).
// Afterwards post WM_NEWSERIES 1.
bool SetUpComputerSeries(Game& g, int homeSquad, int awaySquad, int numTests, bool allowWeather,
                         std::string& refusal);

// Copies the two squads, their members and the venues into the series.
void SnapshotSeries(Game& g);

// Restoring a series: its two squads, their members and its venues rebuilt
// in the spare store slots (squad NumSquads + side, members NumPlayers +
// 30 x side + member, venues NumGrounds + Test) and the series pointed at the
// two rebuilt squads, so that it shows as it stood when it began. A league
// match is rebuilt from the series' snapshot, with the members' display
// names by RebuildDisplayNames; any other series takes the database's
// records whole. `real` keeps the squads the series pointed at. False, and
// nothing changed, when the stores have no spare slots for it.
struct RestoredSeries {
    int real[2] = {-1, -1};
    bool league = false;
};
bool RestoreSeries(Game& g, RestoredSeries& restored);
// Puts the series back on its real squads; outside a league each real squad
// first takes its rebuilt copy, keeping its own home grounds.
void EndRestoredSeries(Game& g, const RestoredSeries& restored);

// A member's display name is his surname; in a squad rebuilt from a snapshot
// a member who shares his surname with another member is shown with the
// surname, a blank and his initials. Sets every member's name of `squad`.
void RebuildDisplayNames(Game& g, SQUAD& squad);

// The home squad's line of the series summary ("%s won the series %d - %d.",
// "... are currently winning ...", and so on).
std::string SeriesStandingText(const Game& g);

// Whether the series summary offers the replay of a finished Test: not while
// a replay is in play, nor in network play.
bool ReplayOffered(const Game& g);
// The replay of Test `test` of the series shown, asked from the series
// summary. The series in play is parked whole (Game::parked; the series and
// match state in backup pair 0 unless `seriesParked` says the caller put them
// there already) and comes back exactly as it was when the replay ends.
// `flag` is the replay flag word: 1, or 16385 for a league result.
void BeginReplay(Game& g, int test, int flag, bool seriesParked);

// The replay flag word (Game::wReplayFlag): 1 for a replay of a Test of the
// series in play, 16385 for one started from a league result, 0 otherwise.
void SetReplayFlag(Game& g, int value);

// The step that carries a loaded position on from wherever it was saved
// (the queue is not saved, so it is worked out from the match state):
// mid-innings WM_CONTINNINGS with the innings; between two innings
// WM_NEWINNINGS; a Test chosen but not begun WM_NEWTEST; a Test decided,
// WM_ENDTEST; every Test played, WM_ENDSERIES; between two league rubbers
// WM_NEWSERIES. `msg` 0 when nothing is in play: the series, or the league,
// is over. The state must have passed the saved position's checks.
struct ResumeStep {
    std::uint32_t msg = 0;
    int wParam = 0;
};
ResumeStep PositionResumeStep(const SERIES& s, const CURRENT& c, bool leagueToPlay);

// WM_NEWSERIES and WM_ENDSERIES (declared also in flow_steps.h).
void StartNewSeries(Game& g, int wParam);
void EndSeries(Game& g);

}  // namespace ovs
