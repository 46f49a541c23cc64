#include "ProcessMemory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace {

long long g_idleKiB = -1;

// A "Name:   1234 kB" field of /proc/self/status in KiB, or -1.
long long StatusKiB(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long long value = 0;
    std::string unit;
    while (status >> key) {
        if (key == name + ":" && status >> value >> unit)
            return value;
        std::getline(status, unit);
    }
    return -1;
}

} // namespace

namespace ProcessMemory {

void NoteIdle() { g_idleKiB = StatusKiB("VmRSS"); }

void ResetPeak()
{
    // What earlier work freed but the allocator kept goes back first, so
    // that only this work's memory counts; writing 5 to clear_refs then
    // resets VmHWM to the current resident size.
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakBeyondIdleMiB() { return g_idleKiB < 0 ? -1 : PeakBeyondMiB(static_cast<double>(g_idleKiB) / 1024.0); }

double ResidentMiB() { return static_cast<double>(StatusKiB("VmRSS")) / 1024.0; }

double PeakBeyondMiB(double base)
{
    const long long peak = StatusKiB("VmHWM");
    if (peak < 0 || base < 0)
        return -1;
    return static_cast<double>(peak) / 1024.0 - base;
}

} // namespace ProcessMemory
