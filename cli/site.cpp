// ovalspin-cli site DIR: the series website of the saved series (or of the
// series the data directory's saved position holds) written into DIR.
#include <cstdio>
#include <string>

#include "commands.h"
#include "data/files.h"
#include "report/site.h"

namespace ovs::cli {

int CmdSite(const CliOptions& opts, const Parsed& args)
{
    if (args.operands.empty()) return UsageError("site needs the folder DIR to write the website into");
    const std::string dir = args.operands[0];
    CliSession session(opts);
    if (!session.Start()) return kExitRefused;
    Game& g = session.game();
    // The series is the saved one; --saved says so explicitly.
    if (!LoadSavedPosition(g)) return kExitRefused;
    std::string error;
    if (!WriteSite(g, dir, error)) return Refuse("site: cannot write the website: " + error);
    std::printf("Website of %zu pages written to %s/index.html\n", SitePages(g).size(), dir.c_str());
    return 0;
}

}  // namespace ovs::cli
