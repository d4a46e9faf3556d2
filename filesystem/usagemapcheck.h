#pragma once
#include "ondisk/ntfsrunlist.h"

#include <QBitArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

// Sanity checks of a file system's allocation map before a smart copy trusts it: a map that
// marks metadata free would leave that metadata behind. Pure: bytes in, verdict out.
class UsageMapCheck {
public:
    struct Verdict {
        bool sound = true;
        QString reason;  // why the map cannot be trusted; empty when sound
    };

    // The clusters of one file, under the name a reason gives it.
    struct Owner {
        QString name;
        std::vector<NtfsRun> runs;  // sparse runs occupy nothing and are not checked
    };

    // An NTFS $Bitmap as read (`bitmap`, least significant bit first) against its volume: its
    // bytes and its valid length must cover all `totalClusters`, and cluster 0 (the boot sector)
    // and every cluster of `owners` must be marked used.
    static Verdict ntfsBitmap(QByteArrayView bitmap, uint64_t totalClusters, uint64_t validLength,
                              const std::vector<Owner>& owners);

    struct FatComparison {
        uint64_t differingEntries = 0;
        uint64_t firstDifference = 0;  // entry number of the first disagreement, when any
    };
    // The same stretch of every FAT copy of a FAT32 volume, starting at entry `firstEntry`: marks
    // data cluster (entry - 2) in `clusters` when any copy holds its entry non-free (neither free
    // nor reserved), and counts in `comparison` the data entries on which the copies disagree.
    // Returns how many clusters it newly marked.
    static uint64_t mergeFatCopies(const QList<QByteArrayView>& copies, uint64_t firstEntry, QBitArray& clusters,
                                   FatComparison& comparison);
};
