#pragma once
#include "core/diskio.h"
#include "ondisk/mbrcodec.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

// Sector 0 of a disk: boot code and active flags, through the raw disk layer.
class MBRHandler : public QObject {
    Q_OBJECT
public:
    static constexpr int SectorSize = MbrCodec::SectorBytes;
    static constexpr int DiskSignatureOffset = MbrCodec::OffDiskSignature;
    static constexpr int PartitionTableOffset = MbrCodec::OffEntries;
    static constexpr int PartitionEntrySize = MbrCodec::EntrySize;
    static constexpr int BootSignatureOffset = MbrCodec::OffBootSignature;
    static constexpr uint8_t ActiveFlag = MbrCodec::ActiveFlag;

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
    // Reads sector 0 through a checked handle for writing, applies `edit` to its first 512 bytes
    // and writes it back.
    bool editMbr(int diskNumber, const std::function<QByteArray(const QByteArray&)>& edit);
    bool openSectorZero(int diskNumber, bool writable, DiskHandle& handle, uint32_t& sectorSize, AlignedBuffer& sector);

    QString m_lastError;
};
