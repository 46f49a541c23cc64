#pragma once

#include "OleDateTime.h"

// The one source of "now" for the date parser: the computer's local date and
// time to the second, or a fixed moment that tests and the command line set
// so that relative phrases ("tomorrow", "3 weeks ago") give known answers.
class CDateClock {
public:
    static COleDateTime Now();
    static void SetFixed(const COleDateTime& now);
    static void UseSystemTime();
};
