#pragma once

// What a left press and release on a chart makes, numbered as the tool
// commands are. Line and Arrow store a line between two cells; Tangent,
// Circle and Square mark the clicked cell. Target makes the clicked cell the
// pivot of the targets the window shows; the chart itself ignores it.
enum class MouseTool : int {
    None = 0,
    Line = 1,
    Arrow = 2,
    Tangent = 6,
    Circle = 7,
    Square = 8,
    Target = 9,
};
