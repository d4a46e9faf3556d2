#pragma once
#include <QList>
#include <QString>
#include <cstdint>

// The diskpart scripts of the boot repair and the data partition, and the parsing of "list
// partition". Pure functions. Every builder refuses (returns an empty text, which the runner will
// not start) when a drive letter is not one ASCII letter or a label breaks ToolArgumentRules.
class DiskpartScript {
public:
    struct ListedPartition {
        int number = 0;
        QString type;          // as listed ("System", "Primary", "系统", ...)
        uint64_t sizeBytes = 0;
    };

    // "s", "S:", "S:\" -> "S"; anything else -> empty.
    static QString normalizeLetter(const QString& letter);

    static QString assignEfiLetter(int disk, int partition, const QString& letter);
    static QString removeVolumeLetter(const QString& letter);
    static QString detectBoot(int disk);
    static QString probeAssign(int disk, int partition, const QString& letter);
    static QString probeRemove(int disk, int partition, const QString& letter);
    static QString mountEfiAndWindows(int disk, int efiPartition, const QString& efiLetter,
                                      int windowsPartition, const QString& windowsLetter);
    static QString assignSystemLetter(int disk, int partition, const QString& letter);
    static QString unmount(int disk, int partition, const QString& letter);
    static QString onlineDisk(int disk);
    static QString listPartitions(int disk);
    static QString mountPair(int disk, int efiPartition, const QString& efiLetter, int windowsPartition,
                             const QString& windowsLetter);
    static QString removePair(int disk, int efiPartition, const QString& efiLetter, int windowsPartition,
                              const QString& windowsLetter);

    static bool isSafeLabel(const QString& label);

    // "Partition N <type> <size> <unit> <offset> <unit>" lines (English listing only).
    static QList<ListedPartition> parseDiskCloneListing(const QString& output);
    // "Partition|分区 N <type> <size>[ unit]" lines.
    static QList<ListedPartition> parseSystemCloneListing(const QString& output);
    static uint64_t sizeToBytes(uint64_t value, const QString& unit);
};
