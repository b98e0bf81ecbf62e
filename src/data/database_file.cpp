// The database file: DBHEADER, NUMBERS, then every player, squad, ground and
// record rank, each in the size the header gives. Countries are not stored.
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include "core/game.h"
#include "core/format.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "data/validate.h"

namespace ovs {

namespace {

const DatabaseTexts kDatabaseTexts = {
    "Database",
    "Unable to read Database Header from Database.",
    "Unable to read Number Structure from Database.",
    "Unable to read Player Structure from Database.",
    "Unable to read Squad Structure from Database.",
    "Unable to read Ground Structure from Database.",
    "Unable to read Records Structure from Database.",
};

// One store of the image: its name in our refusals, the header's size, the
// current size, its count and the message of a failed read.
struct StoreStep {
    const char* name;
    int fileSize;
    int currentSize;
    int count;
    int spare;
    const char* readError;
};

// Counts beyond this would give slots whose 16-bit indices overflow.
int MaxCount(int spare) { return std::numeric_limits<std::int16_t>::max() - spare; }

bool CountsDiffer(const NUMBERS& a, const NUMBERS& b)
{
    return a.nPlayers != b.nPlayers || a.nSquads != b.nSquads || a.nGrounds != b.nGrounds ||
           a.nRecords != b.nRecords || a.nCountries != b.nCountries || a.nSpare1 != b.nSpare1 ||
           a.nSpare2 != b.nSpare2;
}

bool StoresFit(const Stores& db)
{
    const NUMBERS& n = db.numbers;
    return n.nPlayers >= 0 && n.nSquads >= 0 && n.nGrounds >= 0 && n.nRecords >= 0 && n.nCountries >= 0 &&
           db.players.size() >= static_cast<std::size_t>(n.nPlayers + SPARE_PLAYERS) &&
           db.squads.size() >= static_cast<std::size_t>(n.nSquads + SPARE_SQUADS) &&
           db.grounds.size() >= static_cast<std::size_t>(n.nGrounds + SPARE_GROUNDS) &&
           db.records.size() >= static_cast<std::size_t>(n.nRecords) &&
           db.countries.size() >= static_cast<std::size_t>(n.nCountries) &&
           db.leagueSeries.size() == LEAGUE_SERIES;
}

void InitSlot(PLAYER& p, int number) { InitPlayer(p, number); }
void InitSlot(SQUAD& s, int number) { InitSquad(s, number); }
void InitSlot(GROUND& gr, int number) { InitGround(gr, number); }
void InitSlot(RECORDS& r, int) { InitRecords(r); }

template <typename T>
bool ReadStore(ByteReader& in, std::vector<T>& store, int count, int size)
{
    for (int i = 0; i < count; ++i) {
        // A record of an older, shorter format: the part it lacks is new.
        if (static_cast<std::size_t>(size) < sizeof(T)) InitSlot(store[i], i + 1);
        if (!in.ReadRecord(store[i], static_cast<std::size_t>(size))) return false;
        // The upgrade step of the only stored format (version 20004) changes nothing.
    }
    return true;
}

template <typename T>
bool WriteStore(AtomicFile& out, const std::vector<T>& store, int count, int size)
{
    for (int i = 0; i < count && i < static_cast<int>(store.size()); ++i)
        if (!out.WriteRecord(store[i], static_cast<std::size_t>(size))) return false;
    return true;
}

}  // namespace

void FileErrorBox(Game& g, const std::string& text, const char* caption, const std::string& detail)
{
    if (!detail.empty()) {
        g.Log("%s: %s (%s)\n", caption, text.c_str(), detail.c_str());
        g.host->BoxDetail(detail);
    }
    g.host->MessageBox(text, caption, BoxButtons::Ok, BoxIcon::Stop);
}

void ReadProblemBox(Game& g, const std::string& path, const FileProblem& p, const char* fileWord,
                    const char* missingText)
{
    char text[160];
    switch (p.kind) {
    case FileProblem::Missing: FormatTo(text, sizeof text, "%s", missingText); break;
    case FileProblem::NotRegular: FormatTo(text, sizeof text, "The %s is not a file that can be read.", fileWord); break;
    case FileProblem::TooLarge: FormatTo(text, sizeof text, "The %s is too large to be one of Ovalspin's.", fileWord); break;
    default: FormatTo(text, sizeof text, "The %s could not be read.", fileWord); break;
    }
    FileErrorBox(g, text, "Loading Error", path + ": " + ProblemText(p));
}

void SaveErrorBox(Game& g, const AtomicFile& out, const char* text, const char* fileWord)
{
    const std::string detail = out.Path() + ": " + (out.Error() ? std::strerror(out.Error()) : "write failed");
    if (out.DiskFull()) {
        char full[200];
        FormatTo(full, sizeof full,
                 "There is not enough room on the disk to save the %s. The copy on the disk is unchanged.", fileWord);
        FileErrorBox(g, full, "Saving Error", detail);
        return;
    }
    FileErrorBox(g, text, "Saving Error", detail);
}

void InitDatabaseHeader(DBHEADER& h, const std::string& name)
{
    h = {};
    h.nVersion = DB_VERSION;
    SetText(h.szName, name.c_str());
    h.bFlagA = 1;
    h.bFlagB = 0;
    h.nPlayerSize = static_cast<std::int16_t>(sizeof(PLAYER));
    h.nSquadSize = static_cast<std::int16_t>(sizeof(SQUAD));
    h.nGroundSize = static_cast<std::int16_t>(sizeof(GROUND));
    h.nRecordsSize = static_cast<std::int16_t>(sizeof(RECORDS));
    h.nCountrySize = static_cast<std::int16_t>(sizeof(COUNTRY));
    h.nOne = 1;
}

int StoredSize(int headerSize, int currentSize)
{
    return headerSize >= 1 && headerSize <= currentSize ? headerSize : currentSize;
}

bool ReadDatabaseImage(Game& g, ByteReader& in, const DatabaseTexts& texts, LoadedDatabase& out)
{
    const char* caption = "Loading Error";
    if (!in.ReadWhole(out.header)) {
        FileErrorBox(g, texts.header, caption);
        return false;
    }
    NUMBERS numbers{};
    if (!in.ReadWhole(numbers)) {
        FileErrorBox(g, texts.numbers, caption);
        return false;
    }

    const DBHEADER& h = out.header;
    const StoreStep steps[] = {
        {"Player", h.nPlayerSize, sizeof(PLAYER), numbers.nPlayers, SPARE_PLAYERS, texts.player},
        {"Squad", h.nSquadSize, sizeof(SQUAD), numbers.nSquads, SPARE_SQUADS, texts.squad},
        {"Ground", h.nGroundSize, sizeof(GROUND), numbers.nGrounds, SPARE_GROUNDS, texts.ground},
        {"Record", h.nRecordsSize, sizeof(RECORDS), numbers.nRecords, 0, texts.records},
    };
    // Refuse what cannot be ours before taking any memory for it.
    char text[200];
    for (const StoreStep& s : steps) {
        if (s.fileSize > s.currentSize) {
            FormatTo(text, sizeof text,
                     "The %s records in this %s are larger than this version of Ovalspin can read.",
                     s.name, texts.fileWord);
            FileErrorBox(g, text, caption);
            return false;
        }
        if (s.fileSize <= 0) {
            FormatTo(text, sizeof text, "The %s record size in this %s is not valid (%d).", s.name,
                     texts.fileWord, s.fileSize);
            FileErrorBox(g, text, caption);
            return false;
        }
        if (s.count < 0 || s.count > MaxCount(s.spare)) {
            FormatTo(text, sizeof text, "The number of %s records in this %s is not valid (%d).", s.name,
                     texts.fileWord, s.count);
            FileErrorBox(g, text, caption);
            return false;
        }
    }
    if (numbers.nCountries < 0) {
        FormatTo(text, sizeof text, "The number of Country records in this %s is not valid (%d).",
                 texts.fileWord, static_cast<int>(numbers.nCountries));
        FileErrorBox(g, text, caption);
        return false;
    }
    // A file too short for its counts fails at the store it runs out in.
    std::size_t need = 0;
    for (const StoreStep& s : steps) {
        need += static_cast<std::size_t>(s.count) * static_cast<std::size_t>(s.fileSize);
        if (need > in.Remaining()) {
            FileErrorBox(g, s.readError, caption);
            return false;
        }
    }

    // Stores that are not there yet are taken as for other counts.
    out.reallocated = CountsDiffer(numbers, g.db.numbers) || !StoresFit(g.db);
    if (out.reallocated) {
        out.db.numbers = numbers;
        out.league = g.League;
        const StoreId failed = AllocateAndInitialiseStores(out.db, out.league, out.series);
        if (failed != StoreId::None) {
            g.host->MessageBox(AllocationFailureText(failed), "Vezurev - Fatal Error", BoxButtons::Ok,
                               BoxIcon::Exclamation);
            return false;
        }
    } else {
        out.db.players = g.db.players;
        out.db.squads = g.db.squads;
        out.db.grounds = g.db.grounds;
        out.db.records = g.db.records;
    }
    out.db.numbers = numbers;

    if (!ReadStore(in, out.db.players, steps[0].count, steps[0].fileSize) ||
        !ReadStore(in, out.db.squads, steps[1].count, steps[1].fileSize) ||
        !ReadStore(in, out.db.grounds, steps[2].count, steps[2].fileSize) ||
        !ReadStore(in, out.db.records, steps[3].count, steps[3].fileSize)) {
        // Ruled out by the length check above; kept so a slip there cannot read garbage.
        FileErrorBox(g, texts.records, caption);
        return false;
    }
    // Every index and code the stores hold must point inside them before play may trust it.
    const std::string fault = CheckDatabaseImage(out.db, texts.fileWord);
    if (!fault.empty()) {
        FileErrorBox(g, fault, caption);
        return false;
    }
    return true;
}

void TakeDatabaseImage(Game& g, LoadedDatabase& img)
{
    if (img.reallocated) {
        g.db.players.swap(img.db.players);
        g.db.countries.swap(img.db.countries);
        g.db.squads.swap(img.db.squads);
        g.db.grounds.swap(img.db.grounds);
        g.db.records.swap(img.db.records);
        g.db.leagueSeries.swap(img.db.leagueSeries);
        g.League = img.league;
        g.Series = img.series;
        g.SelectTestAndInnings();
    } else {
        g.db.players.swap(img.db.players);
        g.db.squads.swap(img.db.squads);
        g.db.grounds.swap(img.db.grounds);
        g.db.records.swap(img.db.records);
    }
    g.db.numbers = img.db.numbers;
}

bool WriteDatabaseImage(Game& g, AtomicFile& out, const DBHEADER& h, const Stores& db, const char* fileWord)
{
    DBHEADER written = h;
    written.nPlayerSize = static_cast<std::int16_t>(StoredSize(h.nPlayerSize, sizeof(PLAYER)));
    written.nSquadSize = static_cast<std::int16_t>(StoredSize(h.nSquadSize, sizeof(SQUAD)));
    written.nGroundSize = static_cast<std::int16_t>(StoredSize(h.nGroundSize, sizeof(GROUND)));
    written.nRecordsSize = static_cast<std::int16_t>(StoredSize(h.nRecordsSize, sizeof(RECORDS)));
    written.nCountrySize = static_cast<std::int16_t>(StoredSize(h.nCountrySize, sizeof(COUNTRY)));
    const char* failed = nullptr;
    if (!out.WriteWhole(written))
        failed = "Unable to write Database Header to Database.";
    else if (!out.WriteWhole(db.numbers))
        failed = "Unable to write Number Structure to Database.";
    else if (!WriteStore(out, db.players, db.NumPlayers(), written.nPlayerSize))
        failed = "Unable to write Player Structure to Database.";
    else if (!WriteStore(out, db.squads, db.NumSquads(), written.nSquadSize))
        failed = "Unable to write Squad Structure to Database.";
    else if (!WriteStore(out, db.grounds, db.NumGrounds(), written.nGroundSize))
        failed = "Unable to write Ground Structure to Database.";
    else if (!WriteStore(out, db.records, db.NumRecords(), written.nRecordsSize))
        failed = "Unable to write Records Structure to Database.";
    if (failed) {
        SaveErrorBox(g, out, failed, fileWord);
        return false;
    }
    return true;
}

bool LoadDatabase(Game& g, const std::string& path)
{
    FileProblem problem;
    const auto bytes = ReadWholeFile(path, kMaxDataFile, &problem);
    if (!bytes) {
        ReadProblemBox(g, path, problem, "Database", "Database not found.");
        return false;
    }
    ByteReader in(*bytes);
    auto img = std::make_unique<LoadedDatabase>();
    if (!ReadDatabaseImage(g, in, kDatabaseTexts, *img)) return false;
    TakeDatabaseImage(g, *img);

    // The flag bytes, texts and spare words come with the file; name, path and
    // sizes describe the database as it is now in memory.
    DBHEADER& h = g.dbHeader;
    h = img->header;
    h.nVersion = DB_VERSION;
    std::memset(h.szName, 0, sizeof h.szName);
    SetText(h.szName, path.c_str());
    std::memset(h.szPath, 0, sizeof h.szPath);
    SetText(h.szPath, path.c_str());
    h.nPlayerSize = static_cast<std::int16_t>(sizeof(PLAYER));
    h.nSquadSize = static_cast<std::int16_t>(sizeof(SQUAD));
    h.nGroundSize = static_cast<std::int16_t>(sizeof(GROUND));
    h.nRecordsSize = static_cast<std::int16_t>(sizeof(RECORDS));
    h.nCountrySize = static_cast<std::int16_t>(sizeof(COUNTRY));
    g.dbPath = path;
    return true;
}

bool SaveDatabase(Game& g, const std::string& path)
{
    AtomicFile out;
    if (!out.Create(path)) {
        SaveErrorBox(g, out, "Database file could not be created.", "Database");
        return false;
    }
    if (!WriteDatabaseImage(g, out, g.dbHeader, g.db, "Database")) return false;
    if (!out.Commit()) {
        SaveErrorBox(g, out, "Database file could not be created.", "Database");
        return false;
    }
    return true;
}

}  // namespace ovs
