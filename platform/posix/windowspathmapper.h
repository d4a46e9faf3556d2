#pragma once
#include <map>
#include <string>
#include <vector>

// Turns the Windows paths the portable code builds ("Z:\EFI\Boot") into native ones. Drive letters
// mean nothing on Linux, so they come from a letter map, TESSARIN_DRIVE_LETTERS="Z=/mnt/x;Y=/mnt/y".
// Backslashes become '/'; a path that already starts with '/' keeps its place.
class WindowsPathMapper {
public:
    WindowsPathMapper() = default;
    // Parses the letter-map text; malformed items are reported in `messages` and skipped.
    static WindowsPathMapper fromText(const std::string& text, std::vector<std::string>& messages);

    // Empty when the path names a letter that is not mapped.
    std::string toNative(const std::string& path) const;
    // The letter ('Z') a path starts with ("Z:", "z:\x", "\\?\Z:\", "\\.\Z:"), or 0.
    static char driveLetterOf(const std::string& path);
    // "Z:\" for a mount path that is a mapped root, else empty.
    std::string letterRootFor(const std::string& nativeDirectory) const;
    // "/mnt/x:\", "/mnt/x\" and "/mnt/x/" all mean the mount point /mnt/x: the portable code appends
    // ":\" to anything that is not a drive root.
    static std::string trimMountPath(std::string path);
    // Mapped root of a letter, or empty.
    std::string rootOf(char letter) const;
    const std::map<char, std::string>& letters() const { return m_letters; }

private:
    std::map<char, std::string> m_letters;  // upper-case letter -> native directory without trailing '/'
};
