#include "platform/posix/posixerror.h"

#include "platform/platform.h"

#include <cerrno>
#include <cstring>

uint32_t PosixError::codeFor(int errnoValue)
{
    switch (errnoValue) {
    case 0: return PlatformError::Success;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR: return PlatformError::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return PlatformError::AccessDenied;
    case EBUSY:
    case ETXTBSY: return PlatformError::Busy;
    case EINVAL: return PlatformError::InvalidParameter;
    case EIO: return PlatformError::IoDevice;
    case ECANCELED: return PlatformError::OperationAborted;
    case EBADF: return PlatformError::InvalidHandle;
    case EEXIST: return PlatformError::AlreadyExists;
    case ENOMEDIUM: return PlatformError::NotReady;
    case ENOTTY:
    case ENOSYS:
    case EOPNOTSUPP: return PlatformError::NotSupported;
    case ENOSPC:
    case EFBIG: return DiskFull;
    default: return GenFailure;
    }
}

std::string PosixError::textFor(int errnoValue, const std::string& context)
{
    const std::string reason = std::strerror(errnoValue);
    return context.empty() ? reason : context + ": " + reason;
}

bool PosixError::set(int errnoValue, const std::string& context)
{
    Platform::setLastError(codeFor(errnoValue), textFor(errnoValue, context));
    return false;
}

bool PosixError::set(uint32_t code, const std::string& text)
{
    Platform::setLastError(code, text);
    return false;
}
