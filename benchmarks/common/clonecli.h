#pragma once
// tessarin-cli as the benchmarks run it: on image files named through TESSARIN_DISKS, with its
// logs and journals kept in the benchmark's own folder rather than the machine's log folder.
#include <QString>
#include <QStringList>

class CloneCli {
public:
    static QString program();
    // Disk N becomes disks[N] for this process and every child it starts.
    static void useDisks(const QStringList& disks, const QString& stateDir);
    // `clone disk SOURCE TARGET --yes` followed by `extra`.
    static QStringList cloneDisk(int source, int target, const QStringList& extra = {});
    // Whether `clone --help` offers `option`.
    static bool offers(const QString& option);
};
