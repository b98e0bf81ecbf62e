// The names the database text uses for the player enumerations.
//
// Shared by the reader and the writer of the text so that every name written
// reads back as the same value.
#pragma once

#include <string>

#include "data/records.h"

namespace ovs {

struct EnumEntry {
    const char* name;
    int value;
};

// One enumeration: what it is called in messages and its names.
struct EnumTable {
    const char* what;
    const EnumEntry* entries;
    int count;
};

inline constexpr EnumEntry kBatTypeEntries[] = {
    {"Opener", BAT_OPENER}, {"Specialist", BAT_SPECIALIST}, {"AllRounder", BAT_ALLROUNDER},
    {"LateOrder", BAT_LATEORDER}, {"Tail", BAT_TAIL},
};
inline constexpr EnumEntry kBowlTypeEntries[] = {
    {"OffSpin", BOWL_OFFSPIN}, {"LegSpin", BOWL_LEGSPIN}, {"Slow", BOWL_SLOW}, {"Medium", BOWL_MEDIUM},
    {"MedFast", BOWL_MEDIUMFAST}, {"FastMed", BOWL_FASTMEDIUM}, {"Fast", BOWL_FAST}, {"Keeper", BOWL_NONE},
};
// "None" is 1, one of the two values that show no status.
inline constexpr EnumEntry kBowlStatusEntries[] = {
    {"NewBall", STATUS_NEWBALL}, {"Main", STATUS_MAIN}, {"Support", STATUS_SUPPORT},
    {"Occasional", STATUS_OCCASIONAL}, {"VeryOcc", STATUS_VERYOCCASIONAL}, {"None", 1},
};
inline constexpr EnumEntry kFieldTypeEntries[] = {
    {"Poor", FIELD_POOR}, {"Ordinary", FIELD_ORDINARY}, {"Slip", FIELD_SLIP},
    {"Specialist", FIELD_SPECIALIST}, {"Keeper", FIELD_KEEPER},
};

inline constexpr EnumTable kBatTypes{"batting type", kBatTypeEntries, 5};
inline constexpr EnumTable kBowlTypes{"bowling type", kBowlTypeEntries, 8};
inline constexpr EnumTable kBowlStatuses{"bowling status", kBowlStatusEntries, 6};
inline constexpr EnumTable kFieldTypes{"fielding type", kFieldTypeEntries, 5};

inline bool FindEnumValue(const EnumTable& t, const std::string& name, int& value)
{
    for (int i = 0; i < t.count; ++i)
        if (name == t.entries[i].name) {
            value = t.entries[i].value;
            return true;
        }
    return false;
}

// The name of a value, or its number when it has none.
inline std::string EnumName(const EnumTable& t, int value)
{
    for (int i = 0; i < t.count; ++i)
        if (t.entries[i].value == value) return t.entries[i].name;
    return std::to_string(value);
}

// "Opener, Specialist, ..." for messages.
inline std::string EnumNames(const EnumTable& t)
{
    std::string s;
    for (int i = 0; i < t.count; ++i) {
        if (i) s += ", ";
        s += t.entries[i].name;
    }
    return s;
}

}  // namespace ovs
