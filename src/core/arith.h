// 16-bit arithmetic of play and hh:mm times.
//
// Play is figured on 16-bit signed values with division truncating towards
// zero; Trunc16 brings an intermediate int back to that width. Times of day
// are hours * 100 + minutes; adding minutes carries at most once.
#pragma once

#include <cstdint>

namespace ovs {

inline std::int16_t Trunc16(int v) { return static_cast<std::int16_t>(v); }

// Add minutes to an hhmm time: a minutes part of 60 or more adds 40, once.
inline std::int16_t AddMinutes(int hhmm, int minutes)
{
    int t = hhmm + minutes;
    if (t % 100 >= 60) t += 40;
    return static_cast<std::int16_t>(t);
}

// Minutes from hhmm time a to hhmm time b (b later than a).
inline int MinutesBetween(int a, int b)
{
    return (b / 100 - a / 100) * 60 + (b % 100 - a % 100);
}

}  // namespace ovs
