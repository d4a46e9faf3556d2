#pragma once
// Which files of an NTFS volume own given clusters: for naming the files hit by unreadable sectors.
// Pure over a read function, so it works on a device, an image or bytes in memory.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class NtfsClusterOwners {
public:
    using ReadVolume = std::function<bool(uint64_t offset, uint64_t length, void* buffer)>;  // bytes from the volume start

    // Names of the files whose non-resident $DATA (any stream) runs cover any cluster of
    // `lcnRanges` (first cluster, count): "\dir\file" where the parent chain reaches the root, else
    // the bare file name; metadata files by their own names ("$MFT"). False with `error` when the
    // boot sector or the MFT cannot be read; stops after `maxOwners` names. Unreadable or damaged
    // records other than the MFT's own are passed over.
    static bool find(const ReadVolume& readVolume, const std::vector<std::pair<uint64_t, uint64_t>>& lcnRanges,
                     QStringList& owners, QString& error, int maxOwners = 50);
};
