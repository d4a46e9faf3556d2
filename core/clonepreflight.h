#pragma once
#include "platform/platformtypes.h"
#include "platform/storageclaim.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

// Every refusal a clone can meet before its first write, in one place, run before the target is
// cleaned: source and target sharing storage under any names, a target that holds the running
// system, is no longer the disk the user chose, or is mounted or in use anywhere; then both are
// claimed for the run, so a second run cannot write either meanwhile. Nothing here writes.
class ClonePreflight {
    Q_DECLARE_TR_FUNCTIONS(ClonePreflight)
public:
    struct Side {
        QString path;          // "\\.\PhysicalDriveN", a volume name or an image path
        int diskNumber = -1;   // -1 when the path is no drive
        ByteRange range;       // what the run reads (source) or may write (target); length 0: all
        // The run also writes the disk's table: it is claimed whole, as another run into another part
        // of the disk writes the same table, while only `range` has its volumes locked.
        bool writesTable = false;
    };

    ClonePreflight() = default;
    ~ClonePreflight();
    ClonePreflight(const ClonePreflight&) = delete;
    ClonePreflight& operator=(const ClonePreflight&) = delete;

    static Side wholeDisk(int diskNumber);

    // The checks alone, for a dry run or a confirmation; `error` holds the reason.
    static bool check(const Side& source, const Side& target, QString& error);
    // The checks, then the claims, held until release() or destruction.
    bool begin(const Side& source, const Side& target, QString& error);
    // The claims alone, right after check() passed for the same sides.
    bool claim(const Side& source, const Side& target, QString& error);
    void release();

    static bool sharesStorage(const Side& a, const Side& b);
    // "nothing was written" ends every refusal of a run.
    static QString refusedText(const QString& reason);

private:
    static QString busyVolume(const Side& target);
    std::unique_ptr<StorageClaim> m_source;
    std::unique_ptr<StorageClaim> m_target;
};
