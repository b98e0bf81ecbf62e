// The messages two copies exchange: their names and payload layouts.
#include "net/messages.h"

#include "net/wire.h"

namespace ovs::net {

namespace {

constexpr const char* kNames[kLastMessageId + 1] = {
    nullptr,
    "NM_NETSERIESSQUAD", "NM_NETSERIESWEATHER", "NM_NETSERIESHOMESERVER", "NM_NETSERIESHOMECLIENT",
    "NM_NETSERIESTEST1", "NM_NETSERIESTEST2", "NM_NETSERIESTEST3", "NM_NETSERIESTEST4",
    "NM_NETSERIESTEST5", "NM_NETSERIESTEST6", "NM_NETSENDCHATTEXT", "NM_NETREADY", "NM_NETOK",
    "NM_NETPROD", "NM_SENDTEAMDATA", "NM_RECVTEAMDATA", "NM_TOSSHEADSTAILS", "NM_TOSSBATBOWL",
    "NM_NEWBATSMAN", "NM_NEWBATSMANEND", "NM_NEWBOWLER", "NM_NEWBOWLEREND", "NM_STARTCONDITIONS",
    "NM_WEATHER", "NM_SENDSYNC", "NM_RECVSYNC", "NM_INNINGSROLLER", "NM_OVERAGGRESSION",
    "NM_OVERBOWLER", "NM_BATTINGAGGRESSION", "NM_BOWLINGAGGRESSION", "NM_TEAMAGGRESSION", nullptr,
    "NM_STARTDELIVERY", "NM_GETDELIVERY", "NM_ENDDELIVERY", "NM_STARTOVER", "NM_CONTINNSSENDSYNC",
    "NM_CONTINNSRECVSYNC", "NM_AGGRESSION", "NM_ENDINNINGS",
};

// A zero-terminated string of at most kMaxWireString bytes.
int StringLength(const std::uint8_t* p, int n)
{
    for (int i = 0; i < n && i < kMaxWireString; ++i)
        if (p[i] == 0) return i + 1;
    return n >= kMaxWireString ? -2 : -1;
}

}  // namespace

const char* MessageName(int id)
{
    if (id < kFirstMessageId || id > kLastMessageId || !kNames[id]) return "Unrecognised Message Id";
    return kNames[id];
}

int PayloadLength(int id, const std::uint8_t* p, int n, int aggressionShorts)
{
    switch (id) {
    case NM_NETSERIESWEATHER: case NM_NETSERIESHOMESERVER: case NM_NETSERIESHOMECLIENT:
    case 5: case 6: case 7: case 8: case 9: case 10:
    case NM_NETREADY: case NM_NETOK: case NM_RECVTEAMDATA: case NM_NEWBATSMANEND: case NM_NEWBOWLEREND:
    case NM_SENDSYNC: case NM_RECVSYNC: case NM_STARTDELIVERY: case NM_ENDDELIVERY: case NM_STARTOVER:
    case NM_CONTINNSSENDSYNC: case NM_CONTINNSRECVSYNC: case NM_ENDINNINGS:
        return 0;
    case NM_NETSERIESSQUAD: case NM_TOSSHEADSTAILS: case NM_TOSSBATBOWL: case NM_NEWBATSMAN:
    case NM_NEWBOWLER: case NM_WEATHER: case NM_OVERBOWLER: case NM_TEAMAGGRESSION:
        return 2;
    case NM_OVERAGGRESSION: return 3;
    case NM_INNINGSROLLER: return 4;
    case NM_STARTCONDITIONS: return 8;
    case NM_SENDTEAMDATA: return 2 * kTeamDataShorts;
    case NM_BATTINGAGGRESSION: return 2 * 23;
    case NM_BOWLINGAGGRESSION: return 2 * 22;
    case NM_AGGRESSION: return 2 * aggressionShorts;
    case NM_NETSENDCHATTEXT: case NM_NETPROD: return StringLength(p, n);
    case NM_GETDELIVERY: {
        if (n < 2) return -1;
        const int count = p[0] | p[1] << 8;
        if (count > kMaxDeliveryBytes) return -2;
        return 2 + count;
    }
    default: return -2;
    }
}

}  // namespace ovs::net
