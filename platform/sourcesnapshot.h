#pragma once
#include <string>

// One set of shadow copies, all taken at the same instant. Destroying it deletes the set, so
// whatever ends a run (its end, a failure, a cancel) gives the shadow storage back.
class SourceSnapshot {
public:
    virtual ~SourceSnapshot() = default;
    // The device that reads `volumeName` as it was when the set was taken
    // ("\\?\GLOBALROOT\Device\HarddiskVolumeShadowCopy7"); empty for a volume not in the set.
    virtual std::string shadowDevice(const std::string& volumeName) const = 0;
};
