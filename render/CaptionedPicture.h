#pragma once

#include "ChartExport.h"
#include "DrawSurface.h"
#include "Geometry.h"

#include <string>
#include <vector>

// A one-page picture that says what it shows: the picture with the lines of
// its caption (ChartCaption) below it, left-aligned under its region at the
// chart's label size. The caption is painted through the same surface as the
// picture, so that every output of a picture (PNG, SVG, PDF, the printer and
// its preview) carries it and text stays text. A printout or an export takes
// the caption's picture and region where it would take the chart's:
//
//     const CaptionedPicture page = AddCaption(ChartPicture(chart), region,
//                                              ChartCaption(chart, context), chart.LabelFont(), zoom);
//     ExportPicture(page.picture, path, page.region, zoom, error);
struct CaptionedPicture {
    Picture picture;
    Rect region; // chart units
};

// picture with lines in font below region (chart units): the region grows
// down by the lines and half a line above and below them, and right where a
// line is wider than it. Text is measured at zoom device pixels a chart unit,
// as the output will draw it. Without lines, picture and region as they are.
CaptionedPicture AddCaption(const Picture& picture, const Rect& region, const std::vector<std::string>& lines,
                            const Font& font, double zoom);
