#include "platform/posix/filesystemprobe.h"

#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#ifdef TESSARIN_HAVE_BLKID
#include <blkid.h>
#endif

namespace {
constexpr size_t BootSectorBytes = 512;
constexpr size_t OemNameOffset = 3;
constexpr size_t BytesPerSectorOffset = 11;
constexpr size_t SectorsPerClusterOffset = 13;
constexpr size_t FatCountOffset = 16;
constexpr size_t SectorsPerFat16Offset = 22;
constexpr size_t Fat16LabelOffset = 43;
constexpr size_t Fat32LabelOffset = 71;
constexpr size_t FatLabelLength = 11;
constexpr size_t SignatureOffset = 510;
constexpr size_t TotalSectors16Offset = 19;
constexpr size_t TotalSectors32Offset = 32;
constexpr size_t ReservedSectorsOffset = 14;
constexpr size_t RootEntriesOffset = 17;
constexpr uint32_t Fat12MaxClusters = 4084;

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24); }

std::string trimmedLabel(const uint8_t* p)
{
    std::string label(reinterpret_cast<const char*>(p), FatLabelLength);
    while (!label.empty() && (label.back() == ' ' || label.back() == '\0'))
        label.pop_back();
    return label == "NO NAME" ? std::string() : label;
}
}

bool FileSystemProbe::classifyBootSector(const uint8_t* s, size_t length, Result& out)
{
    out = Result{};
    if (length < BootSectorBytes)
        return false;
    if (std::memcmp(s + OemNameOffset, "NTFS    ", 8) == 0) {
        out.type = "ntfs";
        return true;
    }
    if (std::memcmp(s + OemNameOffset, "EXFAT   ", 8) == 0) {
        out.type = "exfat";
        return true;
    }
    if (s[SignatureOffset] != 0x55 || s[SignatureOffset + 1] != 0xAA)
        return false;
    const uint16_t bytesPerSector = le16(s + BytesPerSectorOffset);
    const uint8_t perCluster = s[SectorsPerClusterOffset];
    const bool powerOfTwoSector = bytesPerSector >= 512 && bytesPerSector <= 4096 && (bytesPerSector & (bytesPerSector - 1)) == 0;
    const bool powerOfTwoCluster = perCluster != 0 && (perCluster & (perCluster - 1)) == 0;
    if (!powerOfTwoSector || !powerOfTwoCluster || s[FatCountOffset] == 0 || le16(s + ReservedSectorsOffset) == 0)
        return false;
    out.type = "vfat";
    const uint16_t perFat16 = le16(s + SectorsPerFat16Offset);
    if (perFat16 == 0) {
        out.version = "FAT32";
        out.label = trimmedLabel(s + Fat32LabelOffset);
        return true;
    }
    // FAT12 and FAT16 differ only by their cluster count.
    const uint32_t total = le16(s + TotalSectors16Offset) ? le16(s + TotalSectors16Offset) : le32(s + TotalSectors32Offset);
    const uint32_t rootSectors = (uint32_t(le16(s + RootEntriesOffset)) * 32 + bytesPerSector - 1) / bytesPerSector;
    const uint32_t meta = le16(s + ReservedSectorsOffset) + uint32_t(s[FatCountOffset]) * perFat16 + rootSectors;
    const uint32_t clusters = total > meta ? (total - meta) / perCluster : 0;
    out.version = clusters <= Fat12MaxClusters ? "FAT12" : "FAT16";
    out.label = trimmedLabel(s + Fat16LabelOffset);
    return true;
}

bool FileSystemProbe::probeDevice(const std::string& devicePath, Result& out)
{
    out = Result{};
#ifdef TESSARIN_HAVE_BLKID
    blkid_probe probe = blkid_new_probe_from_filename(devicePath.c_str());
    if (!probe)
        return false;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_TYPE | BLKID_SUBLKS_LABEL | BLKID_SUBLKS_VERSION);
    bool found = false;
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
    blkid_free_probe(probe);
    return found;
#else
    const int fd = ::open(devicePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::vector<uint8_t> sector(BootSectorBytes);
    const bool ok = ::pread(fd, sector.data(), sector.size(), 0) == ssize_t(sector.size());
    ::close(fd);
    return ok && classifyBootSector(sector.data(), sector.size(), out);
#endif
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
