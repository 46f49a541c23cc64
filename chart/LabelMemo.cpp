#include "LabelMemo.h"

#include <cstring>
#include <utility>

std::uint32_t CLabelMemo::Key::Bits(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

bool CLabelMemo::Key::operator==(const Key& other) const
{
    return startPrice == other.startPrice && priceStep == other.priceStep && precision == other.precision &&
           startTime == other.startTime && timeStep == other.timeStep && period == other.period &&
           price == other.price && time == other.time && n == other.n;
}

void CLabelMemo::Follow(const Key& key)
{
    if (key == m_key)
        return;
    m_key = key;
    m_entries.clear();
}

const CLabelMemo::Label* CLabelMemo::Find(const Key& key, int n, int yearBefore)
{
    Follow(key);
    if (n < 0 || static_cast<std::size_t>(n) >= m_entries.size())
        return nullptr;
    const Entry& entry = m_entries[static_cast<std::size_t>(n)];
    return entry.kept && entry.yearBefore == yearBefore ? &entry.label : nullptr;
}

const CLabelMemo::Label& CLabelMemo::Keep(const Key& key, int n, int yearBefore, Label label)
{
    Follow(key);
    if (n < 0 || n >= kMaxCells)
        return m_beyond = std::move(label);
    const std::size_t at = static_cast<std::size_t>(n);
    if (at >= m_entries.size())
        m_entries.resize(at + 1);
    m_entries[at] = Entry{true, yearBefore, std::move(label)};
    return m_entries[at].label;
}
