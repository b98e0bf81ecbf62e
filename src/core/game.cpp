// The Game's own small procedures: the current Test and innings, watched, the log.
#include "core/game.h"

#include <cstdarg>

namespace ovs {

void Game::SelectTestAndInnings()
{
    int t = Current.nTest;
    if (t < 0 || t >= MAX_TESTS) {
        pTest = nullptr;
        pInnings = nullptr;
        return;
    }
    pTest = &Series.Test[t];
    // nInnings reads 4 once the fourth innings is over; the last innings
    // stays the one in view then.
    int i = Current.nInnings;
    if (i < 0) i = 0;
    if (i >= MAX_INNINGS) i = MAX_INNINGS - 1;
    pInnings = &pTest->Innings[i];
}

bool Game::Watched() const
{
    constexpr unsigned kWatchedControl = CONTROL_HUMAN | CONTROL_NETHOME | CONTROL_NETAWAY | CONTROL_REPLAY;
    for (int side = 0; side < 2; ++side)
        if (Series.nControl[side] & kWatchedControl) return true;
    return (options.wPlayOptions & 0x80) != 0;
}

void Game::Log(const char* fmt, ...)
{
    if (!log.Wanted()) return;
    std::va_list ap;
    va_start(ap, fmt);
    log.WriteV(fmt, ap);
    va_end(ap);
}

}  // namespace ovs
