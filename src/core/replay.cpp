// The replay stream: appending at nLength, reading from nPosition.
#include "core/replay.h"

#include "core/format.h"
#include "core/game.h"
#include "core/messages.h"

namespace ovs {

void ReplayClear(REPLAY& r)
{
    r.nLength = 0;
    r.nPosition = 0;
}

namespace {

// Reads n bytes into out; false (position unchanged) when fewer are left.
bool ReadBytes(REPLAY& r, std::uint8_t* out, int n)
{
    int at = r.nPosition;
    if (at < 0 || at + n > r.nLength) return false;
    for (int i = 0; i < n; ++i) out[i] = r.Data[at + i];
    r.nPosition = static_cast<std::int16_t>(at + n);
    return true;
}

}  // namespace

bool ReplayAppendWord(REPLAY& r, int value)
{
    std::uint16_t v = static_cast<std::uint16_t>(value);
    std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
    return ReplayAppendBytes(r, b, 2);
}

bool ReplayAppendDword(REPLAY& r, std::int32_t value)
{
    std::uint32_t v = static_cast<std::uint32_t>(value);
    std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                         static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    return ReplayAppendBytes(r, b, 4);
}

bool ReplayAppendString(REPLAY& r, const std::string& text)
{
    std::string withNul = text.substr(0, text.find('\0'));
    withNul.push_back('\0');
    return ReplayAppendBytes(r, reinterpret_cast<const std::uint8_t*>(withNul.data()), static_cast<int>(withNul.size()));
}

int ReplayReadByte(REPLAY& r)
{
    std::uint8_t b = 0;
    return ReadBytes(r, &b, 1) ? b : -1;
}

int ReplayReadWord(REPLAY& r)
{
    std::uint8_t b[2] = {};
    if (!ReadBytes(r, b, 2)) return 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
}

std::int32_t ReplayReadDword(REPLAY& r)
{
    std::uint8_t b[4] = {};
    if (!ReadBytes(r, b, 4)) return 0;
    std::uint32_t v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                      (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return static_cast<std::int32_t>(v);
}

std::string ReplayReadString(REPLAY& r)
{
    std::string s;
    for (int c = ReplayReadByte(r); c > 0; c = ReplayReadByte(r)) s.push_back(static_cast<char>(c));
    return s;
}

int ReplayPeekByte(const REPLAY& r)
{
    int at = r.nPosition;
    if (at < 0 || at >= r.nLength) return -1;
    return r.Data[at];
}

bool ReplayTakeByteIf(REPLAY& r, int value)
{
    if (ReplayPeekByte(r) != (value & 0xFF)) return false;
    r.nPosition = static_cast<std::int16_t>(r.nPosition + 1);
    return true;
}

bool ReplayAppendWord(Game& g, int value) { return g.pTest && ReplayAppendWord(g.pTest->Replay, value); }
bool ReplayAppendDword(Game& g, std::int32_t value) { return g.pTest && ReplayAppendDword(g.pTest->Replay, value); }
bool ReplayAppendString(Game& g, const std::string& text)
{
    return g.pTest && ReplayAppendString(g.pTest->Replay, text);
}
int ReplayReadByte(Game& g) { return g.pTest ? ReplayReadByte(g.pTest->Replay) : -1; }
int ReplayReadWord(Game& g) { return g.pTest ? ReplayReadWord(g.pTest->Replay) : 0; }
std::int32_t ReplayReadDword(Game& g) { return g.pTest ? ReplayReadDword(g.pTest->Replay) : 0; }
std::string ReplayReadString(Game& g) { return g.pTest ? ReplayReadString(g.pTest->Replay) : std::string(); }
int ReplayPeekByte(const Game& g) { return g.pTest ? ReplayPeekByte(g.pTest->Replay) : -1; }
bool ReplayTakeByteIf(Game& g, int value) { return g.pTest && ReplayTakeByteIf(g.pTest->Replay, value); }

namespace {

int Refuse(Game& g, int lo, const char* what, int value, bool ended)
{
    if (!g.replayBroken && g.replayFault.empty()) {
        char text[200];
        if (ended)
            FormatTo(text, sizeof text, "the recording ends where %s belongs", what);
        else
            FormatTo(text, sizeof text, "%s is %d", what, value);
        g.replayFault = text;
        g.Log("Replay stream damaged: %s\n", text);
    }
    g.replayBroken = true;
    return lo;
}

}  // namespace

int ReplayRefuse(Game& g, const char* what, int value) { return Refuse(g, 0, what, value, false); }

int ReplayByteIn(Game& g, int lo, int hi, const char* what)
{
    const int v = ReplayReadByte(g);
    if (v < 0) return Refuse(g, lo, what, v, true);
    return v >= lo && v <= hi ? v : Refuse(g, lo, what, v, false);
}

int ReplayWordIn(Game& g, int lo, int hi, const char* what)
{
    if (!g.pTest || g.pTest->Replay.nPosition < 0 || g.pTest->Replay.nPosition + 2 > g.pTest->Replay.nLength)
        return Refuse(g, lo, what, 0, true);
    const int v = ReplayReadWord(g);
    return v >= lo && v <= hi ? v : Refuse(g, lo, what, v, false);
}

int ReplayAggressionPair(Game& g, const char* what)
{
    // 15 is what an unset pairing (0xFFFF) leaves in its nibble.
    const int v = ReplayByteIn(g, 0, 255, what);
    const int high = v >> 4, low = v & 15;
    return (high <= 10 || high == 15) && (low <= 10 || low == 15) ? v : Refuse(g, 0, what, v, false);
}

int ReplayTimeOfDay(Game& g, const char* what)
{
    const int v = ReplayWordIn(g, 0, 2359, what);
    return v % 100 < 60 ? v : Refuse(g, 0, what, v, false);
}

void ReplayKeepTest(Game& g)
{
    g.replayFault.clear();
    g.replayBroken = false;
    if (!g.pTest) return;
    if (!g.replayBackup) g.replayBackup = std::make_unique<TEST>();
    *g.replayBackup = *g.pTest;
}

void StopBrokenReplay(Game& g)
{
    g.replayBroken = false;
    if (g.pTest && g.replayBackup) *g.pTest = *g.replayBackup;
    g.queue.Clear();
    g.bPaused = 0;
    std::string text = "The replay has been stopped: the recording of this Test is damaged (" + g.replayFault + ").";
    g.Log("%s\n", text.c_str());
    g.host->MessageBox(text, "Ovalspin - Error", BoxButtons::Ok, BoxIcon::Stop);
    g.Log("Posting WM_ENDSERIES message from StopBrokenReplay ()\n");
    g.queue.Post(WM_ENDSERIES, 0);
}

}  // namespace ovs
