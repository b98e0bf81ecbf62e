// The day timetable and run thresholds of the Test being played.
#pragma once

#include <cstdint>

namespace ovs {

// The day timetable and the ground-size run thresholds of the Test being
// played. Both are worked out from the Test's ground at every innings start
// (SetDayTimes) and after a position is loaded; they are not part of CURRENT.
struct DayTimes {
    std::int16_t nDayStart = 1100;
    std::int16_t nLunchTime = 1300;
    std::int16_t nTeaTime = 1540;
    std::int16_t nLastHourTime = 1700;
    std::int16_t nStumpsTime = 1800;
    // Run thresholds the delivery outcome reads (bigger grounds, fewer boundaries).
    std::uint16_t nRunLimit = 210;
    std::uint16_t nRunFour = 185;
    std::uint16_t nRunThree = 175;
    std::uint16_t nRunTwo = 148;
    std::uint16_t nRunOne = 115;
};

}  // namespace ovs
