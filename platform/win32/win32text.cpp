#include "platform/win32/win32text.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t MaxCodePoint = 0x10FFFF;

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void appendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::u16string Win32Text::toUtf16(const std::string& utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    const size_t n = utf8.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        size_t extra;
        char32_t cp;
        char32_t minimum;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1; cp = lead & 0x1F; minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2; cp = lead & 0x0F; minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3; cp = lead & 0x07; minimum = 0x10000;
        } else {
            out.push_back(static_cast<char16_t>(Replacement));
            ++i;
            continue;
        }
        size_t taken = 1;
        while (taken <= extra && i + taken < n && isContinuation(static_cast<unsigned char>(utf8[i + taken]))) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + taken]) & 0x3F);
            ++taken;
        }
        // A cut sequence is replaced once and decoding resumes at the byte that broke it.
        if (taken <= extra || cp < minimum || cp > MaxCodePoint || (cp >= 0xD800 && cp <= 0xDFFF))
            out.push_back(static_cast<char16_t>(Replacement));
        else
            appendUtf16(out, cp);
        i += taken;
    }
    return out;
}

std::string Win32Text::toUtf8(const char16_t* utf16, size_t length)
{
    std::string out;
    if (!utf16)
        return out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < length && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10)
                + (static_cast<char32_t>(utf16[i + 1]) - 0xDC00);
            appendUtf8(out, cp);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            appendUtf8(out, Replacement);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

std::string Win32Text::toUtf8(const std::u16string& utf16)
{
    return toUtf8(utf16.data(), utf16.size());
}

std::vector<std::string> Win32Text::multiStringToList(const char16_t* units, size_t length)
{
    std::vector<std::string> out;
    if (!units)
        return out;
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        if (units[i] != 0)
            continue;
        if (i == start)
            return out;   // the empty string that ends the list
        out.push_back(toUtf8(units + start, i - start));
        start = i + 1;
    }
    // A last string without its NUL (answer cut at `length`) is still one string.
    if (start < length)
        out.push_back(toUtf8(units + start, length - start));
    return out;
}

std::string Win32Text::trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}
