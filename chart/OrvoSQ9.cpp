#include "OrvoSQ9.h"

// STUB: to be implemented.
const OrvoSQ9& OrvoSQ9::Instance() { static const OrvoSQ9 instance; return instance; }
std::string OrvoSQ9::DayText(int) const { return {}; }
