// The highlight lines of the match, each stamped with the time of play.
#include "core/highlights.h"

#include <cstdio>
#include <cstring>

#include "core/clock.h"
#include "core/clock_internal.h"
#include "core/game.h"

namespace ovs {

void AddHighlight(Game& g, const std::string& text)
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
    // unprintable are dropped.
    std::size_t i = 0;
    while (i < text.size() && text[i] == '\n') ++i;
    for (; i < text.size() && n < kWidth - 1; ++i) {
        unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch == '\n') {
            line[n++] = ' ';
            if (n < kWidth - 1) line[n++] = ' ';
        } else if (ch >= 0x20 && ch < 0x7F) {
            line[n++] = static_cast<char>(ch);
        }
    }
    // The whole line is saved with the position: nothing of the stack may
    // follow the text.
    std::memset(line + n, 0, kWidth - n);
    std::memcpy(c.szHighlights[kLines - 1], line, kWidth);
    if (g.nMainWidth >= 1024) g.host->Refresh(PANE_HIGHLIGHTS);
}

}  // namespace ovs
