#pragma once
#include "core/cloneconfig.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// What a clone would do, worked out with the strategies' own planners and without writing
// anything: the source is read (file-system maps for smart copy) and the target is not opened.
class DryRunPlan {
public:
    // False with `error` when the plan cannot be made (the run itself would refuse too).
    bool build(const CloneConfig& config, QString& error);

    QJsonObject json() const;
    QString text() const;
    uint64_t totalBytes() const { return m_totalBytes; }

private:
    struct Copy {
        QString name;
        QString method;  // "full", "smart", "sector by sector"
        uint64_t sourceStart = 0;  // logical sectors
        uint64_t targetStart = 0;
        uint64_t bytes = 0;
    };
    void addCopy(const QString& name, const QString& method, uint64_t sourceOffset, uint64_t targetOffset,
                 uint64_t bytes);
    // Smart copy of one partition: the used bytes, or the full size when there is no usable map.
    QString planPartition(const PartitionInfo& p, int diskNumber, uint64_t targetOffset, bool full, uint64_t& bytes);
    bool buildDisk(QString& error);
    bool buildSystem(QString& error);
    bool buildPartition(QString& error);
    void addBootRepair(bool windows);

    CloneConfig m_config;
    uint32_t m_sectorSize = 512;
    QList<Copy> m_copies;
    QStringList m_table;
    QStringList m_space;
    QStringList m_boot;
    uint64_t m_totalBytes = 0;
};
