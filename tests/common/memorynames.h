#pragma once
// Names and errors shared by the in-memory platform parts: Windows compares paths without regard to
// case, '/' against '\' and trailing backslashes, and reports failures with fixed texts.
#include "platform/platform.h"

#include <algorithm>
#include <cctype>
#include <string>

class MemoryNames {
public:
    static constexpr const char* NotReadyText = "The device is not ready.";
    static constexpr const char* BadParameterText = "The parameter is incorrect.";
    static constexpr const char* AccessDeniedText = "Access is denied.";
    static constexpr const char* NotFoundText = "The system cannot find the file specified.";
    static constexpr const char* IoDeviceText = "The request could not be performed because of an I/O device error.";

    static bool fail(uint32_t code, const char* text)
    {
        Platform::setLastError(code, text);
        return false;
    }

    static std::string lower(std::string s)
    {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return s;
    }

    static bool equalNoCase(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

    static std::string stripTrailingBackslash(std::string s)
    {
        while (!s.empty() && s.back() == '\\')
            s.pop_back();
        return s;
    }

    static std::string pathKey(std::string s)
    {
        std::replace(s.begin(), s.end(), '/', '\\');
        return lower(stripTrailingBackslash(s));
    }

    template <typename Container>
    static auto findNoCase(Container& c, const std::string& key)
    {
        return std::find_if(c.begin(), c.end(), [&](const auto& entry) { return equalNoCase(entry, key); });
    }

    // File paths: as Windows compares them.
    template <typename Container>
    static auto findPath(Container& c, const std::string& path)
    {
        const std::string key = pathKey(path);
        return std::find_if(c.begin(), c.end(), [&](const auto& entry) { return pathKey(entry) == key; });
    }
};
