#pragma once

#include <cstdint>
#include <utility>
#include <vector>

class CBaseDraw;
class CDrawSurface;

// A day marked on the calendar ring: a cluster's, with its score, or an
// event's.
struct DateTick {
    std::int64_t day = 0; // from 1970-01-01
    int score = 0;        // a cluster's distinct swings; 0 for an event
};

// Clusters of projected dates and the sky's chosen events as ticks out from
// a chart's calendar ring: a cluster's in brown, longer and darker the
// higher its score, an event's shorter, in blue. Display state, as the swing
// marks are: nothing of it goes into a chart or its history.
class CDateTicks {
public:
    void SetTicks(std::vector<DateTick> ticks) { m_ticks = std::move(ticks); }
    const std::vector<DateTick>& Ticks() const { return m_ticks; }

    // Draws the ticks over chart in lines of the same width on the screen
    // at any zoom; a chart without its calendar ring shows none.
    void Draw(CBaseDraw& chart, CDrawSurface& dc) const;

private:
    std::vector<DateTick> m_ticks;
};
