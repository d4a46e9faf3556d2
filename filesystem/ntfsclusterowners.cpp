#include "filesystem/ntfsclusterowners.h"

#include "ondisk/byteorder.h"
#include "ondisk/ntfsbootsector.h"
#include "ondisk/ntfsmftrecord.h"
#include "ondisk/ntfsrunlist.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace {
constexpr uint32_t TypeFileName = 0x30;
constexpr uint64_t MftRecord = 0;
constexpr uint64_t RootRecord = 5;
constexpr uint64_t FirstUserRecord = 16;  // below: the volume's own metadata files
constexpr uint64_t RecordNumberMask = 0x0000FFFFFFFFFFFFull;
constexpr size_t ReadChunkBytes = 1024 * 1024;
constexpr int MaxPathDepth = 256;

// Record header.
constexpr size_t OffBaseRecord = 32;

// Resident attribute header.
constexpr size_t OffValueLength = 16;
constexpr size_t OffValueOffset = 20;
constexpr size_t ResidentHeaderSize = 24;

// $FILE_NAME value.
constexpr size_t OffParentReference = 0;
constexpr size_t OffNameLength = 64;
constexpr size_t OffNamespace = 65;
constexpr size_t OffName = 66;
constexpr uint8_t NamespacePosix = 0;
constexpr uint8_t NamespaceWin32 = 1;
constexpr uint8_t NamespaceDos = 2;
constexpr uint8_t NamespaceWin32AndDos = 3;

using Ranges = std::vector<std::pair<uint64_t, uint64_t>>;  // sorted, merged [first, end)

struct Entry {
    uint64_t parent = 0;
    QString name;
    int rank = -1;  // how good the chosen name's namespace is; -1: no name yet
};

int namespaceRank(uint8_t space)
{
    switch (space) {
    case NamespaceWin32:
    case NamespaceWin32AndDos: return 3;
    case NamespacePosix: return 2;
    case NamespaceDos: return 1;
    default: return 0;
    }
}

Ranges mergedRanges(const std::vector<std::pair<uint64_t, uint64_t>>& lcnRanges)
{
    Ranges r;
    for (const auto& [first, count] : lcnRanges)
        if (count > 0)
            r.emplace_back(first, first + std::min(count, UINT64_MAX - first));
    std::sort(r.begin(), r.end());
    Ranges merged;
    for (const auto& range : r) {
        if (!merged.empty() && range.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, range.second);
        else
            merged.push_back(range);
    }
    return merged;
}

bool overlaps(const Ranges& ranges, uint64_t first, uint64_t count)
{
    const uint64_t end = first + count;
    // The last range starting before `end` is the only one that can reach into [first, end).
    auto it = std::lower_bound(ranges.begin(), ranges.end(), end,
                               [](const std::pair<uint64_t, uint64_t>& r, uint64_t v) { return r.first < v; });
    return it != ranges.begin() && std::prev(it)->second > first;
}

struct RecordFacts {
    bool ownsCluster = false;
    std::vector<NtfsRun> mftRuns;  // only filled for record 0
    uint64_t mftDataSize = 0;
};

// Walks one prepared record: its $FILE_NAME into `entry`, its $DATA runs against `ranges`.
RecordFacts readRecord(const uint8_t* data, size_t size, uint64_t totalClusters, const Ranges& ranges, bool isMft,
                       Entry& entry)
{
    RecordFacts facts;
    const uint32_t used = NtfsMftRecord::bytesInUse(data, size);
    for (uint32_t offset = NtfsMftRecord::firstAttributeOffset(data); offset < used;) {
        NtfsMftRecord::Attribute a;
        if (NtfsMftRecord::attributeAt(data, used, offset, a) != NtfsMftRecord::Step::Found)
            break;
        offset += a.length;
        if (a.type == TypeFileName && !a.nonResident && a.length >= ResidentHeaderSize) {
            const uint8_t* attr = data + a.offset;
            const uint32_t valueLength = ByteOrder::get32(attr + OffValueLength);
            const uint16_t valueOffset = ByteOrder::get16(attr + OffValueOffset);
            if (valueOffset < ResidentHeaderSize || valueOffset > a.length || valueLength > a.length - valueOffset
                || valueLength < OffName)
                continue;
            const uint8_t* value = attr + valueOffset;
            const size_t chars = value[OffNameLength];
            const int rank = namespaceRank(value[OffNamespace]);
            if (OffName + 2 * chars > valueLength || rank <= entry.rank)
                continue;
            QString name(qsizetype(chars), Qt::Uninitialized);
            for (size_t i = 0; i < chars; ++i)
                name[qsizetype(i)] = QChar(ByteOrder::get16(value + OffName + 2 * i));
            entry.name = name;
            entry.parent = ByteOrder::get64(value + OffParentReference) & RecordNumberMask;
            entry.rank = rank;
            continue;
        }
        if (a.type != NtfsMftRecord::TypeData)
            continue;
        NtfsMftRecord::NonResident header;
        if (!NtfsMftRecord::nonResidentHeader(data, a, header))
            continue;
        std::vector<NtfsRun> runs;
        // A damaged run list still names its owner by the runs decoded before the fault.
        const bool whole = NtfsRunList::decode(data + a.offset + header.runListOffset, header.runListLength,
                                               totalClusters, runs) == NtfsRunList::Status::Ok;
        for (const NtfsRun& run : runs)
            if (!run.sparse && overlaps(ranges, run.cluster, run.length))
                facts.ownsCluster = true;
        if (isMft && a.nameLength == 0 && header.startVcn == 0 && whole) {
            facts.mftRuns = std::move(runs);
            facts.mftDataSize = header.dataSize;
        }
    }
    return facts;
}

// Only records that read and decode get an entry, so a damaged run list claiming a huge MFT costs no memory.
using Entries = std::unordered_map<uint64_t, Entry>;

QString pathOf(const Entries& entries, uint64_t record)
{
    const Entry& own = entries.at(record);
    if (record < FirstUserRecord)
        return own.name;
    QStringList parts{own.name};
    uint64_t parent = own.parent;
    for (int depth = 0; depth < MaxPathDepth; ++depth) {
        if (parent == RootRecord)
            return QLatin1Char('\\') + parts.join(QLatin1Char('\\'));
        const auto it = entries.find(parent);
        if (it == entries.end() || it->second.rank < 0 || parent == record)
            break;
        parts.prepend(it->second.name);
        parent = it->second.parent;
    }
    return own.name;
}
}

bool NtfsClusterOwners::find(const ReadVolume& readVolume, const std::vector<std::pair<uint64_t, uint64_t>>& lcnRanges,
                             QStringList& owners, QString& error, int maxOwners)
{
    owners.clear();
    error.clear();
    std::vector<uint8_t> sector(NtfsBootSector::Size);
    NtfsBootSector boot;
    if (!readVolume(0, sector.size(), sector.data())) {
        error = QStringLiteral("cannot read the NTFS boot sector");
        return false;
    }
    if (NtfsBootSector::decode(sector.data(), sector.size(), 0, boot) != NtfsBootSector::Status::Ok) {
        error = QStringLiteral("not a valid NTFS boot sector");
        return false;
    }
    const Ranges ranges = mergedRanges(lcnRanges);
    const uint32_t recordSize = boot.mftRecordSize;

    std::vector<uint8_t> record(recordSize);
    if (!readVolume(boot.mftCluster * boot.clusterSize, recordSize, record.data())) {
        error = QStringLiteral("cannot read the first MFT record at cluster %1").arg(boot.mftCluster);
        return false;
    }
    if (NtfsMftRecord::prepare(record.data(), record.size(), MftRecord) != NtfsMftRecord::Status::Ok) {
        error = QStringLiteral("the first MFT record is damaged");
        return false;
    }
    Entry mftEntry;
    const RecordFacts mft = readRecord(record.data(), record.size(), boot.totalClusters, {}, true, mftEntry);
    uint64_t mapped = 0;
    for (const NtfsRun& run : mft.mftRuns)
        mapped += run.sparse ? 0 : run.length;
    if (mft.mftRuns.empty() || mft.mftDataSize < recordSize) {
        error = QStringLiteral("the MFT has no usable run list");
        return false;
    }
    // Records past what the runs map (an MFT continued in extension records) stay unread.
    const uint64_t recordCount = std::min<uint64_t>(mft.mftDataSize, mapped * boot.clusterSize) / recordSize;

    Entries entries;
    std::set<uint64_t> hits;
    std::vector<uint8_t> chunk;
    uint64_t number = 0;
    for (const NtfsRun& run : mft.mftRuns) {
        const uint64_t runRecords = run.length * boot.clusterSize / recordSize;
        for (uint64_t done = 0; done < runRecords && number < recordCount;) {
            const uint64_t count = std::min<uint64_t>({runRecords - done, ReadChunkBytes / recordSize, recordCount - number});
            const uint64_t offset = run.cluster * boot.clusterSize + done * recordSize;
            chunk.resize(count * recordSize);
            // A chunk that does not read whole is taken record by record, so one bad sector costs one record.
            const bool chunkRead = !run.sparse && readVolume(offset, chunk.size(), chunk.data());
            for (uint64_t i = 0; i < count; ++i, ++number) {
                uint8_t* data = chunk.data() + i * recordSize;
                if (run.sparse || (!chunkRead && !readVolume(offset + i * recordSize, recordSize, data)))
                    continue;
                if (NtfsMftRecord::prepare(data, recordSize, number) != NtfsMftRecord::Status::Ok)
                    continue;
                const uint64_t base = ByteOrder::get64(data + OffBaseRecord) & RecordNumberMask;
                Entry entry;
                const RecordFacts facts = readRecord(data, recordSize, boot.totalClusters, ranges, false, entry);
                if (entry.rank >= 0)
                    entries.emplace(number, std::move(entry));
                // $DATA continued in an extension record belongs to its base file.
                if (facts.ownsCluster)
                    hits.insert(base != 0 && base < recordCount ? base : number);
            }
            done += count;
        }
    }
    for (uint64_t owner : hits) {
        if (owners.size() >= maxOwners)
            break;
        const QString path = entries.count(owner) ? pathOf(entries, owner) : QString();
        owners << (path.isEmpty() ? QStringLiteral("MFT record %1").arg(owner) : path);
    }
    return true;
}
