// The steps of play that the application messages dispatch to.
//
// Each handler does one step and posts the message for the next one.
#pragma once

namespace ovs {

struct Game;

void StartNewSeries(Game& g, int wParam);  // WM_NEWSERIES: 0 ask with the box, 1 already set up
void StartNewTest(Game& g, int test);      // WM_NEWTEST
void StartReplayTest(Game& g, int test);   // WM_REPLAYTEST
void NewInnings(Game& g, int innings);     // WM_NEWINNINGS
void NewOver(Game& g, int over);           // WM_NEWOVER
bool BowlDelivery(Game& g);                // WM_NEXTBALL: one delivery; true: the next follows at once
void EndOfOver(Game& g, int over);         // WM_ENDOVER
void EndInnings(Game& g);                  // WM_ENDINNINGS
void EndTest(Game& g);                     // WM_ENDTEST
void EndSeries(Game& g);                   // WM_ENDSERIES

}  // namespace ovs
