#pragma once

#include "Result.h"

#include <cstdint>
#include <memory>
#include <string>

namespace date {
class time_zone;
}

// The civil clock of an instrument's zone, for files that give UTC moments
// (offsets, Unix times): a moment becomes the time the exchange's clocks
// showed, which is how every other file gives its bars.
class CBarZone {
public:
    // The zone named name (IANA), or the computer's when name is empty.
    static Result<CBarZone> Find(const std::string& name);

    // The civil seconds (as Bar::time) at the UTC moment utc.
    std::int64_t Civil(std::int64_t utc);

private:
    const date::time_zone* m_pZone = nullptr; // null: the computer's, through the C library
    // The last period looked up: its bounds in UTC and its offset.
    std::int64_t m_begin = 1;
    std::int64_t m_end = 0;
    std::int64_t m_offset = 0;
};
