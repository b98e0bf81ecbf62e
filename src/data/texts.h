// Texts of the player enumerations, display names and the derived figures of
// the views (strike rates, percentages, overs, economy), computed where shown.
//
// Batting types come in three forms (team-selection list, player details, HTML
// listing), bowling and fielding types in short, long and HTML forms. A derived
// figure whose divisor is zero is an empty string.
#pragma once

#include <string>

#include "core/match.h"
#include "data/records.h"

namespace ovs {

// Batting type: only the low 5 bits count.
const char* BatTypeShort(int type);   // "Opener" .. "Tail", "Unknown"
const char* BatTypeLong(int type);    // "Opening Batsman" .. "Unknown Type Batsman"
const char* BatTypeHtml(int type);    // "Opener" .. "Tailender", "Undefined"

// Batting style from the strike rate aimed at.
const char* BattingStyle(int strikeRate);

// Bowling type: -1 (a wicket-keeper) reads "Wkt Keeper" in the short form and
// nothing in the others.
const char* BowlTypeShort(int type);
// How a bowler's fatigue reads in the bowler choice and the bowlers pane.
const char* FitnessText(int fatigue);
const char* BowlTypeLong(int type);
const char* BowlTypeHtml(int type);   // 1 and 2 read "Finger Spin" and "Wrist Spin"

// Bowling status; 2, 1 and any other value show nothing.
const char* BowlStatusText(int status);

const char* FieldTypeShort(int type);
const char* FieldTypeLong(int type);
const char* FieldTypeHtml(int type);  // 2 reads "Normal"

const char* MoraleText(int morale);   // 0 "Rock Bottom" .. 7 "Sky High", "Unknown"

// Skills as the lists show them: a keeper (bowling type -1) has no bowling
// skill shown (-1) and his fielding skill is his keeping skill, the bowling
// byte; anyone else's fielding skill is shown times 3.
int ShownBowlingSkill(const PLAYER& p);
int ShownFieldingSkill(const PLAYER& p);

// Initials, a blank when there are initials, then the surname.
std::string DisplayName(const PLAYER& p);
std::string DisplayName(const PLAYERSERIES& p);
std::string DisplayName(const char* initials, const char* surname);

// Derived batting figures.
std::string StrikeRateText(long runs, long balls);             // runs * 100 / balls, "%.2f"
std::string FiftiesPercentText(int hundreds, int fifties, int innings);   // "%.2f"
std::string BoundaryPercentText(int fours, int sixes, long runs);         // "%.2f"
std::string BattingAverageText(double average);                // blank below zero, "%.2f"

// Derived bowling figures.
std::string OversText(long balls);                             // "%ld.%d"
std::string BowlingStrikeRateText(long balls, int wickets);    // "%.2f"
std::string EconomyText(long runs, long balls);                // runs * 6 / balls, "%.2f"
std::string BowlingAverageText(double average);                // blank from 100000, "%.2f"

// Catches in the field and as keeper together.
int Catches(const AVERAGE_FIELD& f);

// The same figures from a career (or series) AVERAGE.
std::string StrikeRateText(const AVERAGE_BAT& a);
std::string FiftiesPercentText(const AVERAGE_BAT& a);
std::string BoundaryPercentText(const AVERAGE_BAT& a);
std::string BattingAverageText(const AVERAGE_BAT& a);
std::string OversText(const AVERAGE_BOWL& a);
std::string BowlingStrikeRateText(const AVERAGE_BOWL& a);
std::string EconomyText(const AVERAGE_BOWL& a);
std::string BowlingAverageText(const AVERAGE_BOWL& a);

}  // namespace ovs
