#pragma once
// Shared set-up of the boot tests: a scripted runner and an in-memory platform (no drive letters
// in use, the boot tools in its system folder) installed for one test.
#include "boot/bcdeditor.h"
#include "common/memoryplatform.h"
#include "core/diskinfo.h"
#include "common/scriptedcommandrunner.h"

#include <QByteArray>
#include <QStringList>
#include <cstring>
#include <string>

// Partition and disk records as the repairs receive them.
inline PartitionInfo part(int number, const QString& letter = QString())
{
    PartitionInfo p;
    p.diskNumber = 0;
    p.partitionNumber = number;
    p.driveLetter = letter;
    p.size = 1 << 30;
    return p;
}
inline PartitionInfo efiPart(int number, const QString& letter = QString())
{
    PartitionInfo p = part(number, letter);
    p.isEfi = p.isSystem = true;
    p.fileSystem = Tessarin::FileSystemType::FAT32;
    p.size = 104857600;
    return p;
}
inline DiskInfo diskOf(int number, const QList<PartitionInfo>& partitions)
{
    DiskInfo d;
    d.diskNumber = number;
    d.partitionStyle = Tessarin::PartitionStyle::GPT;
    d.partitions = partitions;
    return d;
}

struct BootFixture {
    ScriptedCommandRunner runner;
    MemoryPlatform platform;
    ScopedCommandRunner scopedRunner{&runner};
    ScopedPlatform scopedPlatform{&platform};
    BCDEditor bcd;

    // The Windows boot tools are in place unless a test takes them away.
    BootFixture()
    {
        platform.driveMask = 0;
        addFiles({"C:\\Windows\\System32\\bcdedit.exe", "C:\\Windows\\System32\\bcdboot.exe",
                  "C:\\Windows\\System32\\reg.exe"});
    }

    void addFiles(const QStringList& paths)
    {
        for (const QString& p : paths)
            platform.existingPaths.insert(p.toStdString());
    }
    void useLetters(const char* letters) { platform.driveMask = MemoryPlatform::letterMask(letters); }
    // A 4 MiB disk holding `bytes` at its start.
    int addDisk(const QByteArray& bytes)
    {
        const int n = platform.addDisk(4 * 1024 * 1024);
        std::memcpy(platform.data(n).data(), bytes.constData(), size_t(bytes.size()));
        return n;
    }
    // A partition of disk `n` as the machine lists it: an entry of the table of style `style`
    // (`type` is the MBR type, or the GPT type GUID), and a volume on it mounted at `letter`
    // when one is given.
    void listPartition(int n, LayoutStyle style, uint32_t number, int64_t startMiB, int64_t sizeMiB, const std::string& type,
                       bool active = false, const QString& letter = QString(), const std::string& fileSystem = "NTFS")
    {
        constexpr int64_t MiB = 1048576;
        PlatformDriveLayout& layout = platform.disk(n).layout;
        layout.style = style;
        PlatformLayoutEntry e;
        e.partitionNumber = number;
        e.startingOffset = startMiB * MiB;
        e.partitionLength = sizeMiB * MiB;
        if (style == LayoutStyle::MBR)
            e.mbrType = uint8_t(std::stoi(type, nullptr, 16));
        else
            e.typeGuid = type;
        e.bootIndicator = active;
        layout.entries.push_back(e);
        MemoryVolume& v = platform.addVolume("\\\\?\\Volume{" + std::to_string(n) + "-" + std::to_string(number) + "}\\",
                                             n, e.startingOffset, e.partitionLength);
        v.fileSystem = fileSystem;
        if (!letter.isEmpty())
            v.mountPaths = {letter.toStdString() + "\\"};
    }
    QStringList copies() const
    {
        QStringList out;
        for (const auto& [from, to] : platform.copiedFiles)
            out.append(QString::fromStdString(from + " -> " + to));
        return out;
    }
    // Calls of one program, in order (all calls for an empty name).
    QList<ScriptedCommandRunner::Call> callsOf(const QString& program) const
    {
        QList<ScriptedCommandRunner::Call> out;
        for (const auto& c : runner.calls())
            if (program.isEmpty() || c.request.program == program)
                out.append(c);
        return out;
    }
};
