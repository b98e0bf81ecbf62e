// The highlight lines of the match, each stamped with the time of play.
#include "core/highlights.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/clock.h"
#include "core/clock_internal.h"
#include "core/game.h"

namespace ovs {

namespace {

// Whether all eight bytes of x lie in 0x20..0x7E: no byte below 0x20 (the
// borrow test) and none above 0x7E (the carry test), as whole-word arithmetic.
inline bool PlainBytes(std::uint64_t x)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
    const std::uint64_t below = (x - kOnes * 0x20) & ~x & kHigh;
    const std::uint64_t above = ((x + kOnes * (127 - 0x7E)) | x) & kHigh;
    return (below | above) == 0;
}

}  // namespace

void AddHighlight(Game& g, std::string_view text)
{
    CURRENT& c = g.Current;
    constexpr int kLines = 24;
    constexpr int kWidth = sizeof c.szHighlights[0];
    std::memmove(c.szHighlights[0], c.szHighlights[1], (kLines - 1) * kWidth);

    char line[kWidth];
    int n = 0;
    if (c.nTime != 0) {
        int t = c.nTime;
        if (c.nBall >= 1 && c.nBall <= 5) t = CarryTime(t + CurrentOverMinutes(g) * c.nBall / 6);
        // "hh:mm  " by hand: a highlight is written at every event of play.
        const int hh = (t / 100) % 100, mm = t % 100;
        line[0] = static_cast<char>('0' + hh / 10);
        line[1] = static_cast<char>('0' + hh % 10);
        line[2] = ':';
        line[3] = static_cast<char>('0' + mm / 10);
        line[4] = static_cast<char>('0' + mm % 10);
        line[5] = line[6] = ' ';
        n = 7;
    }
    // Newlines inside the text become two blanks; leading ones and anything
    // unprintable are dropped. The text is walked through local pointers:
    // stores into `line` could alias the string's own data and size, which
    // would then be reloaded at every byte.
    const char* s = text.data();
    const char* const end = s + text.size();
    while (s < end && *s == '\n') ++s;
    // Most texts are plain printable bytes: eight at a time are copied as
    // they stand until a word holds anything else or the line is full; the
    // byte loop below then goes on from there.
    const std::size_t room = static_cast<std::size_t>(kWidth - 1 - n);
    const std::size_t k = std::min(static_cast<std::size_t>(end - s), room);
    std::size_t i = 0;
    for (; i + 8 <= k; i += 8) {
        std::uint64_t x;
        std::memcpy(&x, s + i, 8);
        if (!PlainBytes(x)) break;
        std::memcpy(line + n + i, &x, 8);
    }
    s += i;
    n += static_cast<int>(i);
    for (; s < end && n < kWidth - 1; ++s) {
        const unsigned char ch = static_cast<unsigned char>(*s);
        if (static_cast<unsigned>(ch - 0x20) < 0x5F) {
            line[n++] = static_cast<char>(ch);
        } else if (ch == '\n') {
            line[n++] = ' ';
            if (n < kWidth - 1) line[n++] = ' ';
        }
    }
    // The whole line is saved with the position: nothing of the stack may
    // follow the text.
    std::memset(line + n, 0, kWidth - n);
    std::memcpy(c.szHighlights[kLines - 1], line, kWidth);
    if (g.nMainWidth >= 1024) g.host->Refresh(PANE_HIGHLIGHTS);
}

}  // namespace ovs
