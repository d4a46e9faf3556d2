#pragma once
// Volumes filled to a share of their size with files of mixed size and random content, so that a
// smart copy meets small, medium and large runs of used clusters as on a real disk.
#include <QString>

#include <cstdint>
#include <vector>

class VolumeFiller {
public:
    // Sizes of files adding up to `budget`: many small, some medium, a few large.
    static std::vector<uint64_t> mixedSizes(uint64_t budget, uint64_t seed);
    // The index-th file's path under `root`, 200 files a folder.
    static QString pathFor(const QString& root, size_t index);
    // Bytes in use on the file system mounted at `mountPoint`; 0 when it cannot be asked.
    static uint64_t usedBytes(const QString& mountPoint);
    // mkntfs on `device` (an image file or a block device, `bytes` long), mounted with ntfs-3g and
    // filled to `percent` of its size. `startSector` is the volume's place on its disk (0: none).
    // `used` gets the bytes in use before the unmount.
    static bool buildNtfs(const QString& device, uint64_t bytes, int percent, uint64_t startSector,
                          const QString& mountPoint, uint64_t& used, QString& error);
};
