// Import of a database from the older separate files NUMBERSW.DAT,
// PLAYERSW.DAT, SQUADSW.DAT, GROUNDSW.DAT and RECORDSW.DAT, which hold bare
// records of the older, shorter layouts with no header.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "core/game.h"
#include "core/format.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "data/validate.h"

namespace ovs {

namespace {

constexpr std::size_t kOldNumbersSize = 12;
constexpr std::size_t kOldPlayerSize = 256;
constexpr std::size_t kOldSquadSize = 1024;
constexpr std::size_t kOldGroundSize = 64;
constexpr std::size_t kOldRecordsSize = 380;
constexpr std::size_t kOldGroundCopied = 59;   // offsets 0-58

const char* const kLoading = "Loading Error";

// A run of bytes moved from an old record to its place in the new one.
struct Move {
    std::size_t from;
    std::size_t to;
    std::size_t length;
};

// The old squad had 20 member slots and a shorter tail.
const Move kSquadMoves[] = {
    {0, 0, 30},          // name and abbreviation
    {30, 30, 600},       // 20 display names
    {630, 930, 2},       // member count
    {632, 932, 2},       // home-ground count
    {634, 934, 40},      // 20 member indices
    {674, 994, 12},      // 6 ground indices
    {686, 1006, 2},      // the two settings
    {688, 1008, 2},
    {690, 1010, 10},     // played, won, lost, drawn, tied
    {700, 1020, 2},
    {702, 1022, 130},    // the three texts
    {832, 1152, 2},
    {834, 1154, 2},
    {838, 1158, 120},    // league turn block
    {958, 1318, 2},      // league position
};

// The value fields of each record table, in table order. An old entry is the
// values and the first three fields of its RECORD_WHERE (6 bytes); a new one
// the values and the whole RECORD_WHERE.
const std::size_t kRecordValueSizes[] = {4, 2, 6, 32, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
                                         6, 6, 32, 6, 6, 10, 6, 6, 10, 4, 14};

struct OldFile {
    const char* name;
    const char* missing;
    const char* failed;
};

const OldFile kNumbersFile = {"NUMBERSW.DAT", "No Number Data found.", "Error loading Number Data."};
const OldFile kPlayersFile = {"PLAYERSW.DAT", "No Player Data found.", "Error loading Player Data."};
const OldFile kSquadsFile = {"SQUADSW.DAT", "No Squad Data found.", "Error loading Squad Data."};
const OldFile kGroundsFile = {"GROUNDSW.DAT", "No Ground Data found.", "Error loading Ground Data."};
// The old records are optional: without them the tables start empty.
const OldFile kRecordsFile = {"RECORDSW.DAT", nullptr, "Error loading Record Data."};

// Read an old file whole: nullopt (after the box) when it is missing or
// cannot be read (a directory, FIFO or device, or too large for its records).
std::optional<std::vector<std::uint8_t>> ReadOldFile(Game& g, const std::string& dir, const OldFile& f,
                                                     std::size_t recordSize)
{
    const std::string path = JoinPath(dir, f.name);
    FileProblem problem;
    auto bytes = ReadWholeFile(path, recordSize * 32767, &problem);
    if (!bytes)
        FileErrorBox(g, problem.kind == FileProblem::Missing ? f.missing : f.failed, kLoading,
                     path + ": " + ProblemText(problem));
    return bytes;
}

// The number of whole old records in a file, refused when beyond what the
// stores can index.
bool RecordCount(Game& g, const std::vector<std::uint8_t>& bytes, std::size_t size, int spare,
                 const OldFile& f, int& count)
{
    const std::size_t n = bytes.size() / size;
    if (n > static_cast<std::size_t>(32767 - spare)) {
        FileErrorBox(g, f.failed, kLoading);
        return false;
    }
    count = static_cast<int>(n);
    return true;
}

// The corrections of an old player record before it is taken.
void CorrectOldPlayer(Game& g, PLAYER& p)
{
    char name[sizeof p.szSurname + 1] = {};
    std::memcpy(name, p.szSurname, sizeof p.szSurname);

    // A strike rate below 10 is an old batting-style code.
    if (p.nStrikeRate < 10) {
        switch (p.nStrikeRate) {
        case 1: p.nStrikeRate = 35; break;
        case 2: p.nStrikeRate = 45; break;
        case 4: p.nStrikeRate = 55; break;
        case 8: p.nStrikeRate = 65; break;
        default: break;
        }
        g.Log("Player %s set to batting SR %d\n", name, static_cast<int>(p.nStrikeRate));
    }
    if (p.nBowlStatus == 255) {
        p.nBowlStatus = 1;
    } else if (p.nBowlStatus == 0) {
        const int skill = p.nBowlSkill;
        int status = 2;
        if (skill >= 40 && p.nBowlType >= 32) status = STATUS_NEWBALL;
        else if (skill >= 32) status = STATUS_MAIN;
        else if (skill >= 25) status = STATUS_SUPPORT;
        else if (skill >= 15) status = STATUS_OCCASIONAL;
        else if (skill >= 5) status = STATUS_VERYOCCASIONAL;
        p.nBowlStatus = static_cast<std::uint8_t>(status);
        g.Log("Player %s set to bowling pos %d\n", name, status);
    }
}

void TakeOldPlayers(Game& g, const std::vector<std::uint8_t>& bytes, int count, Stores& db)
{
    for (int i = 0; i < count; ++i) {
        PLAYER old{};
        std::memcpy(static_cast<void*>(&old), bytes.data() + static_cast<std::size_t>(i) * kOldPlayerSize, kOldPlayerSize);
        CorrectOldPlayer(g, old);
        // Identity, ratings, histories and career figures: the whole old record.
        std::memcpy(static_cast<void*>(&db.players[i]), &old, kOldPlayerSize);
    }
}

void TakeOldSquads(const std::vector<std::uint8_t>& bytes, int count, Stores& db)
{
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* old = bytes.data() + static_cast<std::size_t>(i) * kOldSquadSize;
        auto* slot = reinterpret_cast<std::uint8_t*>(&db.squads[i]);
        for (const Move& m : kSquadMoves) std::memcpy(slot + m.to, old + m.from, m.length);
    }
}

void TakeOldGrounds(const std::vector<std::uint8_t>& bytes, int count, Stores& db)
{
    for (int i = 0; i < count; ++i) {
        GROUND old{};
        std::memcpy(static_cast<void*>(&old), bytes.data() + static_cast<std::size_t>(i) * kOldGroundSize, sizeof old);
        if (old.bInitialised == 0) {
            InitGroundAttributes(old);
            old.bInitialised = 1;
        }
        std::memcpy(static_cast<void*>(&db.grounds[i]), &old, kOldGroundCopied);
    }
}

void TakeOldRecords(const std::vector<std::uint8_t>& bytes, Stores& db)
{
    const std::size_t ranks = std::min(bytes.size() / kOldRecordsSize, db.records.size());
    for (std::size_t r = 0; r < ranks; ++r) {
        const std::uint8_t* old = bytes.data() + r * kOldRecordsSize;
        auto* slot = reinterpret_cast<std::uint8_t*>(&db.records[r]);
        std::size_t from = 0, to = 0;
        for (std::size_t v : kRecordValueSizes) {
            std::memcpy(slot + to, old + from, v + 6);
            from += v + 6;
            to += v + sizeof(RECORD_WHERE);
        }
    }
}

}  // namespace

bool ImportOldDatabase(Game& g)
{
    const std::string dir = g.dbPath.empty() ? g.host->DataDir() : DirectoryOf(g.dbPath);

    const auto numbersFile = ReadOldFile(g, dir, kNumbersFile, kOldNumbersSize);
    if (!numbersFile) return false;
    NUMBERS numbers{};
    if (numbersFile->size() < kOldNumbersSize) {
        FileErrorBox(g, kNumbersFile.failed, kLoading);
        return false;
    }
    std::memcpy(static_cast<void*>(&numbers), numbersFile->data(), kOldNumbersSize);
    if (numbers.nRecords < 0 || numbers.nCountries < 0) {
        FileErrorBox(g, kNumbersFile.failed, kLoading);
        return false;
    }

    const auto playersFile = ReadOldFile(g, dir, kPlayersFile, kOldPlayerSize);
    int players = 0;
    if (!playersFile || !RecordCount(g, *playersFile, kOldPlayerSize, SPARE_PLAYERS, kPlayersFile, players))
        return false;
    const auto squadsFile = ReadOldFile(g, dir, kSquadsFile, kOldSquadSize);
    int squads = 0;
    if (!squadsFile || !RecordCount(g, *squadsFile, kOldSquadSize, SPARE_SQUADS, kSquadsFile, squads))
        return false;
    const auto groundsFile = ReadOldFile(g, dir, kGroundsFile, kOldGroundSize);
    int grounds = 0;
    if (!groundsFile || !RecordCount(g, *groundsFile, kOldGroundSize, SPARE_GROUNDS, kGroundsFile, grounds))
        return false;
    std::optional<std::vector<std::uint8_t>> recordsFile;
    FileProblem problem;
    recordsFile = ReadWholeFile(JoinPath(dir, kRecordsFile.name), kOldRecordsSize * 32767, &problem);
    if (!recordsFile && problem.kind != FileProblem::Missing) {
        FileErrorBox(g, kRecordsFile.failed, kLoading, JoinPath(dir, kRecordsFile.name) + ": " + ProblemText(problem));
        return false;
    }

    // The stores are sized for the records the files hold.
    auto img = std::make_unique<LoadedDatabase>();
    img->db.numbers = numbers;
    img->db.numbers.nPlayers = static_cast<std::int16_t>(players);
    img->db.numbers.nSquads = static_cast<std::int16_t>(squads);
    img->db.numbers.nGrounds = static_cast<std::int16_t>(grounds);
    img->league = g.League;
    const StoreId failed = AllocateAndInitialiseStores(img->db, img->league, img->series);
    if (failed != StoreId::None) {
        g.host->MessageBox(AllocationFailureText(failed), "Vezurev - Fatal Error", BoxButtons::Ok,
                           BoxIcon::Exclamation);
        return false;
    }
    img->reallocated = true;
    TakeOldPlayers(g, *playersFile, players, img->db);
    TakeOldSquads(*squadsFile, squads, img->db);
    TakeOldGrounds(*groundsFile, grounds, img->db);
    if (recordsFile) TakeOldRecords(*recordsFile, img->db);
    // The old files are checked as a loaded database is, before anything is written.
    if (const std::string fault = CheckDatabaseImage(img->db, "old Database"); !fault.empty()) {
        FileErrorBox(g, fault, kLoading);
        return false;
    }

    const std::string path = JoinPath(dir, kDefaultDatabaseName);
    InitDatabaseHeader(img->header, "Converted OVS Database");
    SetText(img->header.szPath, path.c_str());

    AtomicFile out;
    if (!out.Create(path)) {
        SaveErrorBox(g, out, "Database file could not be created.", "Database");
        return false;
    }
    if (!WriteDatabaseImage(g, out, img->header, img->db, "Database")) return false;
    if (!out.Commit()) {
        SaveErrorBox(g, out, "Database file could not be created.", "Database");
        return false;
    }

    TakeDatabaseImage(g, *img);
    g.dbHeader = img->header;
    g.dbPath = path;
    g.Current.nTest = -1;
    g.SelectTestAndInnings();
    return true;
}

}  // namespace ovs
