// Bytes as city.xml through the real city reader, and every city it reads
// through the conversion of a local time to universal time, which takes the
// file's zone names and biases as they are.

#include "CityList.h"
#include "LocalToUniversal.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The reader takes a path: an in-memory file, rewritten for each input and
// named through /proc, keeps the disk out of every execution.
int g_file = -1;
std::string g_path;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void WriteInput(const std::uint8_t* data, std::size_t size)
{
    if (ftruncate(g_file, 0) != 0 || pwrite(g_file, data, size, 0) != static_cast<ssize_t>(size))
        Fail("cannot write the input file");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_file = memfd_create("city.xml", 0);
    if (g_file < 0)
        Fail("cannot make the input file");
    g_path = "/proc/self/fd/" + std::to_string(g_file);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteInput(data, size);
    const CityList list = CityFile::Read(g_path);
    if (!list.Ok() && list.read.Message().empty())
        Fail("a failed read says nothing of where it failed");
    const DateTimeFields local {2012, 3, 5, 10, 30, 0};
    for (const CityInfo& city : list.cities) {
        const Result<DateTimeFields> ut = LocalToUniversal::Convert(local, city.Bias, city.Zone, "Asia/Shanghai");
        if (ut.Ok() == !ut.Message().empty())
            Fail("a conversion's outcome and message disagree");
    }
    return 0;
}
