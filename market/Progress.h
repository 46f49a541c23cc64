#pragma once

#include <functional>

// Told how far a long read or import has come, a fraction from 0 to 1, every
// so often rather than for each row, so that it costs the work nothing; it
// answers false to stop the work, which then changes nothing.
using Progress = std::function<bool(double fraction)>;
