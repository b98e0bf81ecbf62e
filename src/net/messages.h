// The messages two copies exchange: their ids, names and payload layouts.
#pragma once

#include <cstdint>

namespace ovs::net {

enum MessageId : int {
    NM_NETSERIESSQUAD = 1,
    NM_NETSERIESWEATHER = 2,
    NM_NETSERIESHOMESERVER = 3,
    NM_NETSERIESHOMECLIENT = 4,
    NM_NETSERIESTEST1 = 5,  // to NM_NETSERIESTEST6 = 10
    NM_NETSERIESTEST6 = 10,
    NM_NETSENDCHATTEXT = 11,
    NM_NETREADY = 12,
    NM_NETOK = 13,
    NM_NETPROD = 14,
    NM_SENDTEAMDATA = 15,
    NM_RECVTEAMDATA = 16,
    NM_TOSSHEADSTAILS = 17,
    NM_TOSSBATBOWL = 18,
    NM_NEWBATSMAN = 19,
    NM_NEWBATSMANEND = 20,
    NM_NEWBOWLER = 21,
    NM_NEWBOWLEREND = 22,
    NM_STARTCONDITIONS = 23,
    NM_WEATHER = 24,
    NM_SENDSYNC = 25,
    NM_RECVSYNC = 26,
    NM_INNINGSROLLER = 27,
    NM_OVERAGGRESSION = 28,
    NM_OVERBOWLER = 29,
    NM_BATTINGAGGRESSION = 30,
    NM_BOWLINGAGGRESSION = 31,
    NM_TEAMAGGRESSION = 32,
    NM_STARTDELIVERY = 34,
    NM_GETDELIVERY = 35,
    NM_ENDDELIVERY = 36,
    NM_STARTOVER = 37,
    NM_CONTINNSSENDSYNC = 38,
    NM_CONTINNSRECVSYNC = 39,
    NM_AGGRESSION = 40,
    NM_ENDINNINGS = 41,
};

// The team data of NM_SENDTEAMDATA: eleven players, keeper and two opening
// bowlers, the bowling order of eleven, the main and the most bowlers.
inline constexpr int kTeamDataShorts = 11 + 3 + 11 + 2;

// "NM_..." for a known id, "Unrecognised Message Id" otherwise.
const char* MessageName(int id);

// The length of the payload of a frame of `id` whose payload starts at p with
// n bytes available: >= 0 when known, -1 when more bytes are needed, -2 when
// no payload of that id can start so (unknown id, a count out of range, a
// string too long). NM_AGGRESSION carries `aggressionShorts` shorts.
int PayloadLength(int id, const std::uint8_t* p, int n, int aggressionShorts);

}  // namespace ovs::net
