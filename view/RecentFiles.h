#pragma once

#include <string>
#include <vector>

// The list of files last opened or saved, newest first, without repeats and
// at most Capacity long. Whatever a stored list holds (repeats, empty
// entries, any length) is read into that shape.
class CRecentFiles {
public:
    static constexpr std::size_t Capacity = 8;

    CRecentFiles() = default;
    explicit CRecentFiles(const std::vector<std::string>& stored);

    // Puts path at the top, dropping an earlier entry of it and the oldest
    // entry beyond the capacity.
    void Add(const std::string& path);
    void Remove(const std::string& path);

    const std::vector<std::string>& Entries() const { return m_entries; }

private:
    std::vector<std::string> m_entries;
};
