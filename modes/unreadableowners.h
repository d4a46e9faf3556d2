#pragma once
#include "core/diskinfo.h"
#include "core/unreadablemap.h"

#include <QStringList>

// Names the files of the source's NTFS volumes that held unreadable sectors, so that the user
// knows which of them the copy holds zeros in.
class UnreadableOwners {
public:
    // One line per NTFS partition of `source` that any range of `map` (source sectors) touches.
    static QStringList describe(const DiskInfo& source, const UnreadableMap& map);
};
