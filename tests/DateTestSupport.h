#pragma once

#include "DateClock.h"
#include "OleDateTime.h"

#include <string>

// A value as "YYYY-MM-DD HH:MM:SS", or "invalid", so that failures show dates.
inline std::string ShowDate(const COleDateTime& value)
{
    return value.GetStatus() == COleDateTime::valid ? value.Format("%Y-%m-%d %H:%M:%S") : "invalid";
}

// Fixes the parser's "now" for the life of the object.
class CFixedNow {
public:
    explicit CFixedNow(const COleDateTime& now) { CDateClock::SetFixed(now); }
    ~CFixedNow() { CDateClock::UseSystemTime(); }
    CFixedNow(const CFixedNow&) = delete;
    CFixedNow& operator=(const CFixedNow&) = delete;
};
