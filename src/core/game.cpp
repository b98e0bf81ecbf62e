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

void Game::LogLine(const char* fmt, ...)
{
    std::va_list ap;
    va_start(ap, fmt);
    log.WriteV(fmt, ap);
    va_end(ap);
}

#if !defined(__GNUC__) || defined(__clang__)
void Game::Log(const char* fmt, ...)
{
    if (!log.Wanted()) return;
    std::va_list ap;
    va_start(ap, fmt);
    log.WriteV(fmt, ap);
    va_end(ap);
}
#endif

}  // namespace ovs
