#include "SkyEventMarks.h"

#include "BarZone.h"
#include "SkyMotion.h"

#include <cctype>
#include <cmath>

namespace {

constexpr double kDaySeconds = 86400;

} // namespace

namespace SkyEventMarks {

std::string BodyName(int body)
{
    std::string name = kBodyKeys[body];
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

std::int64_t DayOf(const SkyEvent& event) { return static_cast<std::int64_t>(std::floor(event.time - kUnixEpochJulianDay)); }

std::string Label(const SkyEvent& event)
{
    const std::string body = BodyName(event.body);
    const std::string angle = std::to_string(event.angle) + "\xC2\xB0";
    switch (event.kind) {
    case SkyEvent::Kind::Ingress:
        return body + " " + angle;
    case SkyEvent::Kind::Station:
        return body + (event.retrograde ? " R" : " D");
    case SkyEvent::Kind::Aspect:
        break;
    }
    return body + " " + angle + " " + BodyName(event.other);
}

std::vector<PaneEvent> Of(const std::vector<SkyEvent>& events, CBarZone* zone)
{
    std::vector<PaneEvent> marks;
    marks.reserve(events.size());
    for (const SkyEvent& event : events) {
        const auto utc = static_cast<std::int64_t>(std::llround((event.time - kUnixEpochJulianDay) * kDaySeconds));
        marks.push_back({zone ? zone->Civil(utc) : utc, Label(event)});
    }
    return marks;
}

} // namespace SkyEventMarks
