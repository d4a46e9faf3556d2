#pragma once
#include "core/tessarin.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QMetaType>
#include <cstdint>

// Snapshot sent with every progress signal.
class CloneProgress {
public:
    CloneProgress();

    Tessarin::CloneStatus status = Tessarin::Idle;
    QString currentPhase;
    uint64_t totalBytes = 0;
    uint64_t copiedBytes = 0;
    int32_t currentPartition = 0;
    int32_t totalPartitions = 0;
    QString partitionName;
    uint64_t speed = 0;
    QDateTime startTime;
    QString errorMessage;
    // The run stopped before its first write: source and target are as they were.
    bool refused = false;
    // The run stopped after writing, and its journal lets the same clone go on where it stopped.
    bool resumable = false;
    // Bytes read back from the target and found equal to the source.
    uint64_t verifiedBytes = 0;
    // Source sectors that could not be read and were written as zeros; never 0 for a plain success.
    uint64_t unreadableSectors = 0;
    // The file listing the unreadable ranges (start sector and count per line); empty when none.
    QString unreadableMapPath;
    // The offline check of the finished copy: "severity: text" lines, empty when it did not run.
    QStringList targetCheck;
    // What made a finished copy less than asked for; a run with any ends "with warnings".
    QStringList warnings;
    // Steps of the request that did not run, each with its reason; not faults.
    QStringList skipped;
    bool targetCheckPassed = false;
    // A boot repair ran and changed the copy.
    bool bootRepaired = false;

    void reset();
    double percentage() const;
};

Q_DECLARE_METATYPE(CloneProgress)
