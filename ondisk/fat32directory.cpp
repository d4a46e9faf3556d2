#include "ondisk/fat32directory.h"

#include "ondisk/byteorder.h"

#include <algorithm>

namespace {

constexpr int LfnCharsPerEntry = 13;
// Where the 13 UTF-16 units of a long-name entry lie.
constexpr int LfnUnitOffsets[LfnCharsPerEntry] = {1, 3, 5, 7, 9, 14, 16, 18, 20, 22, 24, 28, 30};

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

uint8_t shortNameChecksum(const uint8_t* name)
{
    uint8_t sum = 0;
    for (int i = 0; i < Fat32Directory::NameBytes; ++i)
        sum = uint8_t(((sum & 1) << 7) + (sum >> 1) + name[i]);
    return sum;
}

std::string shortName(const uint8_t* e)
{
    auto trimmed = [](const uint8_t* p, int n) {
        std::string s(reinterpret_cast<const char*>(p), size_t(n));
        s.erase(s.find_last_not_of(' ') + 1);
        return s;
    };
    std::string base = trimmed(e, 8);
    if (!base.empty() && uint8_t(base[0]) == 0x05)  // a first byte of E5 is stored as 05
        base[0] = char(Fat32Directory::DeletedMark);
    const std::string ext = trimmed(e + 8, 3);
    return ext.empty() ? base : base + "." + ext;
}

void appendUtf8(std::string& out, uint16_t unit)
{
    if (unit < 0x80) {
        out += char(unit);
    } else if (unit < 0x800) {
        out += char(0xC0 | (unit >> 6));
        out += char(0x80 | (unit & 0x3F));
    } else {
        out += char(0xE0 | (unit >> 12));
        out += char(0x80 | ((unit >> 6) & 0x3F));
        out += char(0x80 | (unit & 0x3F));
    }
}

} // namespace

Fat32Directory::Status Fat32Directory::fail(Status status, const std::string& why)
{
    m_lastError = why;
    return status;
}

Fat32Directory::Status Fat32Directory::open(const ReadFn& read, uint64_t volumeBytes)
{
    m_read = read;
    m_fatSectorOffset = UINT64_MAX;
    uint8_t sector[Fat32BootSector::Size];
    if (!m_read(0, sizeof sector, sector))
        return fail(Status::ReadFailed, "the boot sector cannot be read");
    if (Fat32BootSector::decode(sector, sizeof sector, volumeBytes, m_boot) != Fat32BootSector::Status::Ok)
        return fail(Status::BadVolume, "not a FAT32 volume");
    return Status::Ok;
}

Fat32Directory::Status Fat32Directory::nextCluster(uint32_t cluster, uint32_t& next)
{
    const uint64_t bps = m_boot.bytesPerSector;
    const uint64_t at = uint64_t(m_boot.reservedSectors) * bps + uint64_t(cluster) * 4;
    const uint64_t sectorOffset = at / bps * bps;
    if (sectorOffset != m_fatSectorOffset) {
        m_fatSector.assign(bps, 0);
        if (!m_read(sectorOffset, bps, m_fatSector.data()))
            return fail(Status::ReadFailed, "the FAT cannot be read");
        m_fatSectorOffset = sectorOffset;
    }
    next = ByteOrder::get32(m_fatSector.data() + (at - sectorOffset)) & ClusterMask;
    return Status::Ok;
}

Fat32Directory::Status Fat32Directory::readChain(uint32_t first, uint64_t maxBytes, std::vector<uint8_t>& out)
{
    out.clear();
    const uint64_t clusterSize = m_boot.clusterSize;
    const uint64_t dataStart = m_boot.dataStart * m_boot.bytesPerSector;
    uint32_t cluster = first;
    // A chain can hold each cluster once; a longer one loops.
    for (uint64_t steps = 0; out.size() < maxBytes; ++steps) {
        if (cluster < 2 || uint64_t(cluster) >= m_boot.totalClusters + 2 || steps > m_boot.totalClusters)
            return fail(Status::BadChain, "a cluster chain leaves the volume or loops");
        const uint64_t n = std::min<uint64_t>(clusterSize, maxBytes - out.size());
        const size_t at = out.size();
        out.resize(at + n);
        if (!m_read(dataStart + uint64_t(cluster - 2) * clusterSize, n, out.data() + at))
            return fail(Status::ReadFailed, "a cluster cannot be read");
        uint32_t next = 0;
        const Status s = nextCluster(cluster, next);
        if (s != Status::Ok)
            return s;
        if (next >= EndOfChain)
            break;
        cluster = next;
    }
    return Status::Ok;
}

Fat32Directory::Status Fat32Directory::list(uint32_t directoryCluster, std::vector<Entry>& out)
{
    out.clear();
    std::vector<uint8_t> bytes;
    // Directories are at most 65536 entries long.
    const Status s = readChain(directoryCluster, uint64_t(65536) * EntryBytes, bytes);
    if (s != Status::Ok)
        return s;
    std::vector<uint16_t> longName;
    uint8_t longChecksum = 0;
    for (size_t off = 0; off + EntryBytes <= bytes.size(); off += EntryBytes) {
        const uint8_t* e = bytes.data() + off;
        if (e[OffName] == 0)
            break;
        if (e[OffName] == DeletedMark) {
            longName.clear();
            continue;
        }
        const uint8_t attributes = e[OffAttributes];
        if ((attributes & AttrLongName) == AttrLongName) {
            const uint8_t seq = e[OffLfnSequence];
            const int index = (seq & 0x1F) - 1;
            if (index < 0) {
                longName.clear();
                continue;
            }
            if (seq & LfnLastFlag) {
                longName.assign(size_t(index + 1) * LfnCharsPerEntry, 0xFFFF);
                longChecksum = e[OffLfnChecksum];
            }
            if (size_t(index + 1) * LfnCharsPerEntry > longName.size() || e[OffLfnChecksum] != longChecksum) {
                longName.clear();
                continue;
            }
            for (int i = 0; i < LfnCharsPerEntry; ++i)
                longName[size_t(index) * LfnCharsPerEntry + size_t(i)] = ByteOrder::get16(e + LfnUnitOffsets[i]);
            continue;
        }
        if (attributes & AttrVolumeId) {
            longName.clear();
            continue;
        }
        Entry entry;
        entry.directory = attributes & AttrDirectory;
        entry.firstCluster = (uint32_t(ByteOrder::get16(e + OffClusterHigh)) << 16) | ByteOrder::get16(e + OffClusterLow);
        entry.size = ByteOrder::get32(e + OffSize);
        if (!longName.empty() && shortNameChecksum(e) == longChecksum) {
            for (uint16_t unit : longName) {
                if (unit == 0 || unit == 0xFFFF)
                    break;
                appendUtf8(entry.name, unit);
            }
        }
        if (entry.name.empty())
            entry.name = shortName(e);
        longName.clear();
        out.push_back(std::move(entry));
    }
    return Status::Ok;
}

Fat32Directory::Status Fat32Directory::find(const std::string& path, Entry& out)
{
    uint32_t directory = m_boot.rootCluster;
    Entry current;
    current.directory = true;
    current.firstCluster = directory;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = path.size();
        const std::string want = lower(path.substr(start, end - start));
        start = end + 1;
        if (want.empty())
            continue;
        if (!current.directory)
            return fail(Status::NotFound, want + " lies below a file");
        std::vector<Entry> entries;
        const Status s = list(current.firstCluster ? current.firstCluster : m_boot.rootCluster, entries);
        if (s != Status::Ok)
            return s;
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return lower(e.name) == want; });
        if (it == entries.end())
            return fail(Status::NotFound, want + " is not there");
        current = *it;
    }
    out = current;
    return Status::Ok;
}

Fat32Directory::Status Fat32Directory::readFile(const Entry& file, std::vector<uint8_t>& out, uint64_t maxBytes)
{
    out.clear();
    const uint64_t want = std::min<uint64_t>(file.size, maxBytes);
    if (want == 0)
        return Status::Ok;
    const Status s = readChain(file.firstCluster, want, out);
    if (s == Status::Ok && out.size() < want)
        return fail(Status::BadChain, "the file's chain is shorter than its size");
    return s;
}
