#include "platform/platformsnapshots.h"

#include "platform/platform.h"

namespace {
bool unavailable()
{
    Platform::setLastError(PlatformError::NotSupported, "volume snapshots are not available on this system");
    return false;
}
}

bool PlatformSnapshots::available() { return unavailable(); }

std::unique_ptr<SourceSnapshot> PlatformSnapshots::createSnapshot(const std::vector<std::string>&)
{
    unavailable();
    return nullptr;
}
