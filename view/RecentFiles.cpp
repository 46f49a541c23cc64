#include "RecentFiles.h"

#include <algorithm>

CRecentFiles::CRecentFiles(const std::vector<std::string>& stored)
{
    // Added oldest first, so that the newest entry ends at the top.
    for (auto it = stored.rbegin(); it != stored.rend(); ++it)
        Add(*it);
}

void CRecentFiles::Add(const std::string& path)
{
    if (path.empty())
        return;
    Remove(path);
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > Capacity)
        m_entries.resize(Capacity);
}

void CRecentFiles::Remove(const std::string& path)
{
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
}
