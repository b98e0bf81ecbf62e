// The database file, the saved position, OPTION.DAT, MAIL.DAT and the import
// of the old separate files.
//
// Loads read into scratch and take it only on success, so a failed load leaves
// what the user has. Saves write a temporary file and rename it over the old.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/match.h"
#include "data/le.h"
#include "data/league.h"
#include "data/records.h"
#include "data/stores.h"

namespace ovs {

struct Game;

inline constexpr const char* kDefaultDatabaseName = "OVS Test Database (Shareware).db";
inline constexpr const char* kSavedPositionName = "CURRENT.DAT";
inline constexpr const char* kOptionsName = "OPTION.DAT";
inline constexpr const char* kMailName = "MAIL.DAT";

// What loading a saved position says when there is none.
inline constexpr const char* kNoSavedGameText = "There is no saved game to load.";

bool LoadDatabase(Game& g, const std::string& path);
bool SaveDatabase(Game& g, const std::string& path);

bool LoadSavedPosition(Game& g);   // CURRENT.DAT beside the database
// The same for a file of the same layout elsewhere (the automatic save).
bool LoadSavedPositionFrom(Game& g, const std::string& path);
bool SavePositionTo(Game& g, const std::string& path);
bool LoadSavedDataFrom(Game& g, const std::string& path);
// CURRENT.DAT beside the database (in the data directory when none is loaded).
std::string SavedPositionPath(const Game& g);
bool SavePosition(Game& g);        // "Write Data"
bool LoadSavedData(Game& g);       // "Read Data": load and resume play

bool LoadOptions(Game& g);         // OPTION.DAT in the data directory
bool SaveOptions(Game& g);
void LoadMail(Game& g);            // MAIL.DAT in the data directory
bool SaveMail(Game& g);

bool ImportOldDatabase(Game& g);   // NUMBERSW.DAT ... beside the database

// A header describing a database in the current record sizes: version 20004,
// the given name, flag byte A 1, the u32 at 436 set to 1.
void InitDatabaseHeader(DBHEADER& h, const std::string& name);

// The toolbar state of a game.
ToolbarState& Toolbar(Game& g);

// --- Pieces shared by the database file and the saved position ---------------

class ByteReader;
class AtomicFile;
struct FileProblem;

// The texts of one kind of file that holds a database image.
struct DatabaseTexts {
    const char* fileWord;      // "Database" or "Saved Data", for the refusals we add
    const char* header;        // "Unable to read Database Header from Database."
    const char* numbers;
    const char* player;
    const char* squad;
    const char* ground;
    const char* records;
};

// A database image read into scratch: the file's header and stores. When the
// file's counts differ from the game's, `db` is freshly allocated and
// initialised and `league`/`series` hold the reset league and series that go
// with it; otherwise `db` holds copies of the game's players, squads, grounds
// and records (countries and league series are left to the game's own).
struct LoadedDatabase {
    DBHEADER header{};
    Stores db;
    LEAGUE league{};
    SERIES series{};
    bool reallocated = false;
};

// Read DBHEADER, NUMBERS and the four stores; on failure show the box
// (caption "Loading Error") and return false, the game untouched.
bool ReadDatabaseImage(Game& g, ByteReader& in, const DatabaseTexts& texts, LoadedDatabase& out);
// Make the scratch image the game's own (stores, counts; league and series when reallocated).
void TakeDatabaseImage(Game& g, LoadedDatabase& img);
// Write DBHEADER, NUMBERS and the four stores in the header's record sizes;
// on failure show the box (caption "Saving Error") and return false.
// `fileWord` names the file in a full-disk box.
bool WriteDatabaseImage(Game& g, AtomicFile& out, const DBHEADER& h, const Stores& db, const char* fileWord);
// The record size written for a store: the header's when it is 1..current, else the current.
int StoredSize(int headerSize, int currentSize);

// Show a stop box. A `detail` (the file's path and the system's reason) goes
// to the log and to a host that shows more than the box.
void FileErrorBox(Game& g, const std::string& text, const char* caption, const std::string& detail = "");

// The box of a file that could not be read (caption "Loading Error"):
// `missingText` when it is not there, else what kept it from being read.
// `fileWord` is "Database" or "Saved Data".
void ReadProblemBox(Game& g, const std::string& path, const FileProblem& p, const char* fileWord,
                    const char* missingText);

// The box of a failed save (caption "Saving Error"): a full disk says so,
// whatever part was being written; any other failure shows `text`.
void SaveErrorBox(Game& g, const AtomicFile& out, const char* text, const char* fileWord);

}  // namespace ovs
