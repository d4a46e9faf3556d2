#include "platform/platformvolumes.h"

#include "platform/platform.h"

bool PlatformVolumes::volumeContainsPath(const std::string& volumeName, const std::string& relativePath, ProcessRunner&)
{
    for (std::string root : volumeMountPaths(volumeName)) {
        if (!root.empty() && root.back() != '\\')
            root += '\\';
        if (!root.empty() && Platform::files().fileExists(root + relativePath))
            return true;
    }
    return false;
}
