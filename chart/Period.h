#pragma once

// The unit of a chart's time step, from one cell to the next. The numbers
// are those of the window's period menu and of the target tool's chart key.
enum class Period : int { Day = 0, Week = 1, Month = 2 };
