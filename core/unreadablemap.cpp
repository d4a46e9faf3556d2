#include "core/unreadablemap.h"

#include <QFile>

void UnreadableMap::add(uint64_t startSector, uint64_t count)
{
    if (count == 0)
        return;
    uint64_t start = startSector, end = startSector + count;
    auto it = m_ranges.upper_bound(start);
    if (it != m_ranges.begin() && std::prev(it)->first + std::prev(it)->second >= start)
        --it;
    while (it != m_ranges.end() && it->first <= end) {
        start = std::min(start, it->first);
        end = std::max(end, it->first + it->second);
        it = m_ranges.erase(it);
    }
    m_ranges.emplace(start, end - start);
}

uint64_t UnreadableMap::sectorCount() const
{
    uint64_t n = 0;
    for (const auto& [start, count] : m_ranges)
        n += count;
    return n;
}

QString UnreadableMap::text() const
{
    QString out;
    for (const auto& [start, count] : m_ranges)
        out += QStringLiteral("%1 %2\n").arg(start).arg(count);
    return out;
}

bool UnreadableMap::save(const QString& path, QString& error) const
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text().toUtf8()) < 0 || !f.flush()) {
        error = f.errorString();
        return false;
    }
    return true;
}
