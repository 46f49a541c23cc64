#include "BarImport.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace BarImport {

namespace {

// The part of the progress that reading the file takes; storing takes the rest.
constexpr double kReadShare = 0.5;

// Progress of one stage, scaled into its share of the whole.
Progress Stage(const Progress& progress, double from, double share)
{
    if (!progress)
        return {};
    return [&progress, from, share](double fraction) { return progress(from + share * fraction); };
}

CMarketStore::Instrument InstrumentOf(const Request& request, const BarFile::Contents& contents)
{
    CMarketStore::Instrument instrument;
    instrument.symbol = request.symbol.empty() ? DefaultSymbol(request.path, contents) : request.symbol;
    instrument.name = request.name.value_or(contents.name);
    instrument.zone = request.options.zone.empty() ? ComputerZone() : request.options.zone;
    instrument.sourceFile = std::filesystem::absolute(request.path).lexically_normal().string();
    return instrument;
}

} // namespace

long long Summary::SkippedTotal() const
{
    long long total = 0;
    for (const auto& cause : skipped)
        total += cause.second;
    return total;
}

Result<Summary> Run(const Request& request, const Progress& progress)
{
    const Result<BarFile::Contents> read =
        BarFile::Read(request.path, request.options, Stage(progress, 0, kReadShare));
    if (!read.Ok())
        return Failure{read.Message()};
    const BarFile::Contents& contents = read.Value();
    if (contents.series.bars.empty())
        return Failure{request.path + ": no bar to import"};
    const CMarketStore::Instrument instrument = InstrumentOf(request, contents);
    Summary summary{instrument.symbol, {static_cast<long long>(contents.series.bars.size()), 0}, contents.skipped};
    if (request.store.empty())
        return summary;
    const Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(request.store);
    if (!store.Ok())
        return Failure{store.Message()};
    const Result<CMarketStore::Merged> stored =
        store.Value()->Import(instrument, contents.series, Stage(progress, kReadShare, 1 - kReadShare));
    if (!stored.Ok())
        return Failure{stored.Message()};
    summary.merged = stored.Value();
    return summary;
}

std::string DefaultSymbol(const std::string& path, const BarFile::Contents& contents)
{
    return contents.symbol.empty() ? std::filesystem::path(path).stem().string() : contents.symbol;
}

std::string ComputerZone()
{
    if (const char* tz = std::getenv("TZ"); tz && *tz)
        return tz[0] == ':' ? tz + 1 : tz;
    std::error_code error;
    const std::string link = std::filesystem::read_symlink("/etc/localtime", error).string();
    const std::size_t at = link.find("zoneinfo/");
    return at == std::string::npos ? std::string() : link.substr(at + 9);
}

std::string CausesText(const std::map<std::string, long long>& causes)
{
    std::string text;
    for (const auto& [cause, count] : causes)
        text += (text.empty() ? "" : "; ") + cause + ": " + std::to_string(count);
    return text;
}

} // namespace BarImport
