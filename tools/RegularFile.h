#pragma once

#include <cstddef>
#include <string>

// Reading a data file the user may have replaced by anything: a FIFO, a
// device or a folder is refused at once instead of blocking in open(2), and
// a file larger than the caller expects is refused before it fills memory.
namespace RegularFile {

// The bytes of a file, or why they could not be read.
struct Contents {
    std::string bytes;
    std::string error; // one line naming the path; empty on success

    bool Ok() const { return error.empty(); }
};

// The whole of the regular file at path (a link to one will do), when it
// holds at most maxBytes.
Contents Read(const std::string& path, std::size_t maxBytes);

} // namespace RegularFile
