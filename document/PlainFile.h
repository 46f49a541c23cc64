#pragma once

#include "Result.h"

#include <cstddef>
#include <string>

// Whole-file reads and writes of a document on a POSIX file system. Only a
// plain file is read or replaced: a FIFO or a device is refused at once
// instead of blocking or being swapped for a plain file. A failure's message
// is one line naming the path.
namespace PlainFile {

// Reads the file at path whole, at most maxSize bytes of it.
Result<std::string> Read(const std::string& path, std::size_t maxSize);
// Reads the first size bytes of the file at path, or all of a shorter one.
Result<std::string> ReadStart(const std::string& path, std::size_t size);

// Replaces the file at path with bytes, whole or not at all, through a
// CReplacingFile: links followed, owner, group and mode kept, special and
// read-only files refused, the old file as it was on failure.
Result<void> Replace(const std::string& path, const std::string& bytes);

} // namespace PlainFile
