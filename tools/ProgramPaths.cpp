#include "ProgramPaths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace ProgramPaths {

namespace {

const char* const kCityFile = "city.xml";
const char* const kEpheDir = "ephe";
const char* const kSystemEpheDir = "/usr/share/libswe/ephe";

} // namespace

std::string ExecutableDir()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

std::string FirstExisting(const std::vector<std::string>& candidates)
{
    for (const std::string& path : candidates) {
        std::error_code error;
        if (fs::is_regular_file(path, error))
            return path;
    }
    return candidates.empty() ? std::string() : candidates.front();
}

std::vector<std::string> CityFileCandidates(const std::string& exeDir)
{
    // The data folder is found from the executable, so that a copy installed
    // under any prefix finds its own.
    const fs::path installed = (fs::path(exeDir) / QUADRIX_DATADIR_FROM_BINDIR / kCityFile).lexically_normal();
    return {(fs::path(exeDir) / kCityFile).string(), installed.string()};
}

std::string CityFilePath()
{
    return FirstExisting(CityFileCandidates(ExecutableDir()));
}

std::vector<std::string> EphemerisDirs()
{
    std::error_code error;
    const fs::path cwd = fs::current_path(error);
    std::vector<std::string> dirs;
    if (!error)
        dirs.push_back((cwd / kEpheDir).string());
    const std::string exeDir = ExecutableDir();
    if (!exeDir.empty())
        dirs.push_back((fs::path(exeDir) / kEpheDir).string());
    dirs.push_back(kSystemEpheDir);
    return dirs;
}

} // namespace ProgramPaths
