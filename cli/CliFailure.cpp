#include "CliFailure.h"

#include <ostream>

namespace CliFailure {

int Fail(std::ostream& err, const std::string& message)
{
    err << "quadrix-cli: " << message << '\n';
    return kFailed;
}

int UsageError(std::ostream& err, const std::string& message)
{
    err << "quadrix-cli: " << message << " (see --help)\n";
    return kUsageError;
}

} // namespace CliFailure
