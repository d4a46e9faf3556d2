#include "common/memoryfiles.h"

#include "common/memorynames.h"

#include <cctype>

namespace {
using N = MemoryNames;
constexpr uint32_t FileExistsCode = 80;
}

std::string MemoryFiles::windowsDirectory() { return "C:\\Windows"; }

bool MemoryFiles::fileExists(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return N::findPath(existingPaths, path) != existingPaths.end() || N::fail(PlatformError::FileNotFound, N::NotFoundText);
}

bool MemoryFiles::createDirectory(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (N::findPath(failingPaths, path) != failingPaths.end())
        return N::fail(PlatformError::AccessDenied, N::AccessDeniedText);
    if (N::findPath(existingPaths, path) != existingPaths.end())
        return N::fail(PlatformError::AlreadyExists, "Cannot create a file when that file already exists.");
    existingPaths.insert(path);
    return true;
}

bool MemoryFiles::copyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (N::findPath(failingPaths, from) != failingPaths.end() || N::findPath(failingPaths, to) != failingPaths.end())
        return N::fail(PlatformError::AccessDenied, N::AccessDeniedText);
    if (N::findPath(existingPaths, from) == existingPaths.end())
        return N::fail(PlatformError::FileNotFound, N::NotFoundText);
    if (failIfExists && N::findPath(existingPaths, to) != existingPaths.end())
        return N::fail(FileExistsCode, "The file exists.");
    existingPaths.insert(to);
    copiedFiles.emplace_back(from, to);
    return true;
}

bool MemoryFiles::deleteFile(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    auto it = N::findPath(existingPaths, path);
    if (N::findPath(failingPaths, path) != failingPaths.end())
        return N::fail(PlatformError::AccessDenied, N::AccessDeniedText);
    if (it == existingPaths.end())
        return N::fail(PlatformError::FileNotFound, N::NotFoundText);
    existingPaths.erase(it);
    return true;
}

bool MemoryFiles::setFileAttributesNormal(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return N::findPath(existingPaths, path) != existingPaths.end() || N::fail(PlatformError::FileNotFound, N::NotFoundText);
}

uint32_t MemoryFiles::logicalDrives() { return driveMask; }

uint32_t MemoryFiles::letterMask(const std::string& letters)
{
    uint32_t mask = 0;
    for (char c : letters)
        if (std::isalpha(static_cast<unsigned char>(c)))
            mask |= 1u << (std::toupper(static_cast<unsigned char>(c)) - 'A');
    return mask;
}

uint32_t MemoryFiles::driveType(const std::string& rootPath)
{
    const bool letterRoot = rootPath.size() >= 2 && rootPath[1] == ':' && std::isalpha(static_cast<unsigned char>(rootPath[0]));
    return letterRoot && (driveMask & letterMask(rootPath.substr(0, 1))) ? 3 : 1;
}
