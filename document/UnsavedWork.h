#pragma once

#include <string>

class CChartSet;

// Tells whether a chart set holds work that its file does not: it keeps the
// bytes the set would be written as when it was last created, opened or
// saved, and compares them with the bytes it would be written as now. The
// zoom factors are left out, so that looking closer is not unsaved work.
class CUnsavedWork {
public:
    // The set as it stands is what the file holds.
    void MarkSaved(const CChartSet& charts);
    // True when the set differs from what was marked saved, or when it
    // cannot be written at all.
    bool Differs(const CChartSet& charts) const;

private:
    // The file bytes of the set with every zoom factor set to 1; false when
    // the set cannot be written.
    static bool BytesWithoutZoom(const CChartSet& charts, std::string& bytes);

    std::string m_saved;
    bool m_savedValid = false;
};
