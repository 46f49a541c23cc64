#pragma once

#include <QStringList>

#include <cstdint>
#include <iosfwd>

// events --from D --to D [--bodies LIST] [--aspects LIST|none] [--helio]
// [--moon] (--city NAME [--cities FILE] | --zone Z | --bias MIN)
// [--format json|csv|ics] [--stats]: the sky's ingresses, stations and
// exact aspects over the UT days from D to D, in time order, with their UT
// and local times to the minute. args holds the command word and the
// arguments after it; stamp stamps the calendar's events (seconds since
// 1970). Returns 0 done, 1 failed (message on err), 2 bad arguments.
int RunEventsCommand(const QStringList& args, std::int64_t stamp, std::ostream& out, std::ostream& err);
