// The replay stream of a Test: what play records so that a replay can show
// the Test again without drawing anything new.
//
// Each TEST keeps one REPLAY: a length, a read position and 8192 bytes. Play
// appends values at nLength; a replay (both sides CONTROL_REPLAY) reads them
// back from nPosition in the same order, little-endian, in place of drawing.
// The Game& overloads act on the stream of the Test being played (g.pTest).
//
// Who appends what, in the order it happens in a Test:
//   clock     DailyWeather: the day's weather (byte), at the Test start and
//             at every new day;
//   setup     StartNewTest: nTime, nPitch, nOutfield, nBounce (words);
//             TheToss: the toss winner, then the batting side (words);
//   clock     SetDayTimes, at each innings start: the five run thresholds
//             nRunLimit, nRunFour, nRunThree, nRunTwo, nRunOne (bytes), then
//             nDayStart, nLunchTime, nTeaTime, nLastHourTime, nStumpsTime (words);
//   innings   StartInnings: for innings 1..3 the lowered nPitch, nBounce
//             (words); the two openers, then the two opening bowlers (bytes);
//             NewOver: the three packed aggression bytes of the over;
//             the follow-on decision (byte 1 or 0); 255 for every declaration
//             (AskDeclare, ComputerDeclares), which a replay recognises with
//             ReplayTakeByteIf(g, 255) where the flow looks for one;
//   bowling   BeginOver: the bowler of the over (byte); EndOfOver: 240 when
//             the new ball has just been taken (ReplayTakeByteIf(g, 240));
//   clock     WeatherChange: the new weather (byte), after every over (in
//             EndOfOverClock, before the declaration byte) and after every
//             four-minute step of a stoppage;
//   delivery  every ball's outcome code and the values that go with it.
// A full stream keeps what it has and refuses more (the append returns false);
// reading past the end gives -1 (byte) or 0 (word) and reads nothing.
#pragma once

#include <cstdint>
#include <string>

#include "core/game.h"
#include "core/match.h"

namespace ovs {

// Is the series in play a replay (both sides played by the replay)? Asked at
// every ball, so kept inline.
inline bool Replaying(const Game& g)
{
    return ((g.Series.nControl[0] | g.Series.nControl[1]) & CONTROL_REPLAY) != 0;
}

// Empty the stream and rewind its read position.
void ReplayClear(REPLAY& r);

// Appending at nLength. Words and dwords little-endian; a string with its
// terminating NUL. False (nothing appended) when it does not fit.
// A byte is appended at every ball, so these are inline.
inline bool ReplayAppendBytes(REPLAY& r, const std::uint8_t* bytes, int n)
{
    const int at = r.nLength;  // unsigned: never below 0
    if (at + n > REPLAY_DATA) return false;
    for (int i = 0; i < n; ++i) r.Data[at + i] = bytes[i];
    r.nLength = static_cast<std::uint16_t>(at + n);
    return true;
}
inline bool ReplayAppendByte(REPLAY& r, int value)
{
    const std::uint8_t b = static_cast<std::uint8_t>(value);
    return ReplayAppendBytes(r, &b, 1);
}
bool ReplayAppendWord(REPLAY& r, int value);
bool ReplayAppendDword(REPLAY& r, std::int32_t value);
bool ReplayAppendString(REPLAY& r, const std::string& text);

// Reading from nPosition, which moves past what was read.
int ReplayReadByte(REPLAY& r);            // 0..255; -1 at the end
int ReplayReadWord(REPLAY& r);            // signed 16-bit; 0 at the end
std::int32_t ReplayReadDword(REPLAY& r);  // 0 at the end
std::string ReplayReadString(REPLAY& r);  // up to its NUL

// The next byte without moving on; -1 at the end.
int ReplayPeekByte(const REPLAY& r);
// Consume the next byte only when it equals `value`; true when it did.
bool ReplayTakeByteIf(REPLAY& r, int value);

// The same on the stream of the Test being played (nothing when no Test).
inline bool ReplayAppendByte(Game& g, int value) { return g.pTest && ReplayAppendByte(g.pTest->Replay, value); }
bool ReplayAppendWord(Game& g, int value);
bool ReplayAppendDword(Game& g, std::int32_t value);
bool ReplayAppendString(Game& g, const std::string& text);
int ReplayReadByte(Game& g);
int ReplayReadWord(Game& g);
std::int32_t ReplayReadDword(Game& g);
std::string ReplayReadString(Game& g);
int ReplayPeekByte(const Game& g);
bool ReplayTakeByteIf(Game& g, int value);

// What a replay hands to play, checked. A stream read from a file may be
// damaged: a value outside lo..hi, or the end of the stream where a value
// belongs, marks the replay broken (the first fault is kept in
// Game::replayFault, naming `what`) and gives lo, so that play never takes
// it as an index; the flow stops the replay before its next step.
int ReplayByteIn(Game& g, int lo, int hi, const char* what);
int ReplayWordIn(Game& g, int lo, int hi, const char* what);
// Mark the replay broken for a value read already that play cannot take; gives 0.
int ReplayRefuse(Game& g, const char* what, int value);
// A byte of two aggression values 0..10 (15 unset), high and low nibble.
int ReplayAggressionPair(Game& g, const char* what);
// A time of day hhmm.
int ReplayTimeOfDay(Game& g, const char* what);

// Keep the Test about to be replayed, to be put back if the replay breaks.
void ReplayKeepTest(Game& g);
// Stop a broken replay: the Test as it was, the message, the play queue
// emptied and the series' end posted as a finished replay posts it.
void StopBrokenReplay(Game& g);

}  // namespace ovs
