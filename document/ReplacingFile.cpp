#include "ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

namespace {

// As the kernel limits a path's chain of symbolic links.
constexpr int kMaxLinkHops = 40;

// Added to the name of the file a save replaces, before mkstemp's six
// random characters, so that a stray temporary file is recognisable.
constexpr const char* kTemporarySuffix = ".quadrix-save-";

Failure SystemError(const std::string& what, const std::string& path, int error)
{
    return Failure {what + " " + path + ": " + std::strerror(error)};
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

} // namespace

CReplacingFile::CReplacingFile(std::string path)
    : m_path(std::move(path))
{
}

CReplacingFile::~CReplacingFile() { Discard(); }

Result<void> CReplacingFile::Open()
{
    bool exists = false;
    struct stat st {};
    if (!ResolveTarget(m_path, m_target, exists, st))
        return SystemError("Cannot write", m_path, errno);
    if (exists && !S_ISREG(st.st_mode))
        return Failure {m_path + " is not a regular file"};
    if (exists && !Writable(m_target, st))
        return Failure {m_path + " is not writable"};
    m_temp = m_target + kTemporarySuffix + "XXXXXX";
    m_fd = mkstemp(m_temp.data());
    if (m_fd < 0)
        return SystemError("Cannot create a file beside", m_path, errno);
    if (!TakeOwnerAndMode(m_fd, exists, st)) {
        const int error = errno;
        Discard();
        return SystemError("Cannot write", m_path, error);
    }
    return {};
}

bool CReplacingFile::Write(const char* data, std::size_t size)
{
    if (m_fd < 0 && m_writeError == 0)
        m_writeError = EBADF;
    std::size_t done = 0;
    while (m_writeError == 0 && done < size) {
        const ssize_t n = write(m_fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        // A short write is followed by another, which tells why.
        if (n <= 0)
            m_writeError = n == 0 ? EIO : errno;
        else
            done += static_cast<std::size_t>(n);
    }
    return m_writeError == 0;
}

std::string CReplacingFile::WriteError() const
{
    return m_writeError == 0 ? std::string() : SystemError("Cannot write", m_path, m_writeError).message;
}

Result<void> CReplacingFile::Commit()
{
    int error = m_writeError;
    if (error == 0 && fsync(m_fd) != 0)
        error = errno;
    if (error == 0 && close(std::exchange(m_fd, -1)) != 0)
        error = errno;
    if (error == 0 && rename(m_temp.c_str(), m_target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        Discard();
        return SystemError("Cannot write", m_path, error);
    }
    m_temp.clear();
    return {};
}

void CReplacingFile::Discard()
{
    if (m_fd >= 0)
        close(std::exchange(m_fd, -1));
    if (!m_temp.empty())
        unlink(m_temp.c_str());
    m_temp.clear();
}
