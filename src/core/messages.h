// Application message numbers of the match flow, and their names for the log.
#pragma once

#include <cstdint>

namespace ovs {

enum AppMessageId : std::uint32_t {
    WM_USER = 1024,
    WM_NEWSERIES = 1027,
    WM_NEWTEST = 1028,
    WM_NEWINNINGS = 1029,
    WM_NEWOVER = 1032,
    WM_NEXTBALL = 1033,
    WM_CONTINNINGS = 1034,
    WM_RESUMEPLAY = 1035,
    WM_ENDSERIES = 1038,
    WM_ENDTEST = 1039,
    WM_ENDINNINGS = 1040,
    WM_ENDOVER = 1043,
    WM_ENDBALL = 1044,
    WM_REPLAYTEST = 1045,
    WM_CLIENTNEWOVER = 1074,
    WM_CLIENTNEWBALL = 1075,
    WM_CLIENTENDBALL = 1076,
    WM_NETWORKCONTOVER = 1084,
    WM_NETWORKENDBALL = 1094,
    WM_NETSOCKET = 1224,
    // Not an application message of the flow: asks the front end to end its loop.
    WM_QUIT = 0x0012,
};

// "WM_NEWTEST" for WM_NEWTEST; "WM_UNKNOWN" for numbers not in the table.
const char* MessageName(std::uint32_t msg);

}  // namespace ovs
