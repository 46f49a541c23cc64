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

// Replaces the file at path with bytes, whole or not at all: a temporary file
// beside it, renamed over it once written and flushed. A symbolic link is
// followed to the file it names, which is replaced and keeps its owner,
// group and mode; the link stays. A file its user may not write is refused.
// On failure the old file is as it was and no temporary file is left; one
// left by a process killed while writing is named after the file, with
// ".quadrix-save-" and six random characters added.
Result<void> Replace(const std::string& path, const std::string& bytes);

} // namespace PlainFile
