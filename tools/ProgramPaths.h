#pragma once

#include <string>
#include <vector>

// Where the program looks for its data files: beside the executable first,
// then where it is installed.
namespace ProgramPaths {

// The folder of the running executable; empty when the system cannot tell.
std::string ExecutableDir();

// The first candidate that exists; the first candidate when none does, so
// that opening it reports the failure.
std::string FirstExisting(const std::vector<std::string>& candidates);

// city.xml beside the executable in exeDir, then in the data folder of the
// prefix exeDir is installed in (exeDir/../share/quadrix).
std::vector<std::string> CityFileCandidates(const std::string& exeDir);

// The city list of this executable.
std::string CityFilePath();

// The folders searched for ephemeris data files, in order: ephe under the
// current directory, ephe beside the executable, the system's data folder
// of the ephemeris library.
std::vector<std::string> EphemerisDirs();

} // namespace ProgramPaths
