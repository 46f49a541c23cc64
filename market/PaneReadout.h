#pragma once

#include "Bar.h"

#include <cstddef>
#include <optional>
#include <string>

class CPaneColumns;

// What the status bar says of the pane under the pointer.
namespace PaneReadout {

// The bar whose slot (see CPaneView::Slot) holds time: the nearest by time,
// each bar reaching half way to a neighbour, but only half a slot into a
// stretch without bars wider than a few slots and beyond the series' ends.
// None outside every bar's reach.
std::optional<std::size_t> BarAt(const CPaneColumns& columns, double time);

// "2024-03-05  O 101.5  H 103  L 100.25  C 102  V 12000": the bar's time as
// BarTime::Text gives it, its prices and its volume when it has one. The
// letters are the market's own and stay untranslated.
std::string Text(const Bar& bar, bool intraday);

} // namespace PaneReadout
