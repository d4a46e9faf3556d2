#pragma once
#include <cstdint>
#include <string>

// Turns errno values into the Windows-style codes the portable code tests for, and stores them
// as the calling thread's platform error.
class PosixError {
public:
    // Codes outside PlatformError that this backend reports.
    static constexpr uint32_t GenFailure = 31;
    static constexpr uint32_t FileExists = 80;
    static constexpr uint32_t DiskFull = 112;
    static constexpr uint32_t UnrecognizedVolume = 1005;
    static constexpr uint32_t NoAccess = 998;

    static uint32_t codeFor(int errnoValue);
    // Text "<context>: <strerror>"; the context says what was attempted on what.
    static std::string textFor(int errnoValue, const std::string& context);
    // Sets the platform error from errno and returns false, so failures can `return fail(...)`.
    static bool set(int errnoValue, const std::string& context);
    static bool set(uint32_t code, const std::string& text);
};
