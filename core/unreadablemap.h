#pragma once
#include <QString>
#include <cstdint>
#include <map>

// The source sectors a copy could not read (zeros were written in their place), as ranges that
// join when they touch. Its text is one "start count" line per range, in sector order.
class UnreadableMap {
public:
    void add(uint64_t startSector, uint64_t count);
    void clear() { m_ranges.clear(); }
    bool isEmpty() const { return m_ranges.empty(); }
    uint64_t sectorCount() const;
    const std::map<uint64_t, uint64_t>& ranges() const { return m_ranges; }
    QString text() const;
    bool save(const QString& path, QString& error) const;

private:
    std::map<uint64_t, uint64_t> m_ranges;  // start -> count
};
