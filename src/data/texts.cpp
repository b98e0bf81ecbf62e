// Enumeration texts, display names and derived figures of the player records.
#include "data/texts.h"
#include "core/format.h"

#include <cstdarg>
#include <cstdio>

namespace ovs {

const char* BatTypeShort(int type)
{
    switch (type & 0x1F) {
    case BAT_OPENER: return "Opener";
    case BAT_SPECIALIST: return "Specialist";
    case BAT_ALLROUNDER: return "All Rounder";
    case BAT_LATEORDER: return "Late Order";
    case BAT_TAIL: return "Tail";
    default: return "Unknown";
    }
}

const char* BatTypeLong(int type)
{
    switch (type & 0x1F) {
    case BAT_OPENER: return "Opening Batsman";
    case BAT_SPECIALIST: return "Specialist Batsman";
    case BAT_ALLROUNDER: return "All Rounder Batsman/Bowler";
    case BAT_LATEORDER: return "Late Order Batsman";
    case BAT_TAIL: return "Tailender Batsman";
    default: return "Unknown Type Batsman";
    }
}

const char* BatTypeHtml(int type)
{
    switch (type & 0x1F) {
    case BAT_OPENER: return "Opener";
    case BAT_SPECIALIST: return "Specialist";
    case BAT_ALLROUNDER: return "Allrounder";
    case BAT_LATEORDER: return "Late Order";
    case BAT_TAIL: return "Tailender";
    default: return "Undefined";
    }
}

const char* BattingStyle(int strikeRate)
{
    if (strikeRate < 40) return "Defensive";
    if (strikeRate < 50) return "Stroke Playing";
    if (strikeRate < 60) return "Aggressive";
    return "Slogging";
}

const char* BowlTypeShort(int type)
{
    switch (type) {
    case BOWL_NONE: return "Wkt Keeper";
    case BOWL_OFFSPIN: return "Off Spin";
    case BOWL_LEGSPIN: return "Leg Spin";
    case BOWL_SLOW: return "Slow";
    case BOWL_MEDIUM: return "Medium";
    case BOWL_MEDIUMFAST: return "Medium Fast";
    case BOWL_FASTMEDIUM: return "Fast Medium";
    case BOWL_FAST: return "Fast";
    default: return "Unknown";
    }
}

const char* FitnessText(int fatigue)
{
    if (fatigue < 8) return "Supreme";
    if (fatigue < 16) return "Very Fit";
    if (fatigue < 24) return "Fit";
    if (fatigue < 32) return "Okay";
    if (fatigue < 40) return "Tiring";
    if (fatigue < 56) return "Tired";
    return "Exhausted";
}

const char* BowlTypeLong(int type)
{
    switch (type) {
    case BOWL_NONE: return "";
    case BOWL_OFFSPIN: return "Off Spin Bowler";
    case BOWL_LEGSPIN: return "Leg Spin Bowler";
    case BOWL_SLOW: return "Slow Bowler";
    case BOWL_MEDIUM: return "Medium Bowler";
    case BOWL_MEDIUMFAST: return "Medium Fast Bowler";
    case BOWL_FASTMEDIUM: return "Fast Medium Bowler";
    case BOWL_FAST: return "Fast Bowler";
    default: return "Unknown Type Bowler";
    }
}

const char* BowlTypeHtml(int type)
{
    switch (type) {
    case BOWL_NONE: return "";
    case BOWL_OFFSPIN: return "Finger Spin";
    case BOWL_LEGSPIN: return "Wrist Spin";
    default: return BowlTypeShort(type);
    }
}

const char* BowlStatusText(int status)
{
    switch (status) {
    case STATUS_NEWBALL: return "New Ball";
    case STATUS_MAIN: return "Main";
    case STATUS_SUPPORT: return "Support";
    case STATUS_OCCASIONAL: return "Occasional";
    case STATUS_VERYOCCASIONAL: return "Very Occasional";
    default: return "";
    }
}

const char* FieldTypeShort(int type)
{
    switch (type) {
    case FIELD_POOR: return "Poor";
    case FIELD_ORDINARY: return "Ordinary";
    case FIELD_SLIP: return "Slip";
    case FIELD_SPECIALIST: return "Specialist";
    case FIELD_KEEPER: return "Wkt Keeper";
    default: return "Unknown";
    }
}

const char* FieldTypeLong(int type)
{
    switch (type) {
    case FIELD_POOR: return "Poor Fielder";
    case FIELD_ORDINARY: return "Ordinary Fielder";
    case FIELD_SLIP: return "Slip Fielder";
    case FIELD_SPECIALIST: return "Specialist Fielder";
    case FIELD_KEEPER: return "Wicket Keeper";
    default: return "Unknown Type Fielder";
    }
}

const char* FieldTypeHtml(int type)
{
    return type == FIELD_ORDINARY ? "Normal" : FieldTypeShort(type);
}

const char* MoraleText(int morale)
{
    static const char* const kMorale[] = {"Rock Bottom", "Bad", "Poor", "Okay",
                                          "Fair", "Good", "High", "Sky High"};
    if (morale < 0 || morale > 7) return "Unknown";
    return kMorale[morale];
}

int ShownBowlingSkill(const PLAYER& p)
{
    return p.nBowlType == BOWL_NONE ? -1 : p.nBowlSkill;
}

int ShownFieldingSkill(const PLAYER& p)
{
    return p.nBowlType == BOWL_NONE ? p.nBowlSkill : p.nFieldSkill * 3;
}

std::string DisplayName(const char* initials, const char* surname)
{
    std::string name;
    if (initials[0] != '\0') {
        name = initials;
        name += ' ';
    }
    return name + surname;
}

// The texts are NUL-terminated within their widths; a full field is cut at it.
template <std::size_t N>
static std::string Field(const char (&text)[N])
{
    std::size_t len = 0;
    while (len < N && text[len] != '\0') ++len;
    return std::string(text, len);
}

std::string DisplayName(const PLAYER& p)
{
    return DisplayName(Field(p.szInitials).c_str(), Field(p.szSurname).c_str());
}

std::string DisplayName(const PLAYERSERIES& p)
{
    return DisplayName(Field(p.szInitials).c_str(), Field(p.szSurname).c_str());
}

std::string StrikeRateText(long runs, long balls)
{
    if (balls == 0) return "";
    return Format("%.2f", runs * 100.0 / balls);
}

std::string FiftiesPercentText(int hundreds, int fifties, int innings)
{
    if (innings == 0) return "";
    return Format("%.2f", (hundreds + fifties) * 100.0 / innings);
}

std::string BoundaryPercentText(int fours, int sixes, long runs)
{
    if (runs == 0) return "";
    return Format("%.2f", (fours * 4.0 + sixes * 6.0) * 100.0 / runs);
}

std::string BattingAverageText(double average)
{
    if (average < 0.0) return "";
    return Format("%.2f", average);
}

std::string OversText(long balls)
{
    return Format("%ld.%d", balls / 6, static_cast<int>(balls % 6));
}

std::string BowlingStrikeRateText(long balls, int wickets)
{
    if (wickets == 0) return "";
    return Format("%.2f", static_cast<double>(balls) / wickets);
}

std::string EconomyText(long runs, long balls)
{
    if (balls == 0) return "";
    return Format("%.2f", runs * 6.0 / balls);
}

std::string BowlingAverageText(double average)
{
    if (average >= 100000.0) return "";
    return Format("%.2f", average);
}

int Catches(const AVERAGE_FIELD& f)
{
    return f.nCatches + f.nKeeperCatches;
}

std::string StrikeRateText(const AVERAGE_BAT& a) { return StrikeRateText(a.nRuns, a.nBalls); }
std::string FiftiesPercentText(const AVERAGE_BAT& a)
{
    return FiftiesPercentText(a.nHundreds, a.nFifties, a.nInnings);
}
std::string BoundaryPercentText(const AVERAGE_BAT& a)
{
    return BoundaryPercentText(a.nFours, a.nSixes, a.nRuns);
}
std::string BattingAverageText(const AVERAGE_BAT& a) { return BattingAverageText(a.fAverage); }
std::string OversText(const AVERAGE_BOWL& a) { return OversText(a.nBalls); }
std::string BowlingStrikeRateText(const AVERAGE_BOWL& a)
{
    return BowlingStrikeRateText(a.nBalls, a.nWickets);
}
std::string EconomyText(const AVERAGE_BOWL& a) { return EconomyText(a.nRuns, a.nBalls); }
std::string BowlingAverageText(const AVERAGE_BOWL& a) { return BowlingAverageText(a.fAverage); }

}  // namespace ovs
