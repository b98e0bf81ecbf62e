// Reading and writing the database text: rows of '|'-separated cells.
#include "data/dbtext.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>
#include <vector>

#include "core/game.h"
#include "data/dbtext_tables.h"

namespace ovs {

namespace {

// The largest store the 16-bit indices can reach with the spare slots added.
constexpr int kMaxRows = 30000;

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> SplitCells(const std::string& line)
{
    std::vector<std::string> cells;
    std::string::size_type start = 0;
    for (;;) {
        const auto bar = line.find('|', start);
        cells.push_back(Trim(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return cells;
}

std::vector<std::string> SplitWords(const std::string& cell)
{
    std::vector<std::string> words;
    std::istringstream in(cell);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool ParseInt(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9) return false;
    std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size()) return false;
    long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
    }
    value = static_cast<int>(text[0] == '-' ? -v : v);
    return true;
}

// Clears the whole field first so that no byte of a default name stays behind it.
template <std::size_t N>
void CopyText(char (&dst)[N], const std::string& src)
{
    std::memset(dst, 0, N);
    std::memcpy(dst, src.data(), std::min(src.size(), N - 1));
}

// A squad as read, before the stores exist.
struct SquadRow {
    std::string abbr;
    std::string name;
    int line = 0;
    std::vector<int> players;   // indices into the player rows
    std::vector<int> grounds;
};

// Everything one text holds; taken into the game only when all of it is good.
struct ParsedDatabase {
    std::string name;
    int nameLine = 0;
    std::vector<SquadRow> squads;
    std::vector<PLAYER> players;
    std::vector<GROUND> grounds;
};

// Reads the rows one by one; the first failure is kept in `error`.
class Reader {
public:
    explicit Reader(ParsedDatabase& db) : db_(db) {}

    bool Row(int line, const std::string& text);
    bool Finish(int lastLine);
    std::string error;

private:
    bool Fail(const std::string& what)
    {
        error = "line " + std::to_string(line_) + ": " + what;
        return false;
    }
    bool Cells(std::size_t n, const char* kind);
    bool Name(const std::string& text, std::size_t width, const char* what);
    bool Number(const std::string& text, int lo, int hi, const char* what, int& value);
    bool Numbers(const std::string& cell, std::size_t n, int lo, int hi, const char* what, std::vector<int>& values);
    bool Enum(const std::string& text, const EnumTable& table, int lo, int hi, int& value);
    bool Time(const std::string& text, const char* what, int& value);
    bool Squad(const std::string& abbr, int& squad);

    bool DatabaseRow();
    bool SquadRowIn();
    bool GroundRow();
    bool PlayerRow();

    ParsedDatabase& db_;
    int line_ = 0;
    std::vector<std::string> cells_;
    std::map<std::string, int> squadByAbbr_;
    std::map<std::string, int> squadNameLine_;
    std::map<std::string, int> groundLine_;
    std::map<std::string, std::pair<int, int>> playerSeen_;   // name -> (line, squad)
};

bool Reader::Cells(std::size_t n, const char* kind)
{
    if (cells_.size() == n) return true;
    return Fail(std::string("a ") + kind + " row has " + std::to_string(n) + " cells, this one has " +
                std::to_string(cells_.size()));
}

bool Reader::Name(const std::string& text, std::size_t width, const char* what)
{
    if (text.empty()) return Fail(std::string("empty ") + what);
    if (text.size() > width)
        return Fail(std::string(what) + " \"" + text + "\" is longer than " + std::to_string(width) + " characters");
    return true;
}

bool Reader::Number(const std::string& text, int lo, int hi, const char* what, int& value)
{
    if (!ParseInt(text, value)) return Fail(std::string(what) + " \"" + text + "\" is not a number");
    if (value < lo || value > hi)
        return Fail(std::string(what) + " " + text + " out of range " + std::to_string(lo) + ".." + std::to_string(hi));
    return true;
}

bool Reader::Numbers(const std::string& cell, std::size_t n, int lo, int hi, const char* what, std::vector<int>& values)
{
    const auto words = SplitWords(cell);
    if (words.size() != n)
        return Fail(std::string(what) + ": expected " + std::to_string(n) + " values, found " +
                    std::to_string(words.size()));
    values.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        if (!Number(words[i], lo, hi, what, values[i])) return false;
    return true;
}

bool Reader::Enum(const std::string& text, const EnumTable& table, int lo, int hi, int& value)
{
    if (FindEnumValue(table, text, value)) return true;
    // a plain number is taken too, so that any stored value can be written and read back
    if (ParseInt(text, value)) return Number(text, lo, hi, table.what, value);
    return Fail(std::string("unknown ") + table.what + " \"" + text + "\" (" + EnumNames(table) + ")");
}

bool Reader::Time(const std::string& text, const char* what, int& value)
{
    if (!Number(text, 0, 2359, what, value)) return false;
    if (value % 100 >= 60) return Fail(std::string(what) + " " + text + " is not a time hhmm");
    return true;
}

bool Reader::Squad(const std::string& abbr, int& squad)
{
    if (abbr == "-") {
        squad = -1;
        return true;
    }
    const auto it = squadByAbbr_.find(abbr);
    if (it == squadByAbbr_.end()) return Fail("unknown squad \"" + abbr + "\"");
    squad = it->second;
    return true;
}

bool Reader::Row(int line, const std::string& text)
{
    line_ = line;
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed[0] == '#') return true;
    cells_ = SplitCells(trimmed);
    const std::string& keyword = cells_[0];
    if (keyword == "database") return DatabaseRow();
    if (keyword == "squad") return SquadRowIn();
    if (keyword == "ground") return GroundRow();
    if (keyword == "player") return PlayerRow();
    return Fail("unknown row \"" + keyword + "\" (database, squad, ground or player)");
}

bool Reader::DatabaseRow()
{
    if (!Cells(2, "database")) return false;
    if (db_.nameLine != 0) return Fail("second database row (the first is at line " + std::to_string(db_.nameLine) + ")");
    if (!Name(cells_[1], sizeof(DBHEADER::szName) - 1, "database name")) return false;
    db_.name = cells_[1];
    db_.nameLine = line_;
    return true;
}

bool Reader::SquadRowIn()
{
    if (!Cells(3, "squad")) return false;
    const std::string& abbr = cells_[1];
    const std::string& name = cells_[2];
    if (!Name(abbr, sizeof(SQUAD::szShort) - 1, "squad abbreviation")) return false;
    if (abbr == "-" || abbr.find_first_of(" \t") != std::string::npos)
        return Fail("squad abbreviation \"" + abbr + "\" must be one word and not \"-\"");
    if (!Name(name, sizeof(SQUAD::szName) - 1, "squad name")) return false;
    if (const auto it = squadByAbbr_.find(abbr); it != squadByAbbr_.end())
        return Fail("duplicate squad \"" + abbr + "\" (first at line " + std::to_string(db_.squads[it->second].line) + ")");
    if (const auto it = squadNameLine_.find(name); it != squadNameLine_.end())
        return Fail("duplicate squad name \"" + name + "\" (first at line " + std::to_string(it->second) + ")");
    if (static_cast<int>(db_.squads.size()) >= kMaxRows) return Fail("too many squads");
    squadByAbbr_[abbr] = static_cast<int>(db_.squads.size());
    squadNameLine_[name] = line_;
    db_.squads.push_back({abbr, name, line_, {}, {}});
    return true;
}

bool Reader::GroundRow()
{
    if (!Cells(9, "ground")) return false;
    int squad = -1;
    if (!Squad(cells_[1], squad)) return false;
    const std::string& name = cells_[2];
    if (!Name(name, sizeof(GROUND::szName) - 1, "ground name")) return false;
    if (const auto it = groundLine_.find(name); it != groundLine_.end())
        return Fail("duplicate ground \"" + name + "\" (first at line " + std::to_string(it->second) + ")");
    int size = 0;
    std::vector<int> pace, pitchBounce, times, weather, changeRain;
    if (!Number(cells_[3], -5, 5, "ground size", size)) return false;
    if (!Numbers(cells_[4], PACE_FACTORS, -5, 5, "pace factor", pace)) return false;
    if (!Numbers(cells_[5], 2, 0, 4, "pitch and bounce", pitchBounce)) return false;
    const auto timeWords = SplitWords(cells_[6]);
    if (timeWords.size() != 2) return Fail("start and sunset: expected 2 times hhmm");
    times.assign(2, 0);
    if (!Time(timeWords[0], "start of play", times[0]) || !Time(timeWords[1], "sunset", times[1])) return false;
    if (times[1] <= times[0]) return Fail("sunset " + timeWords[1] + " is not after the start of play " + timeWords[0]);
    if (!Numbers(cells_[7], WEATHER_KINDS, 0, 99, "weather weight", weather)) return false;
    const auto cr = SplitWords(cells_[8]);
    if (cr.size() != 2) return Fail("change and rain: expected 2 values");
    changeRain.assign(2, 0);
    if (!Number(cr[0], 0, 14, "weather change", changeRain[0])) return false;
    // rain stops only when a draw below 25 beats duration + 12
    if (!Number(cr[1], 0, 11, "rain duration", changeRain[1])) return false;
    if (static_cast<int>(db_.grounds.size()) >= kMaxRows) return Fail("too many grounds");
    if (squad >= 0) {
        auto& list = db_.squads[squad].grounds;
        if (list.size() >= static_cast<std::size_t>(MAX_HOME_GROUNDS))
            return Fail("squad " + cells_[1] + " has more than " + std::to_string(MAX_HOME_GROUNDS) + " home grounds");
        list.push_back(static_cast<int>(db_.grounds.size()));
    }

    GROUND gr;
    InitGround(gr, static_cast<int>(db_.grounds.size()) + 1);
    CopyText(gr.szName, name);
    gr.nSize = static_cast<std::int8_t>(size);
    for (int i = 0; i < PACE_FACTORS; ++i) gr.nPace[i] = static_cast<std::int8_t>(pace[i]);
    gr.nPitch = static_cast<std::uint8_t>(pitchBounce[0]);
    gr.nBounce = static_cast<std::uint8_t>(pitchBounce[1]);
    gr.nStart = static_cast<std::int16_t>(times[0]);
    gr.nSunset = static_cast<std::int16_t>(times[1]);
    for (int i = 0; i < WEATHER_KINDS; ++i) gr.nWeather[i] = static_cast<std::uint8_t>(weather[i]);
    gr.nWeather[WEATHER_CHANGE] = static_cast<std::uint8_t>(changeRain[0]);
    gr.nWeather[WEATHER_RAIN_DURATION] = static_cast<std::uint8_t>(changeRain[1]);
    groundLine_[name] = line_;
    db_.grounds.push_back(gr);
    return true;
}

bool Reader::PlayerRow()
{
    if (!Cells(11, "player")) return false;
    int squad = -1;
    if (!Squad(cells_[1], squad)) return false;
    const std::string& surname = cells_[2];
    const std::string initials = cells_[3] == "-" ? std::string() : cells_[3];
    if (!Name(surname, sizeof(PLAYER::szSurname) - 1, "surname")) return false;
    if (initials.size() > sizeof(PLAYER::szInitials) - 1)
        return Fail("initials \"" + initials + "\" are longer than 8 characters");
    const std::string full = initials.empty() ? surname : initials + " " + surname;
    if (const auto it = playerSeen_.find(full); it != playerSeen_.end()) {
        const auto [firstLine, firstSquad] = it->second;
        if (firstSquad != squad && firstSquad >= 0 && squad >= 0)
            return Fail(full + " is already in squad " + db_.squads[firstSquad].abbr + " (line " +
                        std::to_string(firstLine) + ")");
        return Fail("duplicate player " + full + " (first at line " + std::to_string(firstLine) + ")");
    }

    const auto bat = SplitWords(cells_[4]);
    const auto bowl = SplitWords(cells_[5]);
    if (bat.size() != 2) return Fail("batting: expected a batting type and a strike rate");
    if (bowl.size() != 2) return Fail("bowling: expected a bowling type and a bowling status");
    int batType = 0, strikeRate = 0, bowlType = 0, status = 0, fieldType = 0, morale = 0, pos = 0;
    std::vector<int> skills, ratings;
    if (!Enum(bat[0], kBatTypes, 0, 255, batType)) return false;
    if (!Number(bat[1], 10, 120, "strike rate", strikeRate)) return false;
    if (!Enum(bowl[0], kBowlTypes, -128, 127, bowlType)) return false;
    if (!Enum(bowl[1], kBowlStatuses, 0, 255, status)) return false;
    if (!Enum(cells_[6], kFieldTypes, -32768, 32767, fieldType)) return false;
    if (!Number(cells_[7], 0, 7, "morale", morale)) return false;
    if (!Number(cells_[8], 1, 11, "batting position", pos)) return false;
    const auto skillWords = SplitWords(cells_[9]);
    if (skillWords.size() != 3) return Fail("skills: expected batting, bowling and fielding skill");
    skills.assign(3, 0);
    if (!Number(skillWords[0], 1, 99, "batting skill", skills[0])) return false;
    if (!Number(skillWords[1], 0, 99, bowlType == BOWL_NONE ? "keeping skill" : "bowling skill", skills[1]))
        return false;
    if (!Number(skillWords[2], 0, 15, "fielding skill", skills[2])) return false;
    if (!Numbers(cells_[10], 3, -9999, 9999, "rating", ratings)) return false;
    if (static_cast<int>(db_.players.size()) >= kMaxRows) return Fail("too many players");
    if (squad >= 0) {
        auto& list = db_.squads[squad].players;
        if (list.size() >= static_cast<std::size_t>(MAX_SQUAD))
            return Fail("squad " + cells_[1] + " has more than " + std::to_string(MAX_SQUAD) + " players");
        list.push_back(static_cast<int>(db_.players.size()));
    }

    PLAYER p;
    InitPlayer(p, static_cast<int>(db_.players.size()) + 1);
    CopyText(p.szSurname, surname);
    CopyText(p.szInitials, initials);
    p.nBatType = static_cast<std::uint8_t>(batType);
    p.nStrikeRate = static_cast<std::uint8_t>(strikeRate);
    p.nBowlType = static_cast<std::int8_t>(bowlType);
    p.nBowlStatus = static_cast<std::uint8_t>(status);
    p.nFieldType = static_cast<std::int16_t>(fieldType);
    p.nMorale = static_cast<std::uint8_t>(morale);
    p.nBatPos = static_cast<std::uint8_t>(pos);
    p.nBatSkill = static_cast<std::uint8_t>(skills[0]);
    p.nBowlSkill = static_cast<std::uint8_t>(skills[1]);
    p.nFieldSkill = static_cast<std::uint8_t>(skills[2]);
    p.nBatRating = p.nBestBatRating = static_cast<std::int16_t>(ratings[0]);
    p.nBowlRating = p.nBestBowlRating = static_cast<std::int16_t>(ratings[1]);
    p.nFieldRating = p.nBestFieldRating = static_cast<std::int16_t>(ratings[2]);
    playerSeen_[full] = {line_, squad};
    db_.players.push_back(p);
    return true;
}

bool Reader::Finish(int lastLine)
{
    line_ = lastLine;
    if (db_.nameLine == 0) return Fail("no database row (\"database | name\")");
    return true;
}

// Moves a good parse into the game: counts, fresh stores, then the rows.
bool TakeDatabase(Game& g, const ParsedDatabase& db, std::string& error)
{
    FreeStores(g.db);
    NUMBERS n{};
    n.nPlayers = static_cast<std::int16_t>(db.players.size());
    n.nSquads = static_cast<std::int16_t>(db.squads.size());
    n.nGrounds = static_cast<std::int16_t>(db.grounds.size());
    n.nRecords = static_cast<std::int16_t>(MAX_RECORDS);
    n.nCountries = static_cast<std::int16_t>(MAX_COUNTRIES);
    g.db.numbers = n;
    if (!AllocateAndInitialiseStores(g)) {
        error = "not enough memory for the database stores";
        return false;
    }
    for (std::size_t i = 0; i < db.players.size(); ++i) g.db.players[i] = db.players[i];
    for (std::size_t i = 0; i < db.grounds.size(); ++i) g.db.grounds[i] = db.grounds[i];
    for (std::size_t s = 0; s < db.squads.size(); ++s) {
        const SquadRow& row = db.squads[s];
        SQUAD& sq = g.db.squads[s];
        CopyText(sq.szName, row.name);
        CopyText(sq.szShort, row.abbr);
        sq.nMembers = static_cast<std::int16_t>(row.players.size());
        for (std::size_t m = 0; m < row.players.size(); ++m) {
            sq.nPlayer[m] = static_cast<std::int16_t>(row.players[m]);
            CopyText(sq.szMember[m], db.players[row.players[m]].szSurname);
        }
        sq.nGrounds = static_cast<std::int16_t>(row.grounds.size());
        for (std::size_t k = 0; k < row.grounds.size(); ++k) sq.nGround[k] = static_cast<std::int16_t>(row.grounds[k]);
    }

    DBHEADER& h = g.dbHeader;
    h.nVersion = DB_VERSION;
    CopyText(h.szName, db.name);
    h.nPlayerSize = static_cast<std::int16_t>(sizeof(PLAYER));
    h.nSquadSize = static_cast<std::int16_t>(sizeof(SQUAD));
    h.nGroundSize = static_cast<std::int16_t>(sizeof(GROUND));
    h.nRecordsSize = static_cast<std::int16_t>(sizeof(RECORDS));
    h.nCountrySize = static_cast<std::int16_t>(sizeof(COUNTRY));
    h.nOne = 1u;
    return true;
}

}  // namespace

bool ReadDatabaseText(Game& g, std::istream& in, std::string& error)
{
    ParsedDatabase db;
    Reader reader(db);
    int line = 0;
    for (std::string text; std::getline(in, text);) {
        ++line;
        if (!reader.Row(line, text)) {
            error = reader.error;
            return false;
        }
    }
    if (!reader.Finish(line)) {
        error = reader.error;
        return false;
    }
    return TakeDatabase(g, db, error);
}

}  // namespace ovs
