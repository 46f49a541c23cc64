#pragma once

// The resident memory of this process, from /proc/self (Linux). A benchmark
// resets the peak before it starts and reads how far it rose above the
// program's idle size: the memory that one piece of work needed at once.
namespace ProcessMemory {

// Takes the current resident size as the idle size.
void NoteIdle();
// Starts a new peak at the current resident size.
void ResetPeak();
// The peak resident size since the last reset, less the idle size, in MiB;
// negative when unknown.
double PeakBeyondIdleMiB();
// The current resident size, and the peak since the last reset less base, in
// MiB: for work measured beyond a state other than the idle program.
double ResidentMiB();
double PeakBeyondMiB(double base);

} // namespace ProcessMemory
