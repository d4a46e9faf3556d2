#pragma once
#include "core/diskinfo.h"
#include "partition/gptdisk.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// The source disk's table as the clone will copy it, checked against the disk's size and against
// the listing the plan is made from: a table that reaches past the disk, that the listing read
// differently, or that cannot be read refuses the clone; a disk without a table is copied whole.
class SourceTable {
public:
    enum class Kind { Gpt, Mbr, None };

    // False with error() when the clone must be refused; `read` reads source bytes.
    bool load(const GptDisk::ReadFn& read, const DiskInfo& disk, uint32_t sectorSize);

    Kind kind() const { return m_kind; }
    // Bytes from sector 0 that hold the table (the primary GPT's array may reach past 1 MiB).
    uint64_t tableBytes() const { return m_tableBytes; }
    // GPT: the bytes of a backup header and its array, and where the usable sectors end.
    uint64_t backupBytes() const { return m_backupBytes; }
    uint64_t usableEnd() const { return m_usableEnd; }
    QString error() const { return m_error; }
    QStringList notes() const { return m_notes; }

    // A span in bytes, as the table and the listing give it.
    struct Span {
        uint64_t start = 0;
        uint64_t bytes = 0;
        bool operator==(const Span& o) const { return start == o.start && bytes == o.bytes; }
    };
    // The listing's partitions that `table` does not hold, or the other way round; empty when they agree.
    static QString disagreement(const QList<Span>& table, const QList<Span>& listed, bool listingMayHaveMore);

private:
    bool fail(const QString& why);
    bool loadGpt(const GptDisk::ReadFn& read, const DiskInfo& disk, uint32_t sectorSize);
    bool loadMbr(const std::vector<uint8_t>& sector0, const DiskInfo& disk, uint32_t sectorSize);

    Kind m_kind = Kind::None;
    uint64_t m_tableBytes = 0;
    uint64_t m_backupBytes = 0;
    uint64_t m_usableEnd = 0;
    QString m_error;
    QStringList m_notes;
};
