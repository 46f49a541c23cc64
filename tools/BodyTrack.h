#pragma once

#include "SkyMotion.h"

#include <cstddef>
#include <vector>

// Moments from one Julian day to another at a fixed step, the last step
// cut short to end on the last day.
struct TimeGrid {
    double from = 0.0;
    double to = 0.0;
    double step = 1.0;

    std::size_t Intervals() const;
    // Moment i, 0 to Intervals().
    double At(std::size_t i) const;
    // The interval holding t.
    std::size_t IntervalOf(double t) const;
};

// One body's motion sampled through the library on a grid, and between the
// samples by cubic Hermite interpolation of longitude and speed: where a
// search looks for events without asking the library again.
class BodyTrack {
public:
    BodyTrack(SkyMotion& sky, int body, const TimeGrid& grid);

    int Body() const { return m_body; }
    const TimeGrid& Grid() const { return m_grid; }
    // The sample at grid moment i.
    const Motion& Sample(std::size_t i) const { return m_samples[i]; }
    // The interpolated motion at t within the grid.
    Motion At(double t) const;

private:
    int m_body = 0;
    TimeGrid m_grid;
    std::vector<Motion> m_samples;
};

// An angle in degrees taken to -180 to below 180, and to 0 to below 360.
double Wrap180(double degrees);
double Wrap360(double degrees);
