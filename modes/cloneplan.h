#pragma once
#include "core/copypipeline.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// What one clone run does, worked out before its first write: every copy with its extents in the
// order the run makes them, and the steps that write rather than copy. The dry run prints it, the
// refusal is the failure to make it, and the run copies exactly these extents.
class ClonePlan {
public:
    enum class Method { Full, Smart, SectorBySector };

    struct Copy {
        QString name;
        Method method = Method::Full;
        int partitionIndex = -1;  // index into the source's partitions; -1 for the table region or the whole disk
        bool table = false;       // the table region: the copy's new identity follows at once
        std::vector<CopyExtent> extents;
        uint64_t bytes = 0;
        // The partition's place on the target, whole; after a smart copy the bytes of it that no
        // copy writes are discarded. Empty where the run changes the file system after the copy.
        ByteRange targetSpan;
    };

    uint32_t sectorSize = 512;
    QList<Copy> copies;
    QStringList source; // how the source is read: as it is, through a snapshot, or live
    QStringList table;  // what happens to the target's table and identity
    QStringList space;  // what happens to the target's space beyond the copies
    QStringList boot;   // the boot repair

    void clear() { *this = ClonePlan(); }
    uint64_t totalBytes() const;
    // Every extent of every copy, in the order the run copies them.
    std::vector<CopyExtent> extents() const;
    static QString methodName(Method method);
    // The bytes of the smart copies' target spans that no copy of the plan writes, each range cut
    // inward to whole `targetSector`s, in target order.
    std::vector<ByteRange> unwrittenRanges(uint32_t targetSector) const;
    static uint64_t lengthOf(const std::vector<ByteRange>& ranges);
};
