// Shared by the play and bench subcommands: choosing squads by name or
// number, playing a series of computer sides to its end, and the Tests'
// figures.
#pragma once

#include <cstdint>
#include <string>

#include "core/game.h"

namespace ovs::cli {

// A squad given by the number `db` shows (1 = the first) or by its name or short name (case
// ignored); -1 when there is no such squad.
int FindSquad(const Game& g, const std::string& text);
// A player by his number from 1, or his surname or display name (case
// ignored); a ground by its number from 1 or its name. -1 when none.
int FindPlayer(const Game& g, const std::string& text);
int FindGround(const Game& g, const std::string& text);

// Pump the flow until the series has ended (the queue is empty) or `limit`
// messages were handled. False on the limit.
bool PlayOut(Game& g, long limit);

// A fixed-width text field, which need not hold its NUL when full.
template <std::size_t N>
std::string FieldText(const char (&field)[N])
{
    std::size_t n = 0;
    while (n < N && field[n]) ++n;
    return std::string(field, n);
}

}  // namespace ovs::cli
