#include "platform/posix/windowspathmapper.h"

#include <algorithm>
#include <cctype>

namespace {
std::string stripTrailingSlashes(std::string p)
{
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

std::string slashes(std::string p)
{
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

// "\\?\" and "\\.\" put before a drive path change nothing about where it points.
size_t devicePrefixLength(const std::string& path)
{
    if (path.size() >= 4 && path[0] == '\\' && path[1] == '\\' && (path[2] == '?' || path[2] == '.') && path[3] == '\\')
        return 4;
    return 0;
}
}

WindowsPathMapper WindowsPathMapper::fromText(const std::string& text, std::vector<std::string>& messages)
{
    WindowsPathMapper mapper;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(';', start);
        const std::string item = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!item.empty()) {
            const bool shaped = item.size() >= 3 && item[1] == '=' && std::isalpha((unsigned char)item[0]) && item[2] == '/';
            if (shaped)
                mapper.m_letters[char(std::toupper((unsigned char)item[0]))] = stripTrailingSlashes(item.substr(2));
            else
                messages.push_back("TESSARIN_DRIVE_LETTERS: ignored \"" + item + "\" (expected LETTER=/absolute/path)");
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return mapper;
}

char WindowsPathMapper::driveLetterOf(const std::string& path)
{
    const size_t p = devicePrefixLength(path);
    if (path.size() >= p + 2 && std::isalpha((unsigned char)path[p]) && path[p + 1] == ':'
        && (path.size() == p + 2 || path[p + 2] == '\\' || path[p + 2] == '/'))
        return char(std::toupper((unsigned char)path[p]));
    return 0;
}

std::string WindowsPathMapper::rootOf(char letter) const
{
    const auto it = m_letters.find(char(std::toupper((unsigned char)letter)));
    return it == m_letters.end() ? std::string() : it->second;
}

std::string WindowsPathMapper::toNative(const std::string& path) const
{
    if (!path.empty() && path[0] == '/')
        return slashes(path);
    const char letter = driveLetterOf(path);
    if (!letter)
        return slashes(path);
    const std::string root = rootOf(letter);
    if (root.empty())
        return {};
    std::string rest = slashes(path.substr(devicePrefixLength(path) + 2));
    while (!rest.empty() && rest[0] == '/')
        rest.erase(0, 1);
    if (rest.empty())
        return root;
    return root == "/" ? "/" + rest : root + "/" + rest;
}

std::string WindowsPathMapper::letterRootFor(const std::string& nativeDirectory) const
{
    const std::string wanted = stripTrailingSlashes(nativeDirectory);
    for (const auto& [letter, root] : m_letters)
        if (root == wanted)
            return std::string(1, letter) + ":\\";
    return {};
}

std::string WindowsPathMapper::trimMountPath(std::string p)
{
    if (p.size() >= 2 && p.compare(p.size() - 2, 2, ":\\") == 0)
        p.resize(p.size() - 2);
    std::replace(p.begin(), p.end(), '\\', '/');
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}
