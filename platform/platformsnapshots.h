#pragma once
#include "platform/sourcesnapshot.h"

#include <memory>
#include <string>
#include <vector>

// Point-in-time copies of mounted volumes, so a source in use can be read as of one instant.
class PlatformSnapshots {
public:
    virtual ~PlatformSnapshots() = default;

    // Whether a set can be made here now; false with lastError saying why. The default: never.
    virtual bool available();
    // One set holding every volume of `volumeNames` (as enumerateVolumes names them); null with
    // lastError saying why when the set cannot be made. The default: no snapshots on this system.
    virtual std::unique_ptr<SourceSnapshot> createSnapshot(const std::vector<std::string>& volumeNames);
};
