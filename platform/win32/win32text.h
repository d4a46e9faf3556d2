#pragma once
// Text conversions between the seam's UTF-8 and the UTF-16 of the Windows wide-character calls.
// Free of windows.h so it can be built and tested anywhere.
#include <cstddef>
#include <string>
#include <vector>

class Win32Text {
public:
    // Malformed input (bad or overlong sequences, encoded surrogates, values above U+10FFFF)
    // becomes U+FFFD instead of being dropped or passed on.
    static std::u16string toUtf16(const std::string& utf8);
    // Unpaired surrogates become U+FFFD. Stops at `length` code units, not at a NUL.
    static std::string toUtf8(const char16_t* utf16, size_t length);
    static std::string toUtf8(const std::u16string& utf16);

    // A list of NUL-terminated strings ended by an empty one, read from at most `length` units.
    static std::vector<std::string> multiStringToList(const char16_t* units, size_t length);

    // Without leading and trailing white space (system messages end in "\r\n").
    static std::string trimmed(const std::string& text);
};
