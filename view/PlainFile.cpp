#include "PlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// As the kernel limits a path's chain of symbolic links.
constexpr int kMaxLinkHops = 40;

// Added to the name of the file a save replaces, before mkstemp's six
// random characters, so that a stray temporary file is recognisable.
constexpr const char* kTemporarySuffix = ".quadrix-save-";

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

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            errno = n == 0 ? EIO : errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The path a link names, taken from the link's folder when relative.
bool FollowLink(std::string& path)
{
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    if (n < 0)
        return false;
    if (static_cast<std::size_t>(n) == sizeof target) {
        errno = ENAMETOOLONG;
        return false;
    }
    const std::string link(target, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    path = link.front() == '/' || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
    return true;
}

// The file a save replaces: path, or the file at the end of its chain of
// links. exists tells whether it is there yet (a new file, or a link to a
// file still to be made, is not); st describes it when it is.
bool ResolveTarget(const std::string& path, std::string& target, bool& exists, struct stat& st)
{
    target = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        if (lstat(target.c_str(), &st) != 0) {
            exists = false;
            return errno == ENOENT;
        }
        if (!S_ISLNK(st.st_mode)) {
            exists = true;
            return true;
        }
        if (!FollowLink(target))
            return false;
    }
    errno = ELOOP;
    return false;
}

// Root passes every access check; a file without any write bit is read-only
// to it all the same, as it is to everyone else.
bool Writable(const std::string& target, const struct stat& st)
{
    return (st.st_mode & 0222) != 0 && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

// Gives the new file the owner, group and permissions of the one it
// replaces, as far as this user may; a new file gets the default ones.
bool TakeOwnerAndMode(int fd, bool exists, const struct stat& st)
{
    if (!exists) {
        const mode_t mask = umask(0);
        umask(mask);
        return fchmod(fd, 0666 & ~mask) == 0;
    }
    // A file this user may not give back to its owner keeps at least its
    // group; the set-id bits stay only on a file whose owner and group stay.
    const bool sameOwner = fchown(fd, st.st_uid, st.st_gid) == 0;
    const bool sameGroup = sameOwner || fchown(fd, static_cast<uid_t>(-1), st.st_gid) == 0;
    return fchmod(fd, st.st_mode & (sameOwner && sameGroup ? 07777 : 0777)) == 0;
}

// Writes bytes into a new temporary file beside target and renames it over
// target; on failure the temporary file is removed.
Result<void> WriteBeside(const std::string& target, bool exists, const struct stat& st, const std::string& bytes,
                         const std::string& path)
{
    std::string temp = target + kTemporarySuffix + "XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return Failure {SystemError("Cannot create a file beside", path, errno)};
    bool ok = TakeOwnerAndMode(fd, exists, st) && WriteAll(fd, bytes) && fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (ok)
        return {};
    unlink(temp.c_str());
    return Failure {SystemError("Cannot write", path, failure)};
}

} // namespace

namespace PlainFile {

Result<std::string> Read(const std::string& path, std::size_t maxSize)
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
    else if (static_cast<std::size_t>(st.st_size) > maxSize)
        result = Failure {path + ": too large (" + std::to_string(st.st_size) + " bytes)"};
    else if (bytes.resize(static_cast<std::size_t>(st.st_size)); !ReadAll(fd, bytes))
        result = Failure {SystemError("Cannot read", path, errno)};
    else
        result = std::move(bytes);
    close(fd);
    return result;
}

Result<void> Replace(const std::string& path, const std::string& bytes)
{
    std::string target;
    bool exists = false;
    struct stat st {};
    if (!ResolveTarget(path, target, exists, st))
        return Failure {SystemError("Cannot write", path, errno)};
    if (exists && !S_ISREG(st.st_mode))
        return Failure {path + " is not a regular file"};
    if (exists && !Writable(target, st))
        return Failure {path + " is not writable"};
    return WriteBeside(target, exists, st, bytes, path);
}

} // namespace PlainFile
