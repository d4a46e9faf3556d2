#pragma once
#include "core/partitioninfo.h"

#include <QObject>
#include <QString>

// Checks the EFI system partition for the Windows boot manager and rebuilds it with bcdboot.
class EFIHandler : public QObject {
    Q_OBJECT
public:
    static constexpr uint64_t RecommendedEfiSize = 104857600;  // 100 MiB
    static constexpr int BcdbootFinishMs = 60000;
    static constexpr int BcdeditFinishMs = 30000;

    explicit EFIHandler(QObject* parent = nullptr);

    bool resolveMountPoint(const PartitionInfo& partition, QString& mountPoint);
    bool repairEfiBoot(int diskNumber, const PartitionInfo& partition, const QString& windowsDir);
    bool updateBootEntry(int diskNumber, const PartitionInfo& partition);

    QString lastError() const { return m_lastError; }

private:
    bool repairMounted(const QString& mountPoint, const QString& windowsDir);
    QString m_lastError;
};
