#include "platform/platformfiles.h"

std::string PlatformFiles::systemDirectory()
{
    const std::string windows = windowsDirectory();
    return windows.empty() ? windows : windows + "\\System32";
}
