// Names of the application messages, as the log shows them.
#include "core/messages.h"

namespace ovs {

const char* MessageName(std::uint32_t msg)
{
    switch (msg) {
    case WM_USER: return "WM_USER";
    case WM_NEWSERIES: return "WM_NEWSERIES";
    case WM_NEWTEST: return "WM_NEWTEST";
    case WM_NEWINNINGS: return "WM_NEWINNINGS";
    case WM_NEWOVER: return "WM_NEWOVER";
    case WM_NEXTBALL: return "WM_NEXTBALL";
    case WM_CONTINNINGS: return "WM_CONTINNINGS";
    case WM_RESUMEPLAY: return "WM_RESUMEPLAY";
    case WM_ENDSERIES: return "WM_ENDSERIES";
    case WM_ENDTEST: return "WM_ENDTEST";
    case WM_ENDINNINGS: return "WM_ENDINNINGS";
    case WM_ENDOVER: return "WM_ENDOVER";
    case WM_ENDBALL: return "WM_ENDBALL";
    case WM_REPLAYTEST: return "WM_REPLAYTEST";
    case WM_CLIENTNEWOVER: return "WM_CLIENTNEWOVER";
    case WM_CLIENTNEWBALL: return "WM_CLIENTNEWBALL";
    case WM_CLIENTENDBALL: return "WM_CLIENTENDBALL";
    case WM_NETWORKCONTOVER: return "WM_NETWORKCONTOVER";
    case WM_NETWORKENDBALL: return "WM_NETWORKENDBALL";
    case WM_NETSOCKET: return "WM_NETSOCKET";
    case WM_QUIT: return "WM_QUIT";
    default: return "WM_UNKNOWN";
    }
}

}  // namespace ovs
