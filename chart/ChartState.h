#pragma once

#include "StoredChartData.h"

#include <bitset>

class CBaseDraw;

// What a chart file keeps of one chart, but its zoom, in parts that change
// together: the marks (fills and tangent marks), the lines, the notes, the
// overlays' angles and radii, the rings' angles, the rings' directions, the
// chart properties and the stored display switches. StoredFields.h says
// which field belongs to which part. A state may hold only some parts;
// restoring it sets those and leaves the rest of the chart alone, so that an
// undo step keeps only what it changed.
class CChartState {
public:
    enum Part { Marks, Lines, Notes, Overlays, RingAngles, RingDirections, Properties, Display, PartCount };
    using Parts = std::bitset<PartCount>;

    // Every part of chart as it stands.
    static CChartState Capture(const CBaseDraw& chart);
    // Sets the parts this state holds into chart.
    void Restore(CBaseDraw& chart) const;
    // The parts held by both that differ. Numbers are compared by their bits,
    // so that a NaN a file holds equals itself and -0 differs from 0.
    Parts Differing(const CChartState& other) const;
    // Drops every part not in keep.
    void Keep(Parts keep);

private:
    // The fields of the parts not held keep their defaults, so that a step
    // holding only a switch does not also hold a copy of every note.
    StoredChartData m_data;
    Parts m_held;
};
