#pragma once
#include <QString>

// The diskpart scripts of the boot repair and the data partition. Pure functions. Nothing reads
// diskpart's answers, which are in the system's language. Every builder refuses (returns an empty
// text, which the runner will not start) when a drive letter is not one ASCII letter or a label
// breaks ToolArgumentRules.
class DiskpartScript {
public:
    // "s", "S:", "S:\" -> "S"; anything else -> empty.
    static QString normalizeLetter(const QString& letter);

    static QString assignEfiLetter(int disk, int partition, const QString& letter);
    static QString removeVolumeLetter(const QString& letter);
    static QString probeAssign(int disk, int partition, const QString& letter);
    static QString probeRemove(int disk, int partition, const QString& letter);
    static QString mountEfiAndWindows(int disk, int efiPartition, const QString& efiLetter,
                                      int windowsPartition, const QString& windowsLetter);
    static QString assignSystemLetter(int disk, int partition, const QString& letter);
    static QString unmount(int disk, int partition, const QString& letter);
    static QString onlineDisk(int disk);
    static QString mountPair(int disk, int efiPartition, const QString& efiLetter, int windowsPartition,
                             const QString& windowsLetter);
    static QString removePair(int disk, int efiPartition, const QString& efiLetter, int windowsPartition,
                              const QString& windowsLetter);

    static bool isSafeLabel(const QString& label);
};
