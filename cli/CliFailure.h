#pragma once

#include <iosfwd>
#include <string>

// How quadrix-cli says what went wrong: one line on the error stream, led by
// "quadrix-cli: ", and the exit status scripts test.
namespace CliFailure {

// The run failed: a file could not be read or written, a symbol is not stored.
inline constexpr int kFailed = 1;
// The command line was wrong: the message points to --help.
inline constexpr int kUsageError = 2;

int Fail(std::ostream& err, const std::string& message);
int UsageError(std::ostream& err, const std::string& message);

} // namespace CliFailure
