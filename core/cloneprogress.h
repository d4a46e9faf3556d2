#pragma once
#include "core/tessarin.h"

#include <QDateTime>
#include <QString>
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

    void reset();
    double percentage() const;
};

Q_DECLARE_METATYPE(CloneProgress)
