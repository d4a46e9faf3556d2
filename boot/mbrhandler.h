#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>

// Sector 0 of a disk: boot code and active flags, through the raw disk layer.
class MBRHandler : public QObject {
    Q_OBJECT
public:
    static constexpr int SectorSize = 512;
    static constexpr int BootCodeSize = 446;
    static constexpr int DiskSignatureOffset = 440;
    static constexpr int PartitionTableOffset = 446;
    static constexpr int PartitionEntrySize = 16;
    static constexpr int BootSignatureOffset = 510;
    static constexpr uint8_t ActiveFlag = 0x80;

    explicit MBRHandler(QObject* parent = nullptr);

    bool readMbr(int diskNumber, QByteArray& buffer);
    bool writeMbr(int diskNumber, const QByteArray& buffer);
    bool repairBootSector(int diskNumber);
    bool setActivePartition(int diskNumber, int partitionNumber);

    // Pure edits of a 512-byte sector, used by the two operations above.
    static QByteArray withBootCode(const QByteArray& sector);
    static QByteArray withActivePartition(const QByteArray& sector, int partitionNumber);

    QString lastError() const { return m_lastError; }

private:
    QString m_lastError;
};
