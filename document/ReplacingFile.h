#pragma once

#include "Result.h"

#include <cstddef>
#include <string>

// A file written in pieces that replaces the file at a path whole or not at
// all: every file the programs write goes through it. Open checks the path
// and makes a temporary file beside the file it names (a symbolic link is
// followed, and stays); Write appends; Commit flushes the temporary file to
// disk and renames it over that file, which keeps its owner, group and mode.
// A FIFO, a device, a folder or a file its user may not write is refused
// before anything is written. Any failed write, a short one on a full disk
// included, is remembered and fails the commit; a file not committed is
// removed, and the old one stays as it was. A temporary file left by a
// process killed while writing is named after the file, with
// ".quadrix-save-" and six random characters added.
class CReplacingFile {
public:
    explicit CReplacingFile(std::string path);
    ~CReplacingFile();
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    Result<void> Open();
    // False once a write has failed: what follows is not written.
    bool Write(const char* data, std::size_t size);
    // Why the first failed write failed, naming the path; empty when none has.
    std::string WriteError() const;
    Result<void> Commit();

private:
    // Closes and removes the temporary file.
    void Discard();

    std::string m_path;   // as the user named it, for messages
    std::string m_target; // the file replaced: m_path with its links followed
    std::string m_temp;
    int m_fd = -1;
    int m_writeError = 0; // errno of the first failed write
};
