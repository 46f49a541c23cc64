#include "PlainFile.h"

#include "ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

std::string SystemError(const std::string& what, const std::string& path, int error)
{
    return what + " " + path + ": " + std::strerror(error);
}

// Reads up to bytes.size() bytes and keeps those read; false on a read error.
bool ReadAll(int fd, std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break; // the file shrank meanwhile: what is left of it
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return true;
}

// Reads at most maxSize bytes of the file at path; a larger file is
// refused when whole is asked for.
Result<std::string> ReadUpTo(const std::string& path, std::size_t maxSize, bool whole)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never
    // come; the kind of file is checked on what was opened.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return Failure {SystemError("Cannot read", path, errno)};
    struct stat st {};
    std::string bytes;
    Result<std::string> result = Failure {};
    if (fstat(fd, &st) != 0)
        result = Failure {SystemError("Cannot read", path, errno)};
    else if (!S_ISREG(st.st_mode))
        result = Failure {path + ": not a regular file"};
    else if (whole && static_cast<std::size_t>(st.st_size) > maxSize)
        result = Failure {path + ": too large (" + std::to_string(st.st_size) + " bytes)"};
    else if (bytes.resize(std::min(static_cast<std::size_t>(st.st_size), maxSize)); !ReadAll(fd, bytes))
        result = Failure {SystemError("Cannot read", path, errno)};
    else
        result = std::move(bytes);
    close(fd);
    return result;
}

} // namespace

namespace PlainFile {

Result<std::string> Read(const std::string& path, std::size_t maxSize) { return ReadUpTo(path, maxSize, true); }

Result<std::string> ReadStart(const std::string& path, std::size_t size) { return ReadUpTo(path, size, false); }

Result<void> Replace(const std::string& path, const std::string& bytes)
{
    CReplacingFile file(path);
    if (Result<void> opened = file.Open(); !opened.Ok())
        return opened;
    file.Write(bytes.data(), bytes.size());
    return file.Commit();
}

} // namespace PlainFile
