// mkdb: builds the default database file from its readable text source.
//
//   mkdb <database text> <output .db>
//
// Reads the text into a fresh game's stores and saves them with the program's
// own SaveDatabase, so the shipped file is exactly what the game writes.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "core/game.h"
#include "data/dbtext.h"
#include "data/files.h"
#include "data/stores.h"

namespace {

// Message boxes go to stderr; nothing is asked.
class QuietHost : public ovs::Host {
public:
    int MessageBox(const std::string& text, const std::string& caption, ovs::BoxButtons, ovs::BoxIcon) override
    {
        std::fprintf(stderr, "mkdb: %s: %s\n", caption.c_str(), text.c_str());
        return ovs::IDOK;
    }
    std::string DataDir() override { return "."; }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkdb <database text> <output .db>\n");
        return 2;
    }
    QuietHost host;
    auto g = std::make_unique<ovs::Game>(host);
    g->log.SetEnabled(false);
    ovs::SetDefaultCounts(g->db.numbers);
    if (!ovs::AllocateAndInitialiseStores(*g)) return 1;

    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "mkdb: cannot open %s\n", argv[1]);
        return 1;
    }
    std::string error;
    if (!ovs::ReadDatabaseText(*g, in, error)) {
        std::fprintf(stderr, "mkdb: %s: %s\n", argv[1], error.c_str());
        return 1;
    }

    // The text names the database; the rest of the header is the current format's.
    char name[sizeof g->dbHeader.szName + 1] = {};
    std::memcpy(name, g->dbHeader.szName, sizeof g->dbHeader.szName);
    ovs::InitDatabaseHeader(g->dbHeader, name[0] ? name : "OVS Test Database (Shareware)");

    if (!ovs::SaveDatabase(*g, argv[2])) return 1;
    return 0;
}
