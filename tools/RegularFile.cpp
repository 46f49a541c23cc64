#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace RegularFile {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

Contents Failure(std::string message)
{
    return {{}, std::move(message)};
}

Contents SystemFailure(const std::string& path)
{
    return Failure("cannot read " + path + ": " + std::strerror(errno));
}

// Closes the descriptor on every way out.
class CDescriptor {
public:
    explicit CDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~CDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// Reads to the end, by chunks rather than by the size stat reports (files
// under /proc report none); one byte beyond maxBytes is enough to refuse.
Contents ReadToEnd(int fd, const std::string& path, std::size_t maxBytes)
{
    Contents contents;
    std::size_t done = 0;
    for (;;) {
        contents.bytes.resize(done + kChunk);
        const ssize_t n = read(fd, &contents.bytes[done], kChunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return SystemFailure(path);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
        if (done > maxBytes)
            return Failure(path + ": larger than " + std::to_string(maxBytes) + " bytes");
    }
    contents.bytes.resize(done);
    return contents;
}

} // namespace

Contents Read(const std::string& path, std::size_t maxBytes)
{
    struct stat st { };
    if (stat(path.c_str(), &st) != 0)
        return SystemFailure(path);
    if (!S_ISREG(st.st_mode))
        return Failure(path + ": not a regular file");
    // Non-blocking, so that a FIFO put in the file's place after the check
    // cannot hold the open either; checked again on what was opened.
    const CDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0)
        return SystemFailure(path);
    if (fstat(fd.Get(), &st) != 0)
        return SystemFailure(path);
    if (!S_ISREG(st.st_mode))
        return Failure(path + ": not a regular file");
    return ReadToEnd(fd.Get(), path, maxBytes);
}

} // namespace RegularFile
