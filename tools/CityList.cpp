#include "CityList.h"

#include "PlainFile.h"

#include <tinyxml2.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

using tinyxml2::XMLElement;
using tinyxml2::XMLNode;

namespace CityFile {

const char* const kReadFailed = "Reading city.xml file failed !!!";

namespace {

// The digits of a bias follow the sign: "+08:00" and "GMT+8" both give 8.
constexpr std::size_t kBiasDigits = 2;
// Some twenty thousand cities; the shipped list of sixty is 14 KB.
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
const char* const kBrokenLocation
    = ": a Location needs Name, Country, TimeZone, a Latitude within 90 degrees and a Longitude within 180";

std::optional<int> IntAttribute(const XMLElement& element, const char* name)
{
    const char* text = element.Attribute(name);
    return text ? LeadingInteger(text) : std::nullopt;
}

// The Latitude or Longitude child of a Location in decimal degrees, at
// most limit either way.
std::optional<double> ReadAngle(const XMLElement& location, const char* name, const char* positive, double limit)
{
    const XMLElement* element = location.FirstChildElement(name);
    if (!element)
        return std::nullopt;
    const std::optional<int> degrees = IntAttribute(*element, "Degrees");
    const std::optional<int> minutes = IntAttribute(*element, "Minutes");
    const char* direction = element->Attribute("Direction");
    if (!degrees || !minutes || !direction)
        return std::nullopt;
    const double angle = Angle(*degrees, *minutes, direction, positive);
    return std::fabs(angle) <= limit ? std::optional<double>(angle) : std::nullopt;
}

std::optional<CityInfo> ReadLocation(const XMLElement& location)
{
    const char* name = location.Attribute("Name");
    const char* country = location.Attribute("Country");
    const char* timeZone = location.Attribute("TimeZone");
    const std::optional<double> latitude = ReadAngle(location, "Latitude", "North", kMaxLatitude);
    const std::optional<double> longitude = ReadAngle(location, "Longitude", "East", kMaxLongitude);
    if (!name || !country || !timeZone || !latitude || !longitude)
        return std::nullopt;
    const char* zone = location.Attribute("Zone");
    return CityInfo {name, country, TimeZoneBias(timeZone), *latitude, *longitude, zone ? zone : ""};
}

CityList Failed(CityList list, std::string where)
{
    list.read = Failure {std::move(where)};
    return list;
}

std::string AtLine(const std::string& path, int line)
{
    return line > 0 ? path + " line " + std::to_string(line) : path;
}

} // namespace

CityList Read(const std::string& path)
{
    CityList list;
    const Result<std::string> bytes = PlainFile::Read(path, kMaxFileBytes);
    if (!bytes.Ok())
        return Failed(std::move(list), bytes.Message());
    tinyxml2::XMLDocument document;
    const XMLElement* root = document.Parse(bytes.Value().data(), bytes.Value().size()) == tinyxml2::XML_SUCCESS
        ? document.RootElement()
        : nullptr;
    if (!root)
        return Failed(std::move(list), AtLine(path, document.ErrorLineNum()) + ": not well-formed XML");
    if (const std::optional<int> selected = IntAttribute(*root, "selected"))
        list.selected = *selected;
    for (const XMLNode* node = root->FirstChild(); node; node = node->NextSibling()) {
        const XMLElement* element = node->ToElement();
        if (!element || std::strcmp(element->Name(), "Location") != 0)
            continue;
        std::optional<CityInfo> city = ReadLocation(*element);
        if (!city)
            return Failed(std::move(list), AtLine(path, element->GetLineNum()) + kBrokenLocation);
        list.cities.push_back(std::move(*city));
    }
    return list;
}

int TimeZoneBias(const std::string& text)
{
    std::size_t sign = text.find('+');
    const bool east = sign != std::string::npos;
    if (!east)
        sign = text.find('-');
    const std::string digits
        = sign == std::string::npos ? text.substr(0, kBiasDigits) : text.substr(sign + 1, kBiasDigits);
    const int hours = LeadingInteger(digits.c_str()).value_or(0);
    return east ? -60 * hours : 60 * hours;
}

double Angle(int degrees, int minutes, const std::string& direction, const char* positive)
{
    const double value = degrees + minutes / 60.0;
    return direction == positive ? value : -value;
}

std::optional<int> LeadingInteger(const char* text)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace CityFile
