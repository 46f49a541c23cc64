// Local time to UT. Each test sets the TZ it needs.

#include "AstroDateText.h"
#include "LocalToUniversal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace LU = LocalToUniversal;

namespace {

// The UT of a conversion as the astrology date field writes it, or its message.
std::string Ut(const Result<DateTimeFields>& result)
{
    return result.Ok() ? AstroDateText::Format(result.Value()) : result.Message();
}

// Sets TZ for the life of the object (an unset TZ comes back empty).
class CScopedTz {
public:
    explicit CScopedTz(const char* tz) : m_old(std::getenv("TZ") ? std::getenv("TZ") : "") { setenv("TZ", tz, 1); }
    ~CScopedTz() { setenv("TZ", m_old.c_str(), 1); }

private:
    std::string m_old;
};

const std::string kNotValid = AstroDateText::kDateTimeNotValid;

} // namespace

TEST(LocalToUniversal, CityInItsOwnZone)
{
    const struct {
        const char* zone;
        DateTimeFields local;
        int bias;
        std::string ut;
    } rows[] = {
        {"America/New_York", {2021, 3, 14, 1, 30, 0}, 300, "2021-3-14 6:30:0"},
        {"America/New_York", {2021, 3, 14, 3, 30, 0}, 300, "2021-3-14 7:30:0"},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, 300, kNotValid}, // skipped in spring
        {"America/New_York", {2021, 11, 7, 1, 30, 0}, 300, "2021-11-7 5:30:0"}, // repeated: the daylight reading
        {"America/New_York", {2021, 11, 7, 2, 30, 0}, 300, "2021-11-7 7:30:0"},
        // Past the last change the zone file lists, its closing rule goes on.
        {"America/New_York", {2040, 7, 1, 12, 0, 0}, 300, "2040-7-1 16:0:0"},
        {"Europe/Dublin", {2040, 7, 1, 12, 0, 0}, 0, "2040-7-1 11:0:0"},
        {"Asia/Shanghai", {1988, 7, 1, 12, 0, 0}, -480, "1988-7-1 3:0:0"}, // China's daylight saving
        {"Asia/Kolkata", {2024, 6, 21, 9, 15, 0}, -300, "2024-6-21 3:45:0"},
        {"Asia/Shanghai", {2011, 1, 1, 3, 0, 0}, -480, "2010-12-31 19:0:0"},
        // Before any standard time the zone knows only its own city's mean
        // time (+8:05:43 for Shanghai); the city's bias counts then.
        {"Asia/Shanghai", {1890, 6, 1, 12, 0, 0}, -480, "1890-6-1 4:0:0"},
        {"Asia/Shanghai", {1901, 6, 1, 12, 0, 0}, -420, "1901-6-1 4:0:0"}, // standard time: the zone's rules
        {"Mars/Olympus", {2021, 7, 1, 12, 0, 0}, 0, "unknown time zone: Mars/Olympus"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Ut(LU::Convert(row.local, row.bias, row.zone, "Etc/UTC")), row.ut)
            << row.zone << ' ' << AstroDateText::Format(row.local);
}

// A city known by its bias alone takes the computer's daylight saving when it
// keeps the computer's standard time: UT = local + bias + the zone's offset
// then less its standard offset.
TEST(LocalToUniversal, BiasWithTheComputersDaylightSaving)
{
    const struct {
        const char* tz;
        DateTimeFields local;
        int bias;
        std::string ut;
    } rows[] = {
        {"Europe/London", {2021, 7, 1, 12, 0, 0}, 0, "2021-7-1 11:0:0"},
        // Dublin's winter is marked as daylight time with a negative saving;
        // its clocks read what London's do.
        {"Europe/Dublin", {2021, 7, 1, 12, 0, 0}, 0, "2021-7-1 11:0:0"},
        {"Europe/Dublin", {2021, 1, 15, 12, 0, 0}, 0, "2021-1-15 12:0:0"},
        {"Europe/Dublin", {2021, 3, 28, 1, 30, 0}, 0, kNotValid},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, 300, kNotValid},
        {"Australia/Lord_Howe", {2021, 1, 15, 12, 0, 0}, -630, "2021-1-15 1:0:0"}, // half an hour
        {"Australia/Lord_Howe", {2021, 7, 1, 12, 0, 0}, -630, "2021-7-1 1:30:0"},
        {"Asia/Kolkata", {2021, 7, 1, 12, 0, 0}, -330, "2021-7-1 6:30:0"},
        // POSIX rules in TZ, as libc reads them.
        {"EST5EDT,M3.2.0,M11.1.0", {2021, 7, 1, 12, 0, 0}, 300, "2021-7-1 16:0:0"},
        {"EST5EDT,M3.2.0,M11.1.0", {2021, 1, 15, 12, 0, 0}, 300, "2021-1-15 17:0:0"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", {2021, 7, 1, 12, 0, 0}, -60, "2021-7-1 10:0:0"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", {2021, 10, 31, 2, 30, 0}, -60, "2021-10-31 0:30:0"},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", {2021, 1, 15, 12, 0, 0}, -630, "2021-1-15 1:0:0"},
        {":/usr/share/zoneinfo/Europe/Dublin", {2021, 7, 1, 12, 0, 0}, 0, "2021-7-1 11:0:0"},
        // Another standard time: the bias alone, whatever the computer's season.
        {"America/New_York", {2021, 7, 1, 12, 0, 0}, 360, "2021-7-1 18:0:0"},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, 360, "2021-3-14 8:30:0"},
    };
    for (const auto& row : rows) {
        const CScopedTz tz(row.tz);
        EXPECT_EQ(Ut(LU::Convert(row.local, row.bias, "", LU::ComputerZone())), row.ut)
            << row.tz << ' ' << AstroDateText::Format(row.local);
    }
}

TEST(LocalToUniversal, ComputerZoneAndStandardBias)
{
    const struct {
        const char* tz;
        const char* zone;
    } rows[] = {
        {":Europe/Paris", "Europe/Paris"},
        {":/usr/share/zoneinfo/Europe/Paris", "Europe/Paris"},
        {"EST5EDT,M3.2.0,M11.1.0", "EST5EDT,M3.2.0,M11.1.0"},
        // What libc cannot read is universal time.
        {"", "Etc/UTC"},
        {"Mars/Olympus", "Etc/UTC"},
        {"EST99", "Etc/UTC"},
        {"/dev/null", "Etc/UTC"},
        {"EST5EDT\xe4", "Etc/UTC"},
    };
    for (const auto& row : rows) {
        const CScopedTz tz(row.tz);
        EXPECT_EQ(LU::ComputerZone(), row.zone) << row.tz;
    }

    EXPECT_EQ(LU::StandardBias("Europe/Dublin", {2024, 7, 1, 12, 0, 0}), 0);
    EXPECT_EQ(LU::StandardBias("Australia/Lord_Howe", {2024, 1, 15, 12, 0, 0}), -630);
    EXPECT_EQ(LU::StandardBias("Europe/London", {1944, 6, 1, 12, 0, 0}), 0); // double summer time
    EXPECT_EQ(LU::StandardBias("Europe/Istanbul", {2021, 7, 1, 12, 0, 0}), -180); // daylight time made standard
    EXPECT_EQ(LU::StandardBias("Asia/Kolkata", {2024, 7, 1, 12, 0, 0}), -330);
    EXPECT_EQ(LU::StandardBias("Mars/Olympus", {2024, 7, 1, 12, 0, 0}), std::nullopt);
}
