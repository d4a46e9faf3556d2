#include "platform/win32/win32deviceidentity.h"

bool Win32DeviceIdentity::sameAs(const Win32DeviceIdentity& other) const
{
    const bool isFile = hasFileId128 || hasFileIndex;
    const bool otherIsFile = other.hasFileId128 || other.hasFileIndex;
    if (isFile && otherIsFile) {
        if (hasFileId128 && other.hasFileId128)
            return volumeSerial64 == other.volumeSerial64 && fileId128 == other.fileId128;
        if (hasFileIndex && other.hasFileIndex)
            return volumeSerial == other.volumeSerial && fileIndex == other.fileIndex;
        return false;
    }
    if (isFile != otherIsFile)
        return false;   // a file against a raw device
    if (hasDeviceNumber && other.hasDeviceNumber)
        return deviceType == other.deviceType && deviceNumber == other.deviceNumber
            && partitionNumber == other.partitionNumber;
    return false;
}
