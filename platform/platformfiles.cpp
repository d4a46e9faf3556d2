#include "platform/platformfiles.h"

#include "platform/platform.h"
#include "platform/platformtypes.h"

std::string PlatformFiles::systemDirectory()
{
    const std::string windows = windowsDirectory();
    return windows.empty() ? windows : windows + "\\System32";
}

namespace {
PlatformFiles* nativeFilesOtherThan(const PlatformFiles* self)
{
    PlatformFiles* native = Platform::native().parts().files;
    if (native == self) {
        Platform::setLastError(PlatformError::NotSupported, "durable files are not supported here");
        return nullptr;
    }
    return native;
}
}

bool PlatformFiles::syncFileData(int descriptor)
{
    PlatformFiles* native = nativeFilesOtherThan(this);
    return native && native->syncFileData(descriptor);
}

bool PlatformFiles::syncFolder(const std::string& path)
{
    PlatformFiles* native = nativeFilesOtherThan(this);
    return native && native->syncFolder(path);
}
