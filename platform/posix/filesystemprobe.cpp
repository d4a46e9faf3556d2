#include "platform/posix/filesystemprobe.h"
#include "ondisk/bootsectorfields.h"
#include "ondisk/byteorder.h"
#include "ondisk/ntfsbootsector.h"
#include "ondisk/ntfsmftrecord.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#ifdef TESSARIN_HAVE_BLKID
#include <blkid.h>
#endif

namespace {
using F = BootSectorFields;
constexpr uint32_t Fat12MaxClusters = 4084;
constexpr uint32_t DirectoryEntryBytes = 32;
constexpr uint64_t NtfsVolumeRecord = 3;  // $Volume, which holds the label

bool readFully(int fd, uint64_t offset, std::vector<uint8_t>& out)
{
    size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(fd, out.data() + done, out.size() - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// Whether the $Volume record of the NTFS volume at `offset` is whole: a torn record (a stride
// that does not end with its update sequence number) holds no label that can be trusted.
bool ntfsVolumeRecordIntact(int fd, uint64_t offset, uint64_t length)
{
    std::vector<uint8_t> sector(NtfsBootSector::Size);
    NtfsBootSector boot;
    if (!readFully(fd, offset, sector)
        || NtfsBootSector::decode(sector.data(), sector.size(), length, boot) != NtfsBootSector::Status::Ok)
        return false;
    std::vector<uint8_t> record(boot.mftRecordSize);
    const uint64_t at = boot.mftCluster * boot.clusterSize + NtfsVolumeRecord * boot.mftRecordSize;
    return readFully(fd, offset + at, record)
        && NtfsMftRecord::prepare(record.data(), record.size(), NtfsVolumeRecord) == NtfsMftRecord::Status::Ok;
}

std::string trimmedLabel(const uint8_t* p)
{
    std::string label(reinterpret_cast<const char*>(p), F::FatLabelLength);
    while (!label.empty() && (label.back() == ' ' || label.back() == '\0'))
        label.pop_back();
    return label == "NO NAME" ? std::string() : label;
}
}

bool FileSystemProbe::classifyBootSector(const uint8_t* s, size_t length, Result& out)
{
    out = Result{};
    if (length < F::SectorBytes)
        return false;
    if (std::memcmp(s + F::OffOemId, F::NtfsOemId, F::OemIdLength) == 0) {
        out.type = "ntfs";
        return true;
    }
    if (std::memcmp(s + F::OffOemId, F::ExfatOemId, F::OemIdLength) == 0) {
        out.type = "exfat";
        return true;
    }
    if (ByteOrder::get16(s + F::OffSignature) != F::BootSignature)
        return false;
    const uint16_t bytesPerSector = ByteOrder::get16(s + F::OffBytesPerSector);
    const uint8_t perCluster = s[F::OffSectorsPerCluster];
    const bool powerOfTwoSector = bytesPerSector >= 512 && bytesPerSector <= 4096 && (bytesPerSector & (bytesPerSector - 1)) == 0;
    const bool powerOfTwoCluster = perCluster != 0 && (perCluster & (perCluster - 1)) == 0;
    if (!powerOfTwoSector || !powerOfTwoCluster || s[F::OffNumberOfFats] == 0 || ByteOrder::get16(s + F::OffReservedSectors) == 0)
        return false;
    out.type = "vfat";
    const uint16_t perFat16 = ByteOrder::get16(s + F::OffFatSize16);
    if (perFat16 == 0) {
        out.version = "FAT32";
        out.label = trimmedLabel(s + F::OffFat32Label);
        return true;
    }
    // FAT12 and FAT16 differ only by their cluster count.
    const uint32_t total = ByteOrder::get16(s + F::OffTotalSectors16) ? ByteOrder::get16(s + F::OffTotalSectors16) : ByteOrder::get32(s + F::OffTotalSectors32);
    const uint32_t rootSectors = (uint32_t(ByteOrder::get16(s + F::OffRootEntryCount)) * DirectoryEntryBytes + bytesPerSector - 1) / bytesPerSector;
    const uint32_t meta = ByteOrder::get16(s + F::OffReservedSectors) + uint32_t(s[F::OffNumberOfFats]) * perFat16 + rootSectors;
    const uint32_t clusters = total > meta ? (total - meta) / perCluster : 0;
    out.version = clusters <= Fat12MaxClusters ? "FAT12" : "FAT16";
    out.label = trimmedLabel(s + F::OffFat16Label);
    return true;
}

bool FileSystemProbe::probeDevice(const std::string& devicePath, Result& out)
{
    return probeRange(devicePath, 0, 0, out);
}

bool FileSystemProbe::probeRange(const std::string& path, uint64_t offset, uint64_t length, Result& out)
{
    out = Result{};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool found = false;
#ifdef TESSARIN_HAVE_BLKID
    if (blkid_probe probe = blkid_new_probe()) {
        if (blkid_probe_set_device(probe, fd, blkid_loff_t(offset), blkid_loff_t(length)) == 0) {
            blkid_probe_enable_superblocks(probe, 1);
            blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_TYPE | BLKID_SUBLKS_LABEL | BLKID_SUBLKS_VERSION);
            if (blkid_do_safeprobe(probe) == 0) {
                const char* value = nullptr;
                if (blkid_probe_lookup_value(probe, "TYPE", &value, nullptr) == 0 && value) {
                    out.type = value;
                    found = true;
                }
                if (blkid_probe_lookup_value(probe, "LABEL", &value, nullptr) == 0 && value)
                    out.label = value;
                if (blkid_probe_lookup_value(probe, "VERSION", &value, nullptr) == 0 && value)
                    out.version = value;
            }
        }
        blkid_free_probe(probe);
    }
#else
    std::vector<uint8_t> sector(F::SectorBytes);
    const bool whole = length == 0 || length >= sector.size();
    found = whole && readFully(fd, offset, sector) && classifyBootSector(sector.data(), sector.size(), out);
#endif
    if (found && out.type == "ntfs" && !out.label.empty() && !ntfsVolumeRecordIntact(fd, offset, length))
        out.label.clear();
    ::close(fd);
    return found;
}

std::string FileSystemProbe::windowsName(const std::string& mountType, const Result& probed)
{
    std::string type = mountType;
    // ntfs-3g and other FUSE drivers mount as "fuseblk"; only the volume itself says what it holds.
    if (type.empty() || type == "fuseblk" || type == "fuse")
        type = probed.type;
    if (type == "ntfs" || type == "ntfs3" || type == "ntfs-3g")
        return "NTFS";
    if (type == "vfat" || type == "msdos" || type == "fat") {
        if (probed.type == "vfat")
            return probed.version == "FAT32" ? "FAT32" : "FAT";
        return "FAT";
    }
    if (type == "exfat")
        return "exFAT";
    return type;
}
