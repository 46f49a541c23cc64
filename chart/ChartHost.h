#pragma once

struct Comments;

// What a chart needs from the window that shows it. The view implements it;
// keeping it abstract lets the chart model stay free of any GUI toolkit.
class CChartHost {
public:
    virtual ~CChartHost() = default;

    // Repaints the whole client area, background included.
    virtual void InvalidateChart() = 0;
    // Shows the pointing-hand cursor (over an overlay or ring handle).
    virtual void ShowHandCursor() = 0;
    // Runs the note dialog on note (empty for a new note, filled to edit one).
    // Returns true when the user confirmed; note then holds the result.
    virtual bool EditComment(Comments& note) = 0;
};
