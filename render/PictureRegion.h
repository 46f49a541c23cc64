#pragma once

#include "Geometry.h"

class CBaseDraw;

// The part of the chart's plane a picture of chart shows: its canvas and
// whatever it draws beyond it (outer rings and their labels reach past a
// square chart's canvas), within one canvas size of it, so that a stray line
// cannot shrink the chart to nothing. The window scrolls and fits to it,
// exports it and prints it. Text is measured at scale device pixels per
// chart unit, as the picture will draw it.
Rect PictureRegion(CBaseDraw& chart, Size canvas, double scale);
