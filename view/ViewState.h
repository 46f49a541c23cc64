#pragma once

class CBaseDraw;

// The chart window's own copy of the display switches: what the toolbars
// show as pressed and what the commands change. The rules that tie the
// switches together live here; the window copies the switches into the
// current chart before it paints and takes them from a chart that becomes
// current.
struct CViewState {
    bool m_bShowCalendarRing = false;
    bool m_bShowAngleRing = false;
    bool m_bShowPrice = true;
    bool m_bShowTime = false;
    bool m_bShowN = false;
    bool m_bTimeStandard = false;
    bool m_bClockwise = false;
    bool m_bShowSquares = false;
    bool m_bShowTriangle = false;
    bool m_bShowDivisions = false;
    int m_nPeriod = 0;    // 0 day, 1 week, 2 month
    int m_nDecimals = -1; // 0-5, or -1 when none is chosen
    int m_nTool = 0;      // 0 none, 1-8 the mouse tools

    // Price, time and N labels: a flip that would leave all four label
    // switches off is refused (false, nothing changes).
    bool FlipPrice();
    bool FlipTime();
    bool FlipN();
    // The time standard chart shows N alone; turning it off with nothing
    // else shown brings prices back.
    void FlipTimeStandard();
    // False when period is already set.
    bool ChoosePeriod(int period);
    // Choosing the digits already set unchooses them (-1).
    void ChooseDecimals(int digits);
    // Choosing the tool already selected leaves none selected.
    void ChooseTool(int tool);

    // View to chart, with the view's zoom factor: what every paint starts with.
    void CopyToChart(CBaseDraw& chart, float zoom) const;
    // Chart to view, when the chart becomes current.
    void CopyFromChart(const CBaseDraw& chart);

private:
    // Flips one label switch unless the three others are all off.
    static bool FlipLabel(bool& flipped, bool other1, bool other2, bool other3);
};
